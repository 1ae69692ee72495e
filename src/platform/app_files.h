#pragma once
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace modlatch {

// The files beside the executable: where it lives, the private-profile functions and the
// existence check. Profile text crosses this port in the system's ANSI code page.
class AppFiles {
 public:
  virtual ~AppFiles() = default;
  // The running executable's folder as the system reports it (a trailing "\" only at a root).
  virtual Text AppPath() = 0;
  // The running executable's file name without its extension.
  virtual Text AppExeName() = 0;
  // Copies the value, or the default when file, section or key is missing, into buffer,
  // NUL-terminated and cut to fit size bytes.
  virtual void ReadProfileKey(const std::string& section, const std::string& key, const std::string& fallback,
                                char* buffer, std::uint32_t size, const std::string& path) = 0;
  virtual bool WriteProfileKey(const std::string& section, const std::string& key, const std::string& value,
                                  const std::string& path) = 0;
  // True for an existing file or directory.
  virtual bool PathExists(const std::string& path) = 0;
  // The whole file, opened by its wide path; false when it cannot be opened or read, or is too
  // large to be a document.
  virtual bool ReadWholeFile(const Text& path, std::string* bytes) = 0;
};

}  // namespace modlatch
