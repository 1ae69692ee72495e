#include "app/main_form_events.h"
#include "latch/alt_win_keys.h"
#include "latch/indicators.h"
#include "latch/one_shot.h"
#include "latch/modifier_key.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "tray/tray_icons.h"

namespace modlatch {

void OnLoad(MainForm& form) {
  Platform& os = form.os;
  form.UserClickPending = false;
  ShowTitleBar(os.windows, os.window.Handle(), false);
  LoadSettings(form);
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

void OnTick(MainForm& form) {
  Platform& os = form.os;
  RefreshIndicators(form);
  if (os.menu.IsChecked(MenuItem::mCenter) && os.keyboard.AsyncKeyState(vk::kMiddleButton) != 0) {
    OpenPopupMenu(form);
  }
  if (os.window.IsVisible()) {
    // A window kept from activation borrows the foreground only for its menu.
    const bool active = !form.Settings.NoActivate && os.windows.ForegroundWindow() == os.window.Handle();
    os.controls.SetStripColor(active ? kActiveCaptionColor : kInactiveCaptionColor);
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
  Platform& os = form.os;
  SendModifierKey(os.keyboard, 1, key_action::kRelease);
  SendModifierKey(os.keyboard, 2, key_action::kRelease);
  ReleaseAltAndWin(form, modifier_state::kAlt | modifier_state::kWin);
  for (const TrayIconData& record : form.TrayIcons) {
    if (tray_record::Window(record) != 0) DeleteTrayIcon(os, record);
  }
}

void OnResize(MainForm& form) { ApplyFloatLayout(form); }

}  // namespace modlatch
