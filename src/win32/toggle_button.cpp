#include "win32/toggle_button.h"

#include "mainwindow/twips.h"
#include "win32/dpi.h"
#include "win32/scoped_gdi.h"

namespace modlatch::win32 {
namespace {

constexpr UINT kPressEnded = WM_APP + 1;
constexpr wchar_t kStateProperty[] = L"ModLatchToggleState";

struct ToggleState {
  int index;
  ToggleEvents* events;
  WNDPROC button_procedure = nullptr;
  ColorValue back = -1;
  ColorValue fore = -1;
  bool locked = false;
};

ToggleState* StateOf(HWND button) { return static_cast<ToggleState*>(::GetPropW(button, kStateProperty)); }

LRESULT CallButton(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::CallWindowProcW(StateOf(button)->button_procedure, button, message, wparam, lparam);
}

COLORREF ColorOr(ColorValue value, int system_color) {
  return value >= 0 ? static_cast<COLORREF>(value) : ::GetSysColor(system_color);
}

// The classic look of a checked push-like button: face and highlight in a fine checkerboard.
HBRUSH CreateCheckedBrush() {
  static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const ScopedGdiObject<HBITMAP> bitmap(::CreateBitmap(8, 8, 1, 1, kPattern));
  return ::CreatePatternBrush(bitmap);
}

void PaintFace(HDC dc, const RECT& face, const ToggleState& state, bool checked_look, bool contrast) {
  if (checked_look && contrast) {
    // A latched key in the scheme's own highlight, as the user chose it.
    ::FillRect(dc, &face, ::GetSysColorBrush(COLOR_HIGHLIGHT));
  } else if (checked_look) {
    const ScopedGdiObject<HBRUSH> brush(CreateCheckedBrush());
    ::SetTextColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_3DFACE));
    ::FillRect(dc, &face, brush);
  } else {
    const ScopedGdiObject<HBRUSH> brush(::CreateSolidBrush(ColorOr(state.back, COLOR_3DFACE)));
    ::FillRect(dc, &face, brush);
  }
}

// A padlock in the text colour at the right end of the face: the key stays down until clicked.
// Drawn on a 96-DPI grid of 10 x 13 pixels, scaled to the button's DPI.
void PaintLockMark(HDC dc, const RECT& face, COLORREF color, int dpi) {
  const auto u = [dpi](int n) { return ScaleForDpi(n, dpi); };
  const int x = face.right - u(14);
  const int top = face.top + (face.bottom - face.top - u(13)) / 2 + 1;
  const RECT parts[] = {
      {x, top + u(5), x + u(10), top + u(13)},      // body
      {x + u(1), top + u(1), x + u(3), top + u(5)},  // shackle, left
      {x + u(7), top + u(1), x + u(9), top + u(5)},  // shackle, right
      {x + u(2), top, x + u(8), top + u(2)},         // shackle, top
  };
  const ScopedGdiObject<HBRUSH> brush(::CreateSolidBrush(color));
  for (const RECT& part : parts) ::FillRect(dc, &part, brush);
}

void Paint(HWND button, const ToggleState& state, HDC dc) {
  RECT rect;
  ::GetClientRect(button, &rect);
  const LRESULT button_state = ::SendMessageW(button, BM_GETSTATE, 0, 0);
  const bool pushed = (button_state & BST_PUSHED) != 0;
  const bool checked = (button_state & BST_CHECKED) != 0;
  const bool sunken = pushed || checked;

  RECT face = rect;
  ::InflateRect(&face, -2, -2);
  const bool checked_look = checked && !pushed && state.back < 0;
  const bool contrast = checked_look && HighContrast();
  PaintFace(dc, face, state, checked_look, contrast);
  ::DrawEdge(dc, &rect, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  wchar_t caption[128];
  const int length = ::GetWindowTextW(button, caption, 128);
  {
    const ScopedSelect font(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(button, WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    const int text_color = contrast ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
    ::SetTextColor(dc, ::IsWindowEnabled(button) ? ColorOr(state.fore, text_color) : ::GetSysColor(COLOR_GRAYTEXT));
    RECT text = face;
    if (sunken) ::OffsetRect(&text, 1, 1);
    ::DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (state.locked) {
    PaintLockMark(dc, face, ColorOr(state.fore, contrast ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT), DpiOfWindow(button).y);
  }

  if (::GetFocus() == button) {
    RECT focus = face;
    ::InflateRect(&focus, -1, -1);
    ::DrawFocusRect(dc, &focus);
  }
}

// Messages on which the button draws itself directly, bypassing WM_PAINT.
bool DrawsDirectly(UINT message) {
  switch (message) {
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
      return true;
    default:
      return false;
  }
}

// Lets the button do its work with drawing suppressed, then repaints it our way.
LRESULT DefaultWithoutDrawing(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  const bool was_visible = (::GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE) != 0;
  if (was_visible) CallButton(button, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = CallButton(button, message, wparam, lparam);
  if (was_visible && ::IsWindow(button)) {
    CallButton(button, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(button, nullptr, FALSE);
  }
  return result;
}

LRESULT CALLBACK ToggleProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  ToggleState* state = StateOf(button);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(button, &ps);
      Paint(button, *state, dc);
      ::EndPaint(button, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      state->events->OnToggleMouseDown(state->index, MouseButton::Left);
      break;
    case WM_RBUTTONDOWN:
      state->events->OnToggleMouseDown(state->index, MouseButton::Right);
      return 0;
    case WM_MBUTTONDOWN:
      state->events->OnToggleMouseDown(state->index, MouseButton::Middle);
      break;
    case WM_KEYDOWN:
      // Bit 30: the key was already down, an auto-repeat.
      state->events->OnToggleKeyDown(state->index, static_cast<int>(wparam), (lparam & (1 << 30)) != 0);
      break;
    case kPressEnded:
      state->events->OnTogglePressEnded();
      return 0;
    case WM_NCDESTROY: {
      const WNDPROC button_procedure = state->button_procedure;
      ::SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(button_procedure));
      ::RemovePropW(button, kStateProperty);
      delete state;
      return ::CallWindowProcW(button_procedure, button, message, wparam, lparam);
    }
    default:
      break;
  }
  if (message == WM_LBUTTONUP || message == WM_CAPTURECHANGED) {
    // Posted, so that it runs after the click the release may raise.
    const LRESULT result = DefaultWithoutDrawing(button, message, wparam, lparam);
    ::PostMessageW(button, kPressEnded, 0, 0);
    return result;
  }
  if (DrawsDirectly(message)) return DefaultWithoutDrawing(button, message, wparam, lparam);
  return CallButton(button, message, wparam, lparam);
}

}  // namespace

HWND CreateToggleButton(HWND parent, int id, int index, const wchar_t* caption, const RECT& bounds,
                        ToggleEvents& events) {
  HWND button = ::CreateWindowExW(0, L"BUTTON", caption,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE, bounds.left,
                                  bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                  nullptr);
  auto* state = new ToggleState{index, &events};
  ::SetPropW(button, kStateProperty, state);
  state->button_procedure =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToggleProc)));
  return button;
}

void SetToggleBackColor(HWND button, ColorValue color) {
  if (ToggleState* state = StateOf(button)) state->back = color;
  ::InvalidateRect(button, nullptr, FALSE);
}

void SetToggleLocked(HWND button, bool locked) {
  ToggleState* state = StateOf(button);
  if (!state || state->locked == locked) return;
  state->locked = locked;
  ::InvalidateRect(button, nullptr, FALSE);
}

void SetToggleForeColor(HWND button, ColorValue color) {
  if (ToggleState* state = StateOf(button)) state->fore = color;
  ::InvalidateRect(button, nullptr, FALSE);
}

}  // namespace modlatch::win32
