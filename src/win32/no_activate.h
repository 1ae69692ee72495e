#pragma once
#include <windows.h>

namespace modlatch::win32 {

// Keeps a top-level window from being activated and its controls from taking the focus, so
// that the document the user types into keeps both. One window per process.
void PreventActivation(HWND window);
bool ActivationPrevented(HWND window);
// Gives the window back its ordinary activation.
void AllowActivation(HWND window);

// While it lives, the window holds the foreground for its popup menu, which needs it to close
// on a click elsewhere. A window kept from activation hands the foreground back afterwards.
class MenuForeground {
 public:
  explicit MenuForeground(HWND window);
  ~MenuForeground();
  MenuForeground(const MenuForeground&) = delete;
  MenuForeground& operator=(const MenuForeground&) = delete;

 private:
  HWND window_;
  HWND previous_;
};

}  // namespace modlatch::win32
