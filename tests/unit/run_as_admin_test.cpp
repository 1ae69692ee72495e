#include <gtest/gtest.h>

#include "app/takeover.h"
#include "form/texts.h"
#include "latch/admin_notice.h"
#include "support/started_program.h"

namespace modlatch {
namespace {

using Lines = std::vector<std::string>;

const FrontWindow kTaskManager{FrontLevel::kHigher, 0x7001, u"Task Manager"};
const FrontWindow kRegistry{FrontLevel::kHigher, 0x7002, u"Registry Editor"};
const FrontWindow kNotepad{FrontLevel::kNotHigher, 0x7003, u""};
const FrontWindow kUnreadable{FrontLevel::kUnknown, 0x7004, u""};

struct Program : testing::StartedProgram {
  explicit Program(const std::string& option_lines, bool elevated = false) {
    fake.elevated = elevated;
    Start(option_lines);
  }
  // Clicks `key` once for each window in front, in turn; returns where each notice went and
  // the start of its text.
  Lines ClickOver(std::vector<FrontWindow> fronts, Modifier key = Modifier::Shift) {
    fake.front_windows.assign(fronts.begin(), fronts.end());
    for (std::size_t i = 0; i < fronts.size(); ++i) NoticeIfKeysBlocked(form, key);
    Lines notices;
    Lines shown = fake.key_balloons;
    for (const std::string& line : fake.Matching("tray balloon ")) shown.push_back("icon " + line.substr(13));
    for (const std::string& line : shown) notices.push_back(line.substr(0, line.find(" runs")));
    return notices;
  }
};

TEST(KeysBlockedNotice, OncePerElevatedWindowAgainAfterAnotherCameInFrontNeverForAnEqualOrUnreadableOne) {
  const std::string task_manager = "button SHIFT ModLatch|\"Task Manager\"";
  const struct {
    std::vector<FrontWindow> fronts;
    Lines notices;
  } table[] = {
      {{kTaskManager, kTaskManager}, {task_manager}},
      {{kNotepad, kUnreadable}, {}},
      {{kTaskManager, kNotepad, kTaskManager}, {task_manager, task_manager}},
      {{kTaskManager, kUnreadable, kTaskManager}, {task_manager, task_manager}},
      {{kTaskManager, kRegistry, kTaskManager}, {task_manager, "button SHIFT ModLatch|\"Registry Editor\"", task_manager}},
  };
  for (const auto& row : table) {
    Program program("Language=en");
    EXPECT_EQ(program.ClickOver(row.fronts), row.notices) << row.fronts.size() << " clicks";
  }
}

TEST(KeysBlockedNotice, ShowsAtTheClickedButtonOrOnTheClickedKeysTrayIcon) {
  const struct {
    const char* options;
    Modifier key;
    const char* where;
  } table[] = {
      {"WindowType=2", Modifier::Ctrl, "button CTRL ModLatch|"},
      {"WindowType=2\nLatchWin=True", Modifier::Win, "button WIN ModLatch|"},
      {"WindowType=1", Modifier::Shift, "icon SHIFT ModLatch|"},
      {"WindowType=1\nLatchAlt=True", Modifier::Alt, "icon ALT ModLatch|"},
      {"WindowType=0", Modifier::Shift, "icon CTRL ModLatch|"},  // the one icon is CTRL's holder
  };
  for (const auto& row : table) {
    Program program(row.options);
    const Lines notices = program.ClickOver({kTaskManager}, row.key);
    ASSERT_EQ(notices.size(), 1u) << row.options;
    EXPECT_EQ(notices[0].rfind(row.where, 0), 0u) << notices[0];
  }
}

// Already elevated, a restart would change nothing, so the notice leaves it out.
TEST(KeysBlockedNotice, NamesTheWindowAndSuggestsTheRestartOnlyWhileNotElevated) {
  Program ja("Language=ja");
  ja.ClickOver({kTaskManager});
  EXPECT_EQ(ja.fake.key_balloons, Lines{"button SHIFT ModLatch|「Task Manager」は管理者として実行されているため、ModLatch からキーを"
                                        "送れません。オプションの「管理者として再起動」で使えるようになります。"});
  Program en("Language=en", true);
  en.ClickOver({kTaskManager});
  EXPECT_EQ(en.fake.key_balloons, Lines{"button SHIFT ModLatch|\"Task Manager\" runs with higher rights than ModLatch, so Windows "
                                        "does not let ModLatch send keys to it."});
}

// A tray balloon holds 255 characters: a long title must not push the hint out of it.
TEST(KeysBlockedNotice, ALongTitleIsCutSoTheWholeNoticeFitsABalloon) {
  for (const Text& title : {Text(300, u'W'), Text(58, u'a') + u"\U0001F600" + Text(10, u'b')}) {
    Program program("Language=en\nWindowType=1");
    program.ClickOver({{FrontLevel::kHigher, 0x7001, title}});
    const Lines balloons = program.fake.Matching("tray balloon ");
    ASSERT_EQ(balloons.size(), 1u);
    const std::string& shown = balloons[0];
    EXPECT_NE(shown.find("\xE2\x80\xA6\" runs as administrator"), std::string::npos) << shown;  // cut with "…"
    EXPECT_EQ(shown.find("\xED"), std::string::npos) << "half of the emoji";
  }
  for (Language language : {Language::kJapanese, Language::kEnglish}) {
    for (TextId id : {TextId::kKeysBlocked, TextId::kKeysBlockedHigher}) {
      EXPECT_LE(FillIn(UiText(language, id), Text(60, u'W')).size(), 255u) << static_cast<int>(id);
    }
  }
}

TEST(KeysBlockedNotice, EachClickTakesDownTheLastBalloonBeforeLookingAtTheWindowInFront) {
  Program program("");
  program.ClickOver({kTaskManager});
  program.fake.ClearLog();
  NoticeIfKeysBlocked(program.form, Modifier::Shift);
  EXPECT_EQ(program.fake.log, (Lines{"button-balloon hide", "front-level"}));
}

TEST(RestartAsAdministrator, AcceptedClosesTheProgramDeclinedLeavesItAsItWas) {
  for (bool accepted : {true, false}) {
    Program program("");
    program.fake.restart_accepted = accepted;
    OnMenuCommand(program.form, MenuItem::mRestartAdmin);
    const Lines expected = accepted ? Lines{"restart-elevated 1000", "unload"} : Lines{"restart-elevated 1000"};
    EXPECT_EQ(program.fake.log, expected);
  }
}

TEST(RestartAsAdministrator, TheItemIsGreyedAndTheStripMarkedWhileElevatedInTheLanguageShown) {
  for (bool elevated : {false, true}) {
    Program program("Language=ja", elevated);
    EXPECT_EQ(program.fake.disabled.count(MenuItem::mRestartAdmin), elevated ? 1u : 0u);
    EXPECT_EQ(program.fake.Encode(program.fake.menu_captions[MenuItem::mRestartAdmin]), "管理者として再起動");
    EXPECT_EQ(program.fake.Encode(program.fake.strip_mark), elevated ? " (管理者)" : "");
    OnMenuCommand(program.form, MenuItem::mLangEnglish);
    EXPECT_EQ(program.fake.Encode(program.fake.menu_captions[MenuItem::mRestartAdmin]), "Restart as administrator");
    EXPECT_EQ(program.fake.Encode(program.fake.strip_mark), elevated ? " (Administrator)" : "");
    EXPECT_EQ(program.fake.disabled.count(MenuItem::mRestartAdmin), elevated ? 1u : 0u);
  }
}

TEST(Takeover, TheArgumentsCarryTheProcessIdAndNothingElseCountsAsATakeover) {
  for (std::uint32_t id : {1u, 4294967295u}) EXPECT_EQ(TakeoverProcessId(TakeoverArguments(id)), id);
  EXPECT_EQ(TakeoverProcessId(u"  /takeover 17 "), 17u);
  for (const char16_t* other : {u"", u"/takeover ", u"/takeover 0", u"/takeover 12abc", u"/takeover 4294967296",
                            u"/takeover 99999999999", u"/TAKEOVER 17", u"C:\\Tools\\ModLatch.ini"}) {
    EXPECT_EQ(TakeoverProcessId(other), std::nullopt) << testing::FakePlatform::Utf8(Text(other));
  }
}

}  // namespace
}  // namespace modlatch
