#pragma once
#include <array>

#include "form/texts.h"
#include "platform/menu.h"
#include "platform/types.h"

namespace modlatch {

// Design-time bounds of a control in twips.
struct TwipsBounds {
  int left, top, width, height;
};

namespace design {

constexpr int kClientWidth = 6120;
constexpr int kClientHeight = 4680;

// Visible controls of the floating window; Command1's bounds are inside Picture4.
constexpr TwipsBounds kCheck1_0{2040, 0, 1695, 495};
constexpr TwipsBounds kPicture4{30, 0, 255, 495};
constexpr TwipsBounds kCommand1{30, 30, 210, 195};
constexpr TwipsBounds kCheck1_1{360, 0, 1695, 495};
// Hidden icon holders Picture1(0) and Picture1(1).
constexpr std::array<TwipsBounds, 2> kPicture1{{{2280, 1200, 240, 240}, {2760, 1200, 240, 240}}};

constexpr char16_t kCtrlCaption[] = u"CTRL";
constexpr char16_t kShiftCaption[] = u"SHIFT";

struct MenuEntry {
  MenuItem item;
  TextId caption;  // unused for a separator
};

// The popup menu m, in order.
extern const std::array<MenuEntry, kMenuItemCount> kPopupMenu;
// The ALT and WIN latch items, put before mReset while their latch is on.
extern const std::array<MenuEntry, 2> kLatchMenuItems;
TextId LatchItemCaption(MenuItem item);
// The options submenu: its item, put right after kOptionsAfter, and its check items in order.
constexpr MenuItem kOptionsAfter = MenuItem::mSizeLock;
extern const MenuEntry kOptionsMenu;
extern const std::array<MenuEntry, 6> kOptionMenuItems;
// After them, a check item whose state is the sign-in entry, not a key of the INI file.
extern const MenuEntry kSignInStartMenuItem;
// Then, after a separator, the language as radio items, each named in its own language.
struct LanguageEntry {
  MenuItem item;
  Language language;
  TextId caption;  // in the table of language
};
extern const std::array<LanguageEntry, 2> kLanguageMenuItems;
// Last, after another separator: the restart as administrator.
extern const MenuEntry kRestartAdminMenuItem;

// Captions of the ALT and WIN toggle buttons as created.
constexpr char16_t kAltCaption[] = u"ALT";
constexpr char16_t kWinCaption[] = u"WIN";

// The balloon's title on the tray icon when the program is started while it runs.
constexpr char16_t kRunningBalloonTitle[] = u"ModLatch";

inline bool IsSeparator(const MenuEntry& entry) {
  return entry.item == MenuItem::msep0 || entry.item == MenuItem::msep1 || entry.item == MenuItem::msep2 ||
         entry.item == MenuItem::msep3;
}

}  // namespace design
}  // namespace modlatch
