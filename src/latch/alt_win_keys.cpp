#include "latch/alt_win_keys.h"

#include "form/main_form.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"

namespace modlatch {
namespace {

bool IsBare(const OwnPress& own) { return own.down && !own.followed; }

// Carries our marker even when the latches do not, so the one-shot hook never counts it as a key.
void SendMaskKey(Keyboard& keyboard) {
  keyboard.InjectKey(vk::kMaskKey, 0, 0, kOwnInputMarker);
  keyboard.InjectKey(vk::kMaskKey, 0, key_event::kKeyUp, kOwnInputMarker);
}

void NoteSeen(OwnPress& own, bool down) {
  if (!own.down) return;
  if (down) {
    own.seen_down = true;
  } else if (own.seen_down) {
    own = OwnPress{};
  }
}

}  // namespace

void SendLatchKey(MainForm& form, std::uint8_t key_selector, std::uint8_t action, std::uintptr_t extra_info) {
  Keyboard& keyboard = form.os.keyboard;
  const int index = ModifierIndexOf(key_selector);
  if (index != modifier_index::kAlt && index != modifier_index::kWin) {
    SendModifierKey(keyboard, key_selector, action, extra_info);
    return;
  }
  OwnPress& own = form.OwnPressed[index];
  const bool up = action == key_action::kRelease ||
                  (action == key_action::kToggle && keyboard.AsyncKeyState(LatchKeyOf(key_selector)) != 0);
  if (up && IsBare(own)) SendMaskKey(keyboard);
  SendModifierKey(keyboard, key_selector, up ? key_action::kRelease : key_action::kPress, extra_info);
  own = OwnPress{};
  own.down = !up;
}

void ReleaseAltAndWin(MainForm& form, std::int32_t state) {
  const AppSettings& s = form.Settings;
  const bool alt = s.LatchAlt && (state & modifier_state::kAlt) != 0;
  const bool win = s.LatchWin && (state & modifier_state::kWin) != 0;
  OwnPress& own_alt = form.OwnPressed[modifier_index::kAlt];
  OwnPress& own_win = form.OwnPressed[modifier_index::kWin];
  if ((alt && IsBare(own_alt)) || (win && IsBare(own_win))) SendMaskKey(form.os.keyboard);
  if (alt) {
    SendModifierKey(form.os.keyboard, selector::kAlt, key_action::kRelease);
    own_alt = OwnPress{};
  }
  if (win) {
    SendModifierKey(form.os.keyboard, selector::kWin, key_action::kRelease);
    own_win = OwnPress{};
  }
}

void NoteOtherKeyDown(MainForm& form) {
  for (OwnPress& own : form.OwnPressed) {
    if (own.down) own.followed = true;
  }
}

void NoteOwnPresses(MainForm& form, bool alt_down, bool win_down) {
  NoteSeen(form.OwnPressed[modifier_index::kAlt], alt_down);
  NoteSeen(form.OwnPressed[modifier_index::kWin], win_down);
}

bool AltIsOurs(const MainForm& form) { return form.OwnPressed[modifier_index::kAlt].down; }

}  // namespace modlatch
