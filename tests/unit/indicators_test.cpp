#include <gtest/gtest.h>

#include "latch/indicators.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using testing::Narrow;

class Refresh : public ::testing::Test {
 protected:
  void Keys(bool shift, bool ctrl) {
    fake.SetKey(vk::kShift, KeyReading{shift, false});
    fake.SetKey(vk::kControl, KeyReading{ctrl, false});
  }
  std::int32_t RefreshIn(std::int16_t mode, bool shift, bool ctrl) {
    form.DisplayMode = mode;
    form.LastModifierState = modifier_state::kForceRedraw;
    for (TrayIconState& icon : form.TrayIcons) icon.shown = icon.taken = true;  // as the mode added them
    Keys(shift, ctrl);
    fake.ClearLog();
    return RefreshIndicators(form);
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(Refresh, QueriesInOrderAndReturnsTheState) {
  EXPECT_EQ(RefreshIn(display_mode::kFloat, true, false), 2);
  EXPECT_EQ(fake.Matching("read "),
            (std::vector<std::string>{"read ALT", "read MBUTTON", "read SHIFT", "read CTRL"}));
  EXPECT_EQ(RefreshIn(display_mode::kFloat, false, true), 1);
  EXPECT_EQ(RefreshIn(display_mode::kFloat, true, true), 3);
  EXPECT_EQ(RefreshIn(display_mode::kFloat, false, false), 0);
}

TEST_F(Refresh, UnchangedStateTouchesNothing) {
  RefreshIn(display_mode::kCompact, true, false);
  fake.ClearLog();
  EXPECT_EQ(RefreshIndicators(form), -1);
  EXPECT_EQ(fake.key_queries, 4);
  EXPECT_EQ(fake.ui_calls, 0);
  EXPECT_EQ(fake.tray_calls, 0);
}

TEST_F(Refresh, ChecksMenuItemsCtrlFirst) {
  RefreshIn(display_mode::kCompact, true, false);
  EXPECT_EQ(fake.Matching("check"), (std::vector<std::string>{"check mCTRL 0", "check mSHIFT 1"}));
}

TEST_F(Refresh, FloatSetsTheStripTooltipAndBothButtons) {
  RefreshIn(display_mode::kFloat, false, true);
  EXPECT_EQ(Narrow(fake.strip_tooltip), " [SHIFT OFF]  [CTRL ON] ");
  EXPECT_TRUE(fake.toggle_value[0]);
  EXPECT_FALSE(fake.toggle_value[1]);
  EXPECT_EQ(fake.tray_calls, 0);
}

TEST_F(Refresh, CompactShowsTheImageOfTheWholeState) {
  for (int state = 0; state < 4; ++state) {
    RefreshIn(display_mode::kCompact, state & 2, state & 1);
    EXPECT_EQ(form.TrayIcons[0].picture, fake.CompactImage(state));
    ASSERT_EQ(fake.Matching("tray").size(), 1u);
    EXPECT_EQ(fake.Matching("tray update CTRL 30" + std::to_string(state) + " ").size(), 1u);
  }
  RefreshIn(display_mode::kCompact, false, false);
  EXPECT_EQ(fake.Matching("tray").back(), "tray update CTRL 300 ' [SHIFT OFF]  [CTRL OFF]  [L + RClick = Menu]'");
  RefreshIn(display_mode::kCompact, true, true);
  EXPECT_EQ(fake.Matching("tray").back(), "tray update CTRL 303 ' [SHIFT ON]  [CTRL ON]  [L + RClick = Menu]'");
}

TEST_F(Refresh, DoubleShowsOneImagePerKeyAndTheFullTextOnBoth) {
  RefreshIn(display_mode::kDouble, true, false);
  EXPECT_EQ(fake.Matching("tray"), (std::vector<std::string>{"tray update CTRL 400 ' [SHIFT ON]  [CTRL OFF]  [RClick = Menu]'",
                                                             "tray update SHIFT 403 ' [SHIFT ON]  [CTRL OFF]  [RClick = Menu]'"}));
  EXPECT_EQ(form.TrayIcons[0].picture, fake.DoubleImage(0));
  EXPECT_EQ(form.TrayIcons[1].picture, fake.DoubleImage(3));
  RefreshIn(display_mode::kDouble, false, true);
  EXPECT_EQ(form.TrayIcons[0].picture, fake.DoubleImage(1));
  EXPECT_EQ(form.TrayIcons[1].picture, fake.DoubleImage(2));
  EXPECT_EQ(fake.Matching("tray update CTRL 401 ").size(), 1u);
  EXPECT_EQ(fake.Matching("tray update SHIFT 402 ").size(), 1u);
}

TEST_F(Refresh, OtherModesOnlyTrackTheMenu) {
  EXPECT_EQ(RefreshIn(5, true, true), 3);
  EXPECT_EQ(fake.Matching("check").size(), 2u);
  EXPECT_EQ(fake.tray_calls, 0);
  EXPECT_TRUE(fake.Matching("value").empty());
}

class ButtonLook : public ::testing::Test {
 protected:
  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(ButtonLook, SetColoursAndCaptionForTheCurrentValue) {
  form.Settings.CtrlBgColor_1 = 0x000000FF;
  form.Settings.CtrlForeColor_1 = 0;  // black is a colour, not "unset"
  form.Settings.CtrlChr_1 = u"ctrl!";
  fake.toggle_value[0] = true;
  ApplyButtonLook(form, Modifier::Ctrl);
  EXPECT_EQ(fake.Matching("backcolor"), std::vector<std::string>{"backcolor CTRL ff"});
  EXPECT_EQ(fake.Matching("forecolor"), std::vector<std::string>{"forecolor CTRL 0"});
  EXPECT_EQ(Narrow(fake.caption[0]), "ctrl!");
}

TEST_F(ButtonLook, UnsetNegativeAndEmptyLeaveTheButtonAsItWas) {
  form.Settings.ShiftBgColor_0 = -1;
  form.Settings.ShiftForeColor_0 = -5;
  form.Settings.ShiftChr_0 = u"";
  ApplyButtonLook(form, Modifier::Shift);
  EXPECT_TRUE(fake.log.empty());
}

}  // namespace
}  // namespace modlatch
