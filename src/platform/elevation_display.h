#pragma once
#include "platform/types.h"

namespace modlatch {

// What the floating window shows about administrator rights.
class ElevationDisplay {
 public:
  virtual ~ElevationDisplay() = default;
  // A balloon pointing at the key's button, shown without taking the focus; it goes by itself
  // after a few seconds.
  virtual void ShowKeyBalloon(Modifier key, const Text& title, const Text& text) = 0;
  virtual void HideKeyBalloon() = 0;
  // Put after the caption strip's name and tip from now on; empty for none.
  virtual void MarkStrip(const Text& mark) = 0;
};

}  // namespace modlatch
