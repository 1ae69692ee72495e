#pragma once
#include "platform/types.h"

namespace modlatch {

// One instance per executable: the name of the lock object for the executable at `path`
// (already case-folded by the caller, since the file system ignores case).
Text InstanceLockName(const Text& path);

}  // namespace modlatch
