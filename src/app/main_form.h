#pragma once
#include <cstdint>

#include "latch/one_shot.h"
#include "mainwindow/size_limits.h"
#include "platform/platform.h"
#include "settings/app_settings.h"
#include "tray/tray_icons.h"

namespace modlatch {

namespace display_mode {
constexpr std::int16_t kCompact = 0;
constexpr std::int16_t kDouble = 1;
constexpr std::int16_t kFloat = 2;
}  // namespace display_mode

// The main window's state: the fields the handlers share, created zeroed with the window.
struct MainForm {
  explicit MainForm(Platform& platform) : os(platform) {}

  Platform& os;
  bool UserClickPending = false;
  std::uint8_t LastModifierState = 0;
  std::int16_t DisplayMode = 0;
  std::uint32_t TrayButtonsHeld = 0;
  AppSettings Settings;
  TrayIconRecords TrayIcons;
  SizeLimitState SizeLimits;
  OneShotState OneShot;
};

// Events of the main window, as the window procedure delivers them.
void OnLoad(MainForm& form);
void OnTick(MainForm& form);
void OnClose(MainForm& form);
// The process is dying abnormally (a fault or the runtime giving up): let go of what we hold.
void OnFault(MainForm& form);
void OnMenuCommand(MainForm& form, MenuItem item);
void OnResize(MainForm& form);

// Shared actions.
void OpenPopupMenu(MainForm& form);
void CloseProgram(MainForm& form);

}  // namespace modlatch
