#include "mainwindow/work_area.h"

namespace modlatch {

Rect GetWorkArea(WindowSystem& windows) {
  Rect area{};
  windows.QueryWorkArea(&area);
  return area;
}

}  // namespace modlatch
