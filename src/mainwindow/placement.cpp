#include "mainwindow/placement.h"

#include "form/main_form.h"
#include "mainwindow/twips.h"
#include "mainwindow/work_area.h"

namespace modlatch {
namespace {

// On one axis: the low edge first, then the high edge; -1 keeps the position.
std::int32_t CorrectedEdge(std::int32_t low_px, std::int32_t high_px, std::int32_t size_px, std::int32_t area_low,
                           std::int32_t area_high) {
  if (low_px < area_low) return area_low;
  if (high_px > area_high) return area_high - size_px;
  return -1;
}

}  // namespace

void ApplyTopMost(MainForm& form) {
  if (form.DisplayMode != display_mode::kFloat) return;
  form.os.windows.SetTopmost(form.os.window.Handle(), form.Settings.zPos);
}

void MoveIntoWorkArea(MainForm& form) {
  MainWindow& window = form.os.window;
  const Rect place = MainWindowPixels(form.os.windows, window);
  const PlaceFactors f = MainWindowFactors(form.os.windows, place.left, place.top);
  const double x = f.left;
  const double y = f.top;
  const Rect area = GetWorkArea(form.os.windows);
  const double left = window.Left();
  const double top = window.Top();
  // The size in the place's twips, so the far edge is the sum converted once; with one DPI for
  // every monitor these are the window's own twips.
  const double width = window.Width() * x / f.width;
  const double height = window.Height() * y / f.height;

  const std::int32_t new_left = CorrectedEdge(WindowPixels(left, x), WindowPixels(left + width, x),
                                              WindowPixels(width, x), area.left, area.right);
  const std::int32_t new_top = CorrectedEdge(WindowPixels(top, y), WindowPixels(top + height, y),
                                             WindowPixels(height, y), area.top, area.bottom);
  // A position below 0 is never applied, like the keep marker.
  if (new_left >= 0) window.SetLeft(x * new_left);
  if (new_top >= 0) window.SetTop(y * new_top);
}

void KeepInWorkArea(MainForm& form) {
  if (form.Settings.TaskTop) return;
  MoveIntoWorkArea(form);
}

void BringOntoScreen(MainForm& form) {
  if (!form.os.windows.OnAnyMonitor(MainWindowPixels(form.os.windows, form.os.window))) MoveIntoWorkArea(form);
}

void OnCaptionStripMouseDown(MainForm& form, MouseButton button) {
  if (button == MouseButton::Right) {
    OpenPopupMenu(form);
    return;
  }
  if (button == MouseButton::Left) form.os.windows.BeginDrag(form.os.window.Handle());
  KeepInWorkArea(form);
}

void ColorCaptionStrip(MainForm& form, bool active) {
  form.os.controls.ShowStripActive(active && !form.Settings.NoActivate);
}

void ColorStripByForeground(MainForm& form) {
  ColorCaptionStrip(form, form.os.windows.ForegroundWindow() == form.os.window.Handle());
}

void OnTopCommand(MainForm& form) {
  form.Settings.zPos = !form.Settings.zPos;
  form.os.menu.SetChecked(MenuItem::mTop, form.Settings.zPos);
  ApplyTopMost(form);
}

void OnCenterCommand(MainForm& form) {
  form.Settings.MiddleButton = !form.Settings.MiddleButton;
  form.os.menu.SetChecked(MenuItem::mCenter, form.Settings.MiddleButton);
}

}  // namespace modlatch
