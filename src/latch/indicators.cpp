#include "latch/indicators.h"

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/one_shot.h"
#include "latch/toggle_buttons.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

constexpr char16_t kShiftOn[] = u" [SHIFT ON] ";
constexpr char16_t kShiftOff[] = u" [SHIFT OFF] ";
constexpr char16_t kCtrlOn[] = u" [CTRL ON] ";
constexpr char16_t kCtrlOff[] = u" [CTRL OFF] ";
// With OneShot on, a key latched or locked by a click says which.
constexpr char16_t kShiftOnce[] = u" [SHIFT ONCE] ";
constexpr char16_t kShiftLock[] = u" [SHIFT LOCK] ";
constexpr char16_t kCtrlOnce[] = u" [CTRL ONCE] ";
constexpr char16_t kCtrlLock[] = u" [CTRL LOCK] ";

// The settings that dress each toggle button, by ModifierIndex.
struct ButtonLook {
  ColorValue AppSettings::*back_0;
  ColorValue AppSettings::*back_1;
  ColorValue AppSettings::*fore_0;
  ColorValue AppSettings::*fore_1;
  Text AppSettings::*caption_0;
  Text AppSettings::*caption_1;
};
const ButtonLook kButtonLooks[] = {
    {&AppSettings::CtrlBgColor_0, &AppSettings::CtrlBgColor_1, &AppSettings::CtrlForeColor_0,
     &AppSettings::CtrlForeColor_1, &AppSettings::CtrlChr_0, &AppSettings::CtrlChr_1},
    {&AppSettings::ShiftBgColor_0, &AppSettings::ShiftBgColor_1, &AppSettings::ShiftForeColor_0,
     &AppSettings::ShiftForeColor_1, &AppSettings::ShiftChr_0, &AppSettings::ShiftChr_1},
    {&AppSettings::AltBgColor_0, &AppSettings::AltBgColor_1, &AppSettings::AltForeColor_0,
     &AppSettings::AltForeColor_1, &AppSettings::AltChr_0, &AppSettings::AltChr_1},
    {&AppSettings::WinBgColor_0, &AppSettings::WinBgColor_1, &AppSettings::WinForeColor_0,
     &AppSettings::WinForeColor_1, &AppSettings::WinChr_0, &AppSettings::WinChr_1},
};

struct KeyPieces {
  const char16_t* on;
  const char16_t* once;
  const char16_t* lock;
  const char16_t* off;
};
constexpr KeyPieces kAltPieces{u" [ALT ON] ", u" [ALT ONCE] ", u" [ALT LOCK] ", u" [ALT OFF] "};
constexpr KeyPieces kWinPieces{u" [WIN ON] ", u" [WIN ONCE] ", u" [WIN LOCK] ", u" [WIN OFF] "};
constexpr char16_t kDoubleHint[] = u" [RClick = Menu]";
constexpr char16_t kCompactHint[] = u" [L + RClick = Menu]";

const char16_t* KeyPiece(Hold hold, bool down, const char16_t* on, const char16_t* once, const char16_t* lock,
                         const char16_t* off) {
  if (!down) return off;
  if (hold == Hold::kLatched) return once;
  if (hold == Hold::kLocked) return lock;
  return on;
}

const char16_t* ExtraPiece(const MainForm& form, int index, std::uint8_t state) {
  const KeyPieces& p = index == modifier_index::kAlt ? kAltPieces : kWinPieces;
  return KeyPiece(HoldOf(form, index), (state >> index) & 1, p.on, p.once, p.lock, p.off);
}

// A value set here raises no click in the toolkit, so the click step runs after each change.
void SetToggleFromRefresh(MainForm& form, std::int16_t index, bool down) {
  if (form.os.controls.ToggleValue(index) == down) return;
  form.os.controls.SetToggleValue(index, down);
  ToggleClickStep(form, index);
}

void ShowInFloatWindow(MainForm& form, std::uint8_t state, Text text) {
  for (int index : {modifier_index::kAlt, modifier_index::kWin}) {
    if (ModifierShown(form.Settings, index)) text += ExtraPiece(form, index, state);
  }
  form.os.controls.SetStripTooltip(text);
  SetToggleFromRefresh(form, 0, form.os.menu.IsChecked(MenuItem::mCTRL));
  SetToggleFromRefresh(form, 1, form.os.menu.IsChecked(MenuItem::mSHIFT));
  for (int index : {modifier_index::kAlt, modifier_index::kWin}) {
    if (ModifierShown(form.Settings, index)) SetToggleFromRefresh(form, index, (state >> index) & 1);
  }
  if (form.Settings.OneShot) {
    for (int index = 0; index < modifier_index::kCount; ++index) {
      if (ModifierShown(form.Settings, index)) {
        form.os.controls.SetToggleLocked(index, HoldOf(form, index) == Hold::kLocked);
      }
    }
  }
}

void ShowInDoubleIcons(MainForm& form, std::uint8_t state, const Text& text) {
  Controls& controls = form.os.controls;
  UpdateTrayIcon(form, Modifier::Ctrl, controls.DoubleImage(state & modifier_state::kCtrl ? 1 : 0), text);
  UpdateTrayIcon(form, Modifier::Shift, controls.DoubleImage(state & modifier_state::kShift ? 3 : 2), text);
  // The ALT and WIN icons name their own key: all four pieces would not fit a tray tooltip.
  for (int index : {modifier_index::kAlt, modifier_index::kWin}) {
    if (!ModifierShown(form.Settings, index)) continue;
    const Text tip = Text(ExtraPiece(form, index, state)) + kDoubleHint;
    UpdateTrayIcon(form, ModifierAt(index), controls.DoubleImage(2 * index + ((state >> index) & 1)), tip);
  }
}

void ShowInCompactIcon(MainForm& form, std::uint8_t state, Text text) {
  // The one icon shows SHIFT and CTRL; an ALT or WIN that is down is named after the hint.
  for (int index : {modifier_index::kAlt, modifier_index::kWin}) {
    if ((state >> index) & 1) text += ExtraPiece(form, index, state);
  }
  UpdateTrayIcon(form, Modifier::Ctrl,
                 form.os.controls.CompactImage(state & (modifier_state::kShift | modifier_state::kCtrl)), text);
}

}  // namespace

std::int32_t RefreshIndicators(MainForm& form) {
  Keyboard& keyboard = form.os.keyboard;
  const AppSettings& s = form.Settings;
  // Read (and dropped unless the ALT latch is on) so that later tests see only presses made since.
  const bool alt_down = keyboard.AsyncKeyState(vk::kAlt) != 0 && s.LatchAlt;
  keyboard.AsyncKeyState(vk::kMiddleButton);
  const bool shift_down = keyboard.AsyncKeyState(vk::kShift) != 0;
  const bool ctrl_down = keyboard.AsyncKeyState(vk::kControl) != 0;
  // Both Windows keys are read, so the indicator follows either physical one.
  bool win_down = false;
  if (s.LatchWin) {
    const bool left = keyboard.AsyncKeyState(vk::kLeftWin) != 0;
    const bool right = keyboard.AsyncKeyState(vk::kRightWin) != 0;
    win_down = left || right;
  }
  const std::uint8_t state = (shift_down ? modifier_state::kShift : 0) | (ctrl_down ? modifier_state::kCtrl : 0) |
                             (alt_down ? modifier_state::kAlt : 0) | (win_down ? modifier_state::kWin : 0);
  NoteKeyStates(form, state);
  NoteOwnPresses(form, state);
  if (state == form.LastModifierState) return -1;

  Text text = KeyPiece(HoldOf(form, 1), shift_down, kShiftOn, kShiftOnce, kShiftLock, kShiftOff);
  text += KeyPiece(HoldOf(form, 0), ctrl_down, kCtrlOn, kCtrlOnce, kCtrlLock, kCtrlOff);
  form.os.menu.SetChecked(MenuItem::mCTRL, ctrl_down);
  form.os.menu.SetChecked(MenuItem::mSHIFT, shift_down);
  if (s.LatchAlt) form.os.menu.SetChecked(MenuItem::mALT, alt_down);
  if (s.LatchWin) form.os.menu.SetChecked(MenuItem::mWIN, win_down);
  form.LastModifierState = state;

  switch (form.DisplayMode) {
    case display_mode::kFloat:
      ShowInFloatWindow(form, state, text);
      break;
    case display_mode::kDouble:
      ShowInDoubleIcons(form, state, text + kDoubleHint);
      break;
    case display_mode::kCompact:
      ShowInCompactIcon(form, state, text + kCompactHint);
      break;
    default:
      break;
  }
  return state;
}

void ApplyButtonLook(MainForm& form, std::int16_t index) {
  Controls& controls = form.os.controls;
  const bool down = controls.ToggleValue(index);
  const AppSettings& s = form.Settings;
  // Index 0 is CTRL, 2 ALT, 3 WIN, any other SHIFT.
  const ButtonLook& look = kButtonLooks[index == 0 || index == 2 || index == 3 ? index : 1];
  const ColorValue back = s.*(down ? look.back_1 : look.back_0);
  const ColorValue fore = s.*(down ? look.fore_1 : look.fore_0);
  const Text& caption = s.*(down ? look.caption_1 : look.caption_0);
  if (back > -1) controls.SetToggleBackColor(index, back);
  if (fore > -1) controls.SetToggleForeColor(index, fore);
  if (!caption.empty()) controls.SetToggleCaption(index, caption);
}

}  // namespace modlatch
