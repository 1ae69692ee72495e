#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/save_settings.h"
#include "settings/settings_table.h"
#include "support/started_program.h"

namespace modlatch {
namespace {

using testing::Narrow;

TEST(SettingsTable, EveryKeyAndEveryFieldHasOneRow) {
  std::set<std::string> keys;
  for (const Setting& row : kSettings) {
    EXPECT_TRUE(keys.insert(Narrow(row.section) + " " + Narrow(row.key)).second) << Narrow(row.key);
    if (!std::holds_alternative<std::monostate>(row.field)) {
      EXPECT_EQ(&SettingOf(row.field), &row) << Narrow(row.key);
    }
  }
}

// A start with every key read, the submenu's choices and an exit: nothing reaches the file but
// the table's keys, each in its own section.
TEST(SettingsTable, TheProgramReadsAndWritesOnlyItsKeys) {
  testing::StartedProgram p;
  p.fake.SetIniText(testing::kIniPath, "[Option]\nLatchAlt=True\nLatchWin=True\n");
  LoadLanguage(p.form);
  OnLoad(p.form);
  OnMenuCommand(p.form, MenuItem::mOptSounds);
  OnMenuCommand(p.form, MenuItem::mLangEnglish);
  SaveSettingsOnExit(p.form);
  std::set<std::string> known;
  for (const Setting& row : kSettings) known.insert(Narrow(row.section) + " " + Narrow(row.key));
  std::set<std::string> used;
  for (const std::string& line : p.fake.Matching("ini-")) {
    const std::size_t section = line.find(' ') + 1;
    const std::size_t key_end = line.find(' ', line.find(' ', section) + 1);
    used.insert(line.substr(section, key_end - section));
  }
  EXPECT_EQ(used, known);
}

}  // namespace
}  // namespace modlatch
