#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// The click on menu item mMode(index); does nothing when that mode is already shown.
void OnModeCommand(MainForm& form, std::int16_t index);
// Takes down what the previous mode showed and brings up the current DisplayMode.
void ApplyDisplayMode(MainForm& form);
// Adds the icon of a modifier whose latch was switched on after the mode came up.
void AddDoubleModeIcon(MainForm& form, int index);
// Takes down the tray icon of a modifier whose latch was switched off, if it shows one.
void RemoveModifierIcon(MainForm& form, int index);
// Re-adds the current mode's icons after the shell's taskbar was recreated.
void OnTaskbarCreated(MainForm& form);

}  // namespace modlatch
