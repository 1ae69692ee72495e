#pragma once
#include <string>

#include "form/beside_executable.h"
#include "platform/platform.h"

namespace modlatch {

// <executable folder>\<executable base name>.ini.
Text IniFilePath(AppFiles& files);

// The text before the first NUL; empty when the first character is NUL or there is none.
std::string TrimAtNul(const std::string& buffer);

// One key's value, or fallback when file, section or key is missing; cut at 127 bytes.
Text ReadIniString(Platform& os, const Text& path, const Text& section, const Text& key, const Text& fallback);
bool WriteIniString(Platform& os, const Text& path, const Text& section, const Text& key, const Text& value);
// True for an existing file or directory; a relative path is taken from the current directory.
bool FileExists(Platform& os, const Text& path);

}  // namespace modlatch
