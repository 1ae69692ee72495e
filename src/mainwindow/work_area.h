#pragma once
#include "platform/window_system.h"

namespace modlatch {

// The desktop work area in screen pixels; (0, 0, 0, 0) when the query fails.
Rect GetWorkArea(WindowSystem& windows);

// A dragged window's rectangle shifted, never resized, into the area; the right and bottom
// edges are tested last, so a window larger than the area keeps those inside.
Rect ClampIntoArea(Rect dragged, const Rect& area);

}  // namespace modlatch
