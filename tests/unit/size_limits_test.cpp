#include <gtest/gtest.h>

#include <cstdint>

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/work_area.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

class SizeLimits : public ::testing::Test {
 protected:
  void ExpectLimits(std::int32_t min_w, std::int32_t min_h, std::int32_t max_w, std::int32_t max_h) {
    ASSERT_TRUE(form.SizeLimits.has_value());
    EXPECT_EQ(form.SizeLimits->min_width, min_w);
    EXPECT_EQ(form.SizeLimits->min_height, min_h);
    EXPECT_EQ(form.SizeLimits->max_width, max_w);
    EXPECT_EQ(form.SizeLimits->max_height, max_h);
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(SizeLimits, SettingAndLiftingThemTellsTheWindowEachTime) {
  SetDefaultSizeLimits(form);
  ExpectLimits(120, 25, 1000, 1000);
  fake.width = 4500;
  fake.height = 900;
  LockAtCurrentSize(form);
  ExpectLimits(300, 60, 300, 60);
  RemoveSizeLimits(form);
  EXPECT_FALSE(form.SizeLimits.has_value());
  EXPECT_EQ(fake.log, (Log{"limits 120x25-1000x1000", "limits 300x60-300x60", "limits none"}));

  // Set again after they were lifted.
  SetDefaultSizeLimits(form);
  ExpectLimits(120, 25, 1000, 1000);
}

TEST_F(SizeLimits, LiftingLimitsNeverSetDoesNothing) {
  RemoveSizeLimits(form);
  EXPECT_TRUE(fake.log.empty());
  EXPECT_FALSE(form.SizeLimits.has_value());
}

struct ClampCase {
  const char* name;
  Rect in;
  Rect out;
};

// Work area (100, 50)-(900, 650) so that no edge sits at 0.
const ClampCase kClampCases[] = {
    {"inside", {200, 100, 400, 153}, {200, 100, 400, 153}},
    {"left", {70, 200, 270, 253}, {100, 200, 300, 253}},
    {"top", {300, 20, 500, 73}, {300, 50, 500, 103}},
    {"right", {800, 200, 1000, 253}, {700, 200, 900, 253}},
    {"bottom", {300, 620, 500, 673}, {300, 597, 500, 650}},
    {"top-left corner", {90, 40, 290, 93}, {100, 50, 300, 103}},
    {"bottom-right corner", {850, 640, 1050, 693}, {700, 597, 900, 650}},
    {"wider than the area: right edge wins", {50, 200, 1050, 253}, {-100, 200, 900, 253}},
    {"taller than the area: bottom edge wins", {300, 0, 500, 700}, {300, -50, 500, 650}},
};

TEST(ClampIntoArea, ShiftsADraggedWindowIntoTheAreaWithoutResizing) {
  for (const ClampCase& c : kClampCases) {
    SCOPED_TRACE(c.name);
    const Rect r = ClampIntoArea(c.in, Rect{100, 50, 900, 650});
    EXPECT_EQ(r.left, c.out.left);
    EXPECT_EQ(r.top, c.out.top);
    EXPECT_EQ(r.right, c.out.right);
    EXPECT_EQ(r.bottom, c.out.bottom);
  }
}

TEST(ClampIntoArea, TheZeroRectangleOfAFailedQueryPullsToTheOrigin) {
  const Rect r = ClampIntoArea(Rect{10, 20, 110, 45}, Rect{});
  EXPECT_EQ(r.left, -100);
  EXPECT_EQ(r.top, -25);
  EXPECT_EQ(r.right, 0);
  EXPECT_EQ(r.bottom, 0);
}

class SizeLock : public SizeLimits {
 protected:
  void SetUp() override {
    fake.width = 4510;  // 300.67 px
    fake.height = 900;  // 60 px
  }
};

TEST_F(SizeLock, LockFreezesTheCurrentOuterSizeAndUnlockRestoresTheDefaults) {
  OnMenuCommand(form, MenuItem::mSizeLock);
  EXPECT_TRUE(fake.checked.count(MenuItem::mSizeLock));
  ExpectLimits(300, 60, 300, 60);
  EXPECT_EQ(fake.Matching("limits"), Log{"limits 300x60-300x60"});

  fake.ClearLog();
  OnMenuCommand(form, MenuItem::mSizeLock);
  EXPECT_FALSE(fake.checked.count(MenuItem::mSizeLock));
  ExpectLimits(120, 25, 1000, 1000);
  EXPECT_EQ(fake.Matching("limits"), Log{"limits 120x25-1000x1000"}) << "unlocking keeps limits, the defaults";
}

TEST_F(SizeLock, LocksEvenWhenNoProcIsSet) {
  form.Settings.NoProc = 1;
  OnModeCommand(form, display_mode::kFloat);
  ASSERT_TRUE(fake.Matching("limits").empty());
  OnMenuCommand(form, MenuItem::mSizeLock);
  EXPECT_EQ(fake.Matching("limits"), Log{"limits 300x60-300x60"});
  ExpectLimits(300, 60, 300, 60);
}

TEST_F(SizeLock, ACheckedLockHoldsAgainAfterATrayModeAndBack) {
  for (const std::int16_t tray_mode : {display_mode::kCompact, display_mode::kDouble}) {
    for (const bool lock_in_tray : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "mode " << tray_mode << (lock_in_tray ? ", locked there" : ", locked before"));
      FakePlatform fresh;
      fresh.width = 4510;
      fresh.height = 900;
      MainForm f{fresh.platform()};
      OnModeCommand(f, display_mode::kFloat);
      if (!lock_in_tray) OnMenuCommand(f, MenuItem::mSizeLock);
      OnModeCommand(f, tray_mode);
      if (lock_in_tray) OnMenuCommand(f, MenuItem::mSizeLock);
      OnModeCommand(f, display_mode::kFloat);
      EXPECT_EQ(fresh.Matching("limits").back(), "limits 300x60-300x60");
      ASSERT_TRUE(f.SizeLimits.has_value());
      EXPECT_EQ(f.SizeLimits->max_width, 300);
    }
  }
}

TEST_F(SizeLock, AnUncheckedLockLeavesTheDefaultsOnReturnAndACheckedOneFollowsTheWindowsSize) {
  OnModeCommand(form, display_mode::kFloat);
  OnMenuCommand(form, MenuItem::mSizeLock);
  OnMenuCommand(form, MenuItem::mSizeLock);
  OnModeCommand(form, display_mode::kCompact);
  OnModeCommand(form, display_mode::kFloat);
  ExpectLimits(120, 25, 1000, 1000);

  OnMenuCommand(form, MenuItem::mSizeLock);
  OnModeCommand(form, display_mode::kDouble);
  fake.width = 3000;  // 200 px, as a restart or another program could leave it
  OnModeCommand(form, display_mode::kFloat);
  ExpectLimits(200, 60, 200, 60);
  EXPECT_EQ(fake.Matching("limits").back(), "limits 200x60-200x60");
}

}  // namespace
}  // namespace modlatch
