#pragma once
#include <optional>

#include "platform/types.h"

namespace modlatch {

// The items of the popup menu, in menu order.
enum class MenuItem {
  mSHIFT,
  mCTRL,
  mReset,
  msep0,
  mTop,
  mCenter,
  mSizeLock,
  msep1,
  mMode0,
  mMode1,
  mMode2,
  msep2,
  mHelp,
  mInfo,
  msep3,
  mCancel,
  mExit,
  // Shown after mCTRL only while their latch is on; numbered after the fixed items.
  mALT,
  mWIN,
  // The options submenu, right after mSizeLock, and its check items.
  mOptions,
  mOptNoActivate,
  mOptOneShot,
  mOptLatchAlt,
  mOptLatchWin,
  mOptSounds,
  // After a separator in the submenu: the language, as radio items.
  mLangJapanese,
  mLangEnglish,
  // After the option items: the program's entry among those run at sign-in.
  mOptSignInStart,
  // Last in the submenu, after a separator.
  mRestartAdmin,
  // Among the check items, after mOptSounds.
  mOptAutoRelease,
};
constexpr int kMenuItemCount = 17;
constexpr int kAllMenuItemCount = 30;

// The popup menu: its check marks show the options the form holds.
class Menu {
 public:
  virtual ~Menu() = default;
  virtual void SetChecked(MenuItem item, bool checked) = 0;
  virtual void SetEnabled(MenuItem item, bool enabled) = 0;
  // Names an item, the submenu's own included; its check mark and kind stay.
  virtual void SetCaption(MenuItem item, const Text& caption) = 0;
  // Puts mALT or mWIN into the menu, before mReset.
  virtual void AddLatchItem(MenuItem item, const Text& caption) = 0;
  virtual void RemoveLatchItem(MenuItem item) = 0;
  // Shows the menu at the mouse cursor and returns once it has closed: the chosen item, if any.
  virtual std::optional<MenuItem> PopupAtCursor() = 0;
};

}  // namespace modlatch
