#pragma once
#include <array>
#include <cstdint>

#include "form/app_settings.h"
#include "platform/types.h"

namespace modlatch {

inline bool ModifierShown(const AppSettings& settings, Modifier key) {
  if (key == Modifier::Alt) return settings.LatchAlt;
  if (key == Modifier::Win) return settings.LatchWin;
  return true;
}

// The modifiers shown, in the order of the floating window's buttons and the tray icons.
struct ShownModifiers {
  std::array<Modifier, kModifierCount> keys{};
  int count = 0;
  const Modifier* begin() const { return keys.data(); }
  const Modifier* end() const { return keys.data() + count; }
};

inline ShownModifiers ShownModifiersOf(const AppSettings& settings) {
  ShownModifiers shown;
  for (Modifier key : {Modifier::Shift, Modifier::Ctrl, Modifier::Alt, Modifier::Win}) {
    if (ModifierShown(settings, key)) shown.keys[shown.count++] = key;
  }
  return shown;
}

// A modifier pressed by a click of ours. A lone ALT or WIN opens a menu when it comes up, so a
// release that nothing followed is masked; and an ALT of ours is not the user's ALT.
struct OwnPress {
  bool down = false;       // pressed by us, not yet released
  bool seen_down = false;  // a refresh has read it down since
  bool followed = false;   // another key came while it was down
};
using OwnPresses = std::array<OwnPress, kModifierCount>;

inline bool IsBare(const OwnPress& own) { return own.down && !own.followed; }

}  // namespace modlatch
