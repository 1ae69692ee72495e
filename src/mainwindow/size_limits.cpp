#include "mainwindow/size_limits.h"

#include <cstring>

#include "form/main_form.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/twips.h"
#include "mainwindow/work_area.h"

namespace modlatch {
namespace {

struct MinMaxInfo {
  std::int32_t reserved_x, reserved_y;
  std::int32_t max_size_x, max_size_y;
  std::int32_t max_position_x, max_position_y;
  std::int32_t min_track_x, min_track_y;
  std::int32_t max_track_x, max_track_y;
};
static_assert(sizeof(MinMaxInfo) == 40, "MINMAXINFO is five points of two 32-bit values");
static_assert(sizeof(Rect) == 16, "RECT is four 32-bit values");

}  // namespace

void SetSizeLimits(WindowSystem& windows, SizeLimitState& state, WindowHandle window, bool enable,
                   std::int32_t min_width, std::int32_t min_height, std::int32_t max_width,
                   std::int32_t max_height) {
  if (enable) {
    state.MinTrackWidth = min_width;
    state.MinTrackHeight = min_height;
    state.MaxTrackWidth = max_width;
    state.MaxTrackHeight = max_height;
    // Never chain the procedure to itself.
    if (state.PrevWndProc == 0) state.PrevWndProc = windows.InstallSizeLimitProcedure(window);
  } else if (state.PrevWndProc != 0) {
    windows.RestoreWindowProcedure(window, state.PrevWndProc);
    state.PrevWndProc = 0;
  }
}

std::intptr_t SizeLimitProc(WindowSystem& windows, SizeLimitState& state, WindowHandle window,
                            std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
  if (message == window_message::kGetMinMaxInfo) return FillMinMaxInfo(state, wparam, lparam);
  if (message == window_message::kMoving) ClampMovingRect(windows, wparam, lparam);
  return windows.CallWindowProcedure(state.PrevWndProc, window, message, wparam, lparam);
}

std::intptr_t FillMinMaxInfo(const SizeLimitState& state, std::uintptr_t /*wparam*/, std::intptr_t lparam) {
  MinMaxInfo info;
  void* record = reinterpret_cast<void*>(lparam);
  std::memcpy(&info, record, sizeof info);
  info.min_track_x = state.MinTrackWidth;
  info.min_track_y = state.MinTrackHeight;
  info.max_track_x = state.MaxTrackWidth;
  info.max_track_y = state.MaxTrackHeight;
  std::memcpy(record, &info, sizeof info);
  return 0;
}

std::intptr_t ClampMovingRect(WindowSystem& windows, std::uintptr_t /*wparam*/, std::intptr_t lparam) {
  const Rect area = GetWorkArea(windows);
  Rect r;
  void* record = reinterpret_cast<void*>(lparam);
  std::memcpy(&r, record, sizeof r);
  // Each step shifts without resizing; the right and bottom tests run last and win.
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
  std::memcpy(record, &r, sizeof r);
  return 0;
}

void RemoveSizeLimits(MainForm& form) {
  SetSizeLimits(form.os.windows, form.SizeLimits, form.os.window.Handle(), false, size_limit::kMinWidth,
                size_limit::kMinHeight, size_limit::kMaxWidth, size_limit::kMaxHeight);
}

void SetDefaultSizeLimits(MainForm& form) {
  // The limits are 96-DPI pixels: the window keeps the same limits in twips at every scale.
  const Dpi dpi = form.os.window.WindowDpi();
  SetSizeLimits(form.os.windows, form.SizeLimits, form.os.window.Handle(), true,
                MinFloatWidth(form, ScaleForDpi(size_limit::kMinWidth, dpi.x)),
                ScaleForDpi(size_limit::kMinHeight, dpi.y), ScaleForDpi(size_limit::kMaxWidth, dpi.x),
                ScaleForDpi(size_limit::kMaxHeight, dpi.y));
}

namespace {

void LockSizeLimits(MainForm& form, std::int32_t w, std::int32_t h) {
  SetSizeLimits(form.os.windows, form.SizeLimits, form.os.window.Handle(), true, w, h, w, h);
}

}  // namespace

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
  if (form.SizeLimits.PrevWndProc == 0) return;
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
  if (form.SizeLimits.PrevWndProc != 0) ApplySizeLock(form);
}

}  // namespace modlatch
