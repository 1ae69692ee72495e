#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/types.h"

namespace modlatch::win32 {

// The shell's notification-area icons, one for each holder window, sent as first-version ANSI
// records (the tip in the ANSI code page).
class NotifyIcons {
 public:
  // True once the shell has the icon.
  bool Add(HWND holder, HICON picture, const std::string& ansi_tip);
  void Update(HWND holder, HICON picture, const std::string& ansi_tip);
  // Allocates nothing: it also runs after a fault.
  void Remove(HWND holder);
  void ShowBalloon(HWND holder, const Text& title, const Text& text);

 private:
  using NotifyIconFunction = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
  bool Send(DWORD message, HWND holder, HICON picture, const std::string& ansi_tip);

  // shell32 and the libraries it brings cost the floating window 0.8 MB of memory under Wine:
  // it is loaded with the first tray icon.
  NotifyIconFunction notify_icon_ = nullptr;
};

}  // namespace modlatch::win32
