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
// The narrowest button that still shows a caption such as "SHIFT" beside the padlock.
constexpr int kMinButtonWidth = 48;

Control ButtonOf(Modifier key) {
  switch (key) {
    case Modifier::Ctrl:
      return Control::Check1_0;
    case Modifier::Shift:
      return Control::Check1_1;
    case Modifier::Alt:
      return Control::Check1_2;
    default:
      return Control::Check1_3;
  }
}

// The width each of `count` buttons gets from a row of `row` pixels. Two buttons each take half
// of the row less 4 pixels; more share the same total, each overlapping the one before by 1.
int ButtonWidth(int row, int count, int half_width_margin) {
  const int total = row - 2 * half_width_margin - kOverlap;
  return (total + (count - 1) * kOverlap) / count;
}

}  // namespace

void ApplyFloatLayout(MainForm& form) {
  MainWindow& window = form.os.window;
  Controls& controls = form.os.controls;
  // The window's own pixels: read back at the factor its size is kept at.
  const Rect outer = MainWindowPixels(form.os.windows, window);
  const int w = outer.right - outer.left;
  const int h = outer.bottom - outer.top;
  const ShownModifiers shown = ShownModifiersOf(form.Settings);
  // The margins keep their proportion at every scale; 96 DPI keeps 8 and 4.
  const Dpi dpi = window.WindowDpi();
  const int height_margin = ScaleForDpi(kHeightMargin, dpi.y);
  const int half_width_margin = ScaleForDpi(kHalfWidthMargin, dpi.x);

  // The first button, SHIFT, keeps its left edge; the others follow it in order.
  Bounds first = controls.GetBounds(Control::Check1_1);
  // Below the size limits the rule goes negative; the system is never given a negative size.
  first.height = std::max(0, h - height_margin);
  first.width = std::max(0, ButtonWidth(w - first.left, shown.count, half_width_margin));
  controls.SetBounds(Control::Check1_1, first);

  Bounds previous = first;
  for (const Modifier* key = shown.begin() + 1; key != shown.end(); ++key) {
    Bounds next = controls.GetBounds(ButtonOf(*key));
    next.left = previous.left + previous.width - kOverlap;
    next.width = first.width;
    next.height = first.height;
    controls.SetBounds(ButtonOf(*key), next);
    previous = next;
  }

  Bounds strip = controls.GetBounds(Control::Picture4);
  strip.height = first.height;
  controls.SetBounds(Control::Picture4, strip);
}

std::int32_t MinFloatWidth(MainForm& form, std::int32_t two_button_minimum) {
  return MinFloatWidth(form, two_button_minimum, ShownModifiersOf(form.Settings).count);
}

std::int32_t MinFloatWidth(MainForm& form, std::int32_t two_button_minimum, int count) {
  if (count <= 2) return two_button_minimum;
  const int left = form.os.controls.GetBounds(Control::Check1_1).left;
  const int dpi = form.os.window.WindowDpi().x;
  const int row = count * ScaleForDpi(kMinButtonWidth, dpi) - (count - 1) * kOverlap +
                  2 * ScaleForDpi(kHalfWidthMargin, dpi) + kOverlap;
  return std::max(two_button_minimum, left + row);
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
