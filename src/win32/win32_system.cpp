#include "win32/win32_system.h"

#include "win32/dpi.h"
#include "win32/input_hooks.h"

#include <algorithm>
#include <iterator>

namespace modlatch::win32 {
namespace {

// Places and stacks without moving or sizing. A hidden window cannot take input: activating it
// would only take the keyboard from the user.
void Restack(HWND window, HWND insert_after, UINT flags) {
  if (!::IsWindowVisible(window)) flags |= SWP_NOACTIVATE;
  ::SetWindowPos(window, insert_after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | flags);
}

}  // namespace

KeyReading System::ReadKey(std::uint8_t virtual_key) {
  const SHORT state = ::GetAsyncKeyState(virtual_key);
  return KeyReading{(state & 0x8000) != 0, (state & 1) != 0};
}

void System::SendKeys(const KeyStroke* strokes, std::size_t count) {
  INPUT inputs[8]{};
  count = std::min(count, std::size(inputs));
  for (std::size_t i = 0; i < count; ++i) {
    KEYBDINPUT& key = inputs[i].ki;
    inputs[i].type = INPUT_KEYBOARD;
    key.wVk = strokes[i].virtual_key;
    key.wScan = strokes[i].scan_code;
    key.dwFlags = (strokes[i].extended ? KEYEVENTF_EXTENDEDKEY : 0) | (strokes[i].up ? KEYEVENTF_KEYUP : 0);
    key.dwExtraInfo = strokes[i].ours ? kOwnInputMarker : 0;
  }
  ::SendInput(static_cast<UINT>(count), inputs, sizeof(INPUT));
}

std::uint32_t System::MillisecondsSinceInput() {
  LASTINPUTINFO last{sizeof last, 0};
  if (!::GetLastInputInfo(&last)) return 0;
  // Both count from the system's start and wrap together after 49.7 days.
  return ::GetTickCount() - last.dwTime;
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
