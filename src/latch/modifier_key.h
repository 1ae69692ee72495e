#pragma once
#include <cstdint>

#include "platform/keyboard.h"

namespace modlatch {

namespace key_action {
constexpr std::uint8_t kToggle = 0;
constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;
}  // namespace key_action

// Key selectors: 1 SHIFT, 3 ALT, 4 WIN, any other value CTRL (callers use 0 or 2).
namespace selector {
constexpr std::uint8_t kShift = 1;
constexpr std::uint8_t kCtrl = 2;
constexpr std::uint8_t kAlt = 3;
constexpr std::uint8_t kWin = 4;
}  // namespace selector

// The selector of a ModifierIndex (0 CTRL, 1 SHIFT, 2 ALT, 3 WIN), and back.
std::uint8_t SelectorOf(int modifier_index);
int ModifierIndexOf(std::uint8_t selector);
// The key a latch of that selector injects, which is also the key a toggle reads.
std::uint8_t LatchKeyOf(std::uint8_t selector);

// Actions other than Toggle and Release press.
void SendModifierKey(Keyboard& keyboard, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info = 0);

}  // namespace modlatch
