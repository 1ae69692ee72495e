#include "settings/save_settings.h"

#include "app/main_form.h"
#include "latch/modifier_key.h"
#include "mainwindow/placement.h"
#include "tray/tray_icons.h"

namespace modlatch {

void SaveSettingsOnExit(MainForm& form) {
  Platform& os = form.os;
  os.window.Hide();
  SetTopMost(os.windows, os.window.Handle(), false);
  for (const TrayIconData& record : form.TrayIcons) {
    if (tray_record::Window(record) != 0) DeleteTrayIcon(os, record);
  }
  // Press and release each once: whatever the latch state was, both keys end up.
  SendModifierKey(os.keyboard, 1, key_action::kPress);
  SendModifierKey(os.keyboard, 1, key_action::kRelease);
  SendModifierKey(os.keyboard, 2, key_action::kPress);
  SendModifierKey(os.keyboard, 2, key_action::kRelease);
}

}  // namespace modlatch
