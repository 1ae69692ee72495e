#pragma once
#include <cstdint>
#include <optional>

#include "platform/types.h"

namespace modlatch {

// The outer sizes, in pixels, that the user can give a window by sizing it.
struct WindowLimits {
  std::int32_t min_width = 0;
  std::int32_t min_height = 0;
  std::int32_t max_width = 0;
  std::int32_t max_height = 0;
};

// The program's permanent top-level window. Its geometry is in twips, as the settings keep it.
class MainWindow {
 public:
  virtual ~MainWindow() = default;
  virtual WindowHandle Handle() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // From now on the window is never activated and never takes the keyboard focus.
  virtual void PreventActivation() = 0;
  // Undoes PreventActivation: the window activates on a click again.
  virtual void AllowActivation() = 0;
  // Asks the window to close; the close steps follow.
  virtual void Unload() = 0;
  virtual void EndProcess() = 0;

  virtual double Left() = 0;
  virtual double Top() = 0;
  virtual double Width() = 0;
  virtual double Height() = 0;
  virtual void SetLeft(double twips) = 0;
  virtual void SetTop(double twips) = 0;
  virtual void SetWidth(double twips) = 0;
  virtual void SetHeight(double twips) = 0;

  // The window's own DPI: geometry is converted at it both ways.
  virtual Dpi WindowDpi() = 0;
  // Outer rectangle in screen pixels, as the system suggests it after a DPI change.
  virtual void PlacePixels(const Rect& outer) = 0;
  // While limits are set, sizing keeps the window within them and a drag keeps it inside the
  // work area; none lets it take any size and place.
  virtual void SetSizeLimits(const std::optional<WindowLimits>& limits) = 0;
  virtual double ScreenWidthTwips() = 0;
  virtual double ScreenHeightTwips() = 0;
};

}  // namespace modlatch
