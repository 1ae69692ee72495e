#include "latch/toggle_latch.h"

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"

namespace modlatch {

void ToggleLatch(MainForm& form, std::uint8_t selector, LatchSource source) {
  if (!form.Settings.OneShot) {
    const bool released = SendLatchKey(form, selector, key_action::kToggle);
    PlayLatchSound(form, released ? LatchSound::kRelease : LatchSound::kLatch);
    return;
  }
  const int index = ModifierIndexOf(selector);
  const bool double_click = IsLockingDoubleClick(form, index, source);
  // The first click of the pair latched the key; the second keeps it down.
  if (double_click && LockLatch(form, index)) {
    PlayLatchSound(form, LatchSound::kLock);
    return;
  }
  // The plain toggle's decision, made here so the hold can follow it.
  const bool was_down = ToggleFindsDown(form.os.keyboard, selector);
  SendLatchKey(form, selector, was_down ? key_action::kRelease : key_action::kPress, kOwnInputMarker);
  NoteToggle(form, index, source, was_down, double_click);
  PlayLatchSound(form, was_down ? LatchSound::kRelease : double_click ? LatchSound::kLock : LatchSound::kLatch);
}

void ReleaseLatchedKeys(MainForm& form) {
  // -1 (no change since the last tick) has every bit set, so the usual reset releases both.
  const std::int32_t state = RefreshIndicators(form);
  if (state & modifier_state::kShift) SendModifierKey(form.os.keyboard, 1, key_action::kRelease);
  if (state & modifier_state::kCtrl) SendModifierKey(form.os.keyboard, 2, key_action::kRelease);
  ReleaseAltAndWin(form, state);
  // After an unchanged refresh the last state read is the one that is down now.
  if ((state == -1 ? form.LastModifierState : state) != 0) PlayLatchSound(form, LatchSound::kRelease);
}

}  // namespace modlatch
