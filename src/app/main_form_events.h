#pragma once

#include <cstdint>

#include "form/main_form.h"

namespace modlatch {

// The system's word on the user's session (the session-change codes) and on power.
namespace session_change {
constexpr std::uint32_t kConsoleDisconnect = 2;
constexpr std::uint32_t kRemoteDisconnect = 4;
constexpr std::uint32_t kLock = 7;
}  // namespace session_change
namespace power_event {
constexpr std::uint32_t kSuspend = 4;
}  // namespace power_event

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
void OnSessionChange(MainForm& form, std::uint32_t change);
void OnPowerEvent(MainForm& form, std::uint32_t event);
void OnMenuCommand(MainForm& form, MenuItem item);
void OnResize(MainForm& form);
// The program was started again while it runs: show the user where it is.
void OnSecondStart(MainForm& form);
// The window's DPI has changed (the window already reports the new one); suggested is the
// outer rectangle the system proposes, in pixels at the new DPI.
void OnDpiChanged(MainForm& form, const Rect& suggested);

}  // namespace modlatch
