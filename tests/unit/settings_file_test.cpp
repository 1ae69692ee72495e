#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "app/main_form_events.h"
#include "form/main_form.h"
#include "settings/language.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "settings/settings_table.h"
#include "settings/value_conversions.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::KeyUp;

using testing::FakePlatform;

constexpr char kIni[] = "C:\\Tools\\ModLatch.ini";

class SettingsFile : public ::testing::Test {
 protected:
  void Load(const std::string& option_lines, const std::string& icon_lines = "") {
    fake.SetIniText(kIni, "[Icon]\n" + icon_lines + "\n[Option]\n" + option_lines + "\n");
    LoadSettings(form);
  }
  // The calls that change something, without the reads that lead to them.
  std::vector<std::string> Effects() const {
    std::vector<std::string> out;
    for (const std::string& line : fake.log) {
      if (line.rfind("ini-read", 0) != 0 && line.rfind("exists", 0) != 0 && line != "workarea" &&
          line.rfind("onmonitor", 0) != 0) {
        out.push_back(line);
      }
    }
    return out;
  }
  std::vector<std::string> Writes() const { return fake.Matching("ini-write"); }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(SettingsFile, EveryKeyIsReadThenApplied) {
  fake.existing_paths = {"c:\\i\\w0.ico", "c:\\i\\s3.ico"};
  Load("xPos=1500\nyPos=3000\nHeight=600\nWidth=3000\nShiftBgColor_1=00FF00\nCtrlForeColor_0=ff8000\n"
       "CtrlChr_1=コントロール\nShiftChr_0=\nTimer=50\nNoProc=0\nTaskTop=x\nWindowType=1\nzPos=True\n"
       "SizeLock=True\nMiddleButton=True\nVersion=99",
       "W_Ctrl0=c:\\i\\w0.ico\nW_Ctrl1=c:\\i\\missing.ico\nS_Shift1_Ctrl1=c:\\i\\s3.ico");
  // Every key is read before anything is applied.
  const auto is_read = [](const std::string& line) { return line.rfind("ini-read", 0) == 0; };
  EXPECT_TRUE(std::none_of(std::find_if_not(fake.log.begin(), fake.log.end(), is_read), fake.log.end(), is_read));
  const std::vector<std::string> effects = Effects();
  const std::vector<std::string> expected_start{"picture Picture3(0) c:\\i\\w0.ico",
                                                "picture Picture2(3) c:\\i\\s3.ico",
                                                "left 1500",
                                                "top 3000",
                                                "height 600",
                                                "width 3000",
                                                "interval 50"};
  ASSERT_GE(effects.size(), expected_start.size());
  EXPECT_EQ(std::vector<std::string>(effects.begin(), effects.begin() + 7), expected_start);
  // The mode, then zPos, SizeLock and MiddleButton.
  const auto at = [&](const std::string& line) { return std::find(effects.begin(), effects.end(), line); };
  EXPECT_LT(at("check mMode1 1"), at("check mTop 1"));
  EXPECT_LT(at("check mTop 1"), at("check mSizeLock 1"));
  EXPECT_LT(at("check mSizeLock 1"), at("check mCenter 1"));
  // Only the check mark, the command is not run; the options submenu's marks follow.
  EXPECT_EQ(std::vector<std::string>(at("check mCenter 1") + 1, effects.end()),
            (std::vector<std::string>{"check mOptNoActivate 0", "check mOptOneShot 0", "check mOptLatchAlt 0",
                                      "check mOptLatchWin 0", "check mOptSounds 0", "check mOptAutoRelease 0"}));
  EXPECT_EQ(fake.disabled.count(MenuItem::mTop), 1u) << "mTop is run even though Double mode disabled it";
  EXPECT_TRUE(fake.Matching("topmost on").empty()) << "the hidden window is not made topmost";
  EXPECT_EQ(fake.Matching("limits").back(), "limits 200x40-200x40") << "locked at the loaded 3000 x 600 twips";

  const AppSettings& s = form.Settings;
  EXPECT_EQ(s.ShiftBgColor_1, 0x00FF00);
  EXPECT_EQ(s.CtrlForeColor_0, 0x0080FF);
  EXPECT_EQ(s.ShiftBgColor_0, kNoColor);
  EXPECT_EQ(s.CtrlChr_1, u"コントロール");
  EXPECT_EQ(s.ShiftChr_0, u"") << "present but empty: the button keeps its caption";
  EXPECT_EQ(s.ShiftChr_1, u"SHIFT");
  EXPECT_EQ(s.NoProc, 1) << "any non-empty text sets the flag";
  EXPECT_EQ(s.TaskTop, 1);
}

TEST_F(SettingsFile, HostileValuesFallBackPerKey) {
  const struct {
    const char* line;
    double left, top, height, width;
    std::int16_t mode;
  } cases[] = {
      {"xPos=12.5", 12, 5760, 800, 4000, 2},
      {"xPos=13.5", 14, 5760, 800, 4000, 2},
      {"xPos=abc", 0, 5760, 800, 4000, 2},
      {"xPos=-5", 7680, 5760, 800, 4000, 2},
      {"xPos=-0", 0, 5760, 800, 4000, 2},
      {"xPos=&HFF", 0, 5760, 800, 4000, 2},
      {"xPos= 12 ", 12, 5760, 800, 4000, 2},
      {"xPos=12abc", 12, 5760, 800, 4000, 2},
      {"xPos=1e400", 7680, 5760, 800, 4000, 2},
      {"yPos=-1e400", 7680, 5760, 800, 4000, 2},
      {"Height=1e400", 7680, 5760, 800, 4000, 2},
      {"Width=9999999999", 7680, 5760, 800, 4000, 2},
      {"WindowType=1.6", 7680, 5760, 800, 4000, 2},
      {"WindowType=0", 7680, 5760, 800, 4000, 0},
      {"WindowType=1.4", 7680, 5760, 800, 4000, 1},
      {"WindowType=abc", 7680, 5760, 800, 4000, 0},
      {"WindowType=", 7680, 5760, 800, 4000, 0},
      {"WindowType=-1", 7680, 5760, 800, 4000, 2},
      {"WindowType=70000", 7680, 5760, 800, 4000, 2},
      {"WindowType=\x01\x02\xff\xfe", 7680, 5760, 800, 4000, 0},
  };
  for (const auto& c : cases) {
    FakePlatform fresh;
    MainForm loaded{fresh.platform()};
    fresh.SetIniText(kIni, std::string("[Option]\n") + c.line + "\n");
    LoadSettings(loaded);
    EXPECT_EQ(fresh.left, c.left) << c.line;
    EXPECT_EQ(fresh.top, c.top) << c.line;
    EXPECT_EQ(fresh.height, c.height) << c.line;
    EXPECT_EQ(fresh.width, c.width) << c.line;
    EXPECT_EQ(loaded.DisplayMode, c.mode) << c.line;
  }
}

TEST_F(SettingsFile, HostileTextIsCutAndNeverBreaksLoading) {
  Load("CtrlChr_0=" + std::string(1 << 20, 'y') + "\nShiftBgColor_0=\x01\x80\xff\nShiftChr_1=\xe3\x81\nTimer=00\n"
       "zPos=true\nMiddleButton=True \nCtrlBgColor_0=FFFFFFFF\nCtrlBgColor_1=0FFFFFFFF",
       "W_Shift0=C:\\Windows");
  const AppSettings& s = form.Settings;
  EXPECT_EQ(s.CtrlChr_0, Text(127, u'y'));
  EXPECT_EQ(s.ShiftBgColor_0, kNoColor);
  EXPECT_EQ(s.CtrlBgColor_0, kNoColor) << "eight digits from 8 up reach 2^31";
  EXPECT_EQ(s.CtrlBgColor_1, kNoColor) << "nine significant digits";
  EXPECT_EQ(fake.interval, 0u) << "00 is not the text 0";
  EXPECT_FALSE(fake.checked.count(MenuItem::mTop)) << "lower-case true is off";
  EXPECT_TRUE(fake.checked.count(MenuItem::mCenter)) << "the profile functions trim the blank";
  EXPECT_TRUE(fake.Matching("picture").empty()) << "a path that does not exist is never loaded";
}

TEST_F(SettingsFile, ASavedPlaceNoMonitorShowsMovesIntoTheWorkArea) {
  // 100000 twips is far right of the 1024-pixel screen; the window is 266 x 53 pixels.
  Load("xPos=100000\nyPos=1500");
  EXPECT_EQ(fake.left, (1024 - 266) * 15);
  EXPECT_EQ(fake.top, 1500) << "the top edge was fine and stays";
  // A window reaching onto the screen by a few pixels stays where it was saved.
  FakePlatform partly;
  MainForm form2{partly.platform()};
  partly.SetIniText(kIni, "[Option]\nxPos=15300\nyPos=1500\n");
  LoadSettings(form2);
  EXPECT_EQ(partly.left, 15300);
}

TEST_F(SettingsFile, ExitWritesNineKeysInOrderAfterTheClosingSteps) {
  Load("xPos=1500\nyPos=3000\nMiddleButton=True\nShiftChr_0=S\nTimer=50");
  fake.left = -150;
  fake.ClearLog();
  SaveSettingsOnExit(form);
  const std::string tail = " C:\\Tools\\ModLatch.ini";
  EXPECT_EQ(Writes(), (std::vector<std::string>{
                          "ini-write General Version 01.03.00" + tail, "ini-write Option MiddleButton True" + tail,
                          "ini-write Option WindowType 2" + tail, "ini-write Option zPos False" + tail,
                          "ini-write Option xPos -150" + tail, "ini-write Option yPos 3000" + tail,
                          "ini-write Option Height 800" + tail, "ini-write Option Width 4000" + tail,
                          "ini-write Option SizeLock False" + tail}));
  const std::vector<std::string> effects = Effects();
  EXPECT_EQ(effects.at(effects.size() - 10), KeyUp(Modifier::Ctrl)) << "writes come after both keys are up";
  EXPECT_EQ(fake.ini_files[kIni]["Option"]["ShiftChr_0"], "S") << "hand edits are never written over";
  EXPECT_EQ(fake.ini_files[kIni]["Option"]["Timer"], "50");
}

TEST_F(SettingsFile, ARefusedWriteDoesNotStopTheOthers) {
  LoadSettings(form);
  fake.ini_read_only = true;
  fake.ClearLog();
  SaveSettingsOnExit(form);
  EXPECT_EQ(Writes().size(), 9u);
  EXPECT_TRUE(fake.ini_files.empty());
}

TEST_F(SettingsFile, WhatIsSavedIsWhatTheNextStartRestores) {
  Load("WindowType=0\nzPos=True\nxPos=3000\nyPos=4500\nWidth=5000\nHeight=900");
  SaveSettingsOnExit(form);
  FakePlatform next;
  next.ini_files = fake.ini_files;
  MainForm restored{next.platform()};
  LoadSettings(restored);
  EXPECT_EQ(restored.DisplayMode, display_mode::kCompact);
  EXPECT_TRUE(next.checked.count(MenuItem::mTop));
  EXPECT_EQ(next.left, 3000);
  EXPECT_EQ(next.top, 4500);
  EXPECT_EQ(next.width, 5000);
  EXPECT_EQ(next.height, 900);
}

// The sample shipped as ModLatch.ini.example: renamed to ModLatch.ini it must start exactly like
// no file at all, and it must show every key of the table as a commented line in its section.
TEST(SampleSettingsFile, NamesEveryKeyCommentedOutInItsSectionAndChangesNothing) {
  std::ifstream file(MODLATCH_SOURCE_DIR "/resources/ModLatch.ini.example", std::ios::binary);
  ASSERT_TRUE(file) << "resources/ModLatch.ini.example";
  std::stringstream bytes;
  bytes << file.rdbuf();
  const std::string sample = bytes.str();

  FakePlatform without;
  MainForm plain{without.platform()};
  OnLoad(plain);
  FakePlatform with;
  MainForm renamed{with.platform()};
  with.SetIniText(kIni, sample);
  OnLoad(renamed);
  EXPECT_EQ(with.log, without.log) << "the start with the sample differs from a start without a file";

  for (const Setting& row : kSettings) {
    const std::size_t section = sample.find("\n[" + testing::Narrow(row.section) + "]");
    ASSERT_NE(section, std::string::npos) << testing::Narrow(row.section);
    const std::size_t line = sample.find("\n;" + testing::Narrow(row.key) + "=", section);
    EXPECT_LT(line, sample.find("\n[", section + 1)) << testing::Narrow(row.key);
  }
}

// Every key and every field has one row of the table; a start that reads every key and an exit
// touch the table's keys and no other, each in its own section.
TEST_F(SettingsFile, EveryKeyOnceAndNoOtherReachesTheFile) {
  std::set<std::string> known;
  for (const Setting& row : kSettings) {
    EXPECT_TRUE(known.insert(testing::Narrow(row.section) + " " + testing::Narrow(row.key)).second);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(row.field) || &SettingOf(row.field) == &row);
  }
  LoadLanguage(form);
  Load("LatchAlt=True\nLatchWin=True");
  SaveSettingsOnExit(form);
  std::set<std::string> used;
  for (const std::string& line : fake.Matching("ini-")) {
    const std::size_t section = line.find(' ') + 1;
    used.insert(line.substr(section, line.find(' ', line.find(' ', section) + 1) - section));
  }
  EXPECT_EQ(used, known);
}

// The exit writes numbers in decimal, the extremes of each width included.
TEST_F(SettingsFile, WrittenNumbersAreDecimal) {
  const struct {
    std::int32_t value;
    const char16_t* text;
  } cases[] = {{0, u"0"}, {7, u"7"}, {-150, u"-150"}, {1000000000, u"1000000000"},
               {2147483647, u"2147483647"}, {-2147483647 - 1, u"-2147483648"}};
  for (const auto& c : cases) {
    form.Settings.xPos = c.value;
    EXPECT_EQ(SettingText(form, SettingOf(&AppSettings::xPos)), c.text) << c.value;
  }
  form.DisplayMode = -32768;
  EXPECT_EQ(SettingText(form, SettingOf(&MainForm::DisplayMode)), u"-32768");
}

TEST(WholeTwips, SinglePrecisionRoundedHalvesToEven) {
  EXPECT_EQ(WholeTwips(7680), 7680);
  EXPECT_EQ(WholeTwips(-15), -15);
  EXPECT_EQ(WholeTwips(-0.0), 0);
  EXPECT_EQ(WholeTwips(12.5), 12);
  EXPECT_EQ(WholeTwips(13.5), 14);
  EXPECT_EQ(WholeTwips(16777217), 16777216) << "beyond a float's 24 bits";
}

}  // namespace
}  // namespace modlatch
