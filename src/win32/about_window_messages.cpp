#include "win32/about_window.h"

#include "win32/dpi.h"
#include "win32/scoped_gdi.h"

// How the About window and its parts answer their messages, and how they paint.
namespace modlatch::win32 {
namespace {

int ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return mouse_button::kLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return mouse_button::kRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return mouse_button::kMiddle;
    default:
      return 0;
  }
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

bool IsButtonUp(UINT message) { return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP; }

// The window object, kept with each of its windows from their first message on.
AboutFormWindow* WindowObject(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<AboutFormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

// ---- messages ----

LRESULT CALLBACK AboutFormWindow::FormProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  AboutFormWindow* self = WindowObject(hwnd, message, lparam);
  if (self == nullptr || self->panel_ == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  return self->OnFormMessage(message, wparam, lparam);
}

LRESULT CALLBACK AboutFormWindow::PartProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  AboutFormWindow* self = WindowObject(hwnd, message, lparam);
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  return self->OnPartMessage(hwnd, message, wparam, lparam);
}

LRESULT AboutFormWindow::OnFormMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsButtonDown(message)) {
    OnAboutFrameMouseDown(form_, ButtonOf(message));
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      PaintSurface(AboutSurface::FormInfo);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      SurfaceOf(AboutSurface::FormInfo).Resize();
      return 0;
    case WM_CHAR:
      OnAboutKeyPress(form_, static_cast<int>(wparam));
      return 0;
    case kDpiChanged:
      Rescale(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_TIMER:
      if (wparam == kHoverTimer) OnAboutTick(form_);
      return 0;
    case WM_DESTROY:
      ::KillTimer(hwnd_, kHoverTimer);
      // Unowned, so it does not go with the window by itself.
      if (tooltip_) ::DestroyWindow(tooltip_);
      tooltip_ = nullptr;
      return 0;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      ReleaseResources();
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

LRESULT AboutFormWindow::OnPartMessage(HWND part, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CHAR) {
    OnAboutKeyPress(form_, static_cast<int>(wparam));
    return 0;
  }
  if (part == panel_) return OnPanelMessage(message, wparam, lparam);
  if (part == close_) return OnCloseButtonMessage(message, wparam, lparam);
  for (int i = 0; i < 2; ++i) {
    if (part == links_[i]) return OnLinkMessage(i, message, wparam, lparam);
  }
  return ::DefWindowProcW(part, message, wparam, lparam);
}

LRESULT AboutFormWindow::OnPanelMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      PaintPanel();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      const HWND control = reinterpret_cast<HWND>(lparam);
      ::SetBkMode(dc, TRANSPARENT);
      if (control == chara_icon_) return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
      for (int i = 0; i < about::kLabelCount; ++i) {
        if (control == labels_[i]) ::SetTextColor(dc, about::kLabels[i].color);
      }
      return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
    }
    default:
      return ::DefWindowProcW(panel_, message, wparam, lparam);
  }
}

LRESULT AboutFormWindow::OnLinkMessage(int index, UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsButtonDown(message)) {
    OnLinkMouseDown(form_, index, ButtonOf(message));
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      PaintSurface(index == 0 ? AboutSurface::WebInfo0 : AboutSurface::WebInfo1);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (link_cursor_[index] == nullptr) break;
      ::SetCursor(link_cursor_[index]);
      return TRUE;
    default:
      break;
  }
  return ::DefWindowProcW(links_[index], message, wparam, lparam);
}

LRESULT AboutFormWindow::OnCloseButtonMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsButtonDown(message)) {
    OnCloseButtonMouseDown(form_, ButtonOf(message));
    return 0;
  }
  if (IsButtonUp(message)) {
    RECT client{};
    ::GetClientRect(close_, &client);
    const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
    const bool was_held = ::GetCapture() == close_;
    OnCloseButtonMouseUp(form_, ButtonOf(message));
    // A click is a press and a release both on the button.
    if (was_held && ::PtInRect(&client, at)) OnCloseButtonClick(form_);
    return 0;
  }
  switch (message) {
    case WM_CAPTURECHANGED:
      OnCloseButtonCaptureLost(form_);
      return 0;
    case WM_PAINT:
      PaintSurface(AboutSurface::Picture2);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return ::DefWindowProcW(close_, message, wparam, lparam);
  }
}

void AboutFormWindow::PaintPanel() {
  const ScopedPaint dc(panel_);
  RECT client{};
  ::GetClientRect(panel_, &client);
  ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  const RECT shape = Pixels(about::kShape1);
  ::FillRect(dc, &shape, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  const ScopedSelect pen(dc, ::GetStockObject(BLACK_PEN));
  for (const about::TwipsLine& line : {about::kLine2, about::kLine3}) {
    const POINT from = Pixels(line.x1, line.y1);
    const POINT to = Pixels(line.x2, line.y2);
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, to.x + 1, to.y);  // the end point belongs to the line
  }
}

void AboutFormWindow::PaintSurface(AboutSurface surface) {
  HWND window = SurfaceHwnd(surface);
  const ScopedPaint dc(window);
  SurfaceOf(surface).Paint(dc, dc.Area());
  if (surface == AboutSurface::Picture2) {
    // The frame lines are the button's children: clearing the printed text never erases them.
    const ScopedGdiObject<HPEN> silver(::CreatePen(PS_SOLID, 1, about::kSilver));
    const ScopedSelect pen(dc, silver);
    for (const about::TwipsLine& line : about::kLine1) {
      const POINT from = Pixels(line.x1, line.y1);
      const POINT to = Pixels(line.x2, line.y2);
      ::MoveToEx(dc, from.x, from.y, nullptr);
      ::LineTo(dc, to.x + (to.x > from.x ? 1 : 0), to.y + (to.y > from.y ? 1 : 0));
    }
  }
}

HWND AboutFormWindow::SurfaceHwnd(AboutSurface surface) const {
  switch (surface) {
    case AboutSurface::FormInfo:
      return hwnd_;
    case AboutSurface::WebInfo0:
      return links_[0];
    case AboutSurface::WebInfo1:
      return links_[1];
    case AboutSurface::Picture2:
      return close_;
  }
  return nullptr;
}

}  // namespace modlatch::win32
