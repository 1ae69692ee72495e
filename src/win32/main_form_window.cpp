#include "win32/main_form_window.h"

#include <commctrl.h>

#include "latch/display_modes.h"
#include "latch/one_shot.h"
#include "latch/toggle_buttons.h"
#include "mainwindow/placement.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_design.h"
#include "mainwindow/work_area.h"
#include "win32/dpi.h"
#include "win32/elevation.h"
#include "win32/no_activate.h"
#include "win32/scoped_gdi.h"
#include "win32/session_notifications.h"
#include "win32/tooltips.h"
#include "win32/tray_pictures.h"
#include "win32/tray_record.h"
#include "resource_ids.h"
#include "tray/tray_icons.h"

namespace modlatch::win32 {
namespace {

constexpr wchar_t kPictureClass[] = L"ModLatchPicture";
constexpr int kCheck1Id = 1000;  // + ModifierIndex for CTRL and SHIFT
constexpr int kStripId = 1002;
constexpr int kCommand1Id = 1003;
constexpr int kAltWinCheckId = 1004;  // + ModifierIndex - 2 for ALT and WIN
constexpr int kHolderId = 1010;  // + index
constexpr int kCloseGlyphSize = 8;  // at 96 DPI

HMENU ControlId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

int ToggleId(int index) { return index < 2 ? kCheck1Id + index : kAltWinCheckId + index - 2; }

// The ModifierIndex of a toggle button's id, or -1.
int ToggleIndexOf(int id) {
  for (int index = 0; index < 4; ++index) {
    if (ToggleId(index) == id) return index;
  }
  return -1;
}

}  // namespace

MainFormWindow::MainFormWindow(System& system, Win32AppFiles& files, Win32InputHooks& hooks, Shell& shell,
                               Dialogs& dialogs, Elevation& elevation, StartupEntry& startup)
    : platform_{system, system, *this, *this, *this, *this, *this, system, files, hooks, shell, dialogs,
                elevation, *this, startup},
      form_(platform_) {}

void MainFormWindow::Create(HINSTANCE instance, UINT second_start) {
  instance_ = instance;
  second_start_ = second_start;
  foreground_before_ = ::GetForegroundWindow();
  dpi_ = DpiOfWindow(nullptr);

  RegisterClasses(instance);
  RECT client = Pixels(0, 0, design::kClientWidth, design::kClientHeight);
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  ::AdjustWindowRectEx(&client, style, FALSE, WS_EX_TOOLWINDOW);
  hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kMainWindowClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            client.right - client.left, client.bottom - client.top, nullptr, nullptr, instance, this);
  // The window lies on some monitor now; its controls are made for that monitor's DPI.
  dpi_ = DpiOfWindow(hwnd_);
  taskbar_created_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  AcceptFromLowerLevels(hwnd_, {taskbar_created_, second_start_});
  // The tray shows its pictures at the system's DPI, whatever monitor the window is on.
  tray_picture_size_ = SmallIconSize(SystemDpi());
  CreateControls(instance);
  CreatePopupMenuItems();
  RegisterSessionNotifications(hwnd_);
  controls_created_ = true;
}

void MainFormWindow::RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXW main{};
  main.cbSize = sizeof main;
  main.lpfnWndProc = MainProc;
  main.hInstance = instance;
  main.hIcon = LoadIconResource(instance, IDI_APP, 32);
  main.hIconSm = LoadIconResource(instance, IDI_APP, 16);
  main.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  main.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  main.lpszClassName = kMainWindowClass;
  ::RegisterClassExW(&main);

  WNDCLASSEXW picture{};
  picture.cbSize = sizeof picture;
  picture.lpfnWndProc = PictureProc;
  picture.hInstance = instance;
  picture.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  picture.lpszClassName = kPictureClass;
  ::RegisterClassExW(&picture);
}

RECT MainFormWindow::Pixels(int left, int top, int width, int height) const {
  const double x_factor = TwipsPerPixel(dpi_.x);
  const double y_factor = TwipsPerPixel(dpi_.y);
  const int x = WindowPixels(left, x_factor);
  const int y = WindowPixels(top, y_factor);
  return RECT{x, y, x + WindowPixels(width, x_factor), y + WindowPixels(height, y_factor)};
}

void MainFormWindow::CreateControls(HINSTANCE instance) {
  font_.reset(CreateMessageFont(dpi_.y));

  const auto& c0 = design::kCheck1_0;
  check_[0] = CreateToggleButton(hwnd_, kCheck1Id, 0, Wide(design::kCtrlCaption),
                                 Pixels(c0.left, c0.top, c0.width, c0.height), *this);
  const auto& p4 = design::kPicture4;
  const RECT strip = Pixels(p4.left, p4.top, p4.width, p4.height);
  strip_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPictureClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                             strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, hwnd_,
                             ControlId(kStripId), instance, this);
  const auto& b = design::kCommand1;
  const RECT close = Pixels(b.left, b.top, b.width, b.height);
  // BS_ICON shows the picture only; the text is the button's name for screen readers.
  close_button_ = ::CreateWindowExW(0, L"BUTTON", Wide(UiText(form_.UiLanguage, TextId::kCloseName)), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON,
                                    close.left, close.top, close.right - close.left, close.bottom - close.top, strip_,
                                    ControlId(kCommand1Id), instance, nullptr);
  ::SetWindowTextW(strip_, Wide(kStripName));
  const auto& c1 = design::kCheck1_1;
  check_[1] = CreateToggleButton(hwnd_, kCheck1Id + 1, 1, Wide(design::kShiftCaption),
                                 Pixels(c1.left, c1.top, c1.width, c1.height), *this);
  for (int i : {1, 0}) holder_[i] = CreateHolder(i);
  // Keyboard order: CTRL, SHIFT, then the strip with its close button.
  ::SetWindowPos(check_[1], check_[0], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetCloseGlyph();
  for (HWND button : {check_[0], check_[1]}) {
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font_)), FALSE);
  }
}

void MainFormWindow::SetCloseGlyph() {
  close_glyph_.reset(CreateCloseGlyph(::GetModuleHandleW(nullptr), ScaleForDpi(kCloseGlyphSize, dpi_.y)));
  ::SendMessageW(close_button_, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(close_glyph_.get()));
}

void MainFormWindow::RecreateFonts() {
  HFONT fresh = CreateMessageFont(dpi_.y);
  for (HWND button : check_) {
    if (button) ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(fresh), TRUE);
  }
  font_.reset(fresh);  // the buttons no longer use the old one
  SetCloseGlyph();
}

// Hidden, like the holders of the design. ALT's and WIN's go two holder pitches (480 twips
// each) right of CTRL's and SHIFT's, so the four stand in one row in key order.
HWND MainFormWindow::CreateHolder(int index) {
  const auto& h = design::kPicture1[index % 2];
  const RECT r = Pixels(h.left + (index / 2) * 960, h.top, h.width, h.height);
  return ::CreateWindowExW(0, kPictureClass, L"", WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
                           ControlId(kHolderId + index), instance_, this);
}

void MainFormWindow::AddModifierControls(Modifier key) {
  const int index = IndexOf(key);
  if ((key != Modifier::Alt && key != Modifier::Win) || check_[index]) return;
  // Placed right of CTRL for now; the float layout gives it its share of the row.
  RECT ctrl{};
  ::GetWindowRect(check_[0], &ctrl);
  ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&ctrl), 2);
  const RECT bounds{ctrl.right - 1, ctrl.top, 2 * ctrl.right - ctrl.left - 1, ctrl.bottom};
  check_[index] = CreateToggleButton(hwnd_, ToggleId(index), index,
                                     Wide(index == 2 ? design::kAltCaption : design::kWinCaption), bounds, *this);
  ::SendMessageW(check_[index], WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font_)), FALSE);
  // Keyboard order: CTRL, SHIFT, ALT, WIN, then the strip.
  ::SetWindowPos(check_[index], check_[index - 1] ? check_[index - 1] : check_[1], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  holder_[index] = CreateHolder(index);
}

void MainFormWindow::RemoveModifierControls(Modifier key) {
  const int index = IndexOf(key);
  if ((key != Modifier::Alt && key != Modifier::Win) || !check_[index]) return;
  ::DestroyWindow(check_[index]);
  ::DestroyWindow(holder_[index]);
  check_[index] = nullptr;
  holder_[index] = nullptr;
}

// The tip is made when the pointer first reaches the strip, so start-up needs no common controls.
void MainFormWindow::CreateStripTooltip() {
  tooltip_ = CreateTooltipControl();
  if (tooltip_) AddTooltipTool(tooltip_, hwnd_, strip_, Wide(strip_tip_ + strip_mark_));
}

// ---- messages ----

LRESULT CALLBACK MainFormWindow::MainProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainFormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainFormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr || !self->controls_created_) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  return self->OnMainMessage(message, wparam, lparam);
}

LRESULT MainFormWindow::OnMainMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == taskbar_created_) {
    OnTaskbarCreated(form_);
    return 0;
  }
  if (message == second_start_ && second_start_ != 0) {
    OnSecondStart(form_);
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wparam == kPollTimer) OnTick(form_);
      if (wparam == kKeyBalloonTimer) HideKeyBalloon();
      return 0;
    case WM_GETMINMAXINFO:
    case WM_MOVING:
      return OnSizeLimitMessage(message, wparam, lparam);
    case WM_SIZE:
      OnResize(form_);
      return 0;
    case kDpiChanged: {
      dpi_ = Dpi{LOWORD(wparam), HIWORD(wparam)};
      // A move of ours already sized the window for the monitor it goes to.
      const RECT outer = moving_to_ ? *moving_to_ : *reinterpret_cast<const RECT*>(lparam);
      OnDpiChanged(form_, Rect{outer.left, outer.top, outer.right, outer.bottom});
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && ToggleIndexOf(LOWORD(wparam)) >= 0) {
        ToggleClickStep(form_, ModifierAt(ToggleIndexOf(LOWORD(wparam))));
      }
      return 0;
    case WM_CLOSE:
      OnClose(form_);
      return 0;
    case WM_ACTIVATE:
      ColorCaptionStrip(form_, LOWORD(wparam) != WA_INACTIVE);
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_WTSSESSION_CHANGE:
      OnSessionEvent(form_, SessionEventOf(wparam));
      return 0;
    case WM_POWERBROADCAST:
      OnSessionEvent(form_, PowerEventOf(wparam));
      return TRUE;
    case WM_MOUSEACTIVATE:
      if (ActivationPrevented(hwnd_)) return MA_NOACTIVATE;
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_NCLBUTTONDOWN:
      // The default handling activates the window before it lets the caption drag begin.
      if (wparam == HTCAPTION && ActivationPrevented(hwnd_)) {
        ::SendMessageW(hwnd_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lparam);
        return 0;
      }
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_WINDOWPOSCHANGING:
      // Wine's move loop places the window without SWP_NOACTIVATE.
      if (ActivationPrevented(hwnd_)) reinterpret_cast<WINDOWPOS*>(lparam)->flags |= SWP_NOACTIVATE;
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case kReleaseLatchesMessage:
      ReleaseUsedLatches(form_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends after this returns; the keys must be up before that.
      if (wparam) OnClose(form_);
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

// While limits are set, the sizes the user may drag to and the place a drag may reach.
LRESULT MainFormWindow::OnSizeLimitMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (size_limits_ && message == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
    info->ptMinTrackSize = POINT{size_limits_->min_width, size_limits_->min_height};
    info->ptMaxTrackSize = POINT{size_limits_->max_width, size_limits_->max_height};
    return 0;
  }
  if (size_limits_ && message == WM_MOVING) {
    auto* r = reinterpret_cast<RECT*>(lparam);
    const Rect kept = ClampIntoArea(Rect{r->left, r->top, r->right, r->bottom}, GetWorkArea(platform_.windows));
    *r = RECT{kept.left, kept.top, kept.right, kept.bottom};
  }
  return ::DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK MainFormWindow::PictureProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainFormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainFormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr || !self->controls_created_) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  return self->OnPictureMessage(hwnd, message, wparam, lparam);
}

LRESULT MainFormWindow::OnPictureMessage(HWND picture, UINT message, WPARAM wparam, LPARAM lparam) {
  for (int i = 0; i < 4; ++i) {
    if (holder_[i] && picture == holder_[i] && message == kTrayCallback) {
      if (const std::optional<TrayMouse> mouse = TrayMouseOf(LOWORD(lparam))) {
        OnTrayButton(form_, ModifierAt(i), mouse->button, mouse->down);
      }
      return 0;
    }
  }
  if (picture != strip_) return ::DefWindowProcW(picture, message, wparam, lparam);
  switch (message) {
    case WM_PAINT: {
      const ScopedPaint dc(picture);
      ::FillRect(dc, &dc.Area(), ::GetSysColorBrush(strip_color_));
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (!tooltip_) {
        CreateStripTooltip();
        // The tip subclasses the strip from now on; hand it this first move itself.
        MSG move{};
        move.hwnd = picture;
        move.message = message;
        move.wParam = wparam;
        move.lParam = lparam;
        if (tooltip_) ::SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
      }
      return 0;
    case WM_LBUTTONDOWN:
      // The tip would otherwise stay behind where the drag began.
      if (tooltip_) ::SendMessageW(tooltip_, TTM_POP, 0, 0);
      OnCaptionStripMouseDown(form_, MouseButton::Left);
      return 0;
    case WM_RBUTTONDOWN:
      OnCaptionStripMouseDown(form_, MouseButton::Right);
      return 0;
    case WM_MBUTTONDOWN:
      OnCaptionStripMouseDown(form_, MouseButton::Middle);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == kCommand1Id && HIWORD(wparam) == BN_CLICKED) CloseProgram(form_);
      return 0;
    default:
      return ::DefWindowProcW(picture, message, wparam, lparam);
  }
}

void MainFormWindow::OnToggleMouseDown(int index, MouseButton button) {
  modlatch::OnToggleMouseDown(form_, ModifierAt(index), button);
}

void MainFormWindow::OnToggleKeyDown(int index, int key_code, bool repeated) {
  modlatch::OnToggleKeyDown(form_, ModifierAt(index), key_code, repeated);
}

void MainFormWindow::OnTogglePressEnded() { modlatch::OnTogglePressEnded(form_); }

}  // namespace modlatch::win32
