#pragma once

#include "platform/types.h"

namespace modlatch {

struct MainForm;

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

// Mouse-down on the caption strip Picture4.
void OnCaptionStripMouseDown(MainForm& form, MouseButton button);
void OnTopCommand(MainForm& form);
void OnCenterCommand(MainForm& form);

}  // namespace modlatch
