#include "latch/modifier_key.h"

namespace modlatch {

void SendModifierKey(Keyboard& keyboard, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info) {
  const std::uint8_t virtual_key = selector == 1 ? vk::kShift : vk::kControl;
  bool key_up = false;
  if (action == key_action::kToggle) {
    // Down now, or pressed since the last query: either way the next event releases it.
    key_up = keyboard.AsyncKeyState(virtual_key) != 0;
  } else if (action == key_action::kRelease) {
    key_up = true;
  }
  const std::uint32_t flags = key_event::kExtendedKey | (key_up ? key_event::kKeyUp : 0);
  keyboard.InjectKey(virtual_key, 0, flags, extra_info);
}

}  // namespace modlatch
