#pragma once
#include "platform/file_system.h"
#include "platform/types.h"

namespace modlatch {

// One instance per executable file: the name of the lock that the running instance of the
// executable at `path` holds. Every path that reaches the same file gives the same name.
Text InstanceLockName(FileSystem& files, const Text& path);

}  // namespace modlatch
