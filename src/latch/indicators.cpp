#include "latch/indicators.h"

#include "form/main_form.h"
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
constexpr char16_t kDoubleHint[] = u" [RClick = Menu]";
constexpr char16_t kCompactHint[] = u" [L + RClick = Menu]";

const char16_t* KeyPiece(Hold hold, bool down, const char16_t* on, const char16_t* once, const char16_t* lock,
                         const char16_t* off) {
  if (!down) return off;
  if (hold == Hold::kLatched) return once;
  if (hold == Hold::kLocked) return lock;
  return on;
}

// A value set here raises no click in the toolkit, so the click step runs after each change.
void SetToggleFromRefresh(MainForm& form, std::int16_t index, bool down) {
  if (form.os.controls.ToggleValue(index) == down) return;
  form.os.controls.SetToggleValue(index, down);
  ToggleClickStep(form, index);
}

void ShowInFloatWindow(MainForm& form, const Text& text) {
  form.os.controls.SetStripTooltip(text);
  SetToggleFromRefresh(form, 0, form.os.menu.IsChecked(MenuItem::mCTRL));
  SetToggleFromRefresh(form, 1, form.os.menu.IsChecked(MenuItem::mSHIFT));
  if (form.Settings.OneShot) {
    form.os.controls.SetToggleLocked(0, HoldOf(form, 0) == Hold::kLocked);
    form.os.controls.SetToggleLocked(1, HoldOf(form, 1) == Hold::kLocked);
  }
}

void ShowInDoubleIcons(MainForm& form, bool shift_down, bool ctrl_down, const Text& text) {
  Controls& controls = form.os.controls;
  controls.SetHolderImage(0, controls.DoubleImage(ctrl_down ? 1 : 0));
  controls.SetHolderImage(1, controls.DoubleImage(shift_down ? 3 : 2));
  ModifyTrayIcon(form.os, controls.HolderWindow(0), controls.HolderImage(0), text, form.TrayIcons[0]);
  ModifyTrayIcon(form.os, controls.HolderWindow(1), controls.HolderImage(1), text, form.TrayIcons[1]);
}

void ShowInCompactIcon(MainForm& form, std::uint8_t state, const Text& text) {
  Controls& controls = form.os.controls;
  controls.SetHolderImage(0, controls.CompactImage(state));
  ModifyTrayIcon(form.os, controls.HolderWindow(0), controls.HolderImage(0), text, form.TrayIcons[0]);
}

}  // namespace

std::int32_t RefreshIndicators(MainForm& form) {
  Keyboard& keyboard = form.os.keyboard;
  // Read and dropped so that later tests see only presses made since.
  keyboard.AsyncKeyState(vk::kAlt);
  keyboard.AsyncKeyState(vk::kMiddleButton);
  const bool shift_down = keyboard.AsyncKeyState(vk::kShift) != 0;
  const bool ctrl_down = keyboard.AsyncKeyState(vk::kControl) != 0;
  const std::uint8_t state =
      (shift_down ? modifier_state::kShift : 0) | (ctrl_down ? modifier_state::kCtrl : 0);
  NoteKeyStates(form, shift_down, ctrl_down);
  if (state == form.LastModifierState) return -1;

  Text text = KeyPiece(HoldOf(form, 1), shift_down, kShiftOn, kShiftOnce, kShiftLock, kShiftOff);
  text += KeyPiece(HoldOf(form, 0), ctrl_down, kCtrlOn, kCtrlOnce, kCtrlLock, kCtrlOff);
  form.os.menu.SetChecked(MenuItem::mCTRL, ctrl_down);
  form.os.menu.SetChecked(MenuItem::mSHIFT, shift_down);
  form.LastModifierState = state;

  switch (form.DisplayMode) {
    case display_mode::kFloat:
      ShowInFloatWindow(form, text);
      break;
    case display_mode::kDouble:
      ShowInDoubleIcons(form, shift_down, ctrl_down, text + kDoubleHint);
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
  const bool ctrl = index == 0;
  const ColorValue back = ctrl ? (down ? s.CtrlBgColor_1 : s.CtrlBgColor_0)
                               : (down ? s.ShiftBgColor_1 : s.ShiftBgColor_0);
  const ColorValue fore = ctrl ? (down ? s.CtrlForeColor_1 : s.CtrlForeColor_0)
                               : (down ? s.ShiftForeColor_1 : s.ShiftForeColor_0);
  const Text& caption = ctrl ? (down ? s.CtrlChr_1 : s.CtrlChr_0) : (down ? s.ShiftChr_1 : s.ShiftChr_0);
  if (back > -1) controls.SetToggleBackColor(index, back);
  if (fore > -1) controls.SetToggleForeColor(index, fore);
  if (!caption.empty()) controls.SetToggleCaption(index, caption);
}

}  // namespace modlatch
