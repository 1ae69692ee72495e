#pragma once
#include <windows.h>

#include "about/about_design.h"

namespace modlatch::win32 {

// The designed font at a window's dots per inch. A face the system lacks gives way to the
// system's nearest font of the same character set, so Japanese text never shows as boxes.
HFONT CreateDesignFont(const about::FontDesign& design, bool underline, int dpi);

}  // namespace modlatch::win32
