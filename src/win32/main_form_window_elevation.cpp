#include "win32/main_form_window.h"

#include <commctrl.h>

#include "mainwindow/twips.h"
#include "win32/tooltips.h"

// What the floating window shows about administrator rights: the notice at a button, the mark.
namespace modlatch::win32 {
namespace {

constexpr UINT kKeyBalloonMs = 8000;
constexpr int kKeyBalloonWidth = 320;  // at 96 DPI; the notice wraps to a few lines

TTTOOLINFOW KeyBalloonTool(HWND owner) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner;
  tool.uId = 1;
  return tool;
}

}  // namespace

// A tracked tip shows where it is put, whatever the pointer does, and never activates; it is
// made with the first notice, so a run without one loads no common controls for it.
void MainFormWindow::ShowKeyBalloon(Modifier key, const Text& title, const Text& text) {
  HWND button = check_[IndexOf(key)];
  if (!button) return;
  if (!key_balloon_) {
    key_balloon_ = CreateTooltipControl(TTS_BALLOON);
    TTTOOLINFOW tool = KeyBalloonTool(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(L"");
    if (key_balloon_) ::SendMessageW(key_balloon_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  if (!key_balloon_) return;
  TTTOOLINFOW tool = KeyBalloonTool(hwnd_);
  tool.lpszText = const_cast<wchar_t*>(Wide(text));
  ::SendMessageW(key_balloon_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageW(key_balloon_, TTM_SETMAXTIPWIDTH, 0, ScaleForDpi(kKeyBalloonWidth, dpi_.x));
  ::SendMessageW(key_balloon_, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(Wide(title)));
  // The stem points at the middle of the button's lower edge.
  RECT r{};
  ::GetWindowRect(button, &r);
  ::SendMessageW(key_balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom));
  ::SendMessageW(key_balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  ::SetTimer(hwnd_, kKeyBalloonTimer, kKeyBalloonMs, nullptr);
}

void MainFormWindow::HideKeyBalloon() {
  if (!key_balloon_) return;
  ::KillTimer(hwnd_, kKeyBalloonTimer);
  TTTOOLINFOW tool = KeyBalloonTool(hwnd_);
  ::SendMessageW(key_balloon_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void MainFormWindow::MarkStrip(const Text& mark) {
  strip_mark_ = mark;
  ::SetWindowTextW(strip_, Wide(kStripName + mark));
  if (tooltip_) UpdateStripTooltip();
}

}  // namespace modlatch::win32
