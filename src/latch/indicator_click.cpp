#include "form/main_form.h"
#include "latch/alt_win_keys.h"
#include "latch/modifier_key.h"
#include "latch/toggle_latch.h"

namespace modlatch {
namespace {

void ClickInDoubleMode(MainForm& form, std::uint8_t button, std::int16_t index, bool alt_down) {
  if (button == 2 && alt_down) {
    CloseProgram(form);
  } else if (button == 2) {
    OpenPopupMenu(form);
  } else {
    ToggleLatch(form, SelectorOf(index), LatchSource::kIndicator);
  }
}

void ClickInCompactMode(MainForm& form, std::uint8_t button, bool alt_down) {
  if (form.TrayButtonsHeld == 3) {
    OpenPopupMenu(form);
  } else if (!alt_down) {
    ToggleLatch(form, button, LatchSource::kIndicator);
  } else if (button == 2) {
    OpenPopupMenu(form);
  } else {
    CloseProgram(form);
  }
}

}  // namespace

void HandleIndicatorClick(MainForm& form, std::uint8_t button, std::int16_t index) {
  const std::int16_t mode = form.DisplayMode;
  if (mode == display_mode::kFloat) {
    ToggleLatch(form, SelectorOf(button), LatchSource::kIndicator);
    return;
  }
  if (mode != display_mode::kDouble && mode != display_mode::kCompact) return;

  // ALT is read once, at the moment of the click, in the tray modes only. An ALT that we
  // latched is not the user's: clicking the tray while we hold it must not end the program.
  const bool alt_down = form.os.keyboard.AsyncKeyState(vk::kAlt) != 0 && !AltIsOurs(form);
  if (mode == display_mode::kDouble) {
    ClickInDoubleMode(form, button, index, alt_down);
  } else {
    ClickInCompactMode(form, button, alt_down);
  }
}

}  // namespace modlatch
