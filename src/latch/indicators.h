#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// Bit 0: CTRL reads as down; bit 1: SHIFT reads as down; bits 2 and 3: ALT and WIN. 255 in LastModifierState forces a redraw.
namespace modifier_state {
constexpr std::uint8_t kCtrl = 1;
constexpr std::uint8_t kShift = 2;
constexpr std::uint8_t kAlt = 4;  // only while the ALT latch is on
constexpr std::uint8_t kWin = 8;  // only while the WIN latch is on
constexpr std::uint8_t kForceRedraw = 255;
}  // namespace modifier_state

// Shows the key states on every indicator; returns the new state, or -1 when nothing changed.
std::int32_t RefreshIndicators(MainForm& form);

// Colours and caption of toggle button `index` for its current value.
void ApplyButtonLook(MainForm& form, std::int16_t index);

}  // namespace modlatch
