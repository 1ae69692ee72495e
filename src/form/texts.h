#pragma once
#include <array>
#include <cstddef>

#include "platform/types.h"

namespace modlatch {

// Every text the program shows in more than one language, in table order. A table per
// language (texts_ja.cpp, texts_en.cpp) gives each of them; a third language is one more table.
enum class TextId {
  // The popup menu.
  kMenuShift,
  kMenuCtrl,
  kMenuReset,
  kMenuTop,
  kMenuCenter,
  kMenuSizeLock,
  kMenuMode0,
  kMenuMode1,
  kMenuMode2,
  kMenuHelp,
  kMenuInfo,
  kMenuCancel,
  kMenuExit,
  kMenuAlt,
  kMenuWin,
  // The options submenu and its message.
  kMenuOptions,
  kMenuNoActivate,
  kMenuOneShot,
  kMenuUseAlt,
  kMenuUseWin,
  kMenuSounds,
  kMenuAutoRelease,
  kMenuJapanese,
  kMenuEnglish,
  kMenuSignInStart,
  kSettingNotSaved,  // %s: the settings file
  // The balloon on the tray icon when ModLatch is started again while it runs.
  kRunningBalloon,
  // The main window's close button, read by screen readers.
  kCloseName,
  // Help.
  kHelpTitle,
  kHelpContents,
  kHelpUnreadable,
  kHelpEmpty,
  // The About window.
  kAboutCaption,
  kAboutName,
  kAboutCopyright,
  kAboutVersion,
  kAboutReleased,
  kAboutMessage,
  kAboutNameTip,
  kAboutCopyrightTip,
  kAboutVersionTip,
  kAboutReleasedTip,
  kAboutMessageTip,
  kAboutIconTip,
  kAboutWebTip,
  kAboutMailTip,
  kAboutCloseLabel,
  kAboutCloseTip,
  kAboutCopyLink,  // %s: the address
  // Running as administrator: the restart item, the notice that keys cannot reach the window
  // in front (the second one while we already run elevated), and the mark on the strip.
  kMenuRestartAdmin,
  kKeysBlocked,        // %s: the window's title
  kKeysBlockedHigher,  // %s: the window's title
  kAdminMark,
  kCount
};
constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::kCount);

struct TextEntry {
  TextId id;
  const char16_t* text;
};
using TextTable = std::array<TextEntry, kTextCount>;

extern const TextTable kJapaneseTexts;
extern const TextTable kEnglishTexts;

const TextTable& TextsOf(Language language);
const char16_t* UiText(Language language, TextId id);
// The text with its "%s" replaced by value.
Text FillIn(const char16_t* text, const Text& value);

}  // namespace modlatch
