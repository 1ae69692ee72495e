#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

// Children of the main window whose bounds the float layout sets (pixels, client coordinates;
// Command1's inside Picture4).
enum class Control { Check1_0, Check1_1, Picture4, Check1_2, Check1_3, Command1 };

// The hidden image banks: Picture2 holds the Compact pictures, Picture3 the Double ones.
enum class ImageBank { Picture2, Picture3 };

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The controls of the main window: toggle buttons Check1(i), caption strip Picture4 and the
// image banks Picture2 (compact) and Picture3 (double).
class Controls {
 public:
  virtual ~Controls() = default;
  // The toggle button of each key.
  virtual bool ToggleValue(Modifier key) = 0;
  virtual void SetToggleValue(Modifier key, bool down) = 0;
  virtual void SetToggleBackColor(Modifier key, ColorValue color) = 0;
  virtual void SetToggleForeColor(Modifier key, ColorValue color) = 0;
  virtual void SetToggleCaption(Modifier key, const Text& caption) = 0;
  // Creates the toggle button of the ALT or WIN latch, and the window its tray icon belongs to;
  // the other controls exist from the start.
  virtual void AddModifierControls(Modifier key) = 0;
  // Destroys what AddModifierControls made, when the latch is switched off.
  virtual void RemoveModifierControls(Modifier key) = 0;
  // The lock mark of a one-shot modifier that a double click has locked.
  virtual void SetToggleLocked(Modifier key, bool locked) = 0;

  // The caption strip in the colour of an active title bar, or of an inactive one.
  virtual void ShowStripActive(bool active) = 0;
  virtual void SetStripTooltip(const Text& text) = 0;
  // The close button shows a picture only; this is its name for screen readers.
  virtual void SetCloseName(const Text& name) = 0;

  // Fonts and the close button's picture made anew for the window's current DPI.
  virtual void RecreateFonts() = 0;

  virtual Bounds GetBounds(Control control) = 0;
  virtual void SetBounds(Control control, const Bounds& bounds) = 0;

  virtual ImageHandle CompactImage(int state) = 0;
  virtual ImageHandle DoubleImage(int index) = 0;
  // Makes the icon file at path the picture of a bank element; an unreadable file leaves the old one.
  virtual void LoadBankPicture(ImageBank bank, int index, const Text& path) = 0;
};

}  // namespace modlatch
