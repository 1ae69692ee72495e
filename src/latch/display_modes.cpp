#include "latch/display_modes.h"

#include "form/main_form.h"
#include "latch/indicators.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

MenuItem ModeItem(std::int16_t index) {
  return static_cast<MenuItem>(static_cast<int>(MenuItem::mMode0) + index);
}

}  // namespace

void OnModeCommand(MainForm& form, std::int16_t index) {
  if (form.DisplayMode == index) return;
  form.DisplayMode = index;
  Menu& menu = form.os.menu;
  menu.SetChecked(MenuItem::mMode0, false);
  menu.SetChecked(MenuItem::mMode1, false);
  menu.SetChecked(MenuItem::mMode2, false);
  menu.SetChecked(ModeItem(index), true);
  menu.SetEnabled(MenuItem::mTop, index == display_mode::kFloat);
  ApplyDisplayMode(form);
}

void ApplyDisplayMode(MainForm& form) {
  for (int i = 0; i < kModifierCount; ++i) {
    if (!ModifierShown(form.Settings, ModifierAt(i))) continue;
    if (form.DisplayMode == display_mode::kFloat || form.TrayIcons[i].shown) RemoveTrayIcon(form, ModifierAt(i));
  }
  RemoveSizeLimits(form);
  form.os.window.Hide();

  switch (form.DisplayMode) {
    case display_mode::kFloat:
      form.os.window.Show();
      ColorStripByForeground(form);
      // A checked lock holds whenever the window is shown, however often the mode changes.
      if (form.Settings.SizeLock) {
        LockAtCurrentSize(form);
      } else if (!form.Settings.NoProc) {
        SetDefaultSizeLimits(form);
      }
      ApplyTopMost(form);
      break;
    case display_mode::kDouble:
      // The SHIFT icon goes in first, so it stands before the CTRL icon; ALT and WIN follow.
      for (Modifier key : ShownModifiersOf(form.Settings)) AddTrayIcon(form, key);
      break;
    case display_mode::kCompact:
      AddTrayIcon(form, Modifier::Ctrl);
      break;
    default:
      break;
  }
  form.LastModifierState = modifier_state::kForceRedraw;
}

void AddDoubleModeIcon(MainForm& form, int index) {
  if (form.DisplayMode == display_mode::kDouble) AddTrayIcon(form, ModifierAt(index));
}

void RemoveModifierIcon(MainForm& form, int index) {
  if (form.TrayIcons[index].shown) RemoveTrayIcon(form, ModifierAt(index));
}

void OnTaskbarCreated(MainForm& form) {
  // Without this, a tray-mode program would be unreachable while it may hold a key latched.
  for (TrayIconState& state : form.TrayIcons) state.taken = false;
  AddRefusedTrayIcons(form);
}

}  // namespace modlatch
