#pragma once
#include <windows.h>

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

// The DPI the shell draws the notification area at.
int SystemDpi();

// The small-icon size at a DPI, as the shell asks for tray pictures (16 at 96).
int SmallIconSize(int dpi);

// The system's message font made for a DPI: the one message boxes and menus use.
HFONT CreateMessageFont(int dpi, bool underline = false);

// The system's high-contrast mode is on.
bool HighContrast();

}  // namespace modlatch::win32
