#include "win32/popup_menu.h"

namespace modlatch::win32 {

UINT TrackPopupAtCursor(HWND owner, HMENU menu) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const UINT chosen = static_cast<UINT>(
      ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0, owner, nullptr));
  // Without a message after it, a menu opened from the tray may not close on a click elsewhere.
  ::PostMessageW(owner, WM_NULL, 0, 0);
  return chosen;
}

}  // namespace modlatch::win32
