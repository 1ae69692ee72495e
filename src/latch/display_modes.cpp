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

void AddHolderIcon(MainForm& form, int index) {
  Controls& controls = form.os.controls;
  AddTrayIcon(form.os, controls.HolderWindow(index), controls.HolderImage(index), Text(), form.TrayIcons[index]);
}

void RemoveTrayIcon(MainForm& form, int index) {
  TrayIconData& record = form.TrayIcons[index];
  DeleteTrayIcon(form.os, record);
  record = TrayIconData{};
  form.os.controls.SetHolderImage(index, 0);
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
    if (form.DisplayMode == display_mode::kFloat || tray_record::Window(form.TrayIcons[i]) != 0) {
      RemoveTrayIcon(form, i);
    }
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
      for (Modifier key : ShownModifiersOf(form.Settings)) AddHolderIcon(form, IndexOf(key));
      break;
    case display_mode::kCompact:
      AddHolderIcon(form, 0);
      break;
    default:
      break;
  }
  form.LastModifierState = modifier_state::kForceRedraw;
}

void AddDoubleModeIcon(MainForm& form, int index) {
  if (form.DisplayMode == display_mode::kDouble) AddHolderIcon(form, index);
}

void RemoveModifierIcon(MainForm& form, int index) {
  if (tray_record::Window(form.TrayIcons[index]) != 0) RemoveTrayIcon(form, index);
}

void OnTaskbarCreated(MainForm& form) {
  // Without this, a tray-mode program would be unreachable while it may hold a key latched.
  for (int i : {1, 0, 2, 3}) {
    const TrayIconData& record = form.TrayIcons[i];
    if (tray_record::Window(record) != 0) form.os.tray.NotifyIcon(tray_message::kAdd, record);
  }
}

}  // namespace modlatch
