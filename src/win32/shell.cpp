#include "win32/shell.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "win32/system_library.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {

void Win32Shell::Execute(WindowHandle owner, const std::string& verb, const std::string& target,
                         const std::string& directory, int show) {
  // Loaded on first use, like the tray's entry point: shell32 costs every start under Wine.
  using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static const auto execute = reinterpret_cast<ExecuteFunction>(
      reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary(L"shell32.dll"), "ShellExecuteA")));
  if (execute) execute(ToHwnd(owner), verb.c_str(), target.c_str(), nullptr, directory.c_str(), show);
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

void Win32Shell::Beep(std::uint32_t sound) { ::MessageBeep(sound); }

void Win32Shell::OpenWinHelp(WindowHandle owner, const std::string& path, std::uint32_t command, std::uintptr_t data) {
  ::WinHelpA(ToHwnd(owner), path.c_str(), command, data);
}

}  // namespace modlatch::win32
