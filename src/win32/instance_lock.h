#pragma once
#include "platform/file_system.h"

namespace modlatch::win32 {

// Files told apart by what the file system numbers them, whatever path reaches them.
class Files : public FileSystem {
 public:
  std::optional<FileId> IdOf(const Text& path) override;
  Text NormalizedPath(const Text& path) override;
};

// True when another instance of this executable file runs; otherwise this process now holds
// the lock until it ends.
bool AnotherInstanceRunning();

}  // namespace modlatch::win32
