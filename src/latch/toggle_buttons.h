#pragma once

#include "platform/types.h"

namespace modlatch {

struct MainForm;

// Events of the floating window's toggle buttons, one per key.
void OnToggleMouseDown(MainForm& form, Modifier key, MouseButton button);
// `repeated`: the key was already down (auto-repeat), which is not a new press.
void OnToggleKeyDown(MainForm& form, Modifier key, int key_code, bool repeated);
// Runs whenever a button's value changes; acts only on a pending user click.
void ToggleClickStep(MainForm& form, Modifier key);
// The press is over (released or capture lost), after any click it produced.
void OnTogglePressEnded(MainForm& form);

}  // namespace modlatch
