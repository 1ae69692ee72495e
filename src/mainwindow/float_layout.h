#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// Makes the caption strip and the toggle buttons fill the window: strip, SHIFT, CTRL, then
// ALT and WIN while their latch is on.
void ApplyFloatLayout(MainForm& form);

// Puts the strip, its close button and the buttons' left and top edges where the design has
// them, at the window's current DPI; the layout then sizes the buttons.
void PlaceDesignedControls(MainForm& form);

// The smallest outer width (pixels at the window's DPI) at which every shown button keeps a
// readable width; with SHIFT and CTRL alone it is the two-button minimum itself.
std::int32_t MinFloatWidth(MainForm& form, std::int32_t two_button_minimum);
// The same for `count` buttons, before they are shown.
std::int32_t MinFloatWidth(MainForm& form, std::int32_t two_button_minimum, int count);

}  // namespace modlatch
