#include "latch/toggle_buttons.h"

#include "form/main_form.h"
#include "latch/indicators.h"

namespace modlatch {

void OnToggleMouseDown(MainForm& form, std::int16_t /*index*/, int button) {
  if (button == 1) {
    form.UserClickPending = true;
  } else if (button == 2) {
    OpenPopupMenu(form);
  }
}

void OnToggleKeyDown(MainForm& form, std::int16_t index, int key_code, bool repeated) {
  // Acting on auto-repeat would flip the latch to and fro for as long as space is held.
  if (key_code != vk::kSpace || repeated) return;
  // Acts before the button toggles itself on the key, so the look is for the value before.
  form.UserClickPending = true;
  ToggleClickStep(form, index);
}

void ToggleClickStep(MainForm& form, std::int16_t index) {
  if (!form.UserClickPending) return;
  ApplyButtonLook(form, index);
  HandleIndicatorClick(form, ModifierAt(index));
  form.UserClickPending = false;
}

void OnTogglePressEnded(MainForm& form) {
  // A press the user abandoned by sliding off the button must not turn the next
  // refresh-driven value change into a key event.
  form.UserClickPending = false;
}

}  // namespace modlatch
