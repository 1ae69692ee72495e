#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "mainwindow/placement.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

class Placement : public ::testing::Test {
 protected:
  // Places the main window in whole pixels at 15 twips per pixel.
  void PlacePixels(int left, int top, int width, int height) {
    fake.left = left * 15.0;
    fake.top = top * 15.0;
    fake.width = width * 15.0;
    fake.height = height * 15.0;
  }
  // The position changes the correction made, as "left <twips>" / "top <twips>".
  Log Moves() {
    Log moves;
    for (const auto& line : fake.log) {
      if (line.rfind("left ", 0) == 0 || line.rfind("top ", 0) == 0) moves.push_back(line);
    }
    return moves;
  }
  Log Correct() {
    fake.ClearLog();
    KeepInWorkArea(form);
    return Moves();
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(Placement, ApplyTopMostActsOnlyInFloatMode) {
  for (std::int16_t mode : {display_mode::kCompact, display_mode::kDouble, std::int16_t{5}}) {
    form.DisplayMode = mode;
    form.Settings.zPos = true;
    ApplyTopMost(form);
  }
  EXPECT_TRUE(fake.log.empty());

  form.DisplayMode = display_mode::kFloat;
  ApplyTopMost(form);
  form.Settings.zPos = false;
  ApplyTopMost(form);
  EXPECT_EQ(fake.log, (Log{"topmost on", "topmost off"}));
}

TEST_F(Placement, KeepInWorkAreaCorrectsEachSide) {
  fake.work_area = {100, 50, 900, 650};
  PlacePixels(300, 200, 200, 53);
  EXPECT_EQ(Correct(), Log{}) << "inside";
  PlacePixels(70, 200, 200, 53);
  EXPECT_EQ(Correct(), Log{"left 1500"});
  PlacePixels(750, 200, 200, 53);
  EXPECT_EQ(Correct(), Log{"left 10500"}) << "right edge 50 px out: moved left by exactly 50";
  PlacePixels(300, 20, 200, 53);
  EXPECT_EQ(Correct(), Log{"top 750"});
  PlacePixels(300, 620, 200, 53);
  EXPECT_EQ(Correct(), (Log{"top 8955"}));
  PlacePixels(50, 700, 200, 53);
  EXPECT_EQ(Correct(), (Log{"left 1500", "top 8955"}));
}

TEST_F(Placement, KeepInWorkAreaTestsTheLeftAndTopEdgesFirst) {
  fake.work_area = {100, 50, 900, 650};
  PlacePixels(50, 20, 1000, 700);  // sticks out on all four sides
  EXPECT_EQ(Correct(), (Log{"left 1500", "top 750"}));
}

TEST_F(Placement, KeepInWorkAreaNeverAppliesANegativePosition) {
  fake.work_area = {0, 0, 800, 600};
  PlacePixels(100, 100, 900, 700);  // would need -100, -100
  EXPECT_EQ(Correct(), Log{});
  PlacePixels(100, 100, 800, 600);  // exactly 0 is applied
  EXPECT_EQ(Correct(), (Log{"left 0", "top 0"}));
}

TEST_F(Placement, KeepInWorkAreaWritesPixelsTimesTheUnroundedFactor) {
  fake.work_area = {100, 50, 900, 650};
  fake.dpi = {192, 192};  // 7.5 twips a pixel; rounding would make it 8
  fake.left = 0;
  fake.top = 1000;
  fake.width = 2400;
  fake.height = 600;
  EXPECT_EQ(Correct(), Log{"left 750"});
}

TEST_F(Placement, KeepInWorkAreaConvertsTheRightEdgeFromTheTwipsSum) {
  fake.work_area = {0, 0, 900, 650};
  fake.left = 13490;  // 899 px
  fake.width = 25;    // 1 px, but left + width is 901 px
  fake.top = 1500;
  fake.height = 795;
  EXPECT_EQ(Correct(), Log{"left 13485"});  // 900 - 1 px
}

TEST_F(Placement, KeepInWorkAreaDoesNothingWithTaskTop) {
  form.Settings.TaskTop = 1;
  PlacePixels(-30, -30, 200, 53);
  fake.ClearLog();
  KeepInWorkArea(form);
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(Placement, KeepInWorkAreaWithAFailedQueryUsesAZeroRectangle) {
  fake.work_area_fails = true;
  PlacePixels(100, 200, 200, 53);
  EXPECT_EQ(Correct(), Log{}) << "the results would be negative";
  PlacePixels(-50, 200, 200, 53);
  EXPECT_EQ(Correct(), Log{"left 0"});
}

TEST_F(Placement, LeftMouseDownDragsThenCorrects) {
  PlacePixels(-30, 200, 200, 53);  // dropped 30 px past the left edge
  OnCaptionStripMouseDown(form, MouseButton::Left);
  EXPECT_EQ(fake.log, (Log{"drag", "workarea", "left 0"}));
}

TEST_F(Placement, RightMouseDownOpensTheMenuWithoutCorrection) {
  PlacePixels(-30, -30, 200, 53);
  OnCaptionStripMouseDown(form, MouseButton::Right);
  EXPECT_EQ(fake.log, (Log{"check mOptSignInStart 0", "popup"}));
}

TEST_F(Placement, MiddleMouseDownOnlyCorrects) {
  PlacePixels(-30, 200, 200, 53);
  OnCaptionStripMouseDown(form, MouseButton::Middle);
  EXPECT_EQ(fake.log, (Log{"workarea", "left 0"}));
}

TEST_F(Placement, MouseDownWithTaskTopNeverRepositions) {
  form.Settings.TaskTop = 1;
  PlacePixels(-30, -30, 200, 53);
  OnCaptionStripMouseDown(form, MouseButton::Left);
  OnCaptionStripMouseDown(form, MouseButton::Middle);
  EXPECT_EQ(fake.log, Log{"drag"});
}

TEST_F(Placement, TopCommandTogglesAndRestacksInFloatMode) {
  form.DisplayMode = display_mode::kFloat;
  OnMenuCommand(form, MenuItem::mTop);
  EXPECT_TRUE(fake.checked.count(MenuItem::mTop));
  OnMenuCommand(form, MenuItem::mTop);
  EXPECT_FALSE(fake.checked.count(MenuItem::mTop));
  EXPECT_EQ(fake.Matching("topmost"), (Log{"topmost on", "topmost off"}));
}

TEST_F(Placement, TopCommandOutsideFloatOnlyChecksUntilFloatIsShown) {
  OnModeCommand(form, display_mode::kCompact);
  fake.ClearLog();
  OnTopCommand(form);
  EXPECT_EQ(fake.log, Log{"check mTop 1"});
  OnModeCommand(form, display_mode::kFloat);
  EXPECT_EQ(fake.Matching("topmost"), Log{"topmost on"});
}

TEST_F(Placement, CenterCommandOnlyTogglesItsCheckMark) {
  OnMenuCommand(form, MenuItem::mCenter);
  OnMenuCommand(form, MenuItem::mCenter);
  EXPECT_EQ(fake.log, (Log{"check mCenter 1", "check mCenter 0"}));
}

}  // namespace
}  // namespace modlatch
