#pragma once
#include "platform/types.h"

namespace modlatch {

// The program's icons in the shell's notification area, one per key (the Compact icon is
// CTRL's). The shell shows the first 63 bytes of a tip in the ANSI code page.
class Tray {
 public:
  virtual ~Tray() = default;
  // False when the shell refused the icon, as it does while the taskbar is still coming up.
  virtual bool AddIcon(Modifier icon, ImageHandle picture, const Text& tip) = 0;
  virtual void UpdateIcon(Modifier icon, ImageHandle picture, const Text& tip) = 0;
  // Allocates nothing: it also runs after a fault.
  virtual void RemoveIcon(Modifier icon) = 0;
  // A balloon notification on a shown icon; the icon itself does not change.
  virtual void ShowBalloon(Modifier icon, const Text& title, const Text& text) = 0;
};

}  // namespace modlatch
