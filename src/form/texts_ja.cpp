#include "form/texts.h"

namespace modlatch {

const TextTable kJapaneseTexts{{
    {TextId::kMenuShift, u"SHIFTｷｰ"},
    {TextId::kMenuCtrl, u"CTRLｷｰ"},
    {TextId::kMenuReset, u"元に戻す"},
    {TextId::kMenuTop, u"常に手前に表示する"},
    {TextId::kMenuCenter, u"中央ボタンでもポップアップ"},
    {TextId::kMenuSizeLock, u"サイズ固定(フロートモード時)"},
    {TextId::kMenuMode0, u"コンパクトモード"},
    {TextId::kMenuMode1, u"ダブルモード"},
    {TextId::kMenuMode2, u"フロートモード"},
    {TextId::kMenuHelp, u"ヘルプ"},
    {TextId::kMenuInfo, u"当ソフトは・・・"},
    {TextId::kMenuCancel, u"ｷｬﾝｾﾙ"},
    {TextId::kMenuExit, u"終了"},
    {TextId::kMenuAlt, u"ALTｷｰ"},
    {TextId::kMenuWin, u"WINｷｰ"},

    {TextId::kMenuOptions, u"オプション"},
    {TextId::kMenuNoActivate, u"フォーカスを奪わない"},
    {TextId::kMenuOneShot, u"ワンショット(次のキーで解除)"},
    {TextId::kMenuUseAlt, u"ALTｷｰを使う"},
    {TextId::kMenuUseWin, u"WINｷｰを使う"},
    {TextId::kMenuSounds, u"効果音を鳴らす"},
    {TextId::kMenuAutoRelease, u"1分間入力がなければ解除"},
    {TextId::kMenuJapanese, u"日本語"},
    {TextId::kMenuEnglish, u"English"},
    {TextId::kMenuSignInStart, u"サインイン時に起動する"},
    {TextId::kSettingNotSaved,
     u"設定を保存できませんでした。\n%s\nこのファイルに書き込めないため、この設定は ModLatch を終了するまで有効です。"},

    {TextId::kRunningBalloon, u"ModLatch は実行中です"},

    {TextId::kCloseName, u"閉じる"},

    {TextId::kHelpTitle, u"ModLatch ヘルプ"},
    {TextId::kHelpContents, u"目次"},
    {TextId::kHelpUnreadable, u"ヘルプファイルが見つからないか、読み込めません。\n"},
    {TextId::kHelpEmpty, u"ヘルプファイルに内容がありません。\n"},

    {TextId::kAboutCaption, u"バージョン情報"},
    {TextId::kAboutName, u"Mod Latch!"},
    {TextId::kAboutCopyright, u"Copyright (C) 2003 ZQ5's software"},
    {TextId::kAboutVersion, u"バージョン情報　:　"},
    {TextId::kAboutReleased, u"リリースされた日付　:　2003年7月02日"},
    {TextId::kAboutMessage,
     u"・この度は当ソフトをダウンロードしていただき、誠にありがとうございます。\r\n"
     u"・当ソフトはフリーウェアとなっております。\r\n"
     u"・当ソフトの開発に慎重を来してはいますが、バグがございましたらご連絡下さい。\r\n"},
    {TextId::kAboutNameTip, u"当ソフト名です"},
    {TextId::kAboutCopyrightTip, u"当ソフトの作者です。"},
    {TextId::kAboutVersionTip, u"当ソフトのバージョン情報です。"},
    {TextId::kAboutReleasedTip, u"当ソフトがリリースされた日です"},
    {TextId::kAboutMessageTip, u"作者からのメッセージです。"},
    {TextId::kAboutIconTip, u"当ソフトのアイコンです"},
    {TextId::kAboutWebTip, u"作者のホームページへ行きたい場合はクリックしてください"},
    {TextId::kAboutMailTip, u"作者へメールを送りたい場合はクリックしてください"},
    {TextId::kAboutCloseLabel, u"ウィンドウを閉じる"},
    {TextId::kAboutCloseTip, u"元の画面へ戻ります。"},
    {TextId::kAboutCopyLink, u"\"%s\"をコピー"},

    {TextId::kMenuRestartAdmin, u"管理者として再起動"},
    {TextId::kKeysBlocked,
     u"「%s」は管理者として実行されているため、ModLatch からキーを送れません。"
     u"オプションの「管理者として再起動」で使えるようになります。"},
    {TextId::kKeysBlockedHigher, u"「%s」は ModLatch より高い権限で実行されているため、ModLatch からキーを送れません。"},
    {TextId::kAdminMark, u" (管理者)"},
}};

}  // namespace modlatch
