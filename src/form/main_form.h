#pragma once
#include <cstdint>
#include <optional>

#include "form/app_settings.h"
#include "form/modifiers.h"
#include "form/one_shot_state.h"
#include "form/tray_icon_state.h"
#include "platform/platform.h"

namespace modlatch {

namespace display_mode {
constexpr std::int16_t kCompact = 0;
constexpr std::int16_t kDouble = 1;
constexpr std::int16_t kFloat = 2;
constexpr std::int16_t kNone = -1;  // until the settings bring up the first mode
}  // namespace display_mode

// The main window's state: the fields the handlers share, created with the window.
struct MainForm {
  explicit MainForm(Platform& platform) : os(platform) {}

  Platform& os;
  bool UserClickPending = false;
  std::uint8_t LastModifierState = 0;
  std::int16_t DisplayMode = display_mode::kNone;
  std::uint32_t TrayButtonsHeld = 0;
  AppSettings Settings;
  TrayIconStates TrayIcons;
  std::optional<WindowLimits> SizeLimits;  // what the window was last asked to keep
  OneShotState OneShot;
  OwnPresses OwnPressed;
  bool OptionNotSavedShown = false;  // the notice that an option was not written, once a run
  Language UiLanguage = Language::kJapanese;
  WindowHandle KeysBlockedShownFor = 0;  // the window in front that the last notice named
};

// The two actions an indicator or the strip can ask of the whole program; the program's
// menu dispatch and close steps carry them out.
void OpenPopupMenu(MainForm& form);
void CloseProgram(MainForm& form);

// A click on an indicator, carried out by the latch: a tray icon's button and the icon (the
// Compact icon is CTRL's holder), or a toggle button of the floating window.
void HandleIndicatorClick(MainForm& form, MouseButton button, Modifier icon);
void HandleIndicatorClick(MainForm& form, Modifier toggle);

}  // namespace modlatch
