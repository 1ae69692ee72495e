#pragma once

namespace modlatch {

struct MainForm;

// Reads the INI file once at start-up and hands each value to its owner.
void LoadSettings(MainForm& form);

}  // namespace modlatch
