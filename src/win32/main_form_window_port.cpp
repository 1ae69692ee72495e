#include "win32/main_form_window.h"

#include "mainwindow/twips.h"
#include "win32/no_activate.h"
#include "win32/session_notifications.h"

// The main window as the logic sees it: shown or hidden, its place and size in twips, the end.
namespace modlatch::win32 {

WindowHandle MainFormWindow::Handle() {
  // Whoever works on the window by its handle sees where it really is.
  ApplyPendingPlace();
  return FromHwnd(hwnd_);
}

void MainFormWindow::Show() {
  ApplyPendingPlace();
  ::ShowWindow(hwnd_, ActivationPrevented(hwnd_) ? SW_SHOWNA : SW_SHOW);
}
void MainFormWindow::Hide() { ::ShowWindow(hwnd_, SW_HIDE); }
bool MainFormWindow::IsVisible() { return ::IsWindowVisible(hwnd_) != FALSE; }

void MainFormWindow::PreventActivation() {
  win32::PreventActivation(hwnd_);
  // Showing the window at start-up took the foreground: hand it back.
  if (::GetForegroundWindow() == hwnd_ && foreground_before_ && ::IsWindow(foreground_before_)) {
    ::SetForegroundWindow(foreground_before_);
  }
}
void MainFormWindow::Unload() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }
void MainFormWindow::EndProcess() {
  UnregisterSessionNotifications(hwnd_);
  // ExitProcess runs no destructors of ours.
  for (ScopedIcon& picture : file_pictures_) picture.reset(nullptr);
  ::ExitProcess(0);
}

RECT MainFormWindow::WindowRect() const {
  if (pending_place_) return *pending_place_;
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  return rect;
}

// Read and set at the same factor, so a saved window comes back exactly.
double MainFormWindow::Left() { return WindowRect().left * TwipsPerPixel(dpi_.x); }
double MainFormWindow::Top() { return WindowRect().top * TwipsPerPixel(dpi_.y); }
double MainFormWindow::Width() {
  const RECT r = WindowRect();
  return (r.right - r.left) * TwipsPerPixel(dpi_.x);
}
double MainFormWindow::Height() {
  const RECT r = WindowRect();
  return (r.bottom - r.top) * TwipsPerPixel(dpi_.y);
}

void MainFormWindow::PlacePixels(const Rect& r) { PlaceAt(RECT{r.left, r.top, r.right, r.bottom}); }

void MainFormWindow::PlaceAt(const RECT& rect) {
  pending_place_ = rect;
  if (::IsWindowVisible(hwnd_)) ApplyPendingPlace();
}

void MainFormWindow::ApplyPendingPlace() {
  if (!pending_place_) return;
  const RECT r = *pending_place_;
  pending_place_.reset();
  ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Twips become pixels by the same rule everywhere: 4000 twips at 15 per pixel are 266 pixels.
void MainFormWindow::SetLeft(double twips) {
  RECT r = WindowRect();
  ::OffsetRect(&r, WindowPixels(twips, TwipsPerPixel(dpi_.x)) - r.left, 0);
  PlaceAt(r);
}
void MainFormWindow::SetTop(double twips) {
  RECT r = WindowRect();
  ::OffsetRect(&r, 0, WindowPixels(twips, TwipsPerPixel(dpi_.y)) - r.top);
  PlaceAt(r);
}
void MainFormWindow::SetWidth(double twips) {
  RECT r = WindowRect();
  r.right = r.left + WindowPixels(twips, TwipsPerPixel(dpi_.x));
  PlaceAt(r);
}
void MainFormWindow::SetHeight(double twips) {
  RECT r = WindowRect();
  r.bottom = r.top + WindowPixels(twips, TwipsPerPixel(dpi_.y));
  PlaceAt(r);
}

double MainFormWindow::ScreenWidthTwips() { return ::GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixel(dpi_.x); }
double MainFormWindow::ScreenHeightTwips() { return ::GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixel(dpi_.y); }

}  // namespace modlatch::win32
