#pragma once
#include <windows.h>

#include "platform/file_system.h"

namespace modlatch::win32 {

// Files told apart by what the file system numbers them, whatever path reaches them.
class Files : public FileSystem {
 public:
  std::optional<FileId> IdOf(const Text& path) override;
  Text NormalizedPath(const Text& path) override;
};

// True when another instance of this executable file runs; otherwise this process now holds
// the lock until it ends. `second_start` receives the message that tells a running instance of
// this file that it was started again; no other program knows it.
bool AnotherInstanceRunning(UINT* second_start);

// Tells the running instance that the user started it again, so that it can show where it is.
void TellRunningInstance(UINT second_start);

}  // namespace modlatch::win32
