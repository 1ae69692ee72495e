#include "mainwindow/window_design.h"

namespace modlatch {
namespace design {

const std::array<MenuEntry, kMenuItemCount> kPopupMenu{{
    {MenuItem::mSHIFT, TextId::kMenuShift},
    {MenuItem::mCTRL, TextId::kMenuCtrl},
    {MenuItem::mReset, TextId::kMenuReset},
    {MenuItem::msep0, TextId::kCount},
    {MenuItem::mTop, TextId::kMenuTop},
    {MenuItem::mCenter, TextId::kMenuCenter},
    {MenuItem::mSizeLock, TextId::kMenuSizeLock},
    {MenuItem::msep1, TextId::kCount},
    {MenuItem::mMode0, TextId::kMenuMode0},
    {MenuItem::mMode1, TextId::kMenuMode1},
    {MenuItem::mMode2, TextId::kMenuMode2},
    {MenuItem::msep2, TextId::kCount},
    {MenuItem::mHelp, TextId::kMenuHelp},
    {MenuItem::mInfo, TextId::kMenuInfo},
    {MenuItem::msep3, TextId::kCount},
    {MenuItem::mCancel, TextId::kMenuCancel},
    {MenuItem::mExit, TextId::kMenuExit},
}};

const std::array<MenuEntry, 2> kLatchMenuItems{{
    {MenuItem::mALT, TextId::kMenuAlt},
    {MenuItem::mWIN, TextId::kMenuWin},
}};

const MenuEntry kOptionsMenu{MenuItem::mOptions, TextId::kMenuOptions};

const std::array<MenuEntry, 6> kOptionMenuItems{{
    {MenuItem::mOptNoActivate, TextId::kMenuNoActivate},
    {MenuItem::mOptOneShot, TextId::kMenuOneShot},
    {MenuItem::mOptLatchAlt, TextId::kMenuUseAlt},
    {MenuItem::mOptLatchWin, TextId::kMenuUseWin},
    {MenuItem::mOptSounds, TextId::kMenuSounds},
    {MenuItem::mOptAutoRelease, TextId::kMenuAutoRelease},
}};

const MenuEntry kSignInStartMenuItem{MenuItem::mOptSignInStart, TextId::kMenuSignInStart};

const std::array<LanguageEntry, 2> kLanguageMenuItems{{
    {MenuItem::mLangJapanese, Language::kJapanese, TextId::kMenuJapanese},
    {MenuItem::mLangEnglish, Language::kEnglish, TextId::kMenuEnglish},
}};

const MenuEntry kRestartAdminMenuItem{MenuItem::mRestartAdmin, TextId::kMenuRestartAdmin};

TextId LatchItemCaption(MenuItem item) { return item == MenuItem::mWIN ? TextId::kMenuWin : TextId::kMenuAlt; }

}  // namespace design
}  // namespace modlatch
