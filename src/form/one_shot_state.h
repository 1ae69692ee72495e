#pragma once
#include <array>
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

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

struct OneShotKey {
  Hold hold = Hold::kNone;
  bool used = false;               // a key or a click elsewhere came: release after it
  bool shown_down = false;         // a refresh has read the key down since the click
  std::uint32_t press_number = 0;  // the press of the last click on its indicator, if any
  ButtonPress press;
  bool lock_on_double_click = false;  // that click latched it, or released a latch
};

struct OneShotState {
  std::array<OneShotKey, kModifierCount> keys;  // in Modifier order
  std::uint32_t presses = 0;       // button presses seen by the hook, numbered from 1
  ButtonPress last_press;
  bool hooked = false;
};

}  // namespace modlatch
