#include "app/main_form_events.h"
#include "latch/display_modes.h"
#include "latch/modifier_key.h"
#include "latch/toggle_latch.h"
#include "mainwindow/help_commands.h"
#include "mainwindow/placement.h"
#include "mainwindow/run_as_admin.h"
#include "mainwindow/size_limits.h"
#include "settings/options_menu.h"
#include "settings/sign_in_start.h"

namespace modlatch {
void OnMenuCommand(MainForm& form, MenuItem item) {
  switch (item) {
    case MenuItem::mSHIFT:
      ToggleLatch(form, Modifier::Shift, LatchSource::kMenu);
      break;
    case MenuItem::mCTRL:
      ToggleLatch(form, Modifier::Ctrl, LatchSource::kMenu);
      break;
    case MenuItem::mALT:
      ToggleLatch(form, Modifier::Alt, LatchSource::kMenu);
      break;
    case MenuItem::mWIN:
      ToggleLatch(form, Modifier::Win, LatchSource::kMenu);
      break;
    case MenuItem::mReset:
      ReleaseLatchedKeys(form);
      break;
    case MenuItem::mTop:
      OnTopCommand(form);
      break;
    case MenuItem::mCenter:
      OnCenterCommand(form);
      break;
    case MenuItem::mSizeLock:
      OnSizeLockCommand(form);
      break;
    case MenuItem::mMode0:
    case MenuItem::mMode1:
    case MenuItem::mMode2:
      OnModeCommand(form, static_cast<std::int16_t>(static_cast<int>(item) - static_cast<int>(MenuItem::mMode0)));
      break;
    case MenuItem::mOptNoActivate:
    case MenuItem::mOptOneShot:
    case MenuItem::mOptLatchAlt:
    case MenuItem::mOptLatchWin:
    case MenuItem::mOptSounds:
    case MenuItem::mOptAutoRelease:
      OnOptionCommand(form, item);
      break;
    case MenuItem::mOptSignInStart:
      OnSignInStartCommand(form);
      break;
    case MenuItem::mLangJapanese:
    case MenuItem::mLangEnglish:
      OnLanguageCommand(form, item);
      break;
    case MenuItem::mRestartAdmin:
      OnRestartAdminCommand(form);
      break;
    case MenuItem::mHelp:
      OnHelpCommand(form);
      break;
    case MenuItem::mInfo:
      OnInfoCommand(form);
      break;
    case MenuItem::mExit:
      CloseProgram(form);
      break;
    default:
      // mCancel only closes the menu.
      break;
  }
}

void OpenPopupMenu(MainForm& form) {
  ShowSignInStart(form);
  const std::optional<MenuItem> chosen = form.os.menu.PopupAtCursor();
  if (chosen) OnMenuCommand(form, *chosen);
}

void CloseProgram(MainForm& form) { form.os.window.Unload(); }

}  // namespace modlatch
