#include "app/main_form.h"
#include "latch/indicators.h"
#include "latch/one_shot.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"

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

void OnResize(MainForm& form) { ApplyFloatLayout(form); }

}  // namespace modlatch
