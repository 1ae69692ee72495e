#pragma once

namespace modlatch {

struct MainForm;

// Hands the loaded settings to their owners: geometry, timer, display mode and the menu options.
void ApplySettings(MainForm& form);

}  // namespace modlatch
