#pragma once

namespace modlatch {

struct MainForm;

// "Start when I sign in": the program's entry among those the system runs at sign-in. The
// entry itself is the truth, never a setting of ours: the check mark is read from it.

// The item is checked only while the entry runs this copy and the Startup page lets it.
void ShowSignInStart(MainForm& form);
// Checked, the entry goes; unchecked, it is made to run this copy, switched on again if the
// Startup page had it off. The check mark is then read back.
void OnSignInStartCommand(MainForm& form);
// At start: an entry whose program no longer exists (its folder moved or renamed) is pointed at
// this copy. One that runs another existing copy stays as it is.
void RepairSignInStart(MainForm& form);

}  // namespace modlatch
