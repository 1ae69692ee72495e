#pragma once

namespace modlatch {

struct MainForm;

// The closing sequence: out of sight, no icon left behind, neither modifier left latched.
void SaveSettingsOnExit(MainForm& form);

}  // namespace modlatch
