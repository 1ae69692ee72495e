#pragma once
#include "platform/app_files.h"

namespace modlatch::win32 {

// The running executable's full path, however long.
Text ModulePath();

// The executable's folder and name, and the private-profile functions in their ANSI forms.
class Win32AppFiles : public AppFiles {
 public:
  Text AppPath() override;
  Text AppExeName() override;
  void ReadProfileKey(const std::string& section, const std::string& key, const std::string& fallback,
                        char* buffer, std::uint32_t size, const std::string& path) override;
  bool WriteProfileKey(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& path) override;
  bool PathExists(const std::string& path) override;
  bool ReadWholeFile(const Text& path, std::string* bytes) override;
};

}  // namespace modlatch::win32
