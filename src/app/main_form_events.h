#pragma once

#include <cstdint>

#include "form/main_form.h"

namespace modlatch {

// What the system says of the user's session and of power.
enum class SessionEvent : std::uint8_t {
  kLock,
  kUnlock,
  kConsoleDisconnect,
  kConsoleConnect,
  kRemoteDisconnect,
  kRemoteConnect,
  kSuspend,
  kResume,
  kOther,
};

// Events of the main window, as the window procedure delivers them.
void OnLoad(MainForm& form);
// The window is on screen: what showing it did not need.
void OnStarted(MainForm& form);
void OnTick(MainForm& form);
void OnClose(MainForm& form);
// The process is dying abnormally (a fault or the runtime giving up): let go of what we hold.
void OnFault(MainForm& form);
// The user leaves (a lock, a switch to another user, sleep): every latch is let go as the reset
// does. Coming back (unlock, reconnect, resume) changes nothing.
void OnSessionEvent(MainForm& form, SessionEvent event);
void OnMenuCommand(MainForm& form, MenuItem item);
void OnResize(MainForm& form);
// The program was started again while it runs: show the user where it is.
void OnSecondStart(MainForm& form);
// The window's DPI has changed (the window already reports the new one); suggested is the
// outer rectangle the system proposes, in pixels at the new DPI.
void OnDpiChanged(MainForm& form, const Rect& suggested);

}  // namespace modlatch
