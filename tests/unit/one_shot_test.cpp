#include <gtest/gtest.h>

#include "form/main_form.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"
#include "mainwindow/placement.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "support/fake_platform.h"
#include "tray/tray_icons.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;
using testing::kOurs;

using testing::FakePlatform;
using testing::Narrow;

const std::string kLatchShift = KeyDown(Modifier::Shift, kOurs);
const std::string kReleaseShift = KeyUp(Modifier::Shift, kOurs);
const std::string kReleaseCtrl = KeyUp(Modifier::Ctrl, kOurs);
constexpr std::uint8_t kKeyA = 0x41;

// The floating window with OneShot on; its buttons lie in the own-place rectangle.
class OneShot : public ::testing::Test {
 protected:
  OneShot() {
    form.Settings.OneShot = true;
    form.DisplayMode = display_mode::kFloat;
    fake.own_places.push_back({500, 300, 800, 400});
    StartOneShot(form);
    form.LastModifierState = modifier_state::kForceRedraw;  // as the mode applied at start-up leaves it
    fake.ClearLog();
  }

  void Press(int button, std::uint32_t time, int x, int y, bool up) {
    HookButton event;
    event.press = {button, time, x, y};
    event.up = up;
    OnHookButton(form, event);
    Deliver();
  }
  // A left click on the SHIFT button as the hook and then the button see it.
  void ClickShift(std::uint32_t time, int x = 600, int y = 350) {
    Press(1, time, x, y, false);
    Press(1, time + 60, x, y, true);
    HandleIndicatorClick(form, Modifier::Shift);
  }
  void ClickElsewhere(std::uint32_t time, int button = 1) {
    Press(button, time, 10, 10, false);
    Press(button, time + 60, 10, 10, true);
  }
  void Key(std::uint8_t virtual_key, bool ours = false) {
    for (bool up : {false, true}) {
      OnHookKey(form, HookKey{virtual_key, up, ours});
      Deliver();
    }
  }
  // The window procedure runs the requested release once the hook has returned.
  void Deliver() {
    if (fake.release_requests == 0) return;
    fake.release_requests = 0;
    ReleaseUsedLatches(form);
  }
  std::vector<std::string> Injected() const { return fake.Matching("key-"); }
  Hold Shift() const { return HoldOf(form, Modifier::Shift); }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(OneShot, ALatchLastsForOneKeyAndIsReleasedAfterItsKeyUp) {
  ClickShift(1000);
  EXPECT_EQ(Injected(), std::vector<std::string>{kLatchShift});
  EXPECT_EQ(Shift(), Hold::kLatched);

  OnHookKey(form, HookKey{kKeyA, false});
  EXPECT_EQ(fake.release_requests, 0) << "the key must reach its window with SHIFT down";
  OnHookKey(form, HookKey{kKeyA, true});
  EXPECT_EQ(fake.release_requests, 1);
  Deliver();
  EXPECT_EQ(Injected(), (std::vector<std::string>{kLatchShift, kReleaseShift}));
  EXPECT_EQ(Shift(), Hold::kNone);

  Key(0x42);
  EXPECT_EQ(Injected().size(), 2u) << "the next key finds nothing latched";
}

TEST_F(OneShot, ModifierKeysLeaveTheLatchForTheKeyAfterThem) {
  ClickShift(1000);
  for (std::uint8_t modifier : {0x10, 0x11, 0x12, 0x5B, 0x5C, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}) Key(modifier);
  EXPECT_EQ(Injected(), std::vector<std::string>{kLatchShift});
  EXPECT_EQ(Shift(), Hold::kLatched);
  Key(kKeyA);
  EXPECT_EQ(Injected().back(), kReleaseShift);
}

TEST_F(OneShot, ClickElsewhereUsesTheLatchAndReleasesAfterTheButtonUp) {
  form.os.menu.PopupAtCursor();  // nothing chosen
  ToggleLatch(form, Modifier::Ctrl, LatchSource::kMenu);
  ClickShift(1000);
  Press(2, 2000, 10, 10, false);
  EXPECT_EQ(Injected().size(), 2u) << "a right-click elsewhere arrives with the keys down";
  Press(2, 2060, 10, 10, true);
  // Both latches were used by the one click; SHIFT goes up first, as the reset has it.
  EXPECT_EQ(Injected(), (std::vector<std::string>{KeyDown(Modifier::Ctrl, kOurs), kLatchShift, kReleaseShift,
                                                  kReleaseCtrl}));
}

TEST_F(OneShot, ClicksOnOwnWindowsAndIconsDoNotUseTheLatch) {
  ClickShift(1000);
  Press(2, 3000, 700, 390, false);  // e.g. the menu opened on the CTRL button
  Press(2, 3060, 700, 390, true);
  EXPECT_EQ(Shift(), Hold::kLatched);
  EXPECT_EQ(Injected(), std::vector<std::string>{kLatchShift});
}

TEST_F(OneShot, DoubleClickLocksAndTheLockSurvivesKeysAndClicks) {
  ClickShift(1000);
  ClickShift(1300, 601, 351);
  EXPECT_EQ(Injected(), std::vector<std::string>{kLatchShift}) << "the second click sends nothing";
  EXPECT_EQ(Shift(), Hold::kLocked);
  Key(kKeyA);
  ClickElsewhere(2000);
  Key(0x42);
  EXPECT_EQ(Injected(), std::vector<std::string>{kLatchShift});
  EXPECT_EQ(Shift(), Hold::kLocked);

  ClickShift(5000);
  EXPECT_EQ(Injected(), (std::vector<std::string>{kLatchShift, kReleaseShift})) << "as without the option";
  EXPECT_EQ(Shift(), Hold::kNone);
}

TEST_F(OneShot, ADoubleClickOnALatchedKeyLocksItAndATripleClickEndsUp) {
  ClickShift(1000);
  ClickShift(3000);  // releases the latch of the first click...
  ClickShift(3200);  // ...and with it makes the double click that locks
  EXPECT_EQ(Injected(), (std::vector<std::string>{kLatchShift, kReleaseShift, kLatchShift}));
  EXPECT_EQ(Shift(), Hold::kLocked);

  ClickShift(6000);
  ClickShift(6200);
  EXPECT_EQ(Shift(), Hold::kLatched) << "a locked key: off, then latched, as sticky keys go";
  ClickShift(6400);
  EXPECT_EQ(Shift(), Hold::kLocked);

  ClickShift(8000);
  ASSERT_EQ(Shift(), Hold::kNone);
  ClickShift(9000);
  ClickShift(9200);
  ClickShift(9400);
  EXPECT_EQ(Shift(), Hold::kNone) << "latch, lock, off: the third click of three releases";
}

TEST_F(OneShot, OnlyTheSystemsDoubleClickLocks) {
  struct Second {
    const char* what;
    int button;
    std::uint32_t time;
    int x, y;
  };
  // Limits: 500 ms, 4 x 4 pixels centred on the first press at (600, 350), time 1000.
  const Second seconds[] = {{"too slow", 1, 1501, 600, 350},
                            {"too far right", 1, 1100, 603, 350},
                            {"too far down", 1, 1100, 600, 353},
                            {"other button", 2, 1100, 600, 350}};
  for (const Second& second : seconds) {
    SCOPED_TRACE(second.what);
    fake.Release(vk::kShift);
    form.OneShot.keys = {};
    ClickShift(1000);
    Press(second.button, second.time, second.x, second.y, false);
    HandleIndicatorClick(form, Modifier::Shift);
    EXPECT_EQ(Shift(), Hold::kNone);
    EXPECT_EQ(Injected().back(), kReleaseShift) << "a plain second click releases";
  }
  fake.Release(vk::kShift);
  form.OneShot.keys = {};
  ClickShift(1000);
  Press(1, 1500, 602, 348, false);
  HandleIndicatorClick(form, Modifier::Shift);
  EXPECT_EQ(Shift(), Hold::kLocked) << "at the limits themselves";

  fake.double_click.time = 900;  // the user slowed it down in the system's settings
  ClickShift(3000);
  ASSERT_EQ(Shift(), Hold::kNone);
  ClickShift(5000);
  ClickShift(5800);
  EXPECT_EQ(Shift(), Hold::kLocked);
}

TEST_F(OneShot, ALatchFromTheMenuIsOneShotButNeverLocks) {
  ToggleLatch(form, Modifier::Shift, LatchSource::kMenu);
  EXPECT_EQ(Shift(), Hold::kLatched);
  ToggleLatch(form, Modifier::Shift, LatchSource::kMenu);
  EXPECT_EQ(Shift(), Hold::kNone);
  EXPECT_EQ(Injected(), (std::vector<std::string>{kLatchShift, kReleaseShift}));
}

TEST_F(OneShot, APhysicalPressIsNeverReleased) {
  fake.Hold(vk::kShift);
  Key(kKeyA);
  ClickElsewhere(1000);
  ReleaseUsedLatches(form);
  EXPECT_TRUE(Injected().empty());
  // A click on the indicator while the key is held is the plain toggle: it releases, and
  // nothing of the key is ours afterwards.
  ClickShift(2000);
  EXPECT_EQ(Injected(), std::vector<std::string>{kReleaseShift});
  EXPECT_EQ(Shift(), Hold::kNone);
}

TEST_F(OneShot, OwnInjectedEventsAreIgnoredOthersCount) {
  ClickShift(1000);
  Key(kKeyA, true);
  HookButton own_click;
  own_click.press = {1, 1200, 10, 10};
  own_click.ours = true;
  OnHookButton(form, own_click);
  own_click.up = true;
  OnHookButton(form, own_click);
  Deliver();
  EXPECT_EQ(Shift(), Hold::kLatched);
  // An on-screen keyboard's key is injected too, without our mark: it is the key the latch is for.
  Key(kKeyA, false);
  EXPECT_EQ(Injected().back(), kReleaseShift);
}

TEST_F(OneShot, ALatchLetGoElsewhereIsForgotten) {
  ClickShift(1000);
  RefreshIndicators(form);  // reads SHIFT down
  fake.Release(vk::kShift);  // the real key tapped, or Wine re-reading X
  RefreshIndicators(form);
  EXPECT_EQ(Shift(), Hold::kNone);
  fake.Hold(vk::kShift);  // now held on the keyboard: not ours to release
  Key(kKeyA);
  EXPECT_EQ(Injected(), std::vector<std::string>{kLatchShift});
}

TEST_F(OneShot, ALatchNotYetReadDownIsKept) {
  ClickShift(1000);
  fake.Release(vk::kShift);  // the system has not shown the injected key yet
  RefreshIndicators(form);
  EXPECT_EQ(Shift(), Hold::kLatched);
}

TEST_F(OneShot, TooltipsAndLockMarksTellLatchedFromLocked) {
  const auto tip = [&] {
    RefreshIndicators(form);
    return Narrow(fake.strip_tooltip);
  };
  EXPECT_EQ(tip(), " [SHIFT OFF]  [CTRL OFF] ");
  ClickShift(1000);
  EXPECT_EQ(tip(), " [SHIFT ONCE]  [CTRL OFF] ");
  EXPECT_FALSE(fake.toggle_locked[1]);
  ClickShift(1200);
  EXPECT_EQ(tip(), " [SHIFT LOCK]  [CTRL OFF] ") << "the key stayed down, the look still changes";
  EXPECT_TRUE(fake.toggle_locked[1]);
  fake.Hold(vk::kControl);
  EXPECT_EQ(tip(), " [SHIFT LOCK]  [CTRL ON] ") << "a physical key is plainly on";
  ClickShift(3000);
  EXPECT_EQ(tip(), " [SHIFT OFF]  [CTRL ON] ");
  EXPECT_FALSE(fake.toggle_locked[1]);

  // The longest Compact tooltip, which still fits the tray record's 63 characters.
  form.DisplayMode = display_mode::kCompact;
  AddTrayIcon(form, Modifier::Ctrl);  // the one icon
  fake.Release(vk::kControl);
  ToggleLatch(form, Modifier::Shift, LatchSource::kMenu);
  ToggleLatch(form, Modifier::Ctrl, LatchSource::kMenu);
  RefreshIndicators(form);
  EXPECT_EQ(fake.Matching("tray").back(), "tray update CTRL 303 ' [SHIFT ONCE]  [CTRL ONCE]  [L + RClick = Menu]'");
}

TEST_F(OneShot, CloseTakesTheHooksDownBeforeReleasingTheKeys) {
  ASSERT_TRUE(fake.hooks_installed);
  OnClose(form);
  EXPECT_FALSE(fake.hooks_installed);
  EXPECT_EQ(fake.log.front(), "hooks off") << "nothing reacts to the keys the close sends";
  EXPECT_EQ(fake.Matching("key-").size(), 4u);
}

// The INI keys: on only for exactly "True", read at start-up, never written.
class OneShotSettings : public ::testing::Test {
 protected:
  void Load(const std::string& option_lines) {
    fake.SetIniText("C:\\Tools\\ModLatch.ini", "[Option]\n" + option_lines);
    LoadSettings(form);
  }
  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(OneShotSettings, BothKeysOnOnlyForExactlyTrue) {
  Load("NoActivate=True\nOneShot=True\n");
  EXPECT_TRUE(form.Settings.NoActivate);
  EXPECT_TRUE(form.Settings.OneShot);
  EXPECT_TRUE(fake.no_activate);
  EXPECT_TRUE(fake.hooks_installed);
}

TEST_F(OneShotSettings, AWindowKeptFromActivationAlwaysShowsTheInactiveStrip) {
  fake.foreground = fake.handle;  // shown in the foreground, or while its menu is open
  fake.SetIniText("C:\\Tools\\ModLatch.ini", "[Option]\nNoActivate=True\n");
  OnLoad(form);
  EXPECT_FALSE(fake.strip_active);
  ColorCaptionStrip(form, true);
  EXPECT_FALSE(fake.strip_active);
}

TEST_F(OneShotSettings, AbsentOrNotExactlyTrueChangesNothing) {
  Load("NoActivate=true\nOneShot=1\n");
  EXPECT_FALSE(form.Settings.NoActivate);
  EXPECT_FALSE(form.Settings.OneShot);
  FakePlatform plain;
  MainForm plain_form{plain.platform()};
  plain.SetIniText("C:\\Tools\\ModLatch.ini", "[Option]\n");
  LoadSettings(plain_form);
  // Only the reads of the two keys tell the runs apart: no hook, no style, no key event.
  const auto without_reads = [](const std::vector<std::string>& log) {
    std::vector<std::string> kept;
    for (const std::string& line : log) {
      if (line.find("NoActivate") == std::string::npos && line.find("OneShot") == std::string::npos) {
        kept.push_back(line);
      }
    }
    return kept;
  };
  EXPECT_EQ(without_reads(fake.log), without_reads(plain.log));
  EXPECT_FALSE(fake.no_activate);
  EXPECT_FALSE(fake.hooks_installed);

  HandleIndicatorClick(form, Modifier::Shift);
  EXPECT_EQ(fake.Matching("key-").back(), KeyDown(Modifier::Shift)) << "the plain toggle, unmarked";
  RefreshIndicators(form);
  EXPECT_EQ(Narrow(fake.strip_tooltip), " [SHIFT ON]  [CTRL OFF] ");
  EXPECT_TRUE(fake.Matching("locked").empty());
}

TEST_F(OneShotSettings, TheSaveNeverWritesThemSoAHandEditSurvives) {
  Load("NoActivate=True\nOneShot=True\n");
  SaveSettingsOnExit(form);
  const std::vector<std::string> writes = fake.Matching("ini-write");
  ASSERT_FALSE(writes.empty()) << "the exit writes its own keys";
  for (const std::string& line : writes) {
    EXPECT_EQ(line.find("NoActivate"), std::string::npos) << line;
    EXPECT_EQ(line.find("OneShot"), std::string::npos) << line;
  }
  const auto& option = fake.ini_files["C:\\Tools\\ModLatch.ini"]["Option"];
  EXPECT_EQ(option.at("NoActivate"), "True");
  EXPECT_EQ(option.at("OneShot"), "True");
}

}  // namespace
}  // namespace modlatch
