#pragma once
#include <windows.h>

#include "platform/types.h"

namespace modlatch::win32 {

// What the toggle buttons report to the main window.
struct ToggleEvents {
  virtual void OnToggleMouseDown(int index, MouseButton button) = 0;
  virtual void OnToggleKeyDown(int index, int key_code, bool repeated) = 0;
  virtual void OnTogglePressEnded() = 0;

 protected:
  ~ToggleEvents() = default;
};

// A real push-like check box, so the system and screen readers see its checked state,
// painted by us so that the configured colours show.
HWND CreateToggleButton(HWND parent, int id, int index, const wchar_t* caption, const RECT& bounds,
                        ToggleEvents& events);
void SetToggleBackColor(HWND button, ColorValue color);
void SetToggleForeColor(HWND button, ColorValue color);
void SetToggleLocked(HWND button, bool locked);

}  // namespace modlatch::win32
