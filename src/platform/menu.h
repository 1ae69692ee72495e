#pragma once
#include <optional>

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
};
constexpr int kMenuItemCount = 17;

// The popup menu: its check marks and enabled states are the only run-time holders of the options.
class Menu {
 public:
  virtual ~Menu() = default;
  virtual bool IsChecked(MenuItem item) = 0;
  virtual void SetChecked(MenuItem item, bool checked) = 0;
  virtual void SetEnabled(MenuItem item, bool enabled) = 0;
  // Shows the menu at the mouse cursor and returns once it has closed: the chosen item, if any.
  virtual std::optional<MenuItem> PopupAtCursor() = 0;
};

}  // namespace modlatch
