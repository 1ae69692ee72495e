#include "app/main_form_events.h"
#include "latch/alt_win_keys.h"
#include "latch/auto_release.h"
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
  os.windows.ShowTitleBar(os.window.Handle(), false);
  ShowLanguage(form);
  LoadSettings(form);
  // The window was shown before the settings said that it is kept from activation.
  if (form.Settings.NoActivate) ColorCaptionStrip(form, false);
  // Read and dropped: clears the "pressed since" bits so the first tick sees only new presses.
  for (std::uint8_t key : {vk::kMiddleButton, vk::kAlt, vk::kShift, vk::kControl}) os.keyboard.ReadKey(key);
  for (Modifier key : {Modifier::Ctrl, Modifier::Shift, Modifier::Alt, Modifier::Win}) {
    if (ModifierShown(form.Settings, key)) ApplyButtonLook(form, key);
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
  AddRefusedTrayIcons(form);
  ReleaseIfForgotten(form);
  if (form.Settings.MiddleButton && os.keyboard.ReadKey(vk::kMiddleButton).ReadsDown()) {
    OpenPopupMenu(form);
  }
}

void OnSessionEvent(MainForm& form, SessionEvent event) {
  if (event == SessionEvent::kLock || event == SessionEvent::kConsoleDisconnect ||
      event == SessionEvent::kRemoteDisconnect || event == SessionEvent::kSuspend) {
    OnUserLeaves(form);
  }
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
  ReleaseEveryKey(form);
  RemoveAllTrayIcons(form);
}

void OnResize(MainForm& form) { ApplyFloatLayout(form); }

// The second start itself ends at once; without this the user would see nothing happen.
void OnSecondStart(MainForm& form) {
  Platform& os = form.os;
  if (form.DisplayMode == display_mode::kFloat) {
    MoveIntoWorkArea(form);
    os.windows.BringToFront(os.window.Handle(), !form.Settings.NoActivate);
    return;
  }
  // A new icon may sit in the tray's overflow: its balloon shows where.
  for (int i = 0; i < kModifierCount; ++i) {
    if (!form.TrayIcons[i].shown) continue;
    os.tray.ShowBalloon(ModifierAt(i), design::kRunningBalloonTitle, UiText(form.UiLanguage, TextId::kRunningBalloon));
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
