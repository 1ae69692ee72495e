#pragma once

namespace modlatch {

struct MainForm;

// mRestartAdmin: this executable started again as administrator, which takes over once this
// one has closed as any exit does. Declined at the system's prompt, nothing changes.
void OnRestartAdminCommand(MainForm& form);
// The restart item named and greyed while we already run elevated, and the strip's mark that
// says so; at start-up and for each language.
void ShowRunAsAdmin(MainForm& form);

}  // namespace modlatch
