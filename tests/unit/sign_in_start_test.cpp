#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/started_program.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Lines = std::vector<std::string>;

constexpr char16_t kThisExe[] = u"C:\\Tools\\ModLatch.exe";
const std::string kQuotedThisExe = "startup-set \"C:\\Tools\\ModLatch.exe\"";

struct EntryCase {
  const char* name;
  std::optional<Text> command;  // the entry before the start; none: no entry
  bool switched_off;            // on the Startup page
  const char* existing;         // a file that exists besides this exe, or null
  Lines at_start;               // what the start writes
  bool checked;                 // when the menu opens
  Lines chosen;                 // what choosing the item writes
};

const EntryCase kCases[] = {
    {"none", std::nullopt, false, nullptr, {}, false, {kQuotedThisExe}},
    {"this exe", u"\"C:\\Tools\\ModLatch.exe\"", false, nullptr, {}, true, {"startup-remove"}},
    {"this exe unquoted, other case", u"c:\\tools\\modlatch.EXE", false, nullptr, {}, true, {"startup-remove"}},
    {"this exe with an argument", u"  \"C:\\Tools\\ModLatch.exe\" /min", false, nullptr, {}, true, {"startup-remove"}},
    {"another existing copy", u"\"D:\\Other\\ModLatch.exe\"", false, "D:\\Other\\ModLatch.exe", {}, false,
     {kQuotedThisExe}},
    {"another copy, unquoted with blanks", u"D:\\My Tools\\ModLatch.exe /min", false, "D:\\My Tools\\ModLatch.exe",
     {}, false, {kQuotedThisExe}},
    {"a missing exe", u"\"D:\\Moved\\ModLatch.exe\"", false, nullptr, {kQuotedThisExe}, true, {"startup-remove"}},
    {"this exe, switched off", u"\"C:\\Tools\\ModLatch.exe\"", true, nullptr, {}, false, {"startup-on"}},
    {"another copy, switched off", u"\"D:\\Other\\ModLatch.exe\"", true, "D:\\Other\\ModLatch.exe", {}, false,
     {kQuotedThisExe, "startup-on"}},
    {"a missing exe, switched off", u"\"D:\\Moved\\ModLatch.exe\"", true, nullptr, {kQuotedThisExe}, false,
     {"startup-on"}},
    {"a value that names nothing", u"", false, nullptr, {}, false, {kQuotedThisExe}},
};

// The check mark as the menu shows it, and the entry's writes, from the start to a second look.
TEST(SignInStart, EachEntryShowsItsStateAndChoosingTheItemTurnsItAroundWithoutTheIniFile) {
  for (const EntryCase& c : kCases) {
    SCOPED_TRACE(c.name);
    testing::StartedProgram program;  // started here, so that the start's own writes show
    FakePlatform& fake = program.fake;
    fake.startup_command = c.command;
    fake.startup_switched_off = c.switched_off;
    fake.existing_paths.insert(FakePlatform::Utf8(kThisExe));
    if (c.existing) fake.existing_paths.insert(c.existing);
    LoadLanguage(program.form);
    OnLoad(program.form);
    EXPECT_TRUE(fake.Matching("startup-").empty()) << "showing the window waits for no registry";
    OnStarted(program.form);
    EXPECT_EQ(fake.Matching("startup-"), c.at_start);
    fake.ClearLog();

    std::optional<bool> shown;
    fake.while_popup_open = [&] { shown = fake.checked.count(MenuItem::mOptSignInStart) != 0; };
    fake.popup_choices = {MenuItem::mOptSignInStart};
    OpenPopupMenu(program.form);
    EXPECT_EQ(shown, c.checked);
    EXPECT_EQ(fake.Matching("startup-"), c.chosen);
    EXPECT_TRUE(fake.Matching("ini-").empty());

    // Read back from the entry: the choice turned the item around.
    fake.ClearLog();
    fake.popup_choices = {std::nullopt};
    OpenPopupMenu(program.form);
    EXPECT_EQ(shown, !c.checked);
    EXPECT_TRUE(fake.Matching("startup-").empty());
  }
}

}  // namespace
}  // namespace modlatch
