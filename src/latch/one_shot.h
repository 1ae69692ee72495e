#pragma once
#include <array>
#include <cstdint>

#include "platform/input_hooks.h"

namespace modlatch {

struct MainForm;

// What a user's click made of a modifier while OneShot is on.
enum class Hold : std::uint8_t {
  kNone,     // not ours: up, or held on the real keyboard
  kLatched,  // down for the next key or click only
  kLocked,   // down until the next click on its indicator
};

// A mouse button press as the low-level hook reports it; button 1 left, 2 right, 4 middle, 8 X.
struct ButtonPress {
  int button = 0;
  std::uint32_t time = 0;
  int x = 0;
  int y = 0;
};

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

struct OneShotKey {
  Hold hold = Hold::kNone;
  bool used = false;               // a key or a click elsewhere came: release after it
  bool shown_down = false;         // a refresh has read the key down since the click
  std::uint32_t press_number = 0;  // the press of the last click on its indicator, if any
  ButtonPress press;
  bool lock_on_double_click = false;  // that click latched it, or released a latch
};

struct OneShotState {
  std::array<OneShotKey, 2> keys;  // by ModifierIndex: 0 CTRL, 1 SHIFT
  std::uint32_t presses = 0;       // button presses seen by the hook, numbered from 1
  ButtonPress last_press;
  bool hooked = false;
};

enum class LatchSource { kIndicator, kMenu };

// Installs the hooks when OneShot is on; StopOneShot takes them down on the way out.
void StartOneShot(MainForm& form);
void StopOneShot(MainForm& form);

// A user's toggle of a modifier (selector 1 SHIFT, other CTRL). With OneShot off it is the
// plain toggle; with it on, a latch lasts one key or click, and a double click on an
// indicator locks it instead.
void ToggleLatch(MainForm& form, std::uint8_t selector, LatchSource source);

// Hook events: they only take note and ask for a release; they never inject.
void OnHookKey(MainForm& form, const HookKey& event);
void OnHookButton(MainForm& form, const HookButton& event);
void ReleaseUsedLatches(MainForm& form);

// Each refresh reports the key states it read, so a latch released elsewhere is forgotten.
void NoteKeyStates(MainForm& form, bool shift_down, bool ctrl_down);
Hold HoldOf(const MainForm& form, int modifier_index);

}  // namespace modlatch
