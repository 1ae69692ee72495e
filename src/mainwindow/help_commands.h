#pragma once

namespace modlatch {

struct MainForm;

// mHelp: the help file beside the executable, opened at its contents.
void OnHelpCommand(MainForm& form);
// mInfo: the one About window, modeless; the main window stays as it is.
void OnInfoCommand(MainForm& form);

}  // namespace modlatch
