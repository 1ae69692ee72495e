#include "win32/help_window.h"

#include <algorithm>

#include "form/texts.h"
#include "mainwindow/twips.h"
#include "win32/dpi.h"
#include "win32/win32_system.h"
#include "resource_ids.h"

namespace modlatch::win32 {
namespace {

constexpr wchar_t kHelpClass[] = L"ModLatchHelp";
constexpr int kListId = 100;
constexpr int kTextId = 101;
constexpr int kMargin = 6;
constexpr int kListWidth = 190;
constexpr SIZE kInitialSize{720, 480};
constexpr SIZE kSmallestSize{320, 200};  // sizes above are 96-DPI pixels

// The edit control breaks lines only at CR LF.
Text WithCrLf(const Text& text) {
  Text out;
  out.reserve(text.size() + text.size() / 16);
  for (char16_t c : text) {
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

}  // namespace

void HelpWindow::Close() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

HelpWindow::~HelpWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

void HelpWindow::Show(HINSTANCE instance, const std::vector<HelpTopic>& topics, Language language) {
  topics_ = topics;
  title_ = UiText(language, TextId::kHelpTitle) + Text(u" - ");
  if (!hwnd_) Create(instance);
  ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  for (const HelpTopic& topic : topics_) {
    ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(topic.title)));
  }
  ShowTopic(0);
  ::ShowWindow(hwnd_, ::IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(hwnd_);
  ::SetFocus(list_);
}

bool HelpWindow::TranslateDialogMessage(MSG* message) {
  return hwnd_ && ::IsDialogMessageW(hwnd_, message);
}

void HelpWindow::Create(HINSTANCE instance) {
  WNDCLASSEXW window{};
  window.cbSize = sizeof window;
  window.lpfnWndProc = Proc;
  window.hInstance = instance;
  window.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  window.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  window.lpszClassName = kHelpClass;
  ::RegisterClassExW(&window);

  dpi_ = DpiOfWindow(nullptr).y;
  font_.reset(CreateMessageFont(dpi_));

  // At a high DPI the scaled size may exceed a small screen; it never starts larger than the work area.
  RECT area{0, 0, ScaleForDpi(kInitialSize.cx, dpi_), ScaleForDpi(kInitialSize.cy, dpi_)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const int width = std::min<int>(ScaleForDpi(kInitialSize.cx, dpi_), area.right - area.left);
  const int height = std::min<int>(ScaleForDpi(kInitialSize.cy, dpi_), area.bottom - area.top);
  // Unowned, so it stays when the main window hides in the tray modes.
  hwnd_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kHelpClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr, nullptr, instance, this);
  list_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                            0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  text_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                ES_AUTOVSCROLL,
                            0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextId)), instance,
                            nullptr);
  for (HWND child : {list_, text_}) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font_)), FALSE);
  Layout();
}

void HelpWindow::ShowTopic(int index) {
  if (index < 0 || index >= static_cast<int>(topics_.size())) return;
  ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SetWindowTextW(text_, Wide(WithCrLf(topics_[index].body)));
  ::SetWindowTextW(hwnd_, Wide(title_ + topics_[index].title));
}

void HelpWindow::Layout() {
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const int margin = ScaleForDpi(kMargin, dpi_);
  const int height = std::max<int>(0, client.bottom - 2 * margin);
  const int list_width = std::min<int>(ScaleForDpi(kListWidth, dpi_), (client.right - 3 * margin) / 3);
  ::MoveWindow(list_, margin, margin, list_width, height, TRUE);
  const int text_left = 2 * margin + list_width;
  ::MoveWindow(text_, text_left, margin, std::max<int>(0, client.right - margin - text_left), height, TRUE);
}

LRESULT CALLBACK HelpWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HelpWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr || self->text_ == nullptr) return ::DefWindowProcW(hwnd, message, wparam, lparam);
  return self->OnMessage(message, wparam, lparam);
}

LRESULT HelpWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize =
          POINT{ScaleForDpi(kSmallestSize.cx, dpi_), ScaleForDpi(kSmallestSize.cy, dpi_)};
      return 0;
    case kDpiChanged: {
      dpi_ = HIWORD(wparam);
      HFONT fresh = CreateMessageFont(dpi_);
      for (HWND child : {list_, text_}) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fresh), TRUE);
      font_.reset(fresh);  // the children no longer use the old one
      const RECT* r = reinterpret_cast<const RECT*>(lparam);
      ::SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == kListId && HIWORD(wparam) == LBN_SELCHANGE) {
        ShowTopic(static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)));
      } else if (LOWORD(wparam) == IDCANCEL) {
        ::DestroyWindow(hwnd_);
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // The read-only text reads better on the window colour than greyed.
      if (reinterpret_cast<HWND>(lparam) == text_) {
        ::SetBkColor(reinterpret_cast<HDC>(wparam), ::GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
      }
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
    case WM_NCDESTROY:
      hwnd_ = list_ = text_ = nullptr;
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

}  // namespace modlatch::win32
