#include "win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "win32/system_library.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {

void Win32Shell::OpenAddress(WindowHandle owner, const std::string& address, const std::string& directory) {
  // Loaded on first use, like the tray's entry point: shell32 costs every start under Wine.
  using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static const auto execute = reinterpret_cast<ExecuteFunction>(
      reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary(L"shell32.dll"), "ShellExecuteA")));
  if (execute) execute(ToHwnd(owner), "open", address.c_str(), nullptr, directory.c_str(), SW_SHOWNORMAL);
}

void Win32Shell::PutOnClipboard(WindowHandle owner, const Text& text) {
  // Without an owner window the system refuses the data after emptying.
  if (!::OpenClipboard(ToHwnd(owner))) return;
  ::EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (void* data = memory ? ::GlobalLock(memory) : nullptr) {
    std::memcpy(data, text.c_str(), bytes);
    ::GlobalUnlock(memory);
    // The clipboard owns the memory once it is accepted.
    if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

void Win32Shell::BeepInformation() { ::MessageBeep(MB_ICONASTERISK); }

void Win32Shell::OpenWinHelpContents(WindowHandle owner, const std::string& path) {
  ::WinHelpA(ToHwnd(owner), path.c_str(), HELP_CONTENTS, 0);
}

}  // namespace modlatch::win32
