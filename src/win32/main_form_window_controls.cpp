#include "win32/main_form_window.h"

#include <commctrl.h>

#include "mainwindow/window_design.h"
#include "win32/no_activate.h"
#include "win32/popup_menu.h"
#include "win32/tray_pictures.h"

// What the logic asks of the main window's controls, its popup menu, its polling timer and its
// tray icons.
namespace modlatch::win32 {

// Named now so that no item is ever blank; the load names them again (ShowLanguage), as a
// change of language does.
void MainFormWindow::CreatePopupMenuItems() {
  menu_ = ::CreatePopupMenu();
  for (const design::MenuEntry& entry : design::kPopupMenu) {
    if (design::IsSeparator(entry)) {
      ::AppendMenuW(menu_, MF_SEPARATOR, MenuId(entry.item), nullptr);
    } else {
      ::AppendMenuW(menu_, MF_STRING, MenuId(entry.item), Wide(UiText(form_.UiLanguage, entry.caption)));
    }
    if (entry.item == design::kOptionsAfter) AppendOptionsMenu();
  }
}

// The submenu belongs to the menu and goes with it; its items' check marks are found by command.
void MainFormWindow::AppendOptionsMenu() {
  options_ = ::CreatePopupMenu();
  for (const design::MenuEntry& entry : design::kOptionMenuItems) {
    ::AppendMenuW(options_, MF_STRING, MenuId(entry.item), Wide(UiText(form_.UiLanguage, entry.caption)));
  }
  const design::MenuEntry& sign_in = design::kSignInStartMenuItem;
  ::AppendMenuW(options_, MF_STRING, MenuId(sign_in.item), Wide(UiText(form_.UiLanguage, sign_in.caption)));
  ::AppendMenuW(options_, MF_SEPARATOR, 0, nullptr);
  for (const design::LanguageEntry& entry : design::kLanguageMenuItems) {
    MENUITEMINFOW radio{};
    radio.cbSize = sizeof radio;
    radio.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    radio.fType = MFT_STRING | MFT_RADIOCHECK;
    radio.wID = MenuId(entry.item);
    radio.dwTypeData = const_cast<wchar_t*>(Wide(UiText(entry.language, entry.caption)));
    ::InsertMenuItemW(options_, ::GetMenuItemCount(options_), TRUE, &radio);
  }
  ::AppendMenuW(options_, MF_SEPARATOR, 0, nullptr);
  const design::MenuEntry& restart = design::kRestartAdminMenuItem;
  ::AppendMenuW(options_, MF_STRING, MenuId(restart.item), Wide(UiText(form_.UiLanguage, restart.caption)));
  ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(options_),
                Wide(UiText(form_.UiLanguage, design::kOptionsMenu.caption)));
}

// ---- Controls ----

bool MainFormWindow::ToggleValue(Modifier key) {
  return ::SendMessageW(check_[IndexOf(key)], BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainFormWindow::SetToggleValue(Modifier key, bool down) {
  ::SendMessageW(check_[IndexOf(key)], BM_SETCHECK, down ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainFormWindow::SetToggleBackColor(Modifier key, ColorValue color) {
  win32::SetToggleBackColor(check_[IndexOf(key)], color);
}
void MainFormWindow::SetToggleForeColor(Modifier key, ColorValue color) {
  win32::SetToggleForeColor(check_[IndexOf(key)], color);
}
void MainFormWindow::SetToggleCaption(Modifier key, const Text& caption) {
  ::SetWindowTextW(check_[IndexOf(key)], Wide(caption));
}
void MainFormWindow::SetToggleLocked(Modifier key, bool locked) { win32::SetToggleLocked(check_[IndexOf(key)], locked); }

void MainFormWindow::ShowStripActive(bool active) {
  // Showing the window and each activation set it; repainted only when it changes.
  const int color = active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION;
  if (color == strip_color_) return;
  strip_color_ = color;
  ::InvalidateRect(strip_, nullptr, FALSE);
}

void MainFormWindow::SetStripTooltip(const Text& text) {
  strip_tip_ = text;
  if (tooltip_) UpdateStripTooltip();
}

void MainFormWindow::SetCloseName(const Text& name) { ::SetWindowTextW(close_button_, Wide(name)); }

void MainFormWindow::UpdateStripTooltip() {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(strip_);
  const Text text = strip_tip_ + strip_mark_;
  tool.lpszText = const_cast<wchar_t*>(Wide(text));
  ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

HWND MainFormWindow::ChildOf(Control control) const {
  switch (control) {
    case Control::Check1_0:
      return check_[0];
    case Control::Check1_1:
      return check_[1];
    case Control::Picture4:
      return strip_;
    case Control::Command1:
      return close_button_;
    case Control::Check1_2:
      return check_[2];
    case Control::Check1_3:
      return check_[3];
  }
  return nullptr;
}

Bounds MainFormWindow::GetBounds(Control control) {
  RECT r{};
  HWND child = ChildOf(control);
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MainFormWindow::SetBounds(Control control, const Bounds& b) {
  ::MoveWindow(ChildOf(control), b.left, b.top, b.width, b.height, TRUE);
}

ImageHandle MainFormWindow::CompactImage(int state) {
  if (!compact_[state]) {
    built_in_pictures_[state].reset(CreateCompactPicture(instance_, state, tray_picture_size_));
    compact_[state] = built_in_pictures_[state].get();
  }
  return reinterpret_cast<ImageHandle>(compact_[state]);
}

ImageHandle MainFormWindow::DoubleImage(int index) {
  if (!double_[index]) {
    ScopedIcon& picture = built_in_pictures_[compact_.size() + index];
    picture.reset(CreateDoublePicture(instance_, index, tray_picture_size_));
    double_[index] = picture.get();
  }
  return reinterpret_cast<ImageHandle>(double_[index]);
}

void MainFormWindow::LoadBankPicture(ImageBank bank, int index, const Text& path) {
  const int size = tray_picture_size_;
  HICON icon = static_cast<HICON>(::LoadImageW(nullptr, Wide(path), IMAGE_ICON, size, size, LR_LOADFROMFILE));
  // A directory, or a file that is not an icon: the built-in picture stays.
  if (!icon) return;
  const bool compact = bank == ImageBank::Picture2;
  file_pictures_[(compact ? 8 : 0) + index].reset(icon);
  if (compact) {
    compact_[index] = icon;
  } else {
    double_[index] = icon;
  }
}

// ---- Menu ----

void MainFormWindow::SetChecked(MenuItem item, bool checked) {
  ::CheckMenuItem(menu_, MenuId(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainFormWindow::SetEnabled(MenuItem item, bool enabled) {
  ::EnableMenuItem(menu_, MenuId(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Only the text changes, so a check mark and a radio item's kind stay. The submenu's own item
// carries no command: it is found by its submenu.
void MainFormWindow::SetCaption(MenuItem item, const Text& caption) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(Wide(caption));
  if (item != MenuItem::mOptions) {
    ::SetMenuItemInfoW(menu_, MenuId(item), FALSE, &info);
    return;
  }
  for (int position = 0; position < ::GetMenuItemCount(menu_); ++position) {
    if (::GetSubMenu(menu_, position) == options_) ::SetMenuItemInfoW(menu_, position, TRUE, &info);
  }
}

void MainFormWindow::AddLatchItem(MenuItem item, const Text& caption) {
  ::InsertMenuW(menu_, MenuId(MenuItem::mReset), MF_BYCOMMAND | MF_STRING, MenuId(item), Wide(caption));
}

void MainFormWindow::RemoveLatchItem(MenuItem item) { ::DeleteMenu(menu_, MenuId(item), MF_BYCOMMAND); }

std::optional<MenuItem> MainFormWindow::PopupAtCursor() {
  // Where the focus goes back if the menu switches NoActivate on.
  if (HWND foreground = ::GetForegroundWindow(); foreground && foreground != hwnd_) foreground_before_ = foreground;
  // Foreground first, or a menu opened from the tray never closes.
  const MenuForeground foreground(hwnd_);
  const UINT chosen = TrackPopupAtCursor(hwnd_, menu_);
  if (chosen < kFirstMenuId || chosen >= kFirstMenuId + kAllMenuItemCount) return std::nullopt;
  return static_cast<MenuItem>(chosen - kFirstMenuId);
}

// ---- Timer ----

void MainFormWindow::SetInterval(std::uint32_t milliseconds) {
  interval_ = milliseconds;
  if (timer_enabled_) ::SetTimer(hwnd_, kPollTimer, interval_, nullptr);
}

void MainFormWindow::Enable() {
  timer_enabled_ = true;
  ::SetTimer(hwnd_, kPollTimer, interval_, nullptr);
}

// ---- Tray ----

bool MainFormWindow::AddIcon(Modifier icon, ImageHandle picture, const Text& tip) {
  return tray_.Add(holder_[IndexOf(icon)], reinterpret_cast<HICON>(picture), platform_.ansi.Encode(tip));
}

void MainFormWindow::UpdateIcon(Modifier icon, ImageHandle picture, const Text& tip) {
  tray_.Update(holder_[IndexOf(icon)], reinterpret_cast<HICON>(picture), platform_.ansi.Encode(tip));
}

void MainFormWindow::RemoveIcon(Modifier icon) { tray_.Remove(holder_[IndexOf(icon)]); }

void MainFormWindow::ShowBalloon(Modifier icon, const Text& title, const Text& text) {
  tray_.ShowBalloon(holder_[IndexOf(icon)], title, text);
}

}  // namespace modlatch::win32
