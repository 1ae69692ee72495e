#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

constexpr std::int16_t kCompact = display_mode::kCompact;
constexpr std::int16_t kDouble = display_mode::kDouble;
constexpr std::int16_t kFloat = display_mode::kFloat;

const std::string kDoubleTip = " [SHIFT OFF]  [CTRL OFF]  [RClick = Menu]";

std::string Tip(const std::string& text) { return " '" + text + "'"; }

bool Empty(const TrayIconState& icon) { return !icon.shown && icon.picture == 0 && icon.tip.empty(); }

// What a switch did to icons, the window and its limits, and to mTop.
Log Effects(const FakePlatform& fake) {
  Log effects;
  for (const auto& line : fake.log) {
    for (const char* prefix :
         {"tray ", "hide", "show", "limits", "topmost", "enable "}) {
      if (line.rfind(prefix, 0) == 0) effects.push_back(line);
    }
  }
  return effects;
}

class DisplayModes : public ::testing::Test {
 protected:
  // Brings a mode up as start-up does, lets one tick draw it, and starts a fresh log.
  void StartIn(std::int16_t mode) {
    OnModeCommand(form, mode);
    OnTick(form);
    fake.ClearLog();
  }
  void ExpectOnlyModeChecked(std::int16_t mode) {
    for (std::int16_t m : {kCompact, kDouble, kFloat}) {
      const MenuItem item = static_cast<MenuItem>(static_cast<int>(MenuItem::mMode0) + m);
      EXPECT_EQ(fake.checked.count(item) != 0, m == mode) << "mMode" << m;
    }
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

struct Transition {
  std::int16_t from;
  std::int16_t to;
  Log effects;
};

void PrintTo(const Transition& t, std::ostream* os) { *os << t.from << " -> " << t.to; }

// An icon taken down forgets its picture: CTRL's comes back with none.
const Transition kTransitions[] = {
    {kCompact, kDouble, {"enable mTop 0", "tray remove CTRL", "hide", "tray add SHIFT 0 ''", "tray add CTRL 0 ''"}},
    {kCompact, kFloat,
     {"enable mTop 1", "tray remove CTRL", "tray remove SHIFT", "hide", "show", "limits 120x25-1000x1000",
      "topmost off"}},
    {kDouble, kCompact, {"enable mTop 0", "tray remove CTRL", "tray remove SHIFT", "hide", "tray add CTRL 0 ''"}},
    {kDouble, kFloat,
     {"enable mTop 1", "tray remove CTRL", "tray remove SHIFT", "hide", "show", "limits 120x25-1000x1000",
      "topmost off"}},
    {kFloat, kCompact, {"enable mTop 0", "limits none", "hide", "tray add CTRL 0 ''"}},
    {kFloat, kDouble, {"enable mTop 0", "limits none", "hide", "tray add SHIFT 0 ''", "tray add CTRL 0 ''"}},
};

class ModeSwitch : public DisplayModes, public ::testing::WithParamInterface<Transition> {};

TEST_P(ModeSwitch, TakesDownTheOldModeAndBringsUpTheNew) {
  const Transition& t = GetParam();
  StartIn(t.from);
  OnModeCommand(form, t.to);
  EXPECT_EQ(Effects(fake), t.effects);
  EXPECT_EQ(form.DisplayMode, t.to);
  ExpectOnlyModeChecked(t.to);
  EXPECT_EQ(form.LastModifierState, 255);
  EXPECT_EQ(fake.disabled.count(MenuItem::mTop) == 0, t.to == kFloat);
  EXPECT_EQ(fake.visible, t.to == kFloat);
  EXPECT_EQ(form.SizeLimits.has_value(), t.to == kFloat);
  for (int i = 0; i < 2; ++i) {
    const bool shown = t.to == kDouble || (t.to == kCompact && i == 0);
    EXPECT_EQ(form.TrayIcons[i].shown, shown) << "icon " << i;
    if (!shown) {
      EXPECT_TRUE(Empty(form.TrayIcons[i])) << "icon " << i;
    }
  }
}

std::string TransitionName(const ::testing::TestParamInfo<Transition>& info) {
  static const char* const kNames[] = {"Compact", "Double", "Float"};
  return std::string(kNames[info.param.from]) + "To" + kNames[info.param.to];
}

INSTANTIATE_TEST_SUITE_P(Table, ModeSwitch, ::testing::ValuesIn(kTransitions), TransitionName);

TEST_F(DisplayModes, ChoosingTheCheckedModeDoesNothingAtAll) {
  for (std::int16_t mode : {kCompact, kDouble, kFloat}) {
    SCOPED_TRACE(mode);
    FakePlatform f;
    MainForm fresh{f.platform()};
    OnModeCommand(fresh, mode);
    OnTick(fresh);
    const std::uint8_t last = fresh.LastModifierState;
    f.ClearLog();
    OnModeCommand(fresh, mode);
    EXPECT_TRUE(f.log.empty());
    EXPECT_EQ(fresh.LastModifierState, last);
  }
}

TEST_F(DisplayModes, IconsAreAddedWithTheirLastPictureAndAnEmptyTip) {
  StartIn(kCompact);
  form.TrayIcons[1].picture = 0x999;  // SHIFT's icon is not taken down, so it keeps this
  form.TrayIcons[1].tip = u"old";
  OnModeCommand(form, kDouble);
  EXPECT_EQ(fake.Matching("tray"), (Log{"tray remove CTRL", "tray add SHIFT 999 ''", "tray add CTRL 0 ''"}))
      << "CTRL's picture went with its icon";
}

TEST_F(DisplayModes, NoProcKeepsFloatWithoutSizeLimits) {
  form.Settings.NoProc = 1;
  StartIn(kDouble);
  OnModeCommand(form, kFloat);
  EXPECT_TRUE(fake.Matching("limits").empty());
  EXPECT_EQ(fake.Matching("show"), Log{"show"});
  EXPECT_EQ(fake.Matching("topmost").size(), 1u) << "stacking is still applied";
  EXPECT_FALSE(form.SizeLimits.has_value());
}

TEST_F(DisplayModes, NextTickAfterASwitchRedrawsWithTheNewModesImagesAndTips) {
  StartIn(kCompact);
  OnModeCommand(form, kDouble);
  fake.ClearLog();
  OnTick(form);  // keys unchanged since the last tick
  // CTRL up, then SHIFT up.
  EXPECT_EQ(fake.Matching("tray"), (Log{"tray update CTRL 400" + Tip(kDoubleTip), "tray update SHIFT 402" + Tip(kDoubleTip)}));
}

TEST_F(DisplayModes, TaskbarCreatedReaddsTheCurrentIconsAsTheyAre) {
  StartIn(kDouble);
  OnTaskbarCreated(form);
  EXPECT_EQ(fake.log, (Log{"tray add SHIFT 402" + Tip(kDoubleTip), "tray add CTRL 400" + Tip(kDoubleTip)}));
}

TEST_F(DisplayModes, TaskbarCreatedInCompactReaddsOneIconAndInFloatNone) {
  StartIn(kCompact);
  OnTaskbarCreated(form);
  EXPECT_EQ(fake.log, Log{"tray add CTRL 300" + Tip(" [SHIFT OFF]  [CTRL OFF]  [L + RClick = Menu]")});

  OnModeCommand(form, kFloat);
  fake.ClearLog();
  OnTaskbarCreated(form);
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(DisplayModes, StartUpByDefaultOrWithAModeOutsideTheMenuIsFloat) {
  for (const char* window_type : {"", "WindowType=2", "WindowType=7", "WindowType=-1", "WindowType=3"}) {
    SCOPED_TRACE(window_type);
    FakePlatform f;
    MainForm fresh{f.platform()};
    f.SetIniText("C:\\Tools\\ModLatch.ini", std::string("[Option]\n") + window_type + "\n");
    OnLoad(fresh);
    EXPECT_EQ(fresh.DisplayMode, kFloat);
    EXPECT_TRUE(f.checked.count(MenuItem::mMode2));
    EXPECT_TRUE(f.visible);
    EXPECT_EQ(f.disabled.count(MenuItem::mTop), 0u);
    EXPECT_EQ(f.Matching("limits").size(), 1u);
    EXPECT_TRUE(f.Matching("tray add").empty());
  }
}

}  // namespace
}  // namespace modlatch
