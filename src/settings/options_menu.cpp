#include "settings/options_menu.h"

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/display_modes.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/window_design.h"
#include "settings/ini_access.h"
#include "settings/language.h"
#include "settings/load_settings.h"
#include "settings/settings_table.h"

namespace modlatch {
namespace {

void ApplyNoActivate(MainForm& form, bool on) {
  form.Settings.NoActivate = on;
  if (on) {
    form.os.window.PreventActivation();
  } else {
    form.os.window.AllowActivation();
  }
}

void ApplyOneShot(MainForm& form, bool on) {
  if (!on) EndOneShotHolds(form);
  form.Settings.OneShot = on;
  UpdateOneShotHooks(form);
}

// Off: a key of ours still down comes up first, masked if it was pressed alone.
void RemoveLatchKey(MainForm& form, Modifier key, bool AppSettings::*enabled, MenuItem item) {
  const int index = IndexOf(key);
  if (ToggleFindsDown(form.os.keyboard, key)) {
    ReleaseAltAndWin(form, KeyOf(key).state_bit);
    PlayLatchSound(form, LatchSound::kRelease);
  }
  form.Settings.*enabled = false;
  form.OneShot.keys[index] = OneShotKey{};
  form.OwnPressed[index] = OwnPress{};
  RemoveModifierIcon(form, index);
  form.os.menu.RemoveLatchItem(item);
  form.os.controls.RemoveModifierControls(key);
  FitLimitsToButtons(form);
  ApplyFloatLayout(form);
}

void ApplyLatchKey(MainForm& form, Modifier key, bool on) {
  if (on) {
    AddLatchKey(form, key);
    ApplyButtonLook(form, key);
  } else if (key == Modifier::Alt) {
    RemoveLatchKey(form, key, &AppSettings::LatchAlt, MenuItem::mALT);
  } else {
    RemoveLatchKey(form, key, &AppSettings::LatchWin, MenuItem::mWIN);
  }
  UpdateOneShotHooks(form);
  form.LastModifierState = modifier_state::kForceRedraw;
}

void ApplyLatchAlt(MainForm& form, bool on) { ApplyLatchKey(form, Modifier::Alt, on); }
void ApplyLatchWin(MainForm& form, bool on) { ApplyLatchKey(form, Modifier::Win, on); }
void ApplySounds(MainForm& form, bool on) { form.Settings.Sounds = on; }

struct OptionItem {
  MenuItem item;
  bool AppSettings::*field;
  void (*apply)(MainForm& form, bool on);  // sets the field at the right step
};

constexpr OptionItem kOptionItems[] = {
    {MenuItem::mOptNoActivate, &AppSettings::NoActivate, ApplyNoActivate},
    {MenuItem::mOptOneShot, &AppSettings::OneShot, ApplyOneShot},
    {MenuItem::mOptLatchAlt, &AppSettings::LatchAlt, ApplyLatchAlt},
    {MenuItem::mOptLatchWin, &AppSettings::LatchWin, ApplyLatchWin},
    {MenuItem::mOptSounds, &AppSettings::Sounds, ApplySounds},
};

// Written at once, so a crash or a forced end keeps the choice; a file that cannot be written
// leaves the option on for this run only, which the user is told once.
void SaveOption(MainForm& form, const SettingField& field) {
  const Setting& row = SettingOf(field);
  const Text path = IniFilePath(form.os.files);
  if (WriteIniString(form.os, path, row.section, row.key, SettingText(form, row))) return;
  if (form.OptionNotSavedShown) return;
  form.OptionNotSavedShown = true;
  form.os.dialogs.ShowNotice(FillIn(UiText(form.UiLanguage, TextId::kSettingNotSaved), path));
}

// The item stands for a minute; a time set by hand shows it checked and stays until it is chosen.
constexpr std::int32_t kAutoReleaseSeconds = 60;

void OnAutoReleaseCommand(MainForm& form) {
  std::int32_t& seconds = form.Settings.AutoRelease;
  seconds = seconds > 0 ? 0 : kAutoReleaseSeconds;
  form.os.menu.SetChecked(MenuItem::mOptAutoRelease, seconds > 0);
  SaveOption(form, &AppSettings::AutoRelease);
}

}  // namespace

void OnOptionCommand(MainForm& form, MenuItem item) {
  if (item == MenuItem::mOptAutoRelease) OnAutoReleaseCommand(form);
  for (const OptionItem& option : kOptionItems) {
    if (option.item != item) continue;
    const bool on = !(form.Settings.*option.field);
    option.apply(form, on);
    form.os.menu.SetChecked(item, on);
    SaveOption(form, option.field);
  }
}

// The open About and help windows close rather than change under the reader; they open again
// in the new language.
void OnLanguageCommand(MainForm& form, MenuItem item) {
  for (const design::LanguageEntry& entry : design::kLanguageMenuItems) {
    if (entry.item != item) continue;
    form.UiLanguage = entry.language;
    form.os.dialogs.CloseWindows();
    ShowLanguage(form);
    SaveOption(form, &MainForm::UiLanguage);
  }
}

void ShowOptionChecks(MainForm& form) {
  for (const OptionItem& option : kOptionItems) form.os.menu.SetChecked(option.item, form.Settings.*option.field);
  form.os.menu.SetChecked(MenuItem::mOptAutoRelease, form.Settings.AutoRelease > 0);
}

}  // namespace modlatch
