#pragma once
#include <cstdint>

#include "form/one_shot_state.h"
#include "platform/input_hooks.h"

namespace modlatch {

struct MainForm;

// Events as the low-level hooks report them.
struct HookKey {
  std::uint8_t virtual_key = 0;
  bool up = false;
  bool injected = false;
  std::uintptr_t extra_info = 0;
};
struct HookButton {
  ButtonPress press;
  bool up = false;
  bool injected = false;
  std::uintptr_t extra_info = 0;
};

// Carried by the key events we inject while the hooks run, so that they can tell ours apart
// from an on-screen keyboard's, which do count as keys.
constexpr std::uintptr_t kOwnInputMarker = 0x4D4C4F53;

enum class LatchSource { kIndicator, kMenu };

// Installs the hooks when OneShot is on; StopOneShot takes them down on the way out.
void StartOneShot(MainForm& form);
void StopOneShot(MainForm& form);

// A user's toggle of a modifier by its selector (latch/modifier_key.h). With OneShot off it is the
// plain toggle; with it on, a latch lasts one key or click, and a double click on an
// indicator locks it instead.
void ToggleLatch(MainForm& form, std::uint8_t selector, LatchSource source);

// Hook events: they only take note and ask for a release; they never inject.
void OnHookKey(MainForm& form, const HookKey& event);
void OnHookButton(MainForm& form, const HookButton& event);
void ReleaseUsedLatches(MainForm& form);

// Each refresh reports the key states it read (a ModifierState: bit 1 << ModifierIndex per
// key down), so a latch released elsewhere is forgotten.
void NoteKeyStates(MainForm& form, std::uint8_t state);
Hold HoldOf(const MainForm& form, int modifier_index);

}  // namespace modlatch
