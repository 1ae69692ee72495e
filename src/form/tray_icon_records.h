#pragma once
#include <array>

#include "platform/tray.h"

namespace modlatch {

// Record i always belongs to icon holder Picture1(i); a record whose window is not 0 stands
// for an icon that was added and not yet deleted.
// Records 2 and 3 (ALT, WIN) stay all zero unless their latch is on.
using TrayIconRecords = std::array<TrayIconData, 4>;

}  // namespace modlatch
