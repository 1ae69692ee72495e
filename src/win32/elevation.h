#pragma once
#include <windows.h>

#include <initializer_list>

#include "platform/elevation.h"

namespace modlatch::win32 {

// Integrity levels read from the processes' tokens (elevation.cpp), and the restart through
// the shell's "runas" verb (elevated_restart.cpp).
class Win32Elevation : public Elevation {
 public:
  FrontWindow CompareFrontWindow() override;
  bool RunsElevated() override;
  bool RestartElevated(WindowHandle owner) override;
};

// A copy started to take over (Restart as administrator) waits here for the one that started
// it: that one saves the settings as it ends and holds the one-instance lock until then.
void AwaitTakeover(const wchar_t* arguments);

// The system drops messages from programs at a lower level than ours: these may still come in
// while we run elevated (a second start of ours, the shell's TaskbarCreated).
void AcceptFromLowerLevels(HWND window, std::initializer_list<UINT> messages);

}  // namespace modlatch::win32
