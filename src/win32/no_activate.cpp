#include "win32/no_activate.h"

namespace modlatch::win32 {
namespace {

HWND g_window = nullptr;
HHOOK g_hook = nullptr;
bool g_menu_open = false;

// WS_EX_NOACTIVATE stops a click from activating the window, but not a button that sets the
// focus to itself on a click, nor the default handling of a caption drag; this stops both.
LRESULT CALLBACK RefuseActivation(int code, WPARAM wparam, LPARAM lparam) {
  if (!g_menu_open) {
    const HWND target = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && target == g_window) return 1;
    if (code == HCBT_SETFOCUS && target && (target == g_window || ::IsChild(g_window, target))) return 1;
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

void PreventActivation(HWND window) {
  if (ActivationPrevented(window)) return;
  g_window = window;
  ::SetWindowLongW(window, GWL_EXSTYLE, ::GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
  g_hook = ::SetWindowsHookExW(WH_CBT, RefuseActivation, nullptr, ::GetCurrentThreadId());
}

bool ActivationPrevented(HWND window) { return g_hook != nullptr && window == g_window; }

void AllowActivation(HWND window) {
  if (!ActivationPrevented(window)) return;
  ::UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_window = nullptr;
  ::SetWindowLongW(window, GWL_EXSTYLE, ::GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_NOACTIVATE);
}

MenuForeground::MenuForeground(HWND window) : window_(window), previous_(::GetForegroundWindow()) {
  g_menu_open = true;
  ::SetForegroundWindow(window);
}

MenuForeground::~MenuForeground() {
  g_menu_open = false;
  if (ActivationPrevented(window_) && previous_ && previous_ != window_ && ::IsWindow(previous_)) {
    ::SetForegroundWindow(previous_);
  }
}

}  // namespace modlatch::win32
