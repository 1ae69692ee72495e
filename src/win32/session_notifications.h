#pragma once
#include <windows.h>

namespace modlatch::win32 {

// Session changes (a lock, a switch to another user) reach a window only once it asks for them.
// wtsapi32 is loaded from the system folder, so the executable imports only the core DLLs.
void RegisterSessionNotifications(HWND window);
void UnregisterSessionNotifications(HWND window);

}  // namespace modlatch::win32
