#include "mainwindow/window_design.h"

namespace modlatch {
namespace design {

const std::array<MenuEntry, kMenuItemCount> kPopupMenu{{
    {MenuItem::mSHIFT, u"SHIFTｷｰ"},
    {MenuItem::mCTRL, u"CTRLｷｰ"},
    {MenuItem::mReset, u"元に戻す"},
    {MenuItem::msep0, u"-"},
    {MenuItem::mTop, u"常に手前に表示する"},
    {MenuItem::mCenter, u"中央ボタンでもポップアップ"},
    {MenuItem::mSizeLock, u"サイズ固定(フロートモード時)"},
    {MenuItem::msep1, u"-"},
    {MenuItem::mMode0, u"コンパクトモード"},
    {MenuItem::mMode1, u"ダブルモード"},
    {MenuItem::mMode2, u"フロートモード"},
    {MenuItem::msep2, u"-"},
    {MenuItem::mHelp, u"ヘルプ"},
    {MenuItem::mInfo, u"当ソフトは・・・"},
    {MenuItem::msep3, u"-"},
    {MenuItem::mCancel, u"ｷｬﾝｾﾙ"},
    {MenuItem::mExit, u"終了"},
}};

const std::array<MenuEntry, 2> kLatchMenuItems{{
    {MenuItem::mALT, u"ALTｷｰ"},
    {MenuItem::mWIN, u"WINｷｰ"},
}};

const char16_t kRunningBalloonTitle[] = u"ModLatch";
const char16_t kRunningBalloonText[] = u"ModLatch は実行中です";

const MenuEntry kOptionsMenu{MenuItem::mOptions, u"オプション"};

const std::array<MenuEntry, 5> kOptionMenuItems{{
    {MenuItem::mOptNoActivate, u"フォーカスを奪わない"},
    {MenuItem::mOptOneShot, u"ワンショット(次のキーで解除)"},
    {MenuItem::mOptLatchAlt, u"ALTｷｰを使う"},
    {MenuItem::mOptLatchWin, u"WINｷｰを使う"},
    {MenuItem::mOptSounds, u"効果音を鳴らす"},
}};

const char16_t kOptionNotSavedBefore[] = u"設定を保存できませんでした。\n";
const char16_t kOptionNotSavedAfter[] = u"\nこのファイルに書き込めないため、この設定は ModLatch を終了するまで有効です。";

const char16_t* LatchItemCaption(MenuItem item) {
  for (const MenuEntry& entry : kLatchMenuItems) {
    if (entry.item == item) return entry.caption;
  }
  return u"";
}

}  // namespace design
}  // namespace modlatch
