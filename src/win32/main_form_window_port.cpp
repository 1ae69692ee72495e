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

void MainFormWindow::PreventActivation() {
  win32::PreventActivation(hwnd_);
  // Showing the window at start-up took the foreground: hand it back.
  if (::GetForegroundWindow() == hwnd_ && foreground_before_ && ::IsWindow(foreground_before_)) {
    ::SetForegroundWindow(foreground_before_);
  }
}
void MainFormWindow::AllowActivation() { win32::AllowActivation(hwnd_); }
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

PlaceFactors MainFormWindow::FactorsAt(const RECT& rect) {
  return MainWindowFactors(platform_.windows, rect.left, rect.top);
}

// Read and set at the same factors, so a saved window comes back exactly.
double MainFormWindow::Left() {
  const RECT r = WindowRect();
  return r.left * FactorsAt(r).left;
}
double MainFormWindow::Top() {
  const RECT r = WindowRect();
  return r.top * FactorsAt(r).top;
}
double MainFormWindow::Width() {
  const RECT r = WindowRect();
  return (r.right - r.left) * FactorsAt(r).width;
}
double MainFormWindow::Height() {
  const RECT r = WindowRect();
  return (r.bottom - r.top) * FactorsAt(r).height;
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
  moving_to_ = r;
  ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  moving_to_.reset();
}

// Twips become pixels by the same rule everywhere: 4000 twips at 15 per pixel are 266 pixels.
void MainFormWindow::SetLeft(double twips) {
  const RECT r = WindowRect();
  MoveTo(r, WindowPixels(twips, FactorsAt(r).left), r.top);
}
void MainFormWindow::SetTop(double twips) {
  const RECT r = WindowRect();
  MoveTo(r, r.left, WindowPixels(twips, FactorsAt(r).top));
}

void MainFormWindow::MoveTo(const RECT& r, LONG left, LONG top) {
  const Rect moved = MovedMainWindow(platform_.windows, Rect{r.left, r.top, r.right, r.bottom}, left, top);
  PlaceAt(RECT{moved.left, moved.top, moved.right, moved.bottom});
}
void MainFormWindow::SetWidth(double twips) {
  RECT r = WindowRect();
  r.right = r.left + WindowPixels(twips, FactorsAt(r).width);
  PlaceAt(r);
}
void MainFormWindow::SetHeight(double twips) {
  RECT r = WindowRect();
  r.bottom = r.top + WindowPixels(twips, FactorsAt(r).height);
  PlaceAt(r);
}

// The screen's extent places the window, so it converts at the place's factor.
double MainFormWindow::ScreenWidthTwips() {
  return ::GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixel(platform_.windows.SystemDpi().x);
}
double MainFormWindow::ScreenHeightTwips() {
  return ::GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixel(platform_.windows.SystemDpi().y);
}

}  // namespace modlatch::win32
