#pragma once
#include <windows.h>

namespace modlatch::win32 {

// A tooltip control, or null when the common controls cannot be loaded. It is unowned: Wine
// refuses to make a window topmost while it owns a popup. The caller destroys it.
HWND CreateTooltipControl(DWORD extra_style = 0);
// Shows text while the pointer rests on the child window tool of parent.
void AddTooltipTool(HWND tooltip, HWND parent, HWND tool, const wchar_t* text);

}  // namespace modlatch::win32
