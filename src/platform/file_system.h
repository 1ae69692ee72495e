#pragma once
#include <cstdint>
#include <optional>

#include "platform/types.h"

namespace modlatch {

// What names a file whatever path reaches it: its volume and its number on that volume.
struct FileId {
  std::uint32_t volume = 0;
  std::uint64_t index = 0;
};

// The file system, as far as telling files apart goes.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // None when the file cannot be opened or its file system does not number its files.
  virtual std::optional<FileId> IdOf(const Text& path) = 0;
  // The full path in its long form and one case, for file systems that give no id.
  virtual Text NormalizedPath(const Text& path) = 0;
};

}  // namespace modlatch
