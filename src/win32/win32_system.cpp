#include "win32/win32_system.h"

#include "win32/dpi.h"

namespace modlatch::win32 {
namespace {

// Places and stacks without moving or sizing. A hidden window cannot take input: activating it
// would only take the keyboard from the user.
void Restack(HWND window, HWND insert_after, UINT flags) {
  if (!::IsWindowVisible(window)) flags |= SWP_NOACTIVATE;
  ::SetWindowPos(window, insert_after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | flags);
}

}  // namespace

std::int16_t System::AsyncKeyState(std::uint8_t virtual_key) { return ::GetAsyncKeyState(virtual_key); }

void System::InjectKey(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                       std::uintptr_t extra_info) {
  ::keybd_event(virtual_key, scan_code, flags, extra_info);
}

void System::ShowTitleBar(WindowHandle window, bool show) {
  HWND hwnd = ToHwnd(window);
  const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
  ::SetWindowLongW(hwnd, GWL_STYLE, show ? (style | WS_CAPTION) : (style & ~WS_CAPTION));
  Restack(hwnd, nullptr, SWP_NOZORDER | SWP_FRAMECHANGED);
}

void System::SetTopmost(WindowHandle window, bool on) {
  Restack(ToHwnd(window), on ? HWND_TOPMOST : HWND_NOTOPMOST, SWP_NOACTIVATE);
}

void System::BringToFront(WindowHandle window, bool activate) {
  Restack(ToHwnd(window), HWND_TOP, SWP_NOACTIVATE);
  if (activate) ::SetForegroundWindow(ToHwnd(window));
}

void System::BeginDrag(WindowHandle window) {
  // Whoever holds the mouse lets it go, so that the caption's own move loop can take it.
  ::ReleaseCapture();
  ::SendMessageW(ToHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

WindowHandle System::ForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

void System::QueryWorkArea(Rect* area) {
  RECT rect;
  if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0)) *area = {rect.left, rect.top, rect.right, rect.bottom};
}

bool System::OnAnyMonitor(const Rect& rect) {
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  return ::MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

Dpi System::SystemDpi() {
  // Fixed for the session; asking costs a device context each time.
  static const int dpi = win32::SystemDpi();
  return Dpi{dpi, dpi};
}

Dpi System::MonitorDpiAt(std::int32_t x, std::int32_t y) { return DpiOfMonitorAt(POINT{x, y}); }

std::string System::Encode(const Text& text) {
  if (text.empty()) return std::string();
  const int length = ::WideCharToMultiByte(CP_ACP, 0, Wide(text), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, Wide(text), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

Text System::Decode(const std::string& ansi) {
  if (ansi.empty()) return Text();
  const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  Text out(static_cast<std::size_t>(length), u'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), reinterpret_cast<wchar_t*>(out.data()),
                        length);
  return out;
}

}  // namespace modlatch::win32
