#include <gtest/gtest.h>

#include "form/main_form.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/twips.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourOthersToTheNearest) {
  EXPECT_EQ(RoundHalfEven(12.5), 12);
  EXPECT_EQ(RoundHalfEven(13.5), 14);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(12.49), 12);
  EXPECT_EQ(RoundHalfEven(12.51), 13);
  EXPECT_EQ(RoundHalfEven(-12.51), -13);
  EXPECT_EQ(RoundHalfEven(7.0), 7);
}

TEST(TwipsToPixels, TwipsAndFactorAreEachRoundedHalfToEvenBeforeDividing) {
  EXPECT_EQ(TwipsToPixels(14.5, 15), 0);  // 14, not 15
  EXPECT_EQ(TwipsToPixels(29.5, 15), 2);  // 30, not 29
  EXPECT_EQ(TwipsToPixels(14.6, 15), 1);
  EXPECT_EQ(TwipsToPixels(28, 14.5), 2);  // factor 14
  EXPECT_EQ(TwipsToPixels(30, 15.5), 1);  // factor 16
  EXPECT_EQ(TwipsToPixels(30, 15.4), 2);  // factor 15
}

TEST(TwipsToPixels, DivisionTruncatesTowardZero) {
  EXPECT_EQ(TwipsToPixels(4000, 15), 266);  // 266.67
  EXPECT_EQ(TwipsToPixels(29, 15), 1);
  EXPECT_EQ(TwipsToPixels(-29, 15), -1);
  EXPECT_EQ(TwipsToPixels(-15.5, 15), -1);  // -16 / 15
  EXPECT_EQ(TwipsToPixels(-14.5, 15), 0);   // -14 / 15
}

class FloatLayout : public ::testing::Test {
 protected:
  // Sizes the window in whole pixels at 15 twips per pixel and runs the resize event.
  void ResizePixels(int width_px, int height_px) {
    fake.width = width_px * 15.0;
    fake.height = height_px * 15.0;
    OnResize(form);
  }

  const Bounds& Shift() { return fake.bounds[Control::Check1_1]; }
  const Bounds& Ctrl() { return fake.bounds[Control::Check1_0]; }
  const Bounds& Strip() { return fake.bounds[Control::Picture4]; }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

void ExpectBounds(const Bounds& b, int left, int top, int width, int height) {
  EXPECT_EQ(b.left, left);
  EXPECT_EQ(b.top, top);
  EXPECT_EQ(b.width, width);
  EXPECT_EQ(b.height, height);
}

TEST_F(FloatLayout, DefaultWindowOf4000By800Twips) {
  fake.width = 4000;  // 266 px
  fake.height = 800;  // 53 px
  OnResize(form);
  ExpectBounds(Shift(), 24, 0, 117, 45);
  ExpectBounds(Ctrl(), 140, 0, 117, 45);
  ExpectBounds(Strip(), 2, 0, 17, 45);
}

TEST_F(FloatLayout, HalvingTruncatesSoOddWidthsMatchTheEvenBelow) {
  ResizePixels(267, 53);
  EXPECT_EQ(Shift().width, 117);
  EXPECT_EQ(Ctrl().left, 140);
  ResizePixels(268, 53);
  EXPECT_EQ(Shift().width, 118);
  EXPECT_EQ(Ctrl().left, 141);
}

TEST_F(FloatLayout, SmallestDefaultLimitStillGivesPositiveButtons) {
  ResizePixels(120, 25);
  ExpectBounds(Shift(), 24, 0, 44, 17);
  ExpectBounds(Ctrl(), 67, 0, 44, 17);
  EXPECT_EQ(Strip().height, 17);
}

TEST_F(FloatLayout, WidthsUseTheHorizontalFactorAndHeightsTheVertical) {
  fake.dpi.y = 120;  // 12 twips a pixel
  fake.width = 4000;  // 266 px
  fake.height = 800;  // 66 px
  OnResize(form);
  EXPECT_EQ(Shift().width, 117);
  EXPECT_EQ(Shift().height, 56);  // the 8-pixel margin is 10 at 120 DPI
}

TEST_F(FloatLayout, ButtonsFollowTheShiftButtonsCurrentLeftEdge) {
  fake.bounds[Control::Check1_1].left = 30;
  ResizePixels(266, 53);
  EXPECT_EQ(Shift().left, 30);
  EXPECT_EQ(Shift().width, 114);  // (266 - 30) \ 2 - 4
  EXPECT_EQ(Ctrl().left, 143);
}

TEST_F(FloatLayout, OnlyButtonSizesCtrlLeftAndStripHeightChange) {
  fake.bounds[Control::Check1_1] = {24, 3, 1, 1};
  fake.bounds[Control::Check1_0] = {500, 4, 1, 1};
  fake.bounds[Control::Picture4] = {5, 6, 19, 1};
  ResizePixels(266, 53);
  ExpectBounds(Shift(), 24, 3, 117, 45);
  ExpectBounds(Ctrl(), 140, 4, 117, 45);
  ExpectBounds(Strip(), 5, 6, 19, 45);
  // The window itself is not resized or moved by the layout.
  EXPECT_TRUE(fake.Matching("width").empty());
  EXPECT_TRUE(fake.Matching("height").empty());
  EXPECT_TRUE(fake.Matching("left").empty());
  EXPECT_TRUE(fake.Matching("top").empty());
}

TEST_F(FloatLayout, SizesBelowZeroBecomeZero) {
  ResizePixels(20, 5);  // (20 - 24) \ 2 - 4 = -6; 5 - 8 = -3
  ExpectBounds(Shift(), 24, 0, 0, 0);
  EXPECT_EQ(Ctrl().width, 0);
  EXPECT_EQ(Ctrl().height, 0);
  EXPECT_EQ(Ctrl().left, 23);
  EXPECT_EQ(Strip().height, 0);
}

}  // namespace
}  // namespace modlatch
