#include "latch/toggle_latch.h"

#include "form/main_form.h"
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

}  // namespace modlatch
