#pragma once
#include <cstdint>

#include "platform/keyboard.h"

namespace modlatch {

namespace key_action {
constexpr std::uint8_t kToggle = 0;
constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;
}  // namespace key_action

// Selector 1 is SHIFT, any other value CTRL. Actions other than Toggle and Release press.
void SendModifierKey(Keyboard& keyboard, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info = 0);

}  // namespace modlatch
