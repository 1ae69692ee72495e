#include "latch/indicators.h"

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"
#include "latch/toggle_buttons.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

constexpr char16_t kDoubleHint[] = u" [RClick = Menu]";
constexpr char16_t kCompactHint[] = u" [L + RClick = Menu]";

bool IsDown(Modifier key, std::uint8_t state) { return (state & KeyOf(key).state_bit) != 0; }

// With OneShot on, a key latched or locked by a click says which.
const char16_t* KeyPiece(const MainForm& form, Modifier key, std::uint8_t state) {
  const KeyPieces& p = KeyOf(key).pieces;
  if (!IsDown(key, state)) return p.off;
  const Hold hold = HoldOf(form, key);
  if (hold == Hold::kLatched) return p.once;
  if (hold == Hold::kLocked) return p.lock;
  return p.on;
}

// A value set here raises no click in the toolkit, so the click step runs after each change.
void SetToggleFromRefresh(MainForm& form, Modifier key, bool down) {
  if (form.os.controls.ToggleValue(key) == down) return;
  form.os.controls.SetToggleValue(key, down);
  ToggleClickStep(form, key);
}

void ShowInFloatWindow(MainForm& form, std::uint8_t state, Text text) {
  for (Modifier key : {Modifier::Alt, Modifier::Win}) {
    if (ModifierShown(form.Settings, key)) text += KeyPiece(form, key, state);
  }
  form.os.controls.SetStripTooltip(text);
  for (Modifier key : {Modifier::Ctrl, Modifier::Shift, Modifier::Alt, Modifier::Win}) {
    if (ModifierShown(form.Settings, key)) SetToggleFromRefresh(form, key, IsDown(key, state));
  }
  if (form.Settings.OneShot) {
    for (Modifier key : {Modifier::Ctrl, Modifier::Shift, Modifier::Alt, Modifier::Win}) {
      if (ModifierShown(form.Settings, key)) form.os.controls.SetToggleLocked(key, HoldOf(form, key) == Hold::kLocked);
    }
  }
}

ImageHandle DoublePicture(MainForm& form, Modifier key, std::uint8_t state) {
  return form.os.controls.DoubleImage(KeyOf(key).double_picture + (IsDown(key, state) ? 1 : 0));
}

void ShowInDoubleIcons(MainForm& form, std::uint8_t state, const Text& text) {
  for (Modifier key : {Modifier::Ctrl, Modifier::Shift}) UpdateTrayIcon(form, key, DoublePicture(form, key, state), text);
  // The ALT and WIN icons name their own key: all four pieces would not fit a tray tooltip.
  for (Modifier key : {Modifier::Alt, Modifier::Win}) {
    if (!ModifierShown(form.Settings, key)) continue;
    UpdateTrayIcon(form, key, DoublePicture(form, key, state), Text(KeyPiece(form, key, state)) + kDoubleHint);
  }
}

void ShowInCompactIcon(MainForm& form, std::uint8_t state, Text text) {
  // The one icon shows SHIFT and CTRL; an ALT or WIN that is down is named after the hint.
  for (Modifier key : {Modifier::Alt, Modifier::Win}) {
    if (IsDown(key, state)) text += KeyPiece(form, key, state);
  }
  const std::uint8_t shift_ctrl = KeyOf(Modifier::Shift).state_bit | KeyOf(Modifier::Ctrl).state_bit;
  UpdateTrayIcon(form, Modifier::Ctrl, form.os.controls.CompactImage(state & shift_ctrl), text);
}

// What the keys read as at this poll. Each is read every time, in this order, so that later
// tests see only the presses made since.
std::uint8_t ReadModifierState(MainForm& form) {
  Keyboard& keyboard = form.os.keyboard;
  const AppSettings& s = form.Settings;
  // Read (and dropped unless the ALT latch is on) so that later tests see only presses made since.
  const bool alt_down = keyboard.ReadKey(vk::kAlt).ReadsDown() && s.LatchAlt;
  keyboard.ReadKey(vk::kMiddleButton);
  const bool shift_down = keyboard.ReadKey(vk::kShift).ReadsDown();
  const bool ctrl_down = keyboard.ReadKey(vk::kControl).ReadsDown();
  // Both Windows keys are read, so the indicator follows either physical one.
  bool win_down = false;
  if (s.LatchWin) {
    const bool left = keyboard.ReadKey(vk::kLeftWin).ReadsDown();
    const bool right = keyboard.ReadKey(vk::kRightWin).ReadsDown();
    win_down = left || right;
  }
  std::uint8_t state = 0;
  if (shift_down) state |= KeyOf(Modifier::Shift).state_bit;
  if (ctrl_down) state |= KeyOf(Modifier::Ctrl).state_bit;
  if (alt_down) state |= KeyOf(Modifier::Alt).state_bit;
  if (win_down) state |= KeyOf(Modifier::Win).state_bit;
  return state;
}

}  // namespace

std::int32_t RefreshIndicators(MainForm& form) {
  const std::uint8_t state = ReadModifierState(form);
  NoteKeyStates(form, state);
  NoteOwnPresses(form, state);
  if (state == form.LastModifierState) return -1;

  Text text = KeyPiece(form, Modifier::Shift, state);
  text += KeyPiece(form, Modifier::Ctrl, state);
  for (Modifier key : {Modifier::Ctrl, Modifier::Shift, Modifier::Alt, Modifier::Win}) {
    if (ModifierShown(form.Settings, key)) form.os.menu.SetChecked(KeyOf(key).item, IsDown(key, state));
  }
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

void ApplyButtonLook(MainForm& form, Modifier key) {
  Controls& controls = form.os.controls;
  const bool down = controls.ToggleValue(key);
  const AppSettings& s = form.Settings;
  const ButtonLook& look = KeyOf(key).look;
  const ColorValue back = s.*(down ? look.back_1 : look.back_0);
  const ColorValue fore = s.*(down ? look.fore_1 : look.fore_0);
  const Text& caption = s.*(down ? look.caption_1 : look.caption_0);
  if (back > -1) controls.SetToggleBackColor(key, back);
  if (fore > -1) controls.SetToggleForeColor(key, fore);
  if (!caption.empty()) controls.SetToggleCaption(key, caption);
}

}  // namespace modlatch
