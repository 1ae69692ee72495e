#pragma once
#include <array>
#include <cstdint>

#include "form/app_settings.h"

namespace modlatch {

// ModifierIndex: the index of the toggle buttons, tray records and one-shot keys.
namespace modifier_index {
constexpr int kCtrl = 0;
constexpr int kShift = 1;
constexpr int kAlt = 2;
constexpr int kWin = 3;
constexpr int kCount = 4;
}  // namespace modifier_index

inline bool ModifierShown(const AppSettings& settings, int index) {
  if (index == modifier_index::kAlt) return settings.LatchAlt;
  if (index == modifier_index::kWin) return settings.LatchWin;
  return true;
}

// The modifiers shown, in the order of the floating window's buttons and the tray icons.
struct ShownModifiers {
  std::array<int, modifier_index::kCount> index{};
  int count = 0;
  const int* begin() const { return index.data(); }
  const int* end() const { return index.data() + count; }
};

inline ShownModifiers ShownModifiersOf(const AppSettings& settings) {
  ShownModifiers shown;
  for (int i : {modifier_index::kShift, modifier_index::kCtrl, modifier_index::kAlt, modifier_index::kWin}) {
    if (ModifierShown(settings, i)) shown.index[shown.count++] = i;
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
using OwnPresses = std::array<OwnPress, modifier_index::kCount>;

inline bool IsBare(const OwnPress& own) { return own.down && !own.followed; }

}  // namespace modlatch
