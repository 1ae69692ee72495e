#include "win32/session_notifications.h"

#include "win32/system_library.h"

namespace modlatch::win32 {
namespace {

constexpr DWORD kThisSession = 0;  // NOTIFY_FOR_THIS_SESSION
// The main window's own poll timer is 1.
constexpr UINT_PTR kRegisterTimer = 0x5E55;
constexpr UINT kRetryMilliseconds = 1000;

template <typename Function>
Function Find(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// The event the session service sets once it takes registrations, open while we wait for it.
class ServiceReadyEvent {
 public:
  ~ServiceReadyEvent() { Close(); }
  // True once it is set, and where there is no such event to ask (the service then simply
  // fails or takes the registration).
  bool Ready() {
    if (!event_) event_ = ::OpenEventW(SYNCHRONIZE, FALSE, L"Global\\TermSrvReadyEvent");
    return !event_ || ::WaitForSingleObject(event_, 0) == WAIT_OBJECT_0;
  }
  void Close() {
    if (event_) ::CloseHandle(event_);
    event_ = nullptr;
  }

 private:
  HANDLE event_ = nullptr;
};

ServiceReadyEvent g_service_ready;

// Runs from the message loop, first after the window's first paint, then each second until the
// session service takes the registration: at sign-in it may not be running yet.
VOID CALLBACK TryRegistering(HWND window, UINT, UINT_PTR timer, DWORD) {
  using Register = BOOL(WINAPI*)(HWND, DWORD);
  static const auto add = Find<Register>(LoadSystemLibrary(L"wtsapi32.dll"), "WTSRegisterSessionNotification");
  // Without it (no terminal services) a lock goes unseen; nothing else changes.
  if (add && !(g_service_ready.Ready() && add(window, kThisSession))) {
    ::SetTimer(window, timer, kRetryMilliseconds, TryRegistering);
    return;
  }
  ::KillTimer(window, timer);
  g_service_ready.Close();
}

}  // namespace

void RegisterSessionNotifications(HWND window) { ::SetTimer(window, kRegisterTimer, 0, TryRegistering); }

void UnregisterSessionNotifications(HWND window) {
  using Unregister = BOOL(WINAPI*)(HWND);
  if (const auto remove = Find<Unregister>(::GetModuleHandleW(L"wtsapi32.dll"), "WTSUnRegisterSessionNotification")) {
    remove(window);
  }
}

SessionEvent SessionEventOf(WPARAM change) {
  switch (change) {
    case WTS_SESSION_LOCK:
      return SessionEvent::kLock;
    case WTS_SESSION_UNLOCK:
      return SessionEvent::kUnlock;
    case WTS_CONSOLE_DISCONNECT:
      return SessionEvent::kConsoleDisconnect;
    case WTS_CONSOLE_CONNECT:
      return SessionEvent::kConsoleConnect;
    case WTS_REMOTE_DISCONNECT:
      return SessionEvent::kRemoteDisconnect;
    case WTS_REMOTE_CONNECT:
      return SessionEvent::kRemoteConnect;
    default:
      return SessionEvent::kOther;
  }
}

SessionEvent PowerEventOf(WPARAM event) {
  switch (event) {
    case PBT_APMSUSPEND:
      return SessionEvent::kSuspend;
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMEAUTOMATIC:
      return SessionEvent::kResume;
    default:
      return SessionEvent::kOther;
  }
}

}  // namespace modlatch::win32
