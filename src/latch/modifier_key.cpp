#include "latch/modifier_key.h"

namespace modlatch {

std::uint8_t SelectorOf(int modifier_index) {
  switch (modifier_index) {
    case 1:
      return selector::kShift;
    case 2:
      return selector::kAlt;
    case 3:
      return selector::kWin;
    default:
      return selector::kCtrl;
  }
}

int ModifierIndexOf(std::uint8_t key_selector) {
  switch (key_selector) {
    case selector::kShift:
      return 1;
    case selector::kAlt:
      return 2;
    case selector::kWin:
      return 3;
    default:
      return 0;
  }
}

std::uint8_t LatchKeyOf(std::uint8_t key_selector) {
  switch (key_selector) {
    case selector::kShift:
      return vk::kShift;
    case selector::kAlt:
      return vk::kLeftAlt;
    case selector::kWin:
      return vk::kLeftWin;
    default:
      return vk::kControl;
  }
}

void SendModifierKey(Keyboard& keyboard, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info) {
  const std::uint8_t virtual_key = LatchKeyOf(selector);
  bool key_up = false;
  if (action == key_action::kToggle) {
    // Down now, or pressed since the last query: either way the next event releases it.
    key_up = keyboard.AsyncKeyState(virtual_key) != 0;
  } else if (action == key_action::kRelease) {
    key_up = true;
  }
  // The left ALT is not an extended key; SHIFT, CTRL and the Windows key go as extended keys.
  const std::uint32_t extended = virtual_key == vk::kLeftAlt ? 0 : key_event::kExtendedKey;
  const std::uint32_t flags = extended | (key_up ? key_event::kKeyUp : 0);
  keyboard.InjectKey(virtual_key, 0, flags, extra_info);
}

}  // namespace modlatch
