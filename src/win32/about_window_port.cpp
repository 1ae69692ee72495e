#include "win32/about_window.h"

#include <iterator>

#include "mainwindow/twips.h"
#include "win32/popup_menu.h"
#include "resource_ids.h"

// What the portable About logic asks of the window: captions, geometry, the icon, the hover
// timer, the copy menu and closing.
namespace modlatch::win32 {

WindowHandle AboutFormWindow::WindowUnderPointer() {
  POINT pointer{};
  ::GetCursorPos(&pointer);
  return FromHwnd(::WindowFromPoint(pointer));
}

Text AboutFormWindow::VersionCaption() {
  wchar_t text[256] = {};
  const int length = ::GetWindowTextW(labels_[about::kVer], text, static_cast<int>(std::size(text)));
  return Text(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length));
}

void AboutFormWindow::SetVersionCaption(const Text& caption) {
  ::SetWindowTextW(labels_[about::kVer], Wide(caption));
  FitLabel(about::kVer);
}

Bounds AboutFormWindow::PanelBounds() {
  RECT r{};
  ::GetWindowRect(panel_, &r);
  ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void AboutFormWindow::SetPanelLeft(int left) {
  const Bounds panel = PanelBounds();
  ::SetWindowPos(panel_, nullptr, left, panel.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutFormWindow::SetOuterSizeTwips(double width, double height) {
  ::SetWindowPos(hwnd_, nullptr, 0, 0, WindowPixels(width, TwipsPerPixel(dpi_.x)),
                 WindowPixels(height, TwipsPerPixel(dpi_.y)), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutFormWindow::ShowAppIcon() {
  HICON icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                               ScaleForDpi(kAppIconSize, dpi_.y), ScaleForDpi(kAppIconSize, dpi_.y),
                                               LR_SHARED));
  ::SendMessageW(app_icon_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void AboutFormWindow::StartHoverTimer() { ::SetTimer(hwnd_, kHoverTimer, kHoverInterval, nullptr); }

bool AboutFormWindow::PopupCopyMenu(const Text& caption) {
  ::ModifyMenuW(copy_menu_, kCopyItem, MF_BYCOMMAND | MF_STRING, kCopyItem, Wide(caption));
  // Foreground first, or the menu may not close when the user clicks elsewhere.
  ::SetForegroundWindow(hwnd_);
  return TrackPopupAtCursor(hwnd_, copy_menu_) == kCopyItem;
}

void AboutFormWindow::HoldMouse() { ::SetCapture(close_); }

void AboutFormWindow::ReleaseMouse() {
  if (::GetCapture() == close_) ::ReleaseCapture();
}

void AboutFormWindow::Close() {
  ::ShowWindow(hwnd_, SW_HIDE);
  ::DestroyWindow(hwnd_);
}

void AboutFormWindow::ReleaseResources() {
  for (PrintSurface& surface : surfaces_) surface.Release();
  for (ScopedGdiObject<HFONT>& font : fonts_) font.reset(nullptr);
  if (copy_menu_) ::DestroyMenu(copy_menu_);
  copy_menu_ = nullptr;
}

}  // namespace modlatch::win32
