#pragma once
#include <windows.h>

#include <vector>

#include "platform/types.h"

namespace modlatch::win32 {

// WM_DPICHANGED, absent from older headers: a window's DPI has changed, the new one in wParam,
// the suggested outer rectangle at lParam.
constexpr UINT kDpiChanged = 0x02E0;

// The DPI a window is drawn at: GetDpiForWindow where the system has it, else the screen's
// LOGPIXELSX and LOGPIXELSY. A null window asks for the screen's.
Dpi DpiOfWindow(HWND window);

// The DPI of the monitor that holds a point (the nearest one's): the screen's where the system
// knows no DPI per monitor.
Dpi DpiOfMonitorAt(POINT point);

// The start asks the DPI at the window's place a few dozen times, and under Wine each answer
// costs server round trips. While one of these lives, each point is asked once, of a window of
// ours on that monitor where there is one (it has the monitor's DPI), so shcore waits until a
// monitor without one is asked about.
class StartDpiMemo {
 public:
  StartDpiMemo();
  ~StartDpiMemo();
  StartDpiMemo(const StartDpiMemo&) = delete;
  StartDpiMemo& operator=(const StartDpiMemo&) = delete;

  struct Known {
    POINT point;
    Dpi dpi;
  };

 private:
  std::vector<Known> known_;
};

// The DPI the shell draws the notification area at.
int SystemDpi();

// The small-icon size at a DPI, as the shell asks for tray pictures (16 at 96).
int SmallIconSize(int dpi);

// The system's message font made for a DPI: the one message boxes and menus use.
HFONT CreateMessageFont(int dpi, bool underline = false);

// The system's high-contrast mode is on.
bool HighContrast();

}  // namespace modlatch::win32
