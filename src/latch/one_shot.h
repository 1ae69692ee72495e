#pragma once
#include <cstdint>

#include "form/one_shot_state.h"
#include "latch/toggle_latch.h"
#include "platform/input_hooks.h"

namespace modlatch {

struct MainForm;

// Events as the low-level hooks report them.
// `ours`: sent by ModLatch itself, which never counts as the user's key or click.
struct HookKey {
  std::uint8_t virtual_key = 0;
  bool up = false;
  bool ours = false;
};
struct HookButton {
  ButtonPress press;
  bool up = false;
  bool ours = false;
};

// Installs the hooks when OneShot is on; StopOneShot takes them down on the way out.
void StartOneShot(MainForm& form);
void StopOneShot(MainForm& form);
// Hooks installed while any option that needs them is on, removed otherwise.
void UpdateOneShotHooks(MainForm& form);
// OneShot switched off: pending latches released, locks kept down as plain latches.
void EndOneShotHolds(MainForm& form);

// A toggle's two steps in the holds while OneShot is on. A double click on an indicator locks
// what its first click latched; otherwise the hold follows the key sent.
bool IsLockingDoubleClick(MainForm& form, Modifier key, LatchSource source);
bool LockLatch(MainForm& form, Modifier key);
void NoteToggle(MainForm& form, Modifier key, LatchSource source, bool was_down, bool double_click);

// Hook events: they only take note and ask for a release; they never inject.
void OnHookKey(MainForm& form, const HookKey& event);
void OnHookButton(MainForm& form, const HookButton& event);
void ReleaseUsedLatches(MainForm& form);
// Releases the latched (not locked) keys: only those a key or click has used, or all of them.
void ReleaseLatches(MainForm& form, bool used_only);

// Each refresh reports the key states it read (a ModifierState), so a latch released elsewhere
// is forgotten.
void NoteKeyStates(MainForm& form, std::uint8_t state);
Hold HoldOf(const MainForm& form, Modifier key);

}  // namespace modlatch
