#include "latch/modifier_key.h"

#include "form/main_form.h"

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

bool ToggleFindsDown(Keyboard& keyboard, std::uint8_t key_selector) {
  const ModifierKey& key = kModifierKeys[ModifierIndexOf(key_selector)];
  const std::int16_t state = keyboard.AsyncKeyState(key.virtual_key);
  if (key.down_now_only) return (static_cast<std::uint16_t>(state) & 0x8000u) != 0;
  return state != 0;
}

void SendModifierKey(Keyboard& keyboard, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info) {
  const ModifierKey& key = kModifierKeys[ModifierIndexOf(selector)];
  bool key_up = false;
  if (action == key_action::kToggle) {
    key_up = ToggleFindsDown(keyboard, selector);
  } else if (action == key_action::kRelease) {
    key_up = true;
  }
  const std::uint32_t flags = (key.extended ? key_event::kExtendedKey : 0) | (key_up ? key_event::kKeyUp : 0);
  keyboard.InjectKey(key.virtual_key, 0, flags, extra_info);
}

void SendMaskKey(Keyboard& keyboard) {
  keyboard.InjectKey(vk::kMaskKey, 0, 0, kOwnInputMarker);
  keyboard.InjectKey(vk::kMaskKey, 0, key_event::kKeyUp, kOwnInputMarker);
}

bool SendLatchKey(MainForm& form, std::uint8_t key_selector, std::uint8_t action, std::uintptr_t extra_info) {
  Keyboard& keyboard = form.os.keyboard;
  const int index = ModifierIndexOf(key_selector);
  const ModifierKey& key = kModifierKeys[index];
  const bool up = action == key_action::kRelease ||
                  (action == key_action::kToggle && ToggleFindsDown(keyboard, key_selector));
  OwnPress& own = form.OwnPressed[index];
  if (up && key.masked_when_bare && IsBare(own)) SendMaskKey(keyboard);
  SendModifierKey(keyboard, key_selector, up ? key_action::kRelease : key_action::kPress, extra_info);
  own = OwnPress{};
  own.down = !up;
  return up;
}

void PlayLatchSound(MainForm& form, LatchSound sound) {
  if (form.Settings.Sounds) form.os.shell.PlayLatchSound(sound);
}

}  // namespace modlatch
