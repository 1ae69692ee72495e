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
  const auto releases = [&](Modifier key) {
    return ModifierShown(form.Settings, key) && (state & KeyOf(key).state_bit) != 0;
  };
  const auto bare = [&](Modifier key) { return releases(key) && IsBare(form.OwnPressed[IndexOf(key)]); };
  KeyStrokes strokes;
  // One mask key before both releases serves either.
  if (bare(Modifier::Alt) || bare(Modifier::Win)) strokes.AddMask();
  for (Modifier key : {Modifier::Alt, Modifier::Win}) {
    if (!releases(key)) continue;
    strokes.Add(StrokeOf(form.os.keyboard, key, KeyAction::Release));
    form.OwnPressed[IndexOf(key)] = OwnPress{};
  }
  strokes.Send(form.os.keyboard);
}

void NoteOtherKeyDown(MainForm& form) {
  for (OwnPress& own : form.OwnPressed) {
    if (own.down) own.followed = true;
  }
}

void NoteOwnPresses(MainForm& form, std::uint8_t state) {
  for (int index = 0; index < kModifierCount; ++index) {
    NoteSeen(form.OwnPressed[index], (state & KeyOf(ModifierAt(index)).state_bit) != 0);
  }
}

bool AltIsOurs(const MainForm& form) { return form.OwnPressed[IndexOf(Modifier::Alt)].down; }

}  // namespace modlatch
