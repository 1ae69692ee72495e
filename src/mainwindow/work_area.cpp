#include "mainwindow/work_area.h"

namespace modlatch {

Rect GetWorkArea(WindowSystem& windows) {
  Rect area{};
  windows.QueryWorkArea(&area);
  return area;
}

Rect ClampIntoArea(Rect r, const Rect& area) {
  if (r.left < area.left) {
    r.right += area.left - r.left;
    r.left = area.left;
  }
  if (r.top < area.top) {
    r.bottom += area.top - r.top;
    r.top = area.top;
  }
  if (r.right > area.right) {
    r.left += area.right - r.right;
    r.right = area.right;
  }
  if (r.bottom > area.bottom) {
    r.top += area.bottom - r.bottom;
    r.bottom = area.bottom;
  }
  return r;
}

}  // namespace modlatch
