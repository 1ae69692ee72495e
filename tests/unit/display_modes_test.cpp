#include <gtest/gtest.h>

#include <algorithm>
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

std::uint32_t Field(const TrayIconData& record, std::size_t offset) {
  return record.bytes[offset] | record.bytes[offset + 1] << 8 | record.bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(record.bytes[offset + 3]) << 24;
}

// The tooltip text up to its NUL, within the 64 tooltip bytes.
std::string TipText(const TrayIconData& record) {
  const auto tip = record.bytes.begin() + 24;
  return std::string(tip, std::find(tip, record.bytes.end(), 0));
}

bool AllZero(const TrayIconData& record) {
  for (auto b : record.bytes) {
    if (b != 0) return false;
  }
  return true;
}

// What a switch did to icons, holders, the window and its procedure, and to mTop.
Log Effects(const FakePlatform& fake) {
  Log effects;
  for (const auto& line : fake.log) {
    for (const char* prefix :
         {"tray ", "holder ", "hide", "show", "install-proc", "restore-proc", "setpos", "enable "}) {
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
    fake.tray_records.clear();
    fake.tray_messages.clear();
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

const Transition kTransitions[] = {
    {kCompact, kDouble,
     {"enable mTop 0", "tray delete 2000", "holder 0 0", "hide", "tray add 2001", "tray add 2000"}},
    {kCompact, kFloat,
     {"enable mTop 1", "tray delete 2000", "holder 0 0", "tray delete 0", "holder 1 0", "hide", "show",
      "install-proc 1000", "setpos 1000 after=-2 0,0,0,0 flags=13"}},
    {kDouble, kCompact,
     {"enable mTop 0", "tray delete 2000", "holder 0 0", "tray delete 2001", "holder 1 0", "hide",
      "tray add 2000"}},
    {kDouble, kFloat,
     {"enable mTop 1", "tray delete 2000", "holder 0 0", "tray delete 2001", "holder 1 0", "hide", "show",
      "install-proc 1000", "setpos 1000 after=-2 0,0,0,0 flags=13"}},
    {kFloat, kCompact, {"enable mTop 0", "restore-proc 1000 7000", "hide", "tray add 2000"}},
    {kFloat, kDouble, {"enable mTop 0", "restore-proc 1000 7000", "hide", "tray add 2001", "tray add 2000"}},
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
  EXPECT_EQ(form.SizeLimits.PrevWndProc != 0, t.to == kFloat);
  for (int i = 0; i < 2; ++i) {
    const bool shown = t.to == kDouble || (t.to == kCompact && i == 0);
    EXPECT_EQ(Field(form.TrayIcons[i], 4) != 0, shown) << "record " << i;
    if (!shown) {
      EXPECT_TRUE(AllZero(form.TrayIcons[i])) << "record " << i;
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

TEST_F(DisplayModes, IconsAreAddedWithTheHoldersImageAndAnEmptyTip) {
  StartIn(kCompact);
  fake.holder_image[1] = 0x999;  // record 1 is not deleted, so its holder keeps this
  OnModeCommand(form, kDouble);
  ASSERT_EQ(fake.tray_records.size(), 3u);  // delete 0, add 1, add 0
  const TrayIconData& shift = fake.tray_records[1];
  const TrayIconData& ctrl = fake.tray_records[2];
  EXPECT_EQ(Field(shift, 20), 0x999u);
  EXPECT_EQ(Field(ctrl, 20), 0u) << "holder 0 was cleared with its record";
  EXPECT_EQ(TipText(shift), "");
  EXPECT_EQ(TipText(ctrl), "");
}

TEST_F(DisplayModes, NoProcKeepsFloatWithoutTheSizeLimitProcedure) {
  form.Settings.NoProc = 1;
  StartIn(kDouble);
  OnModeCommand(form, kFloat);
  EXPECT_TRUE(fake.Matching("install-proc").empty());
  EXPECT_EQ(fake.Matching("show"), Log{"show"});
  EXPECT_EQ(fake.Matching("setpos").size(), 1u) << "stacking is still applied";
  EXPECT_EQ(form.SizeLimits.PrevWndProc, 0u);
}

TEST_F(DisplayModes, NextTickAfterASwitchRedrawsWithTheNewModesImagesAndTips) {
  StartIn(kCompact);
  OnModeCommand(form, kDouble);
  fake.ClearLog();
  fake.tray_records.clear();
  OnTick(form);  // keys unchanged since the last tick
  EXPECT_EQ(fake.Matching("tray"), (Log{"tray modify 2000", "tray modify 2001"}));
  ASSERT_EQ(fake.tray_records.size(), 2u);
  EXPECT_EQ(Field(fake.tray_records[0], 20), 0x400u);  // CTRL up
  EXPECT_EQ(Field(fake.tray_records[1], 20), 0x402u);  // SHIFT up
  EXPECT_EQ(TipText(fake.tray_records[0]), kDoubleTip);
  EXPECT_EQ(TipText(fake.tray_records[1]), kDoubleTip);
}

TEST_F(DisplayModes, TaskbarCreatedReaddsTheCurrentIconsAsTheyAre) {
  StartIn(kDouble);
  OnTaskbarCreated(form);
  EXPECT_EQ(fake.log, (Log{"tray add 2001", "tray add 2000"}));
  ASSERT_EQ(fake.tray_records.size(), 2u);
  EXPECT_EQ(fake.tray_records[0].bytes, form.TrayIcons[1].bytes);
  EXPECT_EQ(fake.tray_records[1].bytes, form.TrayIcons[0].bytes);
  EXPECT_EQ(TipText(fake.tray_records[1]), kDoubleTip);
  EXPECT_EQ(Field(fake.tray_records[1], 20), 0x400u);
}

TEST_F(DisplayModes, TaskbarCreatedInCompactReaddsOneIconAndInFloatNone) {
  StartIn(kCompact);
  OnTaskbarCreated(form);
  EXPECT_EQ(fake.log, Log{"tray add 2000"});
  ASSERT_EQ(fake.tray_records.size(), 1u);
  EXPECT_EQ(TipText(fake.tray_records[0]), " [SHIFT OFF]  [CTRL OFF]  [L + RClick = Menu]");

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
    EXPECT_EQ(f.Matching("install-proc").size(), 1u);
    EXPECT_TRUE(f.Matching("tray add").empty());
  }
}

}  // namespace
}  // namespace modlatch
