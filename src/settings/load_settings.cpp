#include "settings/load_settings.h"

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "latch/one_shot.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_design.h"
#include "settings/ini_access.h"
#include "settings/options_menu.h"
#include "settings/settings_table.h"

namespace modlatch {
namespace {

// The options a start switches on one by one, each at its own step, as their commands would.
bool IsOption(const Setting& row) { return row.conversion == Conversion::kTrue || row.conversion == Conversion::kMode; }

// The language is read before the windows are made; the stamp is never read.
bool ReadAtStart(const Setting& row) {
  return row.conversion != Conversion::kLanguage && row.conversion != Conversion::kStamp;
}

// Every key in table order, ALT's and WIN's only while their latch is on, before any is applied.
void ReadSettings(MainForm& file) {
  const Text path = IniFilePath(file.os.files);
  for (const Setting& row : kSettings) {
    if (ReadAtStart(row) && (!row.latch || ModifierShown(file.Settings, *row.latch))) {
      ReadSetting(file, path, row);
    }
  }
}

// A negative position means no saved place: half the screen's extent, truncated.
double PositionOrHalfScreen(std::int32_t saved, double screen_twips) {
  if (saved >= 0) return saved;
  return static_cast<double>(RoundHalfEven(screen_twips) / 2);
}

// The values of the file that no step before theirs reads: pictures, place, looks, timer, flags.
void TakeValues(MainForm& form, const MainForm& file) {
  for (const Setting& row : kSettings) {
    if (ReadAtStart(row) && !IsOption(row) && !row.latch) CopySetting(form, file, row);
  }
}

void LoadPictures(MainForm& form, std::optional<Modifier> latch) {
  for (const Setting& row : kSettings) {
    if (!row.picture || row.latch != latch) continue;
    const Text& path = form.Settings.*std::get<Text AppSettings::*>(row.field);
    if (FileExists(form.os, path)) form.os.controls.LoadBankPicture(row.picture->bank, row.picture->index, path);
  }
}

void PlaceWindow(MainForm& form) {
  const AppSettings& s = form.Settings;
  MainWindow& window = form.os.window;
  window.SetLeft(PositionOrHalfScreen(s.xPos, window.ScreenWidthTwips()));
  window.SetTop(PositionOrHalfScreen(s.yPos, window.ScreenHeightTwips()));
  window.SetHeight(s.Height);
  window.SetWidth(s.Width);
  BringOntoScreen(form);
}

// The window takes the width the added buttons need before it is first shown, not with a
// visible jump afterwards.
void WidenForLatchKeys(MainForm& form, const AppSettings& saved) {
  if (saved.LatchAlt || saved.LatchWin) WidenForButtons(form, 2 + saved.LatchAlt + saved.LatchWin);
}

MenuItem LatchItem(Modifier key) { return key == Modifier::Alt ? MenuItem::mALT : MenuItem::mWIN; }

// Runs after the mode is up, so the key gets its controls, menu item and icon here.
void ShowLatchKey(MainForm& form, Modifier key) {
  LoadPictures(form, key);
  form.os.controls.AddModifierControls(key);
  form.os.menu.AddLatchItem(LatchItem(key), UiText(form.UiLanguage, design::LatchItemCaption(LatchItem(key))));
  AddDoubleModeIcon(form, IndexOf(key));
}

void LoadAltAndWin(MainForm& form, const MainForm& file) {
  AppSettings& s = form.Settings;
  s.LatchAlt = file.Settings.LatchAlt;
  s.LatchWin = file.Settings.LatchWin;
  if (!s.LatchAlt && !s.LatchWin) return;
  for (Modifier key : {Modifier::Alt, Modifier::Win}) {
    if (!ModifierShown(s, key)) continue;
    for (const Setting& row : kSettings) {
      if (row.latch == key) CopySetting(form, file, row);
    }
    ShowLatchKey(form, key);
  }
  FitLimitsToButtons(form);
  ApplyFloatLayout(form);
}

// The file's values reach the program in the order each owner needs them.
void ApplySettings(MainForm& form, const MainForm& file) {
  Platform& os = form.os;
  AppSettings& s = form.Settings;
  const AppSettings& saved = file.Settings;
  TakeValues(form, file);
  LoadPictures(form, std::nullopt);
  PlaceWindow(form);
  WidenForLatchKeys(form, saved);
  os.timer.SetInterval(static_cast<std::uint32_t>(s.Timer));

  OnModeCommand(form, file.DisplayMode);
  if (saved.zPos) OnTopCommand(form);
  if (saved.SizeLock) OnSizeLockCommand(form);
  s.MiddleButton = saved.MiddleButton;
  os.menu.SetChecked(MenuItem::mCenter, s.MiddleButton);

  s.NoActivate = saved.NoActivate;
  if (s.NoActivate) os.window.PreventActivation();
  s.OneShot = saved.OneShot;
  LoadAltAndWin(form, file);
  StartOneShot(form);
  s.Sounds = saved.Sounds;
  ShowOptionChecks(form);
}

}  // namespace

void AddLatchKey(MainForm& form, Modifier key) {
  const Text path = IniFilePath(form.os.files);
  (key == Modifier::Alt ? form.Settings.LatchAlt : form.Settings.LatchWin) = true;
  for (const Setting& row : kSettings) {
    if (row.latch == key) ReadSetting(form, path, row);
  }
  ShowLatchKey(form, key);
  FitLimitsToButtons(form);
  ApplyFloatLayout(form);
}

void LoadSettings(MainForm& form) {
  MainForm file{form.os};  // the form as the file describes it, nothing applied yet
  ReadSettings(file);
  ApplySettings(form, file);
}

}  // namespace modlatch
