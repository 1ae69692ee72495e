#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "form/main_form.h"
#include "latch/one_shot.h"
#include "settings/language.h"
#include "support/fake_platform.h"
#include "support/started_program.h"

namespace modlatch {
namespace {

using testing::KeyUp;
using testing::kOurs;
using testing::kMaskDown;
using testing::kMaskUp;

using testing::FakePlatform;
using testing::MenuItemName;
using Lines = std::vector<std::string>;

constexpr const char* kIni = testing::kIniPath;

struct Program : testing::StartedProgram {
  explicit Program(const std::string& option_lines) { Start(option_lines); }
  // What a user or the next steps can see, after the size message every real window gets.
  std::string State() {
    OnResize(form);
    const AppSettings& s = form.Settings;
    std::ostringstream out;
    out << static_cast<int>(form.UiLanguage) << s.NoActivate << s.OneShot << s.LatchAlt << s.LatchWin << s.Sounds << " noactivate " << fake.no_activate
        << " hooks " << fake.hooks_installed << " width " << fake.width << " min " << (form.SizeLimits ? form.SizeLimits->min_width : 0);
    for (MenuItem item : fake.checked) out << " check " << static_cast<int>(item);
    for (MenuItem item : fake.latch_items) out << " item " << static_cast<int>(item);
    for (const auto& [control, b] : fake.bounds) {
      out << " bounds " << static_cast<int>(control) << ":" << b.left << "," << b.width << "x" << b.height;
    }
    for (int i = 0; i < 4; ++i) out << " look " << FakePlatform::Utf8(fake.caption[i]) << "," << fake.back_color[i];
    for (const TrayIconState& icon : form.TrayIcons) out << " icon " << icon.shown;
    for (const auto& [item, text] : fake.menu_captions) out << "\n" << MenuItemName(item) << " " << fake.Encode(text);
    out << "\nclose " << fake.Encode(fake.close_name);
    return out.str();
  }
};

TEST(OptionsMenu, EachOptionOnOrOffAtRunTimeEndsAsAStartWithThatValueAndWritesOnlyItsKey) {
  const std::pair<MenuItem, std::string> options[] = {
      {MenuItem::mOptNoActivate, "NoActivate"}, {MenuItem::mOptOneShot, "OneShot"},
      {MenuItem::mOptLatchAlt, "LatchAlt"},     {MenuItem::mOptLatchWin, "LatchWin"},
      {MenuItem::mOptSounds, "Sounds"}};
  // Looks of the ALT and WIN keys are in the file, read when their latch comes on.
  const std::string looks = "AltChr_0=Alt\nWinBgColor_0=FF8000\n";
  for (const char* mode : {"WindowType=2\n", "WindowType=1\n", "WindowType=0\n"}) {
    for (const auto& [item, key] : options) {
      for (bool on : {true, false}) {
        SCOPED_TRACE(::testing::Message() << mode << key << (on ? " on" : " off"));
        Program changed(looks + mode + key + (on ? "=False" : "=True"));
        OnMenuCommand(changed.form, item);
        EXPECT_EQ(changed.fake.Matching("ini-write"),
                  Lines{"ini-write Option " + key + (on ? " True " : " False ") + kIni});
        EXPECT_TRUE(changed.fake.Matching("notice").empty());
        Program started(looks + mode + key + (on ? "=True" : "=False"));
        EXPECT_EQ(changed.State(), started.State());
      }
    }
  }
}

// The item stands for a minute; a time set by hand shows it checked and is kept until chosen.
TEST(OptionsMenu, AutoReleaseWritesAMinuteOrNothingAndAHandSetTimeShowsChecked) {
  const struct {
    const char* ini;
    bool checked_at_start;
    const char* written;
  } rows[] = {{"", false, "60"}, {"AutoRelease=0", false, "60"}, {"AutoRelease=60", true, "0"},
              {"AutoRelease=30", true, "0"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.ini);
    Program p(row.ini);
    EXPECT_EQ(p.fake.checked.count(MenuItem::mOptAutoRelease), row.checked_at_start ? 1u : 0u);
    OnMenuCommand(p.form, MenuItem::mOptAutoRelease);
    EXPECT_EQ(p.fake.Matching("ini-write"), Lines{std::string("ini-write Option AutoRelease ") + row.written + " " + kIni});
    EXPECT_EQ(p.fake.checked.count(MenuItem::mOptAutoRelease), row.checked_at_start ? 0u : 1u);
    EXPECT_EQ(p.form.Settings.AutoRelease, Program(std::string("AutoRelease=") + row.written).form.Settings.AutoRelease);
  }
}

TEST(OptionsMenu, AFailedWriteStillAppliesTheOptionAndTellsTheUserOnce) {
  Program p("");
  p.fake.ini_read_only = true;
  OnMenuCommand(p.form, MenuItem::mOptLatchAlt);
  OnMenuCommand(p.form, MenuItem::mOptOneShot);
  OnMenuCommand(p.form, MenuItem::mLangEnglish);
  EXPECT_EQ(p.State(), Program("LatchAlt=True\nOneShot=True\nLanguage=en").State());
  EXPECT_EQ(p.fake.Matching("notice"), Lines{std::string("notice 設定を保存できませんでした。\n") + kIni +
                                             "\nこのファイルに書き込めないため、この設定は ModLatch を終了するまで有効です。"});
}

TEST(OptionsMenu, ALanguageChosenShowsWhatAStartInItShowsClosesTheOpenWindowsAndWritesOnlyItsKey) {
  const std::string options = "LatchAlt=True\nLatchWin=True\n";  // the latch items are named too
  for (const char* before : {"", "Language=ja", "Language=en"}) {  // "": the (Japanese) system's
    for (const auto& [item, code] : {std::pair<MenuItem, std::string>{MenuItem::mLangJapanese, "ja"},
                                     std::pair<MenuItem, std::string>{MenuItem::mLangEnglish, "en"}}) {
      SCOPED_TRACE(std::string(before) + " -> " + code);
      Program changed(options + before);
      changed.fake.about_exists = true;
      OnMenuCommand(changed.form, item);
      EXPECT_EQ(changed.fake.Matching("ini-write"), Lines{"ini-write Option Language " + code + " " + kIni});
      EXPECT_FALSE(changed.fake.about_exists) << "the About window is closed";
      EXPECT_EQ(changed.State(), Program(options + "Language=" + code).State());
    }
  }
}

TEST(OptionsMenu, SwitchingOffReleasesWhatIsLatchedFirstAndSoundsOnlyForWhatModLatchDoes) {
  struct Case {
    const char* ini;
    std::function<void(Program&)> act;
    Lines injected;  // by the last step
    Lines sounds;
  };
  const auto menu = [](MenuItem first, MenuItem second) {
    return [=](Program& p) {
      OnMenuCommand(p.form, first);
      OnTick(p.form);
      p.fake.ClearLog();
      OnMenuCommand(p.form, second);
    };
  };
  const Case cases[] = {
      // A bare ALT or WIN of ours comes up behind the mask key.
      {"LatchAlt=True", menu(MenuItem::mALT, MenuItem::mOptLatchAlt),
       {kMaskDown, kMaskUp, KeyUp(Modifier::Alt)}, {"sound release"}},
      {"LatchWin=True", menu(MenuItem::mWIN, MenuItem::mOptLatchWin),
       {kMaskDown, kMaskUp, KeyUp(Modifier::Win)}, {"sound release"}},
      // A pending one-shot latch is released; a locked key stays down as a plain latch.
      {"OneShot=True", menu(MenuItem::mSHIFT, MenuItem::mOptOneShot), {KeyUp(Modifier::Shift, kOurs)}, {"sound release"}},
      {"OneShot=True", [](Program& p) { LockLatch(p.form, Modifier::Shift), OnMenuCommand(p.form, MenuItem::mOptOneShot); }, {}, {}},
      {"", menu(MenuItem::mSHIFT, MenuItem::mSHIFT), {KeyUp(Modifier::Shift)}, {"sound release"}},
      // Reset after an unchanged tick sends both key-ups, but sounds only when a key was down.
      {"", menu(MenuItem::mCTRL, MenuItem::mReset), {KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl)}, {"sound release"}},
      {"", menu(MenuItem::mCancel, MenuItem::mReset), {KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl)}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    Program p(std::string(c.ini) + "\nSounds=True");
    c.act(p);
    EXPECT_EQ(p.fake.Matching("key-"), c.injected);
    EXPECT_EQ(p.fake.Matching("sound"), c.sounds);
    for (int index = 0; index < kModifierCount; ++index) EXPECT_EQ(HoldOf(p.form, ModifierAt(index)), Hold::kNone);
  }
}

}  // namespace
}  // namespace modlatch
