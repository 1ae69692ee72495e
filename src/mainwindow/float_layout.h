#pragma once

namespace modlatch {

struct MainForm;

// Makes the caption strip and the two toggle buttons fill the window: strip, SHIFT, CTRL.
void ApplyFloatLayout(MainForm& form);

// Puts the strip, its close button and the buttons' left and top edges where the design has
// them, at the window's current DPI; the layout then sizes the buttons.
void PlaceDesignedControls(MainForm& form);

}  // namespace modlatch
