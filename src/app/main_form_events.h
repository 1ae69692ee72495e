#pragma once

#include "form/main_form.h"

namespace modlatch {

// Events of the main window, as the window procedure delivers them.
void OnLoad(MainForm& form);
void OnTick(MainForm& form);
void OnClose(MainForm& form);
// The process is dying abnormally (a fault or the runtime giving up): let go of what we hold.
void OnFault(MainForm& form);
void OnMenuCommand(MainForm& form, MenuItem item);
void OnResize(MainForm& form);
// The program was started again while it runs: show the user where it is.
void OnSecondStart(MainForm& form);
// The window's DPI has changed (the window already reports the new one); suggested is the
// outer rectangle the system proposes, in pixels at the new DPI.
void OnDpiChanged(MainForm& form, const Rect& suggested);

}  // namespace modlatch
