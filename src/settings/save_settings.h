#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

struct MainForm;

// Window geometry as the file keeps it: a whole number of twips.
std::int32_t WholeTwips(double twips);

// The closing sequence: out of sight, no icon left behind, neither modifier left latched,
// then the keys the table marks for the exit are written from their fields, the window's
// place and size taken into them first.
void SaveSettingsOnExit(MainForm& form);

}  // namespace modlatch
