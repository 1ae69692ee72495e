#include <gtest/gtest.h>

#include <string>

#include "form/texts.h"
#include "settings/language.h"

namespace modlatch {
namespace {

TEST(ChooseLanguage, AnOptionOfJaOrEnWinsElseTheInterfaceLanguageDecides) {
  struct Case {
    std::uint16_t ui_language;
    Text option;
    Language expected;
  };
  const Case cases[] = {
      {0x0411, u"", Language::kJapanese},  // Japanese (Japan)
      {0x0409, u"", Language::kEnglish},   // English (United States)
      {0x0804, u"", Language::kEnglish},   // Chinese (Simplified)
      {0x0C11, u"", Language::kJapanese},  // the primary language alone decides
      {0x0409, u"ja", Language::kJapanese},
      {0x0409, u"JA", Language::kJapanese},
      {0x0411, u"en", Language::kEnglish},
      {0x0411, u"En", Language::kEnglish},
      {0x0411, u"english", Language::kJapanese},
      {0x0409, u"jp", Language::kEnglish},
      {0x0409, u"\uFF4A\uFF41", Language::kEnglish},  // full-width "ja"
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.ui_language, c.option), c.expected)
        << std::hex << c.ui_language << " " << std::string(c.option.begin(), c.option.end());
  }
}

// A text missing from a table, out of order, or without the value it is to show is a fault
// of that table, whatever the other one says.
TEST(TextTables, EveryLanguageHasEveryTextInOrderWithTheSamePlaceholders) {
  for (Language language : {Language::kJapanese, Language::kEnglish}) {
    const TextTable& table = TextsOf(language);
    for (std::size_t i = 0; i < kTextCount; ++i) {
      SCOPED_TRACE(::testing::Message() << "language " << static_cast<int>(language) << ", text " << i);
      EXPECT_EQ(static_cast<std::size_t>(table[i].id), i);
      ASSERT_NE(table[i].text, nullptr);
      EXPECT_NE(table[i].text[0], u'\0');
      const bool takes_value = table[i].id == TextId::kSettingNotSaved || table[i].id == TextId::kAboutCopyLink ||
                               table[i].id == TextId::kKeysBlocked || table[i].id == TextId::kKeysBlockedHigher;
      EXPECT_EQ(Text(table[i].text).find(u"%s") != Text::npos, takes_value);
    }
  }
}

TEST(TextTables, EachLanguageNameReadsTheSameInBothAndFillInPutsTheValueInPlace) {
  for (TextId id : {TextId::kMenuJapanese, TextId::kMenuEnglish}) {
    EXPECT_EQ(Text(UiText(Language::kEnglish, id)), Text(UiText(Language::kJapanese, id)));
  }
  EXPECT_EQ(FillIn(UiText(Language::kJapanese, TextId::kAboutCopyLink), u"a@b"), u"\"a@b\"\u3092\u30B3\u30D4\u30FC");
  EXPECT_EQ(FillIn(UiText(Language::kEnglish, TextId::kAboutCopyLink), u"a@b"), u"Copy \"a@b\"");
}

}  // namespace
}  // namespace modlatch
