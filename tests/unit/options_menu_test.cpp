#include <gtest/gtest.h>

#include "form/main_form.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"
#include "latch/toggle_buttons.h"
#include "settings/load_settings.h"
#include "support/fake_platform.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Lines = std::vector<std::string>;

constexpr char kIni[] = "C:\\Tools\\ModLatch.ini";

struct Program {
  explicit Program(const std::string& option_lines) {
    fake.SetIniText(kIni, "[Option]\n" + option_lines + "\n");
    OnLoad(form);
    fake.ClearLog();
  }
  FakePlatform fake;
  MainForm form{fake.platform()};
};

// What a start leaves that a user or the next steps can see.
struct Snapshot {
  AppSettings settings;
  bool no_activate, hooks;
  std::set<MenuItem> checked, latch_items;
  std::map<Control, Bounds> bounds;
  std::array<Text, 4> captions;
  std::set<WindowHandle> icons;
  double width, height;
  std::int32_t min_width;
};

// The real window lays out its buttons at every size message, the first show's included.
Snapshot Take(Program& p) {
  OnResize(p.form);
  Snapshot s{p.form.Settings, p.fake.no_activate, p.fake.hooks_installed, p.fake.checked, p.fake.latch_items,
             p.fake.bounds, p.fake.caption, {}, p.fake.width, p.fake.height, p.form.SizeLimits.MinTrackWidth};
  for (const TrayIconData& record : p.form.TrayIcons) {
    if (tray_record::Window(record) != 0) s.icons.insert(tray_record::Window(record));
  }
  return s;
}

void ExpectSame(const Snapshot& a, const Snapshot& b) {
  const auto flags = [](const AppSettings& s) {
    return std::vector<bool>{s.NoActivate, s.OneShot, s.LatchAlt, s.LatchWin, s.Sounds};
  };
  EXPECT_EQ(flags(a.settings), flags(b.settings));
  // The looks of a latch that is off are not read and not used.
  if (b.settings.LatchAlt) EXPECT_EQ(a.settings.AltChr_0, b.settings.AltChr_0);
  if (b.settings.LatchWin) EXPECT_EQ(a.settings.WinBgColor_1, b.settings.WinBgColor_1);
  EXPECT_EQ(a.no_activate, b.no_activate);
  EXPECT_EQ(a.hooks, b.hooks);
  EXPECT_EQ(a.checked, b.checked);
  EXPECT_EQ(a.latch_items, b.latch_items);
  EXPECT_EQ(a.bounds.size(), b.bounds.size());
  for (const auto& [control, bounds] : a.bounds) {
    const Bounds& other = b.bounds.at(control);
    EXPECT_EQ(std::vector<int>({bounds.left, bounds.top, bounds.width, bounds.height}),
              std::vector<int>({other.left, other.top, other.width, other.height}));
  }
  EXPECT_EQ(a.captions, b.captions);
  EXPECT_EQ(a.icons, b.icons);
  EXPECT_EQ(a.width, b.width);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.min_width, b.min_width);
}

struct OptionCase {
  MenuItem item;
  const char* key;
};
const OptionCase kOptions[] = {
    {MenuItem::mOptNoActivate, "NoActivate"}, {MenuItem::mOptOneShot, "OneShot"},
    {MenuItem::mOptLatchAlt, "LatchAlt"},     {MenuItem::mOptLatchWin, "LatchWin"},
    {MenuItem::mOptSounds, "Sounds"},
};

TEST(OptionsMenu, EachOptionOnOrOffAtRunTimeEndsAsAStartWithThatValueAndWritesOnlyItsKey) {
  // Looks of the ALT and WIN keys are in the file, read when the latch comes on.
  const std::string looks = "AltChr_0=Alt\nWinBgColor_1=FF8000\n";
  for (const char* mode : {"WindowType=2", "WindowType=1", "WindowType=0"}) {
    for (const OptionCase& option : kOptions) {
      for (bool on : {true, false}) {
        SCOPED_TRACE(::testing::Message() << mode << " " << option.key << (on ? " on" : " off"));
        const std::string before = std::string(option.key) + (on ? "=False" : "=True");
        const std::string after = std::string(option.key) + (on ? "=True" : "=False");
        Program changed(looks + mode + "\n" + before);
        OnMenuCommand(changed.form, option.item);
        EXPECT_EQ(changed.fake.Matching("ini-write"),
                  Lines{std::string("ini-write Option ") + option.key + (on ? " True " : " False ") + kIni});
        EXPECT_TRUE(changed.fake.Matching("notice").empty());
        Program started(looks + mode + "\n" + after);
        ExpectSame(Take(changed), Take(started));
      }
    }
  }
}

TEST(OptionsMenu, AFailedWriteStillAppliesTheOptionAndTellsTheUserOnce) {
  Program p("");
  p.fake.ini_read_only = true;
  OnMenuCommand(p.form, MenuItem::mOptLatchAlt);
  OnMenuCommand(p.form, MenuItem::mOptOneShot);
  EXPECT_TRUE(p.form.Settings.LatchAlt);
  EXPECT_TRUE(p.form.Settings.OneShot);
  EXPECT_TRUE(p.fake.hooks_installed);
  EXPECT_EQ(p.fake.checked.count(MenuItem::mOptOneShot), 1u);
  const Lines notices = p.fake.Matching("notice");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find(std::string("\n") + kIni + "\n"), std::string::npos) << notices[0];
}

TEST(OptionsMenu, SwitchingOffReleasesWhatIsLatchedFirst) {
  struct Case {
    const char* ini;
    std::function<void(MainForm&)> latch;
    MenuItem option;
    Lines released;
  };
  const std::string marker = " 4d4c4f53";
  const Case cases[] = {
      // A bare ALT or WIN of ours comes up behind the mask key.
      {"LatchAlt=True", [](MainForm& f) { OnMenuCommand(f, MenuItem::mALT); }, MenuItem::mOptLatchAlt,
       {"inject e8 0 0" + marker, "inject e8 0 2" + marker, "inject a4 0 2 0"}},
      {"LatchWin=True", [](MainForm& f) { OnMenuCommand(f, MenuItem::mWIN); }, MenuItem::mOptLatchWin,
       {"inject e8 0 0" + marker, "inject e8 0 2" + marker, "inject 5b 0 3 0"}},
      // A pending one-shot latch is released; a locked key stays down as a plain latch.
      {"OneShot=True", [](MainForm& f) { HandleIndicatorClick(f, 1, 0); }, MenuItem::mOptOneShot,
       {"inject 10 0 3" + marker}},
      {"OneShot=True", [](MainForm& f) { LockLatch(f, 1); }, MenuItem::mOptOneShot, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    Program p(c.ini);
    c.latch(p.form);
    OnTick(p.form);
    p.fake.ClearLog();
    OnMenuCommand(p.form, c.option);
    EXPECT_EQ(p.fake.Matching("inject"), c.released);
    EXPECT_FALSE(p.fake.hooks_installed);
    for (int index = 0; index < modifier_index::kCount; ++index) EXPECT_EQ(HoldOf(p.form, index), Hold::kNone);
  }
}

TEST(OptionsMenu, SoundsFollowOnlyWhatModLatchDoes) {
  struct Case {
    const char* what;
    std::function<void(Program&)> act;
    Lines sounds;
  };
  const auto click_shift = [](Program& p) { HandleIndicatorClick(p.form, 1, 0); };
  const Case cases[] = {
      {"a click latches", click_shift, {"sound latch"}},
      {"a second click releases",
       [&](Program& p) {
         click_shift(p);
         click_shift(p);
       },
       {"sound latch", "sound release"}},
      {"reset releases what is down",
       [](Program& p) {
         p.fake.Hold(vk::kShift);
         OnMenuCommand(p.form, MenuItem::mReset);
       },
       {"sound release"}},
      {"reset with nothing down is silent", [](Program& p) { OnMenuCommand(p.form, MenuItem::mReset); }, {}},
      {"a key on the keyboard is silent",
       [](Program& p) {
         p.fake.Hold(vk::kLeftAlt);
         p.fake.Hold(vk::kAlt);
         OnTick(p.form);
         p.fake.Release(vk::kLeftAlt);
         p.fake.Release(vk::kAlt);
         OnTick(p.form);
       },
       {}},
      {"switching ALT off while latched releases it",
       [](Program& p) {
         OnMenuCommand(p.form, MenuItem::mALT);
         OnMenuCommand(p.form, MenuItem::mOptLatchAlt);
       },
       {"sound latch", "sound release"}},
  };
  for (bool sounds : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.what << (sounds ? "" : ", Sounds off"));
      Program p(std::string("LatchAlt=True\nSounds=") + (sounds ? "True" : "False"));
      c.act(p);
      EXPECT_EQ(p.fake.Matching("sound"), sounds ? c.sounds : Lines{});
    }
  }
}

TEST(OptionsMenu, OneShotSoundsForALockAndAReleaseAfterTheNextKey) {
  Program p("OneShot=True\nSounds=True");
  HandleIndicatorClick(p.form, 1, 0);
  OnHookKey(p.form, HookKey{0x41, false});
  OnHookKey(p.form, HookKey{0x41, true});
  ReleaseUsedLatches(p.form);
  HandleIndicatorClick(p.form, 1, 0);
  LockLatch(p.form, 1);
  EXPECT_EQ(p.fake.Matching("sound"), (Lines{"sound latch", "sound release", "sound latch"}));
}

}  // namespace
}  // namespace modlatch
