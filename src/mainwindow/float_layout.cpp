#include "mainwindow/float_layout.h"

#include <algorithm>

#include "form/main_form.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_design.h"

namespace modlatch {
namespace {

constexpr int kHeightMargin = 8;
constexpr int kHalfWidthMargin = 4;
constexpr int kOverlap = 1;

}  // namespace

void ApplyFloatLayout(MainForm& form) {
  MainWindow& window = form.os.window;
  Controls& controls = form.os.controls;
  const int w = PixelsX(window, window.Width());
  const int h = PixelsY(window, window.Height());
  // The margins keep their proportion at every scale; 96 DPI keeps 8 and 4.
  const Dpi dpi = window.WindowDpi();
  const int height_margin = ScaleForDpi(kHeightMargin, dpi.y);
  const int half_width_margin = ScaleForDpi(kHalfWidthMargin, dpi.x);

  Bounds shift = controls.GetBounds(Control::Check1_1);
  // Below the size limits the rule goes negative; the system is never given a negative size.
  shift.height = std::max(0, h - height_margin);
  shift.width = std::max(0, (w - shift.left) / 2 - half_width_margin);
  controls.SetBounds(Control::Check1_1, shift);

  Bounds ctrl = controls.GetBounds(Control::Check1_0);
  ctrl.left = shift.left + shift.width - kOverlap;
  ctrl.width = shift.width;
  ctrl.height = shift.height;
  controls.SetBounds(Control::Check1_0, ctrl);

  Bounds strip = controls.GetBounds(Control::Picture4);
  strip.height = shift.height;
  controls.SetBounds(Control::Picture4, strip);
}

void PlaceDesignedControls(MainForm& form) {
  MainWindow& window = form.os.window;
  Controls& controls = form.os.controls;
  const auto place = [&](Control control, const TwipsBounds& design, bool with_size) {
    Bounds b = controls.GetBounds(control);
    b.left = PixelsX(window, design.left);
    b.top = PixelsY(window, design.top);
    if (with_size) {
      b.width = PixelsX(window, design.width);
      b.height = PixelsY(window, design.height);
    }
    controls.SetBounds(control, b);
  };
  place(Control::Picture4, design::kPicture4, true);
  place(Control::Command1, design::kCommand1, true);
  place(Control::Check1_1, design::kCheck1_1, false);
  place(Control::Check1_0, design::kCheck1_0, false);
}

}  // namespace modlatch
