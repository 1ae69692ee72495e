#include "tray/tray_icons.h"

#include "form/main_form.h"

namespace modlatch {
namespace {

TrayIconState& StateOf(MainForm& form, Modifier icon) { return form.TrayIcons[IndexOf(icon)]; }

// The bits of TrayButtonsHeld; the middle button has none and does nothing on an icon.
std::uint32_t HeldBit(MouseButton button) {
  return button == MouseButton::Left ? 1 : button == MouseButton::Right ? 2 : 0;
}

}  // namespace

void AddTrayIcon(MainForm& form, Modifier icon) {
  TrayIconState& state = StateOf(form, icon);
  state.shown = true;
  state.tip.clear();
  state.taken = form.os.tray.AddIcon(icon, state.picture, state.tip);
}

void AddRefusedTrayIcons(MainForm& form) {
  // SHIFT's icon first, so it stands before CTRL's; ALT and WIN follow.
  for (Modifier icon : {Modifier::Shift, Modifier::Ctrl, Modifier::Alt, Modifier::Win}) {
    TrayIconState& state = StateOf(form, icon);
    if (state.shown && !state.taken) state.taken = form.os.tray.AddIcon(icon, state.picture, state.tip);
  }
}

void UpdateTrayIcon(MainForm& form, Modifier icon, ImageHandle picture, const Text& tip) {
  TrayIconState& state = StateOf(form, icon);
  state.picture = picture;
  state.tip = tip;
  // An icon the shell does not have yet takes its picture and tip when it is added again.
  if (state.taken) form.os.tray.UpdateIcon(icon, picture, tip);
}

void RemoveTrayIcon(MainForm& form, Modifier icon) {
  form.os.tray.RemoveIcon(icon);
  StateOf(form, icon) = TrayIconState{};
}

void RemoveAllTrayIcons(MainForm& form) {
  for (int i = 0; i < kModifierCount; ++i) {
    if (form.TrayIcons[i].shown) form.os.tray.RemoveIcon(ModifierAt(i));
  }
}

void OnTrayButton(MainForm& form, Modifier icon, MouseButton button, bool down) {
  const std::uint32_t bit = HeldBit(button);
  if (bit == 0) return;
  if (down) {
    form.TrayButtonsHeld |= bit;
    return;
  }
  // The held bit is cleared only after the action returns, so a right button-up with the
  // left still held sees both bits.
  HandleIndicatorClick(form, button, icon);
  form.TrayButtonsHeld &= ~bit;
}

}  // namespace modlatch
