#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

struct MainForm;

// A ModifierState has one bit per key that reads as down (each key's state_bit: 1 CTRL, 2 SHIFT,
// 4 ALT and 8 WIN while their latch is on). 255 in LastModifierState forces a redraw.
namespace modifier_state {
constexpr std::uint8_t kForceRedraw = 255;
}  // namespace modifier_state

// Shows the key states on every indicator; returns the new state, or -1 when nothing changed.
std::int32_t RefreshIndicators(MainForm& form);

// Colours and caption of the key's toggle button for its current value.
void ApplyButtonLook(MainForm& form, Modifier key);

}  // namespace modlatch
