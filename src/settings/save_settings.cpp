#include "settings/save_settings.h"

#include <string>

#include "form/main_form.h"
#include "latch/toggle_latch.h"
#include "mainwindow/placement.h"
#include "mainwindow/twips.h"
#include "settings/ini_access.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

Text Ascii(const std::string& text) { return Text(text.begin(), text.end()); }

Text TrueFalse(bool on) { return on ? u"True" : u"False"; }

}  // namespace

Text GeometryText(double twips) {
  // Single-precision twips, whole as the window sits on whole pixels: no decimal point.
  return Ascii(std::to_string(RoundHalfEven(static_cast<float>(twips))));
}

void SaveSettingsOnExit(MainForm& form) {
  Platform& os = form.os;
  os.window.Hide();
  SetTopMost(os.windows, os.window.Handle(), false);
  for (const TrayIconData& record : form.TrayIcons) {
    if (tray_record::Window(record) != 0) DeleteTrayIcon(os, record);
  }
  PressAndReleaseEveryKey(form);

  const Text path = IniFilePath(os.files);
  WriteIniString(os, path, u"General", u"Version", u"01.03.00");
  WriteIniString(os, path, u"Option", u"MiddleButton", TrueFalse(os.menu.IsChecked(MenuItem::mCenter)));
  WriteIniString(os, path, u"Option", u"WindowType", Ascii(std::to_string(form.DisplayMode)));
  WriteIniString(os, path, u"Option", u"zPos", TrueFalse(os.menu.IsChecked(MenuItem::mTop)));
  WriteIniString(os, path, u"Option", u"xPos", GeometryText(os.window.Left()));
  WriteIniString(os, path, u"Option", u"yPos", GeometryText(os.window.Top()));
  WriteIniString(os, path, u"Option", u"Height", GeometryText(os.window.Height()));
  WriteIniString(os, path, u"Option", u"Width", GeometryText(os.window.Width()));
  WriteIniString(os, path, u"Option", u"SizeLock", TrueFalse(os.menu.IsChecked(MenuItem::mSizeLock)));
}

}  // namespace modlatch
