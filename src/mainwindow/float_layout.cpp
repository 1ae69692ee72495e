#include "mainwindow/float_layout.h"

#include <algorithm>

#include "form/main_form.h"
#include "mainwindow/twips.h"

namespace modlatch {
namespace {

constexpr int kHeightMargin = 8;
constexpr int kHalfWidthMargin = 4;
constexpr int kOverlap = 1;

}  // namespace

void ApplyFloatLayout(MainForm& form) {
  MainWindow& window = form.os.window;
  Controls& controls = form.os.controls;
  const int w = TwipsToPixels(window.Width(), window.TwipsPerPixelX());
  const int h = TwipsToPixels(window.Height(), window.TwipsPerPixelY());

  Bounds shift = controls.GetBounds(Control::Check1_1);
  // Below the size limits the rule goes negative; the system is never given a negative size.
  shift.height = std::max(0, h - kHeightMargin);
  shift.width = std::max(0, (w - shift.left) / 2 - kHalfWidthMargin);
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

}  // namespace modlatch
