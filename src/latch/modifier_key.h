#pragma once
#include <cstdint>

#include "form/app_settings.h"
#include "platform/controls.h"
#include "platform/keyboard.h"
#include "platform/menu.h"
#include "platform/shell.h"

namespace modlatch {

struct MainForm;

enum class KeyAction : std::uint8_t { Toggle, Press, Release };

// The settings that dress a key's toggle button while it is up (_0) and down (_1).
struct ButtonLook {
  ColorValue AppSettings::*back_0;
  ColorValue AppSettings::*back_1;
  ColorValue AppSettings::*fore_0;
  ColorValue AppSettings::*fore_1;
  Text AppSettings::*caption_0;
  Text AppSettings::*caption_1;
};

// A key's pieces of the tooltips.
struct KeyPieces {
  const char16_t* on;
  const char16_t* once;  // latched by a click while OneShot is on
  const char16_t* lock;  // locked by a double click
  const char16_t* off;
};

// Everything about one latchable key.
struct ModifierKey {
  Modifier key;
  std::uint8_t virtual_key;  // sent, and read by a toggle
  std::uint8_t scan_code;
  bool extended;
  bool masked_when_bare;  // a lone ALT or WIN opens a menu when it comes up
  bool down_now_only;     // a toggle reads the key as down only while it is held now
  std::uint8_t state_bit;  // its bit in a ModifierState
  Control button;
  MenuItem item;
  std::uint8_t double_picture;  // its picture in the Double bank while up; the next one while down
  ButtonLook look;
  KeyPieces pieces;
};

const ModifierKey& KeyOf(Modifier key);

// Whether a toggle of the key releases it. SHIFT and CTRL count a press since the last query
// as down too; ALT and WIN only a key down now, since the tick queries the generic ALT and
// nothing clears the "pressed since" bit of the left ALT or of the Windows keys.
bool ToggleFindsDown(Keyboard& keyboard, Modifier key);

// The key's event: Toggle releases a key that a toggle finds down and presses any other.
KeyStroke StrokeOf(Keyboard& keyboard, Modifier key, KeyAction action, bool ours = false);
void SendModifierKey(Keyboard& keyboard, Modifier key, KeyAction action, bool ours = false);

// Up to a few strokes sent in one go, so that nothing typed can come between them.
class KeyStrokes {
 public:
  void Add(const KeyStroke& stroke) { strokes_[count_++] = stroke; }
  // The mask key down and up; ours, so the one-shot hook never counts it as a key.
  void AddMask();
  void Send(Keyboard& keyboard) const;

 private:
  KeyStroke strokes_[8];
  std::size_t count_ = 0;
};

// A user's latch or release of a modifier: the mask key first when the key is released bare,
// then the key; the press is noted as ours. True when it sent the release.
bool SendLatchKey(MainForm& form, Modifier key, KeyAction action, bool ours = false);

// The tone of a latch, lock or release made by ModLatch, while option Sounds is on.
void PlayLatchSound(MainForm& form, LatchSound sound);

}  // namespace modlatch
