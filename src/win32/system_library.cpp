#include "win32/system_library.h"

#include <cwchar>

namespace modlatch::win32 {

// A portable program runs from wherever it was unzipped, often a Downloads folder that a web
// page can drop a "comctl32.dll" into. Windows looks in the program's folder first for every
// DLL that is not a known DLL, and would run that file inside a process holding keyboard hooks.
void RestrictDllSearch() {
  using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
  // Windows 8 and later, Vista and 7 with KB2533623: every later load by name, ours and those
  // the system makes on our behalf, searches the system folder only.
  const auto set_default = reinterpret_cast<SetDefaultDirectories>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set_default && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  // Older systems (XP SP1 on): at least the current folder leaves the search. The program's own
  // folder stays in it, which is why LoadSystemLibrary names the full path there.
  ::SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  // Systems without the search flags refuse it as an invalid parameter.
  if (::GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  wchar_t path[MAX_PATH];
  const UINT folder = ::GetSystemDirectoryW(path, MAX_PATH);
  const std::size_t length = std::wcslen(name);
  if (folder == 0 || folder + 1 + length >= MAX_PATH) return nullptr;
  path[folder] = L'\\';
  std::wmemcpy(path + folder + 1, name, length + 1);
  // A full path is loaded as named; its own imports are then looked for beside it first.
  return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace modlatch::win32
