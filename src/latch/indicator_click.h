#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// What a click on an indicator does: button 1/2 and the icon's index for tray icons,
// the toggle button's modifier index and 0 for the floating window.
void HandleIndicatorClick(MainForm& form, std::uint8_t button, std::int16_t index);

}  // namespace modlatch
