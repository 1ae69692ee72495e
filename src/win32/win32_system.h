#pragma once
#include <windows.h>

#include "platform/ansi_text.h"
#include "platform/keyboard.h"
#include "platform/window_system.h"

namespace modlatch::win32 {

// The system services that need no window of ours: keyboard, window operations, code page.
class System : public Keyboard, public WindowSystem, public AnsiText {
 public:
  KeyReading ReadKey(std::uint8_t virtual_key) override;
  void SendKeys(const KeyStroke* strokes, std::size_t count) override;
  std::uint32_t MillisecondsSinceInput() override;

  void ShowTitleBar(WindowHandle window, bool show) override;
  void SetTopmost(WindowHandle window, bool on) override;
  void BringToFront(WindowHandle window, bool activate) override;
  void BeginDrag(WindowHandle window) override;
  WindowHandle ForegroundWindow() override;
  std::uint16_t UserUiLanguage() override { return ::GetUserDefaultUILanguage(); }
  void QueryWorkArea(Rect* area) override;
  bool OnAnyMonitor(const Rect& rect) override;
  Dpi SystemDpi() override;
  Dpi MonitorDpiAt(std::int32_t x, std::int32_t y) override;

  std::string Encode(const Text& text) override;
  Text Decode(const std::string& ansi) override;
};

inline HWND ToHwnd(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
inline WindowHandle FromHwnd(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }
inline const wchar_t* Wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace modlatch::win32
