#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// Events of the floating window's toggle buttons Check1(index).
void OnToggleMouseDown(MainForm& form, std::int16_t index, int button);
// `repeated`: the key was already down (auto-repeat), which is not a new press.
void OnToggleKeyDown(MainForm& form, std::int16_t index, int key_code, bool repeated);
// Runs whenever a button's value changes; acts only on a pending user click.
void ToggleClickStep(MainForm& form, std::int16_t index);
// The press is over (released or capture lost), after any click it produced.
void OnTogglePressEnded(MainForm& form);

}  // namespace modlatch
