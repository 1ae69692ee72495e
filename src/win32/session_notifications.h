#pragma once
#include <windows.h>

#include "app/main_form_events.h"

namespace modlatch::win32 {

// Session changes (a lock, a switch to another user) reach a window only once it asks for them.
// Asked from the message loop once the window is on screen, and again until the session service
// is ready to take it. wtsapi32 is loaded from the system folder then, so the executable imports
// only the core DLLs and start-up loads none of it.
void RegisterSessionNotifications(HWND window);
void UnregisterSessionNotifications(HWND window);

// What a session-change or power message's code means for the program.
SessionEvent SessionEventOf(WPARAM change);
SessionEvent PowerEventOf(WPARAM event);

}  // namespace modlatch::win32
