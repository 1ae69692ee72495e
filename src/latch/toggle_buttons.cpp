#include "latch/toggle_buttons.h"

#include "form/main_form.h"
#include "latch/indicators.h"

namespace modlatch {

void OnToggleMouseDown(MainForm& form, Modifier /*key*/, MouseButton button) {
  if (button == MouseButton::Left) {
    form.UserClickPending = true;
  } else if (button == MouseButton::Right) {
    OpenPopupMenu(form);
  }
}

void OnToggleKeyDown(MainForm& form, Modifier key, int key_code, bool repeated) {
  // Acting on auto-repeat would flip the latch to and fro for as long as space is held.
  if (key_code != vk::kSpace || repeated) return;
  // Acts before the button toggles itself on the key, so the look is for the value before.
  form.UserClickPending = true;
  ToggleClickStep(form, key);
}

void ToggleClickStep(MainForm& form, Modifier key) {
  if (!form.UserClickPending) return;
  ApplyButtonLook(form, key);
  HandleIndicatorClick(form, key);
  form.UserClickPending = false;
}

void OnTogglePressEnded(MainForm& form) {
  // A press the user abandoned by sliding off the button must not turn the next
  // refresh-driven value change into a key event.
  form.UserClickPending = false;
}

}  // namespace modlatch
