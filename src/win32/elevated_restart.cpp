#include <windows.h>
#include <shellapi.h>

#include "app/takeover.h"
#include "win32/elevation.h"
#include "win32/scoped_handle.h"
#include "win32/system_library.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {
namespace {

// Ample for a copy that saves its settings and deletes its last tray icon (2 s under Wine);
// a copy that hangs longer keeps the lock, and this one then ends as any second start does.
constexpr DWORD kTakeoverWaitMs = 10000;
constexpr DWORD kAllowMessage = 1;  // MSGFLT_ALLOW

Text ExecutablePath() {
  Text path(32768, u'\0');  // the longest path the system has
  const DWORD length = ::GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()),
                                            static_cast<DWORD>(path.size()));
  path.resize(length < path.size() ? length : 0);
  return path;
}

Text CurrentFolder() {
  Text folder(::GetCurrentDirectoryW(0, nullptr), u'\0');
  const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()),
                                              reinterpret_cast<wchar_t*>(folder.data()));
  folder.resize(length < folder.size() ? length : 0);
  return folder;
}

}  // namespace

bool Win32Elevation::RestartElevated(WindowHandle owner) {
  // Loaded on first use, as for the shell's other calls.
  using ExecuteFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  static const HMODULE shell = LoadSystemLibrary(L"shell32.dll");
  const auto execute = reinterpret_cast<ExecuteFunction>(
      reinterpret_cast<void*>(shell ? ::GetProcAddress(shell, "ShellExecuteExW") : nullptr));
  const Text program = ExecutablePath();
  if (!execute || program.empty()) return false;
  const Text arguments = TakeoverArguments(::GetCurrentProcessId());
  // Icon paths in the settings may be relative to it.
  const Text folder = CurrentFolder();
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // Back once the new copy runs, or the user declined at the prompt (ERROR_CANCELLED).
  info.fMask = SEE_MASK_NOASYNC;
  info.hwnd = ToHwnd(owner);
  info.lpVerb = L"runas";
  info.lpFile = Wide(program);
  info.lpParameters = Wide(arguments);
  info.lpDirectory = folder.empty() ? nullptr : Wide(folder);
  info.nShow = SW_SHOWNORMAL;
  return execute(&info) != FALSE;
}

void AwaitTakeover(const wchar_t* arguments) {
  const std::optional<std::uint32_t> predecessor =
      TakeoverProcessId(reinterpret_cast<const char16_t*>(arguments ? arguments : L""));
  if (!predecessor) return;
  const ScopedHandle process(::OpenProcess(SYNCHRONIZE, FALSE, *predecessor));
  if (process) ::WaitForSingleObject(process.get(), kTakeoverWaitMs);
}

// Windows 7 and later; on Vista a second start cannot reach an elevated copy.
void AcceptFromLowerLevels(HWND window, std::initializer_list<UINT> messages) {
  using FilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  const auto filter = reinterpret_cast<FilterFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")));
  if (!filter) return;
  for (UINT message : messages) {
    if (message != 0) filter(window, message, kAllowMessage, nullptr);
  }
}

}  // namespace modlatch::win32
