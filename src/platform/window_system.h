#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

// Operations that work on any top-level window by its handle.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual std::int32_t GetStyle(WindowHandle window) = 0;
  virtual void SetStyle(WindowHandle window, std::int32_t style) = 0;
  virtual void SetPosition(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                           std::uint32_t flags) = 0;
  virtual void ReleaseMouseCapture() = 0;
  virtual std::intptr_t SendToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                                     std::intptr_t lparam) = 0;
  virtual WindowHandle ForegroundWindow() = 0;
  // Gives the window the foreground and the keyboard focus.
  virtual void SetForeground(WindowHandle window) = 0;
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
  // Puts the size-limit procedure in place of the window's own and returns the one it replaced.
  virtual std::uintptr_t InstallSizeLimitProcedure(WindowHandle window) = 0;
  virtual void RestoreWindowProcedure(WindowHandle window, std::uintptr_t procedure) = 0;
  virtual std::intptr_t CallWindowProcedure(std::uintptr_t procedure, WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wparam, std::intptr_t lparam) = 0;
};

}  // namespace modlatch
