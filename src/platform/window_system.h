#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

// Operations that work on any top-level window by its handle.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // Shows or removes the title bar; the frame follows at once.
  virtual void ShowTitleBar(WindowHandle window, bool show) = 0;
  // Above every window that is not topmost, or back among them; neither moves, sizes nor
  // activates the window.
  virtual void SetTopmost(WindowHandle window, bool on) = 0;
  // Raises the window above the others of its band; with `activate` it also takes the
  // foreground and the keyboard focus.
  virtual void BringToFront(WindowHandle window, bool activate) = 0;
  // The mouse now moves the window, as a press on its title bar would, until the button is up.
  virtual void BeginDrag(WindowHandle window) = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  // The user's interface language, a LANGID (primary language in the low ten bits).
  virtual std::uint16_t UserUiLanguage() = 0;
  // The desktop work area; leaves the rectangle untouched when the query fails.
  virtual void QueryWorkArea(Rect* area) = 0;
  // Whether any part of the rectangle (screen pixels) lies on an attached monitor.
  virtual bool OnAnyMonitor(const Rect& rect) = 0;
  // The system's DPI, one for the whole process, and the DPI of the monitor that holds a point
  // (screen pixels; the nearest monitor's for a point on none).
  virtual Dpi SystemDpi() = 0;
  virtual Dpi MonitorDpiAt(std::int32_t x, std::int32_t y) = 0;
};

}  // namespace modlatch
