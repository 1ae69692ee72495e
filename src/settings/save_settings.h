#pragma once

#include "platform/types.h"

namespace modlatch {

struct MainForm;

// Window geometry as the file keeps it: a whole number of twips, a minus sign when negative.
Text GeometryText(double twips);

// The closing sequence: out of sight, no icon left behind, neither modifier left latched,
// then the settings the user can change from the menu or with the mouse are written.
void SaveSettingsOnExit(MainForm& form);

}  // namespace modlatch
