#pragma once

#include "platform/menu.h"

namespace modlatch {

struct MainForm;

// A check item of the options submenu: its option changes at once, leaving the program as a
// start with the new value would, and its one [Option] key is written straight away.
void OnOptionCommand(MainForm& form, MenuItem item);
// A language item: everything shown from now on is in that language, and [Option] Language is
// written straight away.
void OnLanguageCommand(MainForm& form, MenuItem item);
// The submenu's check marks from the settings, at start-up.
void ShowOptionChecks(MainForm& form);

}  // namespace modlatch
