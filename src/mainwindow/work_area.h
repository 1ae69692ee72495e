#pragma once
#include "platform/window_system.h"

namespace modlatch {

// The desktop work area in screen pixels; (0, 0, 0, 0) when the query fails.
Rect GetWorkArea(WindowSystem& windows);

}  // namespace modlatch
