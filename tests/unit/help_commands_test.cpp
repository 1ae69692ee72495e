#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mainwindow/help_commands.h"
#include "mainwindow/help_file.h"
#include "mainwindow/window_design.h"
#include "settings/settings_table.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

std::vector<std::string> Titles(const std::vector<HelpTopic>& topics, FakePlatform& fake) {
  std::vector<std::string> out;
  for (const HelpTopic& topic : topics) out.push_back(fake.Encode(topic.title));
  return out;
}

TEST(HelpFilePath, BesideTheExecutableWithOneBackslash) {
  FakePlatform fake;
  EXPECT_EQ(HelpFilePath(fake, Language::kJapanese), u"C:\\Tools\\ModLatch.hlp");
  fake.app_path = u"D:\\";
  fake.exe_name = u"Latch2";
  EXPECT_EQ(HelpFilePath(fake, Language::kJapanese), u"D:\\Latch2.hlp");
}

TEST(IsWinHelpFile, OnlyTheWholeSignatureCounts) {
  EXPECT_TRUE(IsWinHelpFile(std::string("\x3F\x5F\x03\x00\x10\x00", 6)));
  EXPECT_FALSE(IsWinHelpFile(std::string("\x3F\x5F\x03", 3)));
  EXPECT_FALSE(IsWinHelpFile(""));
  EXPECT_FALSE(IsWinHelpFile("== 目次\n"));
}

TEST(ReadHelpTopics, ContentsFirstThenTheTopicsInFileOrder) {
  FakePlatform fake;
  const std::string text =
      "\xEF\xBB\xBF"  // a byte-order mark, as some editors write
      "\r\nModLatch のヘルプです。\r\n  字下げは残る\r\n\r\n"
      "== 表示モード ==\r\n\r\nコンパクト\r\nダブル\r\n\r\n"
      "==INI ファイル\n[Option]\n";
  const std::vector<HelpTopic> topics = ReadHelpTopics(text, fake, Language::kJapanese);
  EXPECT_EQ(Titles(topics, fake), (std::vector<std::string>{"目次", "表示モード", "INI ファイル"}));
  EXPECT_EQ(fake.Encode(topics[0].body), "ModLatch のヘルプです。\n  字下げは残る");
  EXPECT_EQ(fake.Encode(topics[1].body), "コンパクト\nダブル");
  EXPECT_EQ(fake.Encode(topics[2].body), "[Option]");
}

TEST(ReadHelpTopics, FirstHeadingIsTheContentsWhenNothingPrecedesIt) {
  FakePlatform fake;
  const std::vector<HelpTopic> topics = ReadHelpTopics("\n\n== はじめに\nA\n== 次\nB", fake, Language::kJapanese);
  EXPECT_EQ(Titles(topics, fake), (std::vector<std::string>{"はじめに", "次"}));
}

TEST(ReadHelpTopics, TextWithoutHeadingsIsOneContentsTopic) {
  FakePlatform fake;
  const std::vector<HelpTopic> topics = ReadHelpTopics("SHIFT と CTRL\n= not a heading\n", fake, Language::kJapanese);
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(fake.Encode(topics[0].title), "目次");
  EXPECT_EQ(fake.Encode(topics[0].body), "SHIFT と CTRL\n= not a heading");
}

TEST(ReadHelpTopics, BlankTextHasNoTopics) {
  FakePlatform fake;
  for (const char* text : {"", "\r\n \t\n", "\xEF\xBB\xBF\n"}) EXPECT_TRUE(ReadHelpTopics(text, fake, Language::kJapanese).empty()) << text;
}

TEST(ReadHelpTopics, TextThatIsNotUtf8IsReadInTheAnsiCodePage) {
  FakePlatform fake;  // the fake's code page marks bytes it cannot read with U+FFFD
  const std::vector<HelpTopic> topics = ReadHelpTopics("== \x83w\x83\x8b\x83v\nok", fake, Language::kJapanese);
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_NE(topics[0].title.find(u'\uFFFD'), Text::npos);
  EXPECT_EQ(topics[0].body, u"ok");
  EXPECT_EQ(ReadHelpTopics("ok\xE3\x81", fake, Language::kJapanese)[0].body, u"ok\uFFFD\uFFFD") << "a sequence cut short is not UTF-8";
  EXPECT_EQ(ReadHelpTopics("\xF0\x9F\x98\x80", fake, Language::kJapanese)[0].body, u"\U0001F600");
}

class HelpCommand : public ::testing::Test {
 protected:
  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(HelpCommand, ShowsTheHelpFileAtItsContents) {
  fake.app_path = u"C:\\";
  fake.file_contents["C:\\ModLatch.hlp"] = "前書き\n== 使い方\n本文\n";
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.log, (Log{"read C:\\ModLatch.hlp", "help-window 2"}));
  EXPECT_EQ(Titles(fake.help_topics, fake), (std::vector<std::string>{"目次", "使い方"}));
}

TEST_F(HelpCommand, AWinHelpFileGoesToThePlatformViewerAtItsContents) {
  fake.file_contents["C:\\Tools\\ModLatch.hlp"] = std::string("\x3F\x5F\x03\x00rest", 8);
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.log, (Log{"read C:\\Tools\\ModLatch.hlp", "winhelp contents 1000 C:\\Tools\\ModLatch.hlp"}));
}

TEST_F(HelpCommand, AFolderNameOutsideTheCodePageStillOpensOurFileWhileWinHelpGetsTheAnsiPath) {
  fake.app_path = u"C:\\한글";
  fake.not_in_code_page = u"한글";
  fake.file_contents["C:\\한글\\ModLatch.hlp"] = "前書き\n";
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.log, (Log{"read C:\\한글\\ModLatch.hlp", "help-window 1"}));
  fake.ClearLog();
  fake.file_contents["C:\\한글\\ModLatch.hlp"] = std::string("\x3F\x5F\x03\x00", 4);
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.Matching("winhelp"), (Log{"winhelp contents 1000 C:\\??\\ModLatch.hlp"}));
}

TEST_F(HelpCommand, AMissingOrEmptyFileIsReportedWithItsPath) {
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.Matching("help-message"),
            (Log{"help-message ヘルプファイルが見つからないか、読み込めません。\nC:\\Tools\\ModLatch.hlp"}));
  fake.ClearLog();
  fake.file_contents["C:\\Tools\\ModLatch.hlp"] = "\r\n";
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.Matching("help-message"),
            (Log{"help-message ヘルプファイルに内容がありません。\nC:\\Tools\\ModLatch.hlp"}));
  EXPECT_TRUE(fake.Matching("help-window").empty());
}

TEST_F(HelpCommand, InfoCommandLoadsTheAboutWindowOnceAndShowsItEachTime) {
  OnMenuCommand(form, MenuItem::mInfo);
  OnMenuCommand(form, MenuItem::mInfo);
  EXPECT_EQ(fake.log, (Log{"about-load", "about-show", "about-show"}));
}

TEST_F(HelpCommand, InEnglishTheEnglishFileOpensWithEnglishTitlesAndMessages) {
  form.UiLanguage = Language::kEnglish;
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.Matching("help-message"),
            (Log{"help-message en The help file is missing or cannot be read.\nC:\\Tools\\ModLatch.en.hlp"}));
  fake.file_contents["C:\\Tools\\ModLatch.en.hlp"] = "Intro\n== Use\nText\n";
  OnMenuCommand(form, MenuItem::mHelp);
  EXPECT_EQ(fake.Matching("help-window"), (Log{"help-window 2 en"}));
  EXPECT_EQ(Titles(fake.help_topics, fake), (std::vector<std::string>{"Contents", "Use"}));
  OnMenuCommand(form, MenuItem::mInfo);
  EXPECT_EQ(fake.Matching("about-load"), (Log{"about-load en"}));
}

// A shipped help file: the contents come first and every key and menu item is explained.
void CheckShippedHelp(const std::string& name, Language language, const char* contents,
                      std::initializer_list<const char*> facts) {
  SCOPED_TRACE(name);
  std::ifstream file(MODLATCH_SOURCE_DIR "/resources/" + name, std::ios::binary);
  ASSERT_TRUE(file);
  std::stringstream bytes;
  bytes << file.rdbuf();
  FakePlatform fake;
  const std::vector<HelpTopic> topics = ReadHelpTopics(bytes.str(), fake, language);
  ASSERT_GE(topics.size(), 5u);
  EXPECT_EQ(fake.Encode(topics[0].title), contents);
  std::string all;
  for (const HelpTopic& topic : topics) {
    all += fake.Encode(topic.title) + "\n" + fake.Encode(topic.body) + "\n";
    EXPECT_EQ(topic.body.find(u'\uFFFD'), Text::npos) << "valid UTF-8";
    if (&topic != &topics[0]) {
      EXPECT_NE(fake.Encode(topics[0].body).find(fake.Encode(topic.title)), std::string::npos)
          << "the contents name every topic: " << fake.Encode(topic.title);
    }
  }
  const auto caption = [&](const design::MenuEntry& entry) { return fake.Encode(UiText(language, entry.caption)); };
  for (const design::MenuEntry& entry : design::kLatchMenuItems) {
    EXPECT_NE(all.find(caption(entry)), std::string::npos) << caption(entry);
  }
  for (const design::MenuEntry& entry : design::kPopupMenu) {
    if (!design::IsSeparator(entry)) {
      EXPECT_NE(all.find(caption(entry)), std::string::npos) << caption(entry);
    }
  }
  std::vector<std::string> submenu{caption(design::kOptionsMenu), caption(design::kRestartAdminMenuItem)};
  for (const design::MenuEntry& entry : design::kOptionMenuItems) submenu.push_back(caption(entry));
  submenu.push_back(caption(design::kSignInStartMenuItem));
  for (const design::LanguageEntry& entry : design::kLanguageMenuItems) {
    submenu.push_back(fake.Encode(UiText(entry.language, entry.caption)));
  }
  for (const std::string& item : submenu) EXPECT_NE(all.find(item), std::string::npos) << item;
  for (const Setting& row : kSettings) {
    EXPECT_NE(all.find(testing::Narrow(row.key)), std::string::npos) << testing::Narrow(row.key);
    EXPECT_NE(all.find("[" + testing::Narrow(row.section) + "]"), std::string::npos) << testing::Narrow(row.section);
  }
  for (const char* fact : facts) EXPECT_NE(all.find(fact), std::string::npos) << fact;
}

// Statements that once said otherwise: Timer decimals, WindowType's leading number, colours
// from non-hexadecimal text, the size lock on a return to Float mode, and the registry.
TEST(ShippedHelpFile, CoversEveryMenuItemAndIniKey) {
  CheckShippedHelp("ModLatch.hlp", Language::kJapanese, "目次",
                   {"50.6 は 51", "1.4 はダブルモード", "red は赤ではなく青", "フロートモードに戻ったときも",
                    "ModLatch は実行中です", "CTRL+ALT+DEL", "CurrentVersion\\Run の値 ModLatch"});
  CheckShippedHelp("ModLatch.en.hlp", Language::kEnglish, "Contents",
                   {"50.6 is 51", "1.4 gives Double mode", "red gives blue", "come back to Float mode", "Language=en",
                    "ModLatch is running", "CTRL+ALT+DEL", "It writes to the registry only when you choose"});
}

}  // namespace
}  // namespace modlatch
