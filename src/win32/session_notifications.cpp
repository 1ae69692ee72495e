#include "win32/session_notifications.h"

#include "win32/system_library.h"

namespace modlatch::win32 {
namespace {

constexpr DWORD kThisSession = 0;  // NOTIFY_FOR_THIS_SESSION

template <typename Function>
Function Find(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace

void RegisterSessionNotifications(HWND window) {
  using Register = BOOL(WINAPI*)(HWND, DWORD);
  // Without it (no terminal services) a lock goes unseen; nothing else changes.
  if (const auto add = Find<Register>(LoadSystemLibrary(L"wtsapi32.dll"), "WTSRegisterSessionNotification")) {
    add(window, kThisSession);
  }
}

void UnregisterSessionNotifications(HWND window) {
  using Unregister = BOOL(WINAPI*)(HWND);
  if (const auto remove = Find<Unregister>(::GetModuleHandleW(L"wtsapi32.dll"), "WTSUnRegisterSessionNotification")) {
    remove(window);
  }
}

}  // namespace modlatch::win32
