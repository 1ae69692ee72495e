#include "win32/app_files.h"

#include <windows.h>

#include <vector>

namespace modlatch::win32 {

Text ModulePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return Text(reinterpret_cast<const char16_t*>(path.data()), length);
    path.resize(path.size() * 2);
  }
}

namespace {

std::size_t NameStart(const Text& path) {
  const std::size_t slash = path.find_last_of(u"\\/");
  return slash == Text::npos ? 0 : slash + 1;
}

// A help text is a few dozen kilobytes; anything near this is not a document to show.
constexpr DWORD kLargestDocument = 4 * 1024 * 1024;

}  // namespace

Text Win32AppFiles::AppPath() {
  const Text path = ModulePath();
  std::size_t end = NameStart(path);
  // Only a root keeps its backslash ("C:\"); other folders are reported without one.
  if (end > 0 && !(end >= 2 && path[end - 2] == u':')) --end;
  return path.substr(0, end);
}

Text Win32AppFiles::AppExeName() {
  const Text path = ModulePath();
  const Text name = path.substr(NameStart(path));
  const std::size_t dot = name.find_last_of(u'.');
  return dot == Text::npos ? name : name.substr(0, dot);
}

void Win32AppFiles::ReadProfileKey(const std::string& section, const std::string& key,
                                     const std::string& fallback, char* buffer, std::uint32_t size,
                                     const std::string& path) {
  ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, size, path.c_str());
}

bool Win32AppFiles::WriteProfileKey(const std::string& section, const std::string& key, const std::string& value,
                                       const std::string& path) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

bool Win32AppFiles::PathExists(const std::string& path) {
  // What the shell's path check does, without loading shlwapi for one call.
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32AppFiles::ReadWholeFile(const Text& path, std::string* bytes) {
  HANDLE file = ::CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD high = 0;
  const DWORD size = ::GetFileSize(file, &high);
  bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kLargestDocument;
  if (ok) {
    bytes->assign(size, '\0');
    DWORD read = 0;
    ok = size == 0 || (::ReadFile(file, bytes->data(), size, &read, nullptr) && read == size);
  }
  ::CloseHandle(file);
  return ok;
}

}  // namespace modlatch::win32
