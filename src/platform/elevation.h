#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

// How the integrity level of the process behind the window in front compares with ours. The
// system drops keys injected into a program above our level without a word, so this is the
// only way to know.
enum class FrontLevel : std::uint8_t { kNotHigher, kHigher, kUnknown };

struct FrontWindow {
  FrontLevel level = FrontLevel::kUnknown;
  WindowHandle window = 0;
  Text title;  // only when higher: the window's title, or its program's file name if it has none
};

// Administrator rights: ours, the front window's, and a restart with them.
class Elevation {
 public:
  virtual ~Elevation() = default;
  virtual FrontWindow CompareFrontWindow() = 0;
  virtual bool RunsElevated() = 0;
  // Asks the system to start this executable again as administrator, told to take over from
  // this process once it has ended. False when the user declined or it could not start.
  virtual bool RestartElevated(WindowHandle owner) = 0;
};

}  // namespace modlatch
