#pragma once
#include <array>

#include "platform/tray.h"

namespace modlatch {

// Record i always belongs to icon holder Picture1(i); a record whose window is not 0 stands
// for an icon that was added and not yet deleted.
using TrayIconRecords = std::array<TrayIconData, 2>;

}  // namespace modlatch
