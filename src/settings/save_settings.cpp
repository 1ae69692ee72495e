#include "settings/save_settings.h"

#include <string>

#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
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
  os.windows.SetTopmost(os.window.Handle(), false);
  RemoveAllTrayIcons(form);
  // Press and release each once: whatever the latch state was, both keys end up.
  SendModifierKey(os.keyboard, 1, key_action::kPress);
  SendModifierKey(os.keyboard, 1, key_action::kRelease);
  SendModifierKey(os.keyboard, 2, key_action::kPress);
  SendModifierKey(os.keyboard, 2, key_action::kRelease);
  // ALT and WIN only come up: a press and release of either would open a menu.
  ReleaseAltAndWin(form, modifier_state::kAlt | modifier_state::kWin);

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
