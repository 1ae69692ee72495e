#include "mainwindow/size_limits.h"

#include "form/main_form.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/twips.h"

namespace modlatch {
namespace {

void ApplyLimits(MainForm& form, const std::optional<WindowLimits>& limits) {
  form.SizeLimits = limits;
  form.os.window.SetSizeLimits(limits);
}

void LockSizeLimits(MainForm& form, std::int32_t w, std::int32_t h) { ApplyLimits(form, WindowLimits{w, h, w, h}); }

}  // namespace

void RemoveSizeLimits(MainForm& form) {
  if (form.SizeLimits) ApplyLimits(form, std::nullopt);
}

void SetDefaultSizeLimits(MainForm& form) {
  // The limits are 96-DPI pixels: the window keeps the same limits in twips at every scale.
  const Dpi dpi = form.os.window.WindowDpi();
  ApplyLimits(form, WindowLimits{MinFloatWidth(form, ScaleForDpi(size_limit::kMinWidth, dpi.x)),
                                 ScaleForDpi(size_limit::kMinHeight, dpi.y), ScaleForDpi(size_limit::kMaxWidth, dpi.x),
                                 ScaleForDpi(size_limit::kMaxHeight, dpi.y)});
}

void LockAtCurrentSize(MainForm& form) {
  const Rect outer = MainWindowPixels(form.os.windows, form.os.window);
  LockSizeLimits(form, outer.right - outer.left, outer.bottom - outer.top);
}

void ApplySizeLock(MainForm& form) {
  if (form.Settings.SizeLock) {
    LockAtCurrentSize(form);
  } else {
    SetDefaultSizeLimits(form);
  }
}

void ConvertSizeLimits(MainForm& form, const Rect& outer) {
  if (!form.SizeLimits) return;
  if (form.Settings.SizeLock) {
    LockSizeLimits(form, outer.right - outer.left, outer.bottom - outer.top);
  } else {
    SetDefaultSizeLimits(form);
  }
}

void OnSizeLockCommand(MainForm& form) {
  form.Settings.SizeLock = !form.Settings.SizeLock;
  form.os.menu.SetChecked(MenuItem::mSizeLock, form.Settings.SizeLock);
  ApplySizeLock(form);
}

void WidenForButtons(MainForm& form, int count) {
  MainWindow& window = form.os.window;
  // A window too narrow for the buttons is widened to the narrowest that shows them all.
  const std::int32_t minimum =
      MinFloatWidth(form, ScaleForDpi(size_limit::kMinWidth, window.WindowDpi().x), count);
  const Rect outer = MainWindowPixels(form.os.windows, window);
  if (outer.right - outer.left < minimum) {
    window.SetWidth(minimum * MainWindowFactors(form.os.windows, outer.left, outer.top).width);
  }
}

void FitLimitsToButtons(MainForm& form) {
  WidenForButtons(form, ShownModifiersOf(form.Settings).count);
  if (form.SizeLimits) ApplySizeLock(form);
}

}  // namespace modlatch
