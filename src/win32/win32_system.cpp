#include "win32/win32_system.h"

#include "win32/dpi.h"
#include "win32/input_hooks.h"
#include "win32/system_library.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace modlatch::win32 {
namespace {

std::uint32_t Read32(const TrayIconData& record, std::size_t offset) {
  std::uint32_t value;
  std::memcpy(&value, record.bytes.data() + offset, sizeof value);
  return value;
}

// Handles are 32-bit significant and sign-extended to pointer width.
template <typename Handle>
Handle HandleFrom32(std::uint32_t value) {
  return reinterpret_cast<Handle>(static_cast<INT_PTR>(static_cast<std::int32_t>(value)));
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

std::int32_t System::GetStyle(WindowHandle window) { return ::GetWindowLongW(ToHwnd(window), GWL_STYLE); }

void System::SetStyle(WindowHandle window, std::int32_t style) { ::SetWindowLongW(ToHwnd(window), GWL_STYLE, style); }

void System::SetPosition(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                         std::uint32_t flags) {
  HWND hwnd = ToHwnd(window);
  // A hidden window cannot take input: activating it would only take the keyboard from the user.
  if (!::IsWindowVisible(hwnd)) flags |= SWP_NOACTIVATE;
  ::SetWindowPos(hwnd, ToHwnd(insert_after), x, y, cx, cy, flags);
}

void System::ReleaseMouseCapture() { ::ReleaseCapture(); }

std::intptr_t System::SendToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                                   std::intptr_t lparam) {
  return ::SendMessageW(ToHwnd(window), message, wparam, lparam);
}

WindowHandle System::ForegroundWindow() { return FromHwnd(::GetForegroundWindow()); }

void System::SetForeground(WindowHandle window) { ::SetForegroundWindow(ToHwnd(window)); }

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

std::uintptr_t System::InstallSizeLimitProcedure(WindowHandle window) {
  return static_cast<std::uintptr_t>(::SetWindowLongPtrW(
      ToHwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(size_limit_procedure_)));
}

void System::RestoreWindowProcedure(WindowHandle window, std::uintptr_t procedure) {
  ::SetWindowLongPtrW(ToHwnd(window), GWLP_WNDPROC, static_cast<LONG_PTR>(procedure));
}

std::intptr_t System::CallWindowProcedure(std::uintptr_t procedure, WindowHandle window, std::uint32_t message,
                                          std::uintptr_t wparam, std::intptr_t lparam) {
  return ::CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), ToHwnd(window), message, wparam, lparam);
}

void System::NotifyIcon(std::uint32_t message, const TrayIconData& record) {
  if (!notify_icon_) {
    // Before the first add no icon of ours exists, so there is nothing to change or delete.
    if (message != tray_message::kAdd) return;
    notify_icon_ = reinterpret_cast<NotifyIconFunction>(
        reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary(L"shell32.dll"), "Shell_NotifyIconA")));
    if (!notify_icon_) return;
  }
  if constexpr (sizeof(void*) == 4) {
    // On 32-bit Windows the record is the first-version structure itself.
    static_assert(sizeof(TrayIconData) == NOTIFYICONDATAA_V1_SIZE || sizeof(void*) != 4, "record layout");
    NOTIFYICONDATAA data;
    std::memcpy(&data, record.bytes.data(), record.bytes.size());
    notify_icon_(message, &data);
  } else {
    // A 64-bit build carries the same fields in the wider first-version layout.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = HandleFrom32<HWND>(Read32(record, tray_field::kWindow));
    data.uID = Read32(record, tray_field::kId);
    data.uFlags = Read32(record, tray_field::kFlags);
    data.uCallbackMessage = Read32(record, tray_field::kCallbackMessage);
    data.hIcon = HandleFrom32<HICON>(Read32(record, tray_field::kIcon));
    std::memcpy(data.szTip, record.bytes.data() + tray_field::kTip, sizeof data.szTip);
    notify_icon_(message, &data);
  }
}

void System::ShowBalloon(const TrayIconData& record, const Text& title, const Text& text) {
  // Shell32 is loaded with the first icon; with no icon there is nothing to show it on.
  using NotifyIconW = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
  const auto notify_icon_w = reinterpret_cast<NotifyIconW>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"shell32.dll"), "Shell_NotifyIconW")));
  if (!notify_icon_ || !notify_icon_w) return;
  // The stored record has no room for a balloon: this one names the same icon and asks only that.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V2_SIZE;
  data.hWnd = HandleFrom32<HWND>(Read32(record, tray_field::kWindow));
  data.uID = Read32(record, tray_field::kId);
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_INFO;
  const std::size_t title_length = std::min(title.size(), std::size(data.szInfoTitle) - 1);
  const std::size_t text_length = std::min(text.size(), std::size(data.szInfo) - 1);
  std::memcpy(data.szInfoTitle, title.data(), title_length * sizeof(wchar_t));
  std::memcpy(data.szInfo, text.data(), text_length * sizeof(wchar_t));
  notify_icon_w(NIM_MODIFY, &data);
}

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
