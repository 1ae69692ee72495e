#pragma once
#include <cstdint>

#include "platform/window_system.h"

namespace modlatch {

struct MainForm;

namespace window_style {
constexpr std::int32_t kCaption = 0x00C00000;
constexpr std::uint32_t kFrameChangedFlags = 0x27;  // no size, no move, no z-order, frame changed
constexpr std::uint32_t kZOrderFlags = 0x13;       // no size, no move, no activate
const WindowHandle kTop = 0;
const WindowHandle kTopMost = static_cast<WindowHandle>(-1);
const WindowHandle kNoTopMost = static_cast<WindowHandle>(-2);
}  // namespace window_style

// Window operations that take any window, so the About window can use them on itself.
void ShowTitleBar(WindowSystem& windows, WindowHandle window, bool show);
void SetTopMost(WindowSystem& windows, WindowHandle window, bool on_top);
std::intptr_t StartWindowDrag(WindowSystem& windows, WindowHandle window);
// Raises the window above the others of its band; with `activate` it also takes the foreground.
void BringToFront(WindowSystem& windows, WindowHandle window, bool activate);

void ApplyTopMost(MainForm& form);
// The caption strip in the colour of an active or an inactive title bar. A window kept from
// activation borrows the foreground only for its menu, so it always shows the inactive one.
void ColorCaptionStrip(MainForm& form, bool active);
// The same, from whether the window has the foreground: for when it is shown.
void ColorStripByForeground(MainForm& form);
// Pulls the window inside the desktop work area, left and top edges first.
void MoveIntoWorkArea(MainForm& form);
// The same, unless TaskTop asks to leave a dragged window where it was dropped.
void KeepInWorkArea(MainForm& form);
// A window that no monitor shows (a saved place on a screen since removed) is unreachable in
// Float mode: it goes into the work area instead.
void BringOntoScreen(MainForm& form);

// Mouse-down on the caption strip Picture4: 1 left, 2 right, 4 middle.
void OnCaptionStripMouseDown(MainForm& form, int button);
void OnTopCommand(MainForm& form);
void OnCenterCommand(MainForm& form);

}  // namespace modlatch
