#pragma once
#include <windows.h>

namespace modlatch::win32 {

// Opens a popup menu at the mouse cursor and returns the chosen command (0 for none) once it
// has closed. The caller makes its window the foreground one first.
UINT TrackPopupAtCursor(HWND owner, HMENU menu);

}  // namespace modlatch::win32
