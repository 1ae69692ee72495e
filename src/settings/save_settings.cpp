#include "settings/save_settings.h"

#include "form/main_form.h"
#include "latch/toggle_latch.h"
#include "mainwindow/twips.h"
#include "settings/ini_access.h"
#include "settings/settings_table.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

// Out of sight, no icon left behind, no key of ours left down.
void LeaveNothingBehind(MainForm& form) {
  Platform& os = form.os;
  os.window.Hide();
  os.windows.SetTopmost(os.window.Handle(), false);
  RemoveAllTrayIcons(form);
  PressAndReleaseEveryKey(form);
}

void NoteWindowPlace(MainForm& form) {
  AppSettings& s = form.Settings;
  MainWindow& window = form.os.window;
  s.xPos = WholeTwips(window.Left());
  s.yPos = WholeTwips(window.Top());
  s.Height = WholeTwips(window.Height());
  s.Width = WholeTwips(window.Width());
}

}  // namespace

std::int32_t WholeTwips(double twips) {
  // Single precision, as the window's twips always were; whole, as it sits on whole pixels.
  return static_cast<std::int32_t>(RoundHalfEven(static_cast<float>(twips)));
}

void SaveSettingsOnExit(MainForm& form) {
  LeaveNothingBehind(form);
  NoteWindowPlace(form);
  const Text path = IniFilePath(form.os.files);
  for (const Setting& row : kSettings) {
    if (row.written == Written::kAtExit) WriteIniString(form.os, path, row.section, row.key, SettingText(form, row));
  }
}

}  // namespace modlatch
