#pragma once
#include <windows.h>
#include <shellapi.h>

#include "platform/ansi_text.h"
#include "platform/keyboard.h"
#include "platform/tray.h"
#include "platform/window_system.h"

namespace modlatch::win32 {

// The system services that need no window of ours: keyboard, window operations, tray, code page.
class System : public Keyboard, public WindowSystem, public Tray, public AnsiText {
 public:
  using NotifyIconFunction = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);

  explicit System(WNDPROC size_limit_procedure) : size_limit_procedure_(size_limit_procedure) {}

  KeyReading ReadKey(std::uint8_t virtual_key) override;
  void SendKeys(const KeyStroke* strokes, std::size_t count) override;
  std::uint32_t MillisecondsSinceInput() override;

  std::int32_t GetStyle(WindowHandle window) override;
  void SetStyle(WindowHandle window, std::int32_t style) override;
  void SetPosition(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                   std::uint32_t flags) override;
  void ReleaseMouseCapture() override;
  std::intptr_t SendToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                             std::intptr_t lparam) override;
  WindowHandle ForegroundWindow() override;
  void SetForeground(WindowHandle window) override;
  std::uint16_t UserUiLanguage() override { return ::GetUserDefaultUILanguage(); }
  void QueryWorkArea(Rect* area) override;
  bool OnAnyMonitor(const Rect& rect) override;
  Dpi SystemDpi() override;
  Dpi MonitorDpiAt(std::int32_t x, std::int32_t y) override;
  std::uintptr_t InstallSizeLimitProcedure(WindowHandle window) override;
  void RestoreWindowProcedure(WindowHandle window, std::uintptr_t procedure) override;
  std::intptr_t CallWindowProcedure(std::uintptr_t procedure, WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wparam, std::intptr_t lparam) override;

  void NotifyIcon(std::uint32_t message, const TrayIconData& record) override;
  void ShowBalloon(const TrayIconData& record, const Text& title, const Text& text) override;

  std::string Encode(const Text& text) override;
  Text Decode(const std::string& ansi) override;

 private:
  WNDPROC size_limit_procedure_;
  // shell32 and the libraries it brings cost the floating window 0.8 MB of memory under Wine:
  // it is loaded with the first tray icon.
  NotifyIconFunction notify_icon_ = nullptr;
};

inline HWND ToHwnd(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
inline WindowHandle FromHwnd(HWND hwnd) { return reinterpret_cast<WindowHandle>(hwnd); }
inline const wchar_t* Wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace modlatch::win32
