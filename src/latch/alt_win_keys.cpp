#include "latch/alt_win_keys.h"

#include "form/main_form.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"

namespace modlatch {
namespace {

void NoteSeen(OwnPress& own, bool down) {
  if (!own.down) return;
  if (down) {
    own.seen_down = true;
  } else if (own.seen_down) {
    own = OwnPress{};
  }
}

}  // namespace

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

void NoteOwnPresses(MainForm& form, std::uint8_t state) {
  for (int index = 0; index < modifier_index::kCount; ++index) NoteSeen(form.OwnPressed[index], (state & (1u << index)) != 0);
}

bool AltIsOurs(const MainForm& form) { return form.OwnPressed[modifier_index::kAlt].down; }

}  // namespace modlatch
