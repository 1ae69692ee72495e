#include "settings/ini_access.h"

namespace modlatch {
namespace {

// The buffer is larger than the size we declare, as the stored files were always read this way.
constexpr std::size_t kReadBufferSize = 256;
constexpr std::uint32_t kDeclaredReadSize = 128;

}  // namespace

Text IniFilePath(AppFiles& files) { return PathBesideExecutable(files, u".ini"); }

std::string TrimAtNul(const std::string& buffer) {
  const std::size_t nul = buffer.find('\0');
  if (nul == std::string::npos) return std::string();
  return buffer.substr(0, nul);
}

Text ReadIniString(Platform& os, const Text& path, const Text& section, const Text& key, const Text& fallback) {
  std::string buffer(kReadBufferSize, '\0');
  os.files.ReadProfileKey(os.ansi.Encode(section), os.ansi.Encode(key), os.ansi.Encode(fallback), buffer.data(),
                            kDeclaredReadSize, os.ansi.Encode(path));
  return os.ansi.Decode(TrimAtNul(buffer));
}

bool WriteIniString(Platform& os, const Text& path, const Text& section, const Text& key, const Text& value) {
  return os.files.WriteProfileKey(os.ansi.Encode(section), os.ansi.Encode(key), os.ansi.Encode(value),
                                     os.ansi.Encode(path));
}

bool FileExists(Platform& os, const Text& path) { return os.files.PathExists(os.ansi.Encode(path)); }

}  // namespace modlatch
