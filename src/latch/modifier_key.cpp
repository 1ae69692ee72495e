#include "latch/modifier_key.h"

#include "form/main_form.h"

namespace modlatch {
namespace {

// Each key goes as the physical key it stands for, with that key's scan code: remote-desktop and
// virtual-machine clients forward the scan code, and games read it through raw input. SHIFT and
// CTRL are the right-hand keys, ALT the left one (the right ALT is AltGr on many layouts), WIN
// the left Windows key; the extended flag only where the real key has the E0 prefix.
// In Modifier order.
const ModifierKey kModifierKeys[kModifierCount] = {
    {Modifier::Ctrl, vk::kControl, 0x1D, true, false, false, 1, Control::Check1_0, MenuItem::mCTRL, 0,
     {&AppSettings::CtrlBgColor_0, &AppSettings::CtrlBgColor_1, &AppSettings::CtrlForeColor_0,
      &AppSettings::CtrlForeColor_1, &AppSettings::CtrlChr_0, &AppSettings::CtrlChr_1},
     {u" [CTRL ON] ", u" [CTRL ONCE] ", u" [CTRL LOCK] ", u" [CTRL OFF] "}},
    {Modifier::Shift, vk::kShift, 0x36, false, false, false, 2, Control::Check1_1, MenuItem::mSHIFT, 2,
     {&AppSettings::ShiftBgColor_0, &AppSettings::ShiftBgColor_1, &AppSettings::ShiftForeColor_0,
      &AppSettings::ShiftForeColor_1, &AppSettings::ShiftChr_0, &AppSettings::ShiftChr_1},
     {u" [SHIFT ON] ", u" [SHIFT ONCE] ", u" [SHIFT LOCK] ", u" [SHIFT OFF] "}},
    {Modifier::Alt, vk::kLeftAlt, 0x38, false, true, true, 4, Control::Check1_2, MenuItem::mALT, 4,
     {&AppSettings::AltBgColor_0, &AppSettings::AltBgColor_1, &AppSettings::AltForeColor_0,
      &AppSettings::AltForeColor_1, &AppSettings::AltChr_0, &AppSettings::AltChr_1},
     {u" [ALT ON] ", u" [ALT ONCE] ", u" [ALT LOCK] ", u" [ALT OFF] "}},
    {Modifier::Win, vk::kLeftWin, 0x5B, true, true, true, 8, Control::Check1_3, MenuItem::mWIN, 6,
     {&AppSettings::WinBgColor_0, &AppSettings::WinBgColor_1, &AppSettings::WinForeColor_0,
      &AppSettings::WinForeColor_1, &AppSettings::WinChr_0, &AppSettings::WinChr_1},
     {u" [WIN ON] ", u" [WIN ONCE] ", u" [WIN LOCK] ", u" [WIN OFF] "}},
};

}  // namespace

const ModifierKey& KeyOf(Modifier key) { return kModifierKeys[IndexOf(key)]; }

bool ToggleFindsDown(Keyboard& keyboard, Modifier key) {
  const ModifierKey& row = KeyOf(key);
  const KeyReading reading = keyboard.ReadKey(row.virtual_key);
  return row.down_now_only ? reading.held : reading.ReadsDown();
}

KeyStroke StrokeOf(Keyboard& keyboard, Modifier key, KeyAction action, bool ours) {
  const ModifierKey& row = KeyOf(key);
  const bool up = action == KeyAction::Release || (action == KeyAction::Toggle && ToggleFindsDown(keyboard, key));
  return KeyStroke{row.virtual_key, row.scan_code, row.extended, up, ours};
}

void SendModifierKey(Keyboard& keyboard, Modifier key, KeyAction action, bool ours) {
  const KeyStroke stroke = StrokeOf(keyboard, key, action, ours);
  keyboard.SendKeys(&stroke, 1);
}

void KeyStrokes::AddMask() {
  Add(KeyStroke{vk::kMaskKey, 0, false, false, true});
  Add(KeyStroke{vk::kMaskKey, 0, false, true, true});
}

void KeyStrokes::Send(Keyboard& keyboard) const {
  if (count_ != 0) keyboard.SendKeys(strokes_, count_);
}

bool SendLatchKey(MainForm& form, Modifier key, KeyAction action, bool ours) {
  const KeyStroke stroke = StrokeOf(form.os.keyboard, key, action, ours);
  OwnPress& own = form.OwnPressed[IndexOf(key)];
  KeyStrokes strokes;
  if (stroke.up && KeyOf(key).masked_when_bare && IsBare(own)) strokes.AddMask();
  strokes.Add(stroke);
  strokes.Send(form.os.keyboard);
  own = OwnPress{};
  own.down = !stroke.up;
  return stroke.up;
}

void PlayLatchSound(MainForm& form, LatchSound sound) {
  if (form.Settings.Sounds) form.os.shell.PlayLatchSound(sound);
}

}  // namespace modlatch
