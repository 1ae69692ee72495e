#include "latch/one_shot.h"

#include <cstdlib>

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"

namespace modlatch {
namespace {

// The keys that modify the next one rather than being it.
bool IsModifierKey(std::uint8_t virtual_key) {
  switch (virtual_key) {
    case vk::kShift:
    case vk::kControl:
    case vk::kAlt:
    case vk::kLeftWin:
    case vk::kRightWin:
    case 0xA0:  // left and right SHIFT, CTRL, ALT
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0xA5:
      return true;
    default:
      return false;
  }
}

// The second press of the system's double click: the very next press, same button, soon, near.
bool IsDoubleClick(const OneShotState& state, const OneShotKey& key, const DoubleClickLimits& limits) {
  if (key.press_number == 0 || state.presses != key.press_number + 1) return false;
  const ButtonPress& first = key.press;
  const ButtonPress& second = state.last_press;
  return second.button == first.button && second.time - first.time <= limits.time &&
         std::abs(second.x - first.x) <= limits.width / 2 && std::abs(second.y - first.y) <= limits.height / 2;
}

void MarkLatchedUsed(OneShotState& state) {
  for (OneShotKey& key : state.keys) {
    if (key.hold == Hold::kLatched) key.used = true;
  }
}

bool AnyLatched(const OneShotState& state) {
  for (const OneShotKey& key : state.keys) {
    if (key.hold == Hold::kLatched) return true;
  }
  return false;
}

bool AnyUsed(const OneShotState& state) {
  for (const OneShotKey& key : state.keys) {
    if (key.used) return true;
  }
  return false;
}

// The ALT and WIN latches watch the keys too: a lone ALT or WIN needs the mask key.
bool HooksWanted(const AppSettings& s) { return s.OneShot || s.LatchAlt || s.LatchWin; }

// The tooltips and lock marks show the hold, which can change while the key stays down.
void Redraw(MainForm& form) { form.LastModifierState = modifier_state::kForceRedraw; }

}  // namespace

void StartOneShot(MainForm& form) {
  if (form.OneShot.hooked || !HooksWanted(form.Settings)) return;
  form.os.hooks.InstallInputHooks();
  form.OneShot.hooked = true;
}

void StopOneShot(MainForm& form) {
  if (!form.OneShot.hooked) return;
  form.os.hooks.RemoveInputHooks();
  form.OneShot.hooked = false;
}

void UpdateOneShotHooks(MainForm& form) {
  if (HooksWanted(form.Settings)) {
    StartOneShot(form);
  } else {
    StopOneShot(form);
  }
}

void EndOneShotHolds(MainForm& form) {
  ReleaseLatches(form, false);
  // A locked key stays down as a plain latch, as it would without the option.
  for (int index = 0; index < kModifierCount; ++index) {
    form.OneShot.keys[index] = OneShotKey{};
    if (ModifierShown(form.Settings, ModifierAt(index))) form.os.controls.SetToggleLocked(ModifierAt(index), false);
  }
  Redraw(form);
}

bool IsLockingDoubleClick(MainForm& form, Modifier modifier, LatchSource source) {
  const OneShotKey& key = form.OneShot.keys[IndexOf(modifier)];
  // The limits are read at each click, so a change in the system's settings counts at once.
  return source == LatchSource::kIndicator && key.lock_on_double_click &&
         IsDoubleClick(form.OneShot, key, form.os.hooks.DoubleClick());
}

bool LockLatch(MainForm& form, Modifier modifier) {
  OneShotKey& key = form.OneShot.keys[IndexOf(modifier)];
  if (key.hold != Hold::kLatched) return false;
  Redraw(form);
  key.hold = Hold::kLocked;
  key.used = false;
  key.lock_on_double_click = false;
  return true;
}

void NoteToggle(MainForm& form, Modifier modifier, LatchSource source, bool was_down, bool double_click) {
  OneShotState& state = form.OneShot;
  OneShotKey& key = state.keys[IndexOf(modifier)];
  Redraw(form);
  // A double click whose first click released an earlier latch locks the key as well.
  const Hold before = key.hold;
  key = OneShotKey{};
  if (!was_down) key.hold = double_click ? Hold::kLocked : Hold::kLatched;
  if (source == LatchSource::kIndicator) {
    key.press_number = state.presses;
    key.press = state.last_press;
    key.lock_on_double_click = key.hold == Hold::kLatched || before == Hold::kLatched;
  }
}

void OnHookKey(MainForm& form, const HookKey& event) {
  if (event.ours || IsModifierKey(event.virtual_key)) return;
  OneShotState& state = form.OneShot;
  if (!event.up) {
    NoteOtherKeyDown(form);
    MarkLatchedUsed(state);
  } else if (AnyUsed(state)) {
    form.os.hooks.RequestLatchRelease();
  }
}

void OnHookButton(MainForm& form, const HookButton& event) {
  if (event.ours) return;
  OneShotState& state = form.OneShot;
  if (!event.up) {
    ++state.presses;
    state.last_press = event.press;
    // A click on our own windows or icons is a latch command, not the click the latch is for.
    if (AnyLatched(state) && !form.os.hooks.IsOwnPlace(event.press.x, event.press.y)) MarkLatchedUsed(state);
  } else if (AnyUsed(state)) {
    form.os.hooks.RequestLatchRelease();
  }
}

void ReleaseUsedLatches(MainForm& form) { ReleaseLatches(form, true); }

void ReleaseLatches(MainForm& form, bool used_only) {
  bool released = false;
  // SHIFT first, as the reset command does.
  for (Modifier modifier : {Modifier::Shift, Modifier::Ctrl, Modifier::Alt, Modifier::Win}) {
    OneShotKey& key = form.OneShot.keys[IndexOf(modifier)];
    if (key.hold != Hold::kLatched || (used_only && !key.used)) continue;
    SendLatchKey(form, modifier, KeyAction::Release, true);
    key = OneShotKey{};
    Redraw(form);
    released = true;
  }
  if (released) PlayLatchSound(form, LatchSound::kRelease);
}

void NoteKeyStates(MainForm& form, std::uint8_t state) {
  for (int index = 0; index < kModifierCount; ++index) {
    OneShotKey& key = form.OneShot.keys[index];
    if (key.hold == Hold::kNone) continue;
    // Only a key seen down and then up was let go elsewhere (the physical key, a reset, a
    // focus change under Wine); one not yet seen down may still be on its way.
    if (state & KeyOf(ModifierAt(index)).state_bit) {
      key.shown_down = true;
    } else if (key.shown_down) {
      key = OneShotKey{};
    }
  }
}

Hold HoldOf(const MainForm& form, Modifier key) { return form.OneShot.keys[IndexOf(key)].hold; }

}  // namespace modlatch
