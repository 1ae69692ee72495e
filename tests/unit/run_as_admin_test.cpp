#include <gtest/gtest.h>

#include "app/takeover.h"
#include "form/texts.h"
#include "latch/admin_notice.h"
#include "settings/language.h"
#include "support/started_program.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
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
  // Clicks `key` once for each window in front, in turn; returns every notice given.
  Lines ClickOver(std::initializer_list<FrontWindow> fronts, Modifier key = Modifier::Shift) {
    fake.front_windows.assign(fronts);
    for (std::size_t i = 0; i < fronts.size(); ++i) NoticeIfKeysBlocked(form, key);
    Lines notices = fake.key_balloons;
    notices.insert(notices.end(), fake.balloons.begin(), fake.balloons.end());
    return notices;
  }
};

std::string Float(const char* title) { return std::string("1 ModLatch|\"") + title + "\" runs"; }

// Keeps what tells the notices apart: where each went and whose title it names.
Lines Heads(const Lines& notices) {
  Lines heads;
  for (const std::string& notice : notices) heads.push_back(notice.substr(0, notice.find(" runs ") + 5));
  return heads;
}

TEST(KeysBlockedNotice, OncePerElevatedWindowAgainAfterAnotherCameInFrontNeverForAnEqualOrUnreadableOne) {
  const struct {
    const char* what;
    std::initializer_list<FrontWindow> fronts;
    Lines notices;
  } table[] = {
      {"latched and released over one elevated window", {kTaskManager, kTaskManager}, {Float("Task Manager")}},
      {"an equal or lower window", {kNotepad, kNotepad}, {}},
      {"a program whose level cannot be read", {kUnreadable}, {}},
      {"another window came in front", {kTaskManager, kNotepad, kTaskManager},
       {Float("Task Manager"), Float("Task Manager")}},
      {"an unreadable one came in front", {kTaskManager, kUnreadable, kTaskManager},
       {Float("Task Manager"), Float("Task Manager")}},
      {"two elevated windows in turn", {kTaskManager, kRegistry, kTaskManager},
       {Float("Task Manager"), Float("Registry Editor"), Float("Task Manager")}},
  };
  for (const auto& row : table) {
    Program program("Language=en");
    EXPECT_EQ(Heads(program.ClickOver(row.fronts)), row.notices) << row.what;
  }
}

TEST(KeysBlockedNotice, ShowsAtTheClickedButtonOrOnTheClickedKeysTrayIcon) {
  const struct {
    const char* options;
    Modifier key;
    Lines key_balloons;
    Lines tray_balloons;
  } table[] = {
      {"WindowType=2", Modifier::Ctrl, {"0"}, {}},
      {"WindowType=2\nLatchWin=True", Modifier::Win, {"3"}, {}},
      {"WindowType=1", Modifier::Shift, {}, {"2001"}},
      {"WindowType=1\nLatchAlt=True", Modifier::Alt, {}, {"2002"}},
      {"WindowType=0", Modifier::Shift, {}, {"2000"}},  // the one icon
      {"WindowType=0", Modifier::Ctrl, {}, {"2000"}},
  };
  for (const auto& row : table) {
    Program program(row.options);
    program.ClickOver({kTaskManager}, row.key);
    const auto where = [](const Lines& balloons) {
      Lines out;
      for (const std::string& line : balloons) out.push_back(line.substr(0, line.find(' ')));
      return out;
    };
    EXPECT_EQ(where(program.fake.key_balloons), row.key_balloons) << row.options;
    EXPECT_EQ(where(program.fake.balloons), row.tray_balloons) << row.options;
  }
}

TEST(KeysBlockedNotice, NamesTheWindowInTheLanguageAndLeavesTheRestartOutWhileElevated) {
  const struct {
    const char* options;
    bool elevated;
    const char* text;
  } table[] = {
      {"Language=ja", false,
       "「Task Manager」は管理者として実行されているため、ModLatch からキーを送れません。"
       "オプションの「管理者として再起動」で使えるようになります。"},
      {"Language=en", false,
       "\"Task Manager\" runs as administrator, so Windows does not let ModLatch send keys to it. "
       "Choose Options > Restart as administrator to latch keys there."},
      {"Language=ja", true, "「Task Manager」は ModLatch より高い権限で実行されているため、ModLatch からキーを送れません。"},
      {"Language=en", true,
       "\"Task Manager\" runs with higher rights than ModLatch, so Windows does not let ModLatch send keys to it."},
  };
  for (const auto& row : table) {
    Program program(row.options, row.elevated);
    EXPECT_EQ(program.ClickOver({kTaskManager}), Lines{std::string("1 ModLatch|") + row.text}) << row.options;
  }
}

// A tray balloon holds 255 characters: a long title must not push the hint out of it.
TEST(KeysBlockedNotice, ALongTitleIsCutSoTheWholeNoticeFitsABalloon) {
  for (const Text& title : {Text(300, u'W'), Text(58, u'a') + u"\U0001F600" + Text(10, u'b')}) {
    Program program("Language=en\nWindowType=1");
    program.fake.front_windows = {{FrontLevel::kHigher, 0x7001, title}};
    NoticeIfKeysBlocked(program.form, Modifier::Shift);
    ASSERT_EQ(program.fake.balloons.size(), 1u);
    const std::string& shown = program.fake.balloons[0];
    EXPECT_NE(shown.find("\xE2\x80\xA6\" runs as administrator"), std::string::npos) << shown;  // "…" ends it
    EXPECT_NE(shown.find("latch keys there."), std::string::npos);
    // The emoji's two halves go together or not at all.
    EXPECT_EQ(shown.find("\xED"), std::string::npos) << "half a character";
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
  EXPECT_EQ(program.fake.log, (Lines{"key-balloon hide", "front-level"}));
}

TEST(RestartAsAdministrator, AcceptedClosesTheProgramDeclinedLeavesItAsItWas) {
  for (bool accepted : {true, false}) {
    Program program("");
    program.fake.restart_accepted = accepted;
    program.fake.Hold(vk::kShift);
    OnMenuCommand(program.form, MenuItem::mRestartAdmin);
    const Lines expected = accepted ? Lines{"restart-elevated 1000", "unload"} : Lines{"restart-elevated 1000"};
    EXPECT_EQ(program.fake.log, expected);
    EXPECT_EQ(program.fake.unload_requests, accepted ? 1 : 0);
  }
}

TEST(RestartAsAdministrator, TheItemIsGreyedAndTheStripMarkedWhileElevatedInEitherLanguage) {
  const struct {
    const char* options;
    bool elevated;
    const char* caption;
    const char* mark;
  } table[] = {
      {"Language=ja", false, "管理者として再起動", ""},
      {"Language=ja", true, "管理者として再起動", " (管理者)"},
      {"Language=en", false, "Restart as administrator", ""},
      {"Language=en", true, "Restart as administrator", " (Administrator)"},
  };
  for (const auto& row : table) {
    Program program(row.options, row.elevated);
    EXPECT_EQ(program.fake.disabled.count(MenuItem::mRestartAdmin), row.elevated ? 1u : 0u) << row.options;
    EXPECT_EQ(program.fake.Encode(program.fake.menu_captions[MenuItem::mRestartAdmin]), row.caption);
    EXPECT_EQ(FakePlatform::Utf8(program.fake.strip_mark), row.mark);
  }
  // A change of language names both anew.
  Program program("Language=ja", true);
  OnMenuCommand(program.form, MenuItem::mLangEnglish);
  EXPECT_EQ(program.fake.Encode(program.fake.menu_captions[MenuItem::mRestartAdmin]), "Restart as administrator");
  EXPECT_EQ(FakePlatform::Utf8(program.fake.strip_mark), " (Administrator)");
  EXPECT_EQ(program.fake.disabled.count(MenuItem::mRestartAdmin), 1u);
}

TEST(Takeover, TheArgumentsCarryTheProcessIdAndNothingElseCountsAsATakeover) {
  for (std::uint32_t id : {1u, 4242u, 4294967295u}) EXPECT_EQ(TakeoverProcessId(TakeoverArguments(id)), id);
  EXPECT_EQ(TakeoverArguments(4242), u"/takeover 4242");
  const struct {
    Text arguments;
    std::optional<std::uint32_t> id;
  } table[] = {
      {u"  /takeover 17 ", 17u},
      {u"", std::nullopt},
      {u"/takeover", std::nullopt},
      {u"/takeover ", std::nullopt},
      {u"/takeover 0", std::nullopt},
      {u"/takeover 12abc", std::nullopt},
      {u"/takeover -5", std::nullopt},
      {u"/takeover 4294967296", std::nullopt},
      {u"/takeover 99999999999", std::nullopt},
      {u"/TAKEOVER 17", std::nullopt},
      {u"C:\\Tools\\ModLatch.ini", std::nullopt},
  };
  for (const auto& row : table) {
    EXPECT_EQ(TakeoverProcessId(row.arguments), row.id) << FakePlatform::Utf8(row.arguments);
  }
}

}  // namespace
}  // namespace modlatch
