#include "form/texts.h"

namespace modlatch {

const TextTable kEnglishTexts{{
    {TextId::kMenuShift, u"SHIFT key"},
    {TextId::kMenuCtrl, u"CTRL key"},
    {TextId::kMenuReset, u"Reset"},
    {TextId::kMenuTop, u"Always on top"},
    {TextId::kMenuCenter, u"Pop up with the middle button too"},
    {TextId::kMenuSizeLock, u"Fixed size (Float mode)"},
    {TextId::kMenuMode0, u"Compact mode"},
    {TextId::kMenuMode1, u"Double mode"},
    {TextId::kMenuMode2, u"Float mode"},
    {TextId::kMenuHelp, u"Help"},
    {TextId::kMenuInfo, u"About ModLatch..."},
    {TextId::kMenuCancel, u"Cancel"},
    {TextId::kMenuExit, u"Exit"},
    {TextId::kMenuAlt, u"ALT key"},
    {TextId::kMenuWin, u"WIN key"},

    {TextId::kMenuOptions, u"Options"},
    {TextId::kMenuNoActivate, u"Never take the focus"},
    {TextId::kMenuOneShot, u"One-shot (released after the next key)"},
    {TextId::kMenuUseAlt, u"Use the ALT key"},
    {TextId::kMenuUseWin, u"Use the WIN key"},
    {TextId::kMenuSounds, u"Sounds"},
    {TextId::kMenuAutoRelease, u"Release after a minute without input"},
    {TextId::kMenuJapanese, u"日本語"},
    {TextId::kMenuEnglish, u"English"},
    {TextId::kMenuSignInStart, u"Start when I sign in"},
    {TextId::kSettingNotSaved,
     u"The setting could not be saved.\n%s\nThe file cannot be written, so the setting lasts until ModLatch ends."},

    {TextId::kRunningBalloon, u"ModLatch is running"},

    {TextId::kCloseName, u"Close"},

    {TextId::kHelpTitle, u"ModLatch Help"},
    {TextId::kHelpContents, u"Contents"},
    {TextId::kHelpUnreadable, u"The help file is missing or cannot be read.\n"},
    {TextId::kHelpEmpty, u"The help file is empty.\n"},

    {TextId::kAboutCaption, u"About ModLatch"},
    {TextId::kAboutName, u"Mod Latch!"},
    {TextId::kAboutCopyright, u"Copyright (C) 2003 ZQ5's software"},
    {TextId::kAboutVersion, u"Version : "},
    {TextId::kAboutReleased, u"Released : July 2, 2003"},
    {TextId::kAboutMessage,
     u"- Thank you very much for downloading this software.\r\n"
     u"- This software is freeware.\r\n"
     u"- It was made with care, but if you find a bug, please let the author know.\r\n"},
    {TextId::kAboutNameTip, u"The name of this software"},
    {TextId::kAboutCopyrightTip, u"The author of this software"},
    {TextId::kAboutVersionTip, u"The version of this software"},
    {TextId::kAboutReleasedTip, u"The day this software was released"},
    {TextId::kAboutMessageTip, u"A message from the author"},
    {TextId::kAboutIconTip, u"The icon of this software"},
    {TextId::kAboutWebTip, u"Click to visit the author's home page"},
    {TextId::kAboutMailTip, u"Click to send the author an e-mail"},
    {TextId::kAboutCloseLabel, u"Close window"},
    {TextId::kAboutCloseTip, u"Back to where you were."},
    {TextId::kAboutCopyLink, u"Copy \"%s\""},

    {TextId::kMenuRestartAdmin, u"Restart as administrator"},
    {TextId::kKeysBlocked,
     u"\"%s\" runs as administrator, so Windows does not let ModLatch send keys to it. "
     u"Choose Options > Restart as administrator to latch keys there."},
    {TextId::kKeysBlockedHigher,
     u"\"%s\" runs with higher rights than ModLatch, so Windows does not let ModLatch send keys to it."},
    {TextId::kAdminMark, u" (Administrator)"},
}};

}  // namespace modlatch
