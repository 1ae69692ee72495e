#include "settings/apply_settings.h"

#include <cstdint>

#include "app/main_form.h"
#include "latch/display_modes.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/twips.h"

namespace modlatch {
namespace {

// A negative position means no saved place: half the screen's extent, truncated.
double PositionOrHalfScreen(std::int32_t saved, double screen_twips) {
  if (saved >= 0) return saved;
  return static_cast<double>(RoundHalfEven(screen_twips) / 2);
}

// A mode outside 0 to 2 has no menu item; Float keeps the program reachable.
std::int16_t StartingMode(std::int16_t window_type) {
  if (window_type < display_mode::kCompact || window_type > display_mode::kFloat) return display_mode::kFloat;
  return window_type;
}

}  // namespace

void ApplySettings(MainForm& form) {
  const AppSettings& s = form.Settings;
  MainWindow& window = form.os.window;
  window.SetLeft(PositionOrHalfScreen(s.xPos, window.ScreenWidthTwips()));
  window.SetTop(PositionOrHalfScreen(s.yPos, window.ScreenHeightTwips()));
  window.SetHeight(s.Height);
  window.SetWidth(s.Width);
  form.os.timer.SetInterval(static_cast<std::uint32_t>(s.Timer));

  OnModeCommand(form, StartingMode(s.WindowType));
  if (s.zPos) OnTopCommand(form);
  if (s.SizeLock) OnSizeLockCommand(form);
  form.os.menu.SetChecked(MenuItem::mCenter, s.MiddleButton);
}

}  // namespace modlatch
