#include "win32/input_hooks.h"

#include <shellapi.h>

#include "latch/one_shot.h"

namespace modlatch::win32 {
namespace {

Win32InputHooks* g_hooks = nullptr;

// The toolkit's button codes; X buttons count as one more button each.
int ButtonCode(WPARAM message, DWORD mouse_data, bool* up) {
  *up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_XBUTTONUP;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return 4;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
      return HIWORD(mouse_data) == XBUTTON1 ? 8 : 16;
    default:
      return 0;  // moves and wheels
  }
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t found[32] = {};
  ::GetClassNameW(window, found, 32);
  return ::lstrcmpiW(found, name) == 0;
}

}  // namespace

void Win32InputHooks::Attach(MainForm& form, HWND window, const std::array<HWND, 4>& tray_holders) {
  form_ = &form;
  window_ = window;
  tray_holders_ = &tray_holders;
  g_hooks = this;
}

void Win32InputHooks::InstallInputHooks() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  keyboard_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, instance, 0);
  mouse_ = ::SetWindowsHookExW(WH_MOUSE_LL, MouseProc, instance, 0);
}

void Win32InputHooks::RemoveInputHooks() {
  if (keyboard_) ::UnhookWindowsHookEx(keyboard_);
  if (mouse_) ::UnhookWindowsHookEx(mouse_);
  keyboard_ = mouse_ = nullptr;
}

void Win32InputHooks::RequestLatchRelease() { ::PostMessageW(window_, kReleaseLatchesMessage, 0, 0); }

bool Win32InputHooks::IsOwnPlace(int x, int y) {
  const POINT point{x, y};
  const HWND at = ::WindowFromPoint(point);
  DWORD process = 0;
  ::GetWindowThreadProcessId(at, &process);
  // Our windows and menus; under Wine our tray icons too, whose windows are made in our process.
  if (process == ::GetCurrentProcessId()) return true;
  return OnOwnTrayIcon(at, point);
}

// A shell's tray holds every program's icons in its own windows: ask it where ours are, but
// only for a click on the tray, since the question goes to another process. A shell that
// cannot say (Wine's tray) has the whole tray count as ours: a click on another program's
// icon then leaves the latch for the next key, which is better than a click on our own icon
// releasing the latch that its callback then makes again.
bool Win32InputHooks::OnOwnTrayIcon(HWND at, POINT point) {
  const HWND top = ::GetAncestor(at, GA_ROOT);
  if (!IsClass(top, L"Shell_TrayWnd") && !IsClass(top, L"NotifyIconOverflowWindow") &&
      !IsClass(top, L"__winex11_standalone_tray")) {
    return false;
  }
  using GetRect = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
  // Looked up, not linked: systems before Windows 7 lack it.
  const auto get_rect = reinterpret_cast<GetRect>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"shell32.dll"), "Shell_NotifyIconGetRect")));
  bool located = false;
  for (int i = 0; get_rect && i < static_cast<int>(form_->TrayIcons.size()); ++i) {
    if (!form_->TrayIcons[i].shown) continue;
    NOTIFYICONIDENTIFIER icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = (*tray_holders_)[i];
    RECT rect{};
    if (FAILED(get_rect(&icon, &rect))) continue;
    if (::PtInRect(&rect, point)) return true;
    located = true;
  }
  return !located;
}

DoubleClickLimits Win32InputHooks::DoubleClick() {
  return DoubleClickLimits{::GetDoubleClickTime(), ::GetSystemMetrics(SM_CXDOUBLECLK),
                           ::GetSystemMetrics(SM_CYDOUBLECLK)};
}

// Both procedures run on the user-interface thread, inside its message loop, and must return
// quickly: the whole desktop's input waits for them.
LRESULT CALLBACK Win32InputHooks::KeyboardProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && g_hooks && g_hooks->form_) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lparam);
    const bool ours = (key->flags & LLKHF_INJECTED) != 0 && key->dwExtraInfo == kOwnInputMarker;
    OnHookKey(*g_hooks->form_, HookKey{static_cast<std::uint8_t>(key->vkCode), (key->flags & LLKHF_UP) != 0, ours});
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

LRESULT CALLBACK Win32InputHooks::MouseProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HC_ACTION && g_hooks && g_hooks->form_) {
    const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lparam);
    bool up = false;
    const int button = ButtonCode(wparam, mouse->mouseData, &up);
    if (button != 0) {
      HookButton event;
      event.press = ButtonPress{button, mouse->time, mouse->pt.x, mouse->pt.y};
      event.up = up;
      event.ours = (mouse->flags & LLMHF_INJECTED) != 0 && mouse->dwExtraInfo == kOwnInputMarker;
      OnHookButton(*g_hooks->form_, event);
    }
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace modlatch::win32
