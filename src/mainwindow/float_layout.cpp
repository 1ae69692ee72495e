#include "mainwindow/float_layout.h"

#include <algorithm>

#include "form/main_form.h"
#include "mainwindow/twips.h"

namespace modlatch {
namespace {

constexpr int kHeightMargin = 8;
constexpr int kHalfWidthMargin = 4;
constexpr int kOverlap = 1;
// The narrowest button that still shows a caption such as "SHIFT" beside the padlock.
constexpr int kMinButtonWidth = 48;

Control ButtonOf(int modifier_index) {
  switch (modifier_index) {
    case 0:
      return Control::Check1_0;
    case 1:
      return Control::Check1_1;
    case 2:
      return Control::Check1_2;
    default:
      return Control::Check1_3;
  }
}

// The width each of `count` buttons gets from a row of `row` pixels. Two buttons each take half
// of the row less 4 pixels; more share the same total, each overlapping the one before by 1.
int ButtonWidth(int row, int count) {
  const int total = row - 2 * kHalfWidthMargin - kOverlap;
  return (total + (count - 1) * kOverlap) / count;
}

}  // namespace

void ApplyFloatLayout(MainForm& form) {
  MainWindow& window = form.os.window;
  Controls& controls = form.os.controls;
  const int w = TwipsToPixels(window.Width(), window.TwipsPerPixelX());
  const int h = TwipsToPixels(window.Height(), window.TwipsPerPixelY());
  const ShownModifiers shown = ShownModifiersOf(form.Settings);

  // The first button, SHIFT, keeps its left edge; the others follow it in order.
  Bounds first = controls.GetBounds(Control::Check1_1);
  // Below the size limits the rule goes negative; the system is never given a negative size.
  first.height = std::max(0, h - kHeightMargin);
  first.width = std::max(0, ButtonWidth(w - first.left, shown.count));
  controls.SetBounds(Control::Check1_1, first);

  Bounds previous = first;
  for (const int* index = shown.begin() + 1; index != shown.end(); ++index) {
    Bounds next = controls.GetBounds(ButtonOf(*index));
    next.left = previous.left + previous.width - kOverlap;
    next.width = first.width;
    next.height = first.height;
    controls.SetBounds(ButtonOf(*index), next);
    previous = next;
  }

  Bounds strip = controls.GetBounds(Control::Picture4);
  strip.height = first.height;
  controls.SetBounds(Control::Picture4, strip);
}

std::int32_t MinFloatWidth(MainForm& form, std::int32_t two_button_minimum) {
  const int count = ShownModifiersOf(form.Settings).count;
  if (count <= 2) return two_button_minimum;
  const int left = form.os.controls.GetBounds(Control::Check1_1).left;
  const int row = count * kMinButtonWidth - (count - 1) * kOverlap + 2 * kHalfWidthMargin + kOverlap;
  return std::max(two_button_minimum, left + row);
}

}  // namespace modlatch
