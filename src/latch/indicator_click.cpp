#include "form/main_form.h"
#include "latch/admin_notice.h"
#include "latch/alt_win_keys.h"
#include "latch/toggle_latch.h"

namespace modlatch {
namespace {

void ClickInDoubleMode(MainForm& form, MouseButton button, Modifier icon, bool alt_down) {
  if (button == MouseButton::Right && alt_down) {
    CloseProgram(form);
  } else if (button == MouseButton::Right) {
    OpenPopupMenu(form);
  } else {
    ToggleLatch(form, icon, LatchSource::kIndicator);
    NoticeIfKeysBlocked(form, icon);
  }
}

// The one icon shows both keys: the left button is SHIFT's, the right one CTRL's.
void ClickInCompactMode(MainForm& form, MouseButton button, bool alt_down) {
  if (form.TrayButtonsHeld == 3) {
    OpenPopupMenu(form);
  } else if (!alt_down) {
    const Modifier key = button == MouseButton::Left ? Modifier::Shift : Modifier::Ctrl;
    ToggleLatch(form, key, LatchSource::kIndicator);
    NoticeIfKeysBlocked(form, key);
  } else if (button == MouseButton::Right) {
    OpenPopupMenu(form);
  } else {
    CloseProgram(form);
  }
}

}  // namespace

void HandleIndicatorClick(MainForm& form, MouseButton button, Modifier icon) {
  // No icon shows in Float mode: a callback still on its way finds nothing to click.
  const std::int16_t mode = form.DisplayMode;
  if (mode != display_mode::kDouble && mode != display_mode::kCompact) return;
  // ALT is read once, at the moment of the click, in the tray modes only. An ALT that we
  // latched is not the user's: clicking the tray while we hold it must not end the program.
  const bool alt_down = form.os.keyboard.ReadKey(vk::kAlt).ReadsDown() && !AltIsOurs(form);
  if (mode == display_mode::kDouble) {
    ClickInDoubleMode(form, button, icon, alt_down);
  } else {
    ClickInCompactMode(form, button, alt_down);
  }
}

void HandleIndicatorClick(MainForm& form, Modifier toggle) {
  ToggleLatch(form, toggle, LatchSource::kIndicator);
  NoticeIfKeysBlocked(form, toggle);
}

}  // namespace modlatch
