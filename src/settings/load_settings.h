#pragma once

#include "platform/types.h"

namespace modlatch {

struct MainForm;

// Reads the INI file once at start-up and hands each value to its owner.
void LoadSettings(MainForm& form);
// Switches the ALT or WIN latch on as a start with it would: its pictures, looks and captions
// read from the file, its button, menu item and Double-mode icon added.
void AddLatchKey(MainForm& form, Modifier key);

}  // namespace modlatch
