#pragma once
#include "platform/ansi_text.h"
#include "platform/app_files.h"
#include "platform/controls.h"
#include "platform/input_hooks.h"
#include "platform/dialogs.h"
#include "platform/elevation.h"
#include "platform/elevation_display.h"
#include "platform/keyboard.h"
#include "platform/main_window.h"
#include "platform/menu.h"
#include "platform/shell.h"
#include "platform/startup_entry.h"
#include "platform/timer.h"
#include "platform/tray.h"
#include "platform/window_system.h"

namespace modlatch {

// Everything the logic may reach of the system, handed over by reference.
struct Platform {
  Keyboard& keyboard;
  WindowSystem& windows;
  MainWindow& window;
  Controls& controls;
  Menu& menu;
  Timer& timer;
  Tray& tray;
  AnsiText& ansi;
  AppFiles& files;
  InputHooks& hooks;
  Shell& shell;
  Dialogs& dialogs;
  Elevation& elevation;
  ElevationDisplay& elevation_display;
  StartupEntry& startup;
};

}  // namespace modlatch
