#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "mainwindow/size_limits.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;

constexpr WindowHandle kWindow = 0x1000;
constexpr std::uintptr_t kOwnProc = 0x7000;

class SizeLimits : public ::testing::Test {
 protected:
  void Set(bool enable, std::int32_t min_w, std::int32_t min_h, std::int32_t max_w, std::int32_t max_h) {
    SetSizeLimits(fake, state, kWindow, enable, min_w, min_h, max_w, max_h);
  }
  void ExpectLimits(std::int32_t min_w, std::int32_t min_h, std::int32_t max_w, std::int32_t max_h) {
    EXPECT_EQ(state.MinTrackWidth, min_w);
    EXPECT_EQ(state.MinTrackHeight, min_h);
    EXPECT_EQ(state.MaxTrackWidth, max_w);
    EXPECT_EQ(state.MaxTrackHeight, max_h);
  }
  std::intptr_t Proc(std::uint32_t message, std::uintptr_t wparam, void* record) {
    return SizeLimitProc(fake, state, kWindow, message, wparam, reinterpret_cast<std::intptr_t>(record));
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
  SizeLimitState& state = form.SizeLimits;
};

TEST_F(SizeLimits, InstallingStoresLimitsAndKeepsThePreviousProcedure) {
  Set(true, 120, 25, 1000, 1000);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"install-proc 1000"}));
  EXPECT_EQ(state.PrevWndProc, kOwnProc);
  ExpectLimits(120, 25, 1000, 1000);
}

TEST_F(SizeLimits, InstallingAgainOnlyUpdatesTheLimits) {
  Set(true, 120, 25, 1000, 1000);
  fake.ClearLog();
  Set(true, 300, 60, 300, 60);
  EXPECT_TRUE(fake.log.empty());
  EXPECT_EQ(state.PrevWndProc, kOwnProc) << "must never chain to itself";
  ExpectLimits(300, 60, 300, 60);
}

TEST_F(SizeLimits, RemovingRestoresThePreviousProcedureAndKeepsTheLimits) {
  Set(true, 300, 60, 400, 70);
  fake.ClearLog();
  Set(false, 120, 25, 1000, 1000);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"restore-proc 1000 7000"}));
  EXPECT_EQ(state.PrevWndProc, 0u);
  ExpectLimits(300, 60, 400, 70);

  // Installed again after a removal, it keeps the window's own procedure once more.
  Set(true, 120, 25, 1000, 1000);
  EXPECT_EQ(state.PrevWndProc, kOwnProc);
}

TEST_F(SizeLimits, RemovingWhenNothingIsInstalledDoesNothing) {
  Set(false, 1, 2, 3, 4);
  EXPECT_TRUE(fake.log.empty());
  EXPECT_EQ(state.PrevWndProc, 0u);
  ExpectLimits(0, 0, 0, 0);
}

TEST_F(SizeLimits, MinMaxInfoIsFilledAndNotPassedOn) {
  Set(true, 120, 25, 1000, 1000);
  fake.ClearLog();
  // reserved, max size, max position, min track, max track
  std::array<std::int32_t, 10> info{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_EQ(Proc(window_message::kGetMinMaxInfo, 0, info.data()), 0);
  EXPECT_EQ(info, (std::array<std::int32_t, 10>{1, 2, 3, 4, 5, 6, 120, 25, 1000, 1000}));
  EXPECT_TRUE(fake.Matching("callproc").empty());
}

TEST_F(SizeLimits, MovingIsClampedThenPassedOnWithTheRectangle) {
  Set(true, 120, 25, 1000, 1000);
  fake.ClearLog();
  fake.work_area = {0, 0, 1024, 738};
  Rect rect{-30, 100, 236, 153};
  EXPECT_EQ(Proc(window_message::kMoving, 9, &rect), 77);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"workarea", "callproc 7000 1000 216"}));
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right, 266);
  EXPECT_EQ(fake.proc_wparam, 9u);
  EXPECT_EQ(fake.proc_lparam, reinterpret_cast<std::intptr_t>(&rect));
}

TEST_F(SizeLimits, OtherMessagesArePassedOnUnchanged) {
  Set(true, 120, 25, 1000, 1000);
  fake.ClearLog();
  EXPECT_EQ(SizeLimitProc(fake, state, kWindow, 0x0005, 0x11, 0x22), 77);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"callproc 7000 1000 5"}));
  EXPECT_EQ(fake.proc_wparam, 0x11u);
  EXPECT_EQ(fake.proc_lparam, 0x22);
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

TEST(ClampMovingRect, ShiftsIntoTheWorkAreaWithoutResizing) {
  for (const ClampCase& c : kClampCases) {
    SCOPED_TRACE(c.name);
    FakePlatform fake;
    fake.work_area = {100, 50, 900, 650};
    Rect r = c.in;
    EXPECT_EQ(ClampMovingRect(fake, 0, reinterpret_cast<std::intptr_t>(&r)), 0);
    EXPECT_EQ(r.left, c.out.left);
    EXPECT_EQ(r.top, c.out.top);
    EXPECT_EQ(r.right, c.out.right);
    EXPECT_EQ(r.bottom, c.out.bottom);
  }
}

TEST(ClampMovingRect, FailedWorkAreaQueryClampsToAZeroRectangle) {
  FakePlatform fake;
  fake.work_area_fails = true;
  Rect r{10, 20, 110, 45};
  ClampMovingRect(fake, 0, reinterpret_cast<std::intptr_t>(&r));
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
  EXPECT_EQ(fake.Matching("install-proc").size(), 1u);

  // Sizing is pinned to 300 x 60 while moving still reaches the previous procedure.
  std::array<std::int32_t, 10> info{};
  Proc(window_message::kGetMinMaxInfo, 0, info.data());
  EXPECT_EQ(info[6], 300);
  EXPECT_EQ(info[7], 60);
  EXPECT_EQ(info[8], 300);
  EXPECT_EQ(info[9], 60);
  Rect rect{10, 10, 310, 70};
  Proc(window_message::kMoving, 0, &rect);
  EXPECT_EQ(fake.Matching("callproc 7000 1000 216").size(), 1u);

  fake.ClearLog();
  OnMenuCommand(form, MenuItem::mSizeLock);
  EXPECT_FALSE(fake.checked.count(MenuItem::mSizeLock));
  ExpectLimits(120, 25, 1000, 1000);
  EXPECT_TRUE(fake.Matching("install-proc").empty());
  EXPECT_TRUE(fake.Matching("restore-proc").empty()) << "unlocking keeps the procedure installed";
  EXPECT_EQ(state.PrevWndProc, kOwnProc);
}

TEST_F(SizeLock, InstallsTheProcedureEvenWhenNoProcIsSet) {
  form.Settings.NoProc = 1;
  OnModeCommand(form, display_mode::kFloat);
  ASSERT_TRUE(fake.Matching("install-proc").empty());
  OnMenuCommand(form, MenuItem::mSizeLock);
  EXPECT_EQ(fake.Matching("install-proc").size(), 1u);
  EXPECT_EQ(state.PrevWndProc, kOwnProc);
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
      EXPECT_NE(f.SizeLimits.PrevWndProc, 0u);
      EXPECT_EQ(f.SizeLimits.MinTrackWidth, 300);
      EXPECT_EQ(f.SizeLimits.MinTrackHeight, 60);
      EXPECT_EQ(f.SizeLimits.MaxTrackWidth, 300);
      EXPECT_EQ(f.SizeLimits.MaxTrackHeight, 60);
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
}

}  // namespace
}  // namespace modlatch
