#include "latch/toggle_latch.h"

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"

namespace modlatch {

void ToggleLatch(MainForm& form, Modifier key, LatchSource source) {
  if (!form.Settings.OneShot) {
    const bool released = SendLatchKey(form, key, KeyAction::Toggle);
    PlayLatchSound(form, released ? LatchSound::kRelease : LatchSound::kLatch);
    return;
  }
  const bool double_click = IsLockingDoubleClick(form, key, source);
  // The first click of the pair latched the key; the second keeps it down.
  if (double_click && LockLatch(form, key)) {
    PlayLatchSound(form, LatchSound::kLock);
    return;
  }
  // The plain toggle's decision, made here so the hold can follow it.
  const bool was_down = ToggleFindsDown(form.os.keyboard, key);
  SendLatchKey(form, key, was_down ? KeyAction::Release : KeyAction::Press, true);
  NoteToggle(form, key, source, was_down, double_click);
  PlayLatchSound(form, was_down ? LatchSound::kRelease : double_click ? LatchSound::kLock : LatchSound::kLatch);
}

void ReleaseLatchedKeys(MainForm& form) {
  // -1 (no change since the last tick) has every bit set, so the usual reset releases both.
  const std::int32_t state = RefreshIndicators(form);
  for (Modifier key : {Modifier::Shift, Modifier::Ctrl}) {
    if (state & KeyOf(key).state_bit) SendModifierKey(form.os.keyboard, key, KeyAction::Release);
  }
  ReleaseAltAndWin(form, state);
  // After an unchanged refresh the last state read is the one that is down now.
  if ((state == -1 ? form.LastModifierState : state) != 0) PlayLatchSound(form, LatchSound::kRelease);
}

void ReleaseEveryKey(MainForm& form) {
  SendModifierKey(form.os.keyboard, Modifier::Shift, KeyAction::Release);
  SendModifierKey(form.os.keyboard, Modifier::Ctrl, KeyAction::Release);
  ReleaseAltAndWin(form, KeyOf(Modifier::Alt).state_bit | KeyOf(Modifier::Win).state_bit);
}

void PressAndReleaseEveryKey(MainForm& form) {
  for (Modifier key : {Modifier::Shift, Modifier::Ctrl}) {
    SendModifierKey(form.os.keyboard, key, KeyAction::Press);
    SendModifierKey(form.os.keyboard, key, KeyAction::Release);
  }
  ReleaseAltAndWin(form, KeyOf(Modifier::Alt).state_bit | KeyOf(Modifier::Win).state_bit);
}

}  // namespace modlatch
