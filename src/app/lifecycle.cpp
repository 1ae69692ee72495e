#include "app/main_form_events.h"
#include "latch/alt_win_keys.h"
#include "latch/indicators.h"
#include "latch/one_shot.h"
#include "latch/modifier_key.h"
#include "latch/toggle_latch.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/window_design.h"
#include "settings/language.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "settings/sign_in_start.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

// Nobody is at the keyboard to see a latch, and the next thing typed is often a password.
void OnUserLeaves(MainForm& form) {
  ReleaseLatchedKeys(form);
  RefreshIndicators(form);
}

}  // namespace

void OnLoad(MainForm& form) {
  Platform& os = form.os;
  form.UserClickPending = false;
  ShowTitleBar(os.windows, os.window.Handle(), false);
  ShowLanguage(form);
  LoadSettings(form);
  // The window was shown before the settings said that it is kept from activation.
  if (form.Settings.NoActivate) ColorCaptionStrip(form, false);
  // Read and dropped: clears the "pressed since" bits so the first tick sees only new presses.
  os.keyboard.AsyncKeyState(vk::kMiddleButton);
  os.keyboard.AsyncKeyState(vk::kAlt);
  os.keyboard.AsyncKeyState(vk::kShift);
  os.keyboard.AsyncKeyState(vk::kControl);
  ApplyButtonLook(form, 0);
  ApplyButtonLook(form, 1);
  for (int index : {modifier_index::kAlt, modifier_index::kWin}) {
    if (ModifierShown(form.Settings, index)) ApplyButtonLook(form, static_cast<std::int16_t>(index));
  }
  os.timer.Enable();
  OnTick(form);
}

void OnStarted(MainForm& form) { RepairSignInStart(form); }

// Runs ten times a second for the program's whole life: key queries only. The caption strip
// follows the window's activation messages instead.
void OnTick(MainForm& form) {
  Platform& os = form.os;
  RefreshIndicators(form);
  if (os.menu.IsChecked(MenuItem::mCenter) && os.keyboard.AsyncKeyState(vk::kMiddleButton) != 0) {
    OpenPopupMenu(form);
  }
}

void OnSessionChange(MainForm& form, std::uint32_t change) {
  if (change == session_change::kLock || change == session_change::kConsoleDisconnect ||
      change == session_change::kRemoteDisconnect) {
    OnUserLeaves(form);
  }
}

void OnPowerEvent(MainForm& form, std::uint32_t event) {
  if (event == power_event::kSuspend) OnUserLeaves(form);
}

// Every graceful close comes here. A task manager that ends the process outright runs none of
// it, which is exactly the skipped save; one that asks politely cannot be told from the user.
void OnClose(MainForm& form) {
  RemoveSizeLimits(form);
  StopOneShot(form);
  SaveSettingsOnExit(form);
  form.os.window.EndProcess();
}

// No latch is kept, so every key gets a key-up, as the usual reset does. Keys first: deleting
// the last tray icon can block. Nothing here allocates, since the heap may be what broke.
void OnFault(MainForm& form) {
  Platform& os = form.os;
  SendModifierKey(os.keyboard, 1, key_action::kRelease);
  SendModifierKey(os.keyboard, 2, key_action::kRelease);
  ReleaseAltAndWin(form, modifier_state::kAlt | modifier_state::kWin);
  for (const TrayIconData& record : form.TrayIcons) {
    if (tray_record::Window(record) != 0) DeleteTrayIcon(os, record);
  }
}

void OnResize(MainForm& form) { ApplyFloatLayout(form); }

// The second start itself ends at once; without this the user would see nothing happen.
void OnSecondStart(MainForm& form) {
  Platform& os = form.os;
  if (form.DisplayMode == display_mode::kFloat) {
    MoveIntoWorkArea(form);
    BringToFront(os.windows, os.window.Handle(), !form.Settings.NoActivate);
    return;
  }
  // A new icon may sit in the tray's overflow: its balloon shows where.
  for (const TrayIconData& record : form.TrayIcons) {
    if (tray_record::Window(record) == 0) continue;
    os.tray.ShowBalloon(record, design::kRunningBalloonTitle, UiText(form.UiLanguage, TextId::kRunningBalloon));
    return;
  }
}

void OnDpiChanged(MainForm& form, const Rect& suggested) {
  // Limits first: the old ones would hold the window at its old pixel size.
  ConvertSizeLimits(form, suggested);
  form.os.controls.RecreateFonts();
  PlaceDesignedControls(form);
  form.os.window.PlacePixels(suggested);
  // Placing the window at a size it already has brings no size message.
  ApplyFloatLayout(form);
}

}  // namespace modlatch
