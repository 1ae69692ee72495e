#include <gtest/gtest.h>

#include <map>
#include <set>

#include <algorithm>

#include "form/main_form.h"
#include "latch/indicators.h"
#include "latch/modifier_key.h"
#include "latch/one_shot.h"
#include "mainwindow/float_layout.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "support/fake_platform.h"
#include "support/started_program.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyName;
using testing::KeyUp;
using testing::kOurs;
using testing::kMaskDown;
using testing::kMaskUp;

using testing::FakePlatform;
using testing::Narrow;
using Lines = std::vector<std::string>;

constexpr const char* kIni = testing::kIniPath;

struct Program : testing::StartedProgram {
  Lines Injected() const { return fake.Matching("key-"); }
};

class AltWin : public ::testing::Test, protected Program {};

TEST_F(AltWin, TheTickReadsAltAndBothWinKeysOnlyWhileTheirLatchIsOn) {
  const Lines always{"read ALT", "read MBUTTON", "read SHIFT", "read CTRL"};
  struct Case {
    const char* ini;
    bool reads_win;
  };
  const Case cases[] = {
      {"", false}, {"LatchAlt=True", false}, {"LatchWin=True", true}, {"LatchAlt=true\nLatchWin=1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    Program run;
    run.Start(c.ini);
    OnTick(run.form);
    Lines queries = always;
    if (c.reads_win) queries.insert(queries.end(), {"read LWIN", "read RWIN"});
    EXPECT_EQ(run.fake.Matching("read "), queries);
    EXPECT_TRUE(run.Injected().empty());
  }
}

TEST_F(AltWin, EachKeyLatchesAndReleasesWithItsOwnKeyFlagsAndMarker) {
  struct Case {
    std::int16_t index;
    bool one_shot;
    Lines latch;
    Lines release;
  };
  const Case cases[] = {
      {0, false, {KeyDown(Modifier::Ctrl)}, {KeyUp(Modifier::Ctrl)}},
      {1, false, {KeyDown(Modifier::Shift)}, {KeyUp(Modifier::Shift)}},
      // Left ALT, not extended; nothing followed it, so the mask key goes first.
      {2, false, {KeyDown(Modifier::Alt)}, {kMaskDown, kMaskUp, KeyUp(Modifier::Alt)}},
      {3, false, {KeyDown(Modifier::Win)}, {kMaskDown, kMaskUp, KeyUp(Modifier::Win)}},
      {2, true, {KeyDown(Modifier::Alt, kOurs)}, {kMaskDown, kMaskUp, KeyUp(Modifier::Alt, kOurs)}},
      {3, true, {KeyDown(Modifier::Win, kOurs)}, {kMaskDown, kMaskUp, KeyUp(Modifier::Win, kOurs)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "button " << c.index << (c.one_shot ? ", one-shot" : ""));
    Program run;
    run.Start(std::string("LatchAlt=True\nLatchWin=True") + (c.one_shot ? "\nOneShot=True" : ""));
    // Pressed and released on the keyboard since the last query: for ALT and WIN only a key
    // down now counts, so the click still latches.
    run.fake.Tap(vk::kLeftAlt);
    run.fake.Tap(vk::kLeftWin);
    HandleIndicatorClick(run.form, ModifierAt(c.index));
    EXPECT_EQ(run.Injected(), c.latch);
    run.fake.ClearLog();
    HandleIndicatorClick(run.form, ModifierAt(c.index));
    EXPECT_EQ(run.Injected(), c.release);
  }
}

TEST_F(AltWin, TheMaskKeyGoesOnlyBeforeABareRelease) {
  Start("LatchAlt=True\nLatchWin=True");
  for (MenuItem item : {MenuItem::mALT, MenuItem::mWIN}) {
    for (bool used : {false, true}) {
      OnMenuCommand(form, item);
      OnTick(form);
      if (used) {
        OnHookKey(form, HookKey{0x09, false});  // TAB, as in ALT+TAB
        OnHookKey(form, HookKey{0x09, true});
        OnHookKey(form, HookKey{0xE8, false, true});  // our own events never count
      }
      fake.ClearLog();
      OnMenuCommand(form, item);
      const Lines injected = Injected();
      ASSERT_FALSE(injected.empty());
      EXPECT_EQ(injected.front() == kMaskDown, !used) << static_cast<int>(item) << " used " << used;
      EXPECT_EQ(injected.size(), used ? 1u : 3u);
    }
  }
}

TEST_F(AltWin, AnAltOfOursNeverCountsForTheTrayGestures) {
  struct Case {
    std::int16_t mode;
    MouseButton button;
    bool ours;  // ALT latched through the menu; otherwise held on the keyboard
    bool closes;
  };
  const Case cases[] = {
      {display_mode::kCompact, MouseButton::Left, true, false},
      {display_mode::kCompact, MouseButton::Left, false, true},
      {display_mode::kDouble, MouseButton::Right, true, false},
      {display_mode::kDouble, MouseButton::Right, false, true},
  };
  for (const Case& c : cases) {
    Program run;
    run.Start("LatchAlt=True\nWindowType=" + std::to_string(c.mode));
    if (c.ours) {
      OnMenuCommand(run.form, MenuItem::mALT);
    } else {
      run.fake.Hold(0x12);
    }
    OnTick(run.form);
    HandleIndicatorClick(run.form, c.button, Modifier::Ctrl);
    EXPECT_EQ(run.fake.unload_requests, c.closes ? 1 : 0) << c.mode << " ours " << c.ours;
  }
}

TEST_F(AltWin, ResetCloseAndFaultReleaseAllFour) {
  const Lines all_up{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl), kMaskDown, kMaskUp, KeyUp(Modifier::Alt), KeyUp(Modifier::Win)};
  struct Case {
    const char* what;
    void (*run)(MainForm&);
    Lines expected;
  };
  const Case cases[] = {
      {"reset", [](MainForm& f) { OnMenuCommand(f, MenuItem::mReset); }, all_up},
      {"fault", [](MainForm& f) { OnFault(f); }, all_up},
      {"close", [](MainForm& f) { OnClose(f); },
       {KeyDown(Modifier::Shift), KeyUp(Modifier::Shift), KeyDown(Modifier::Ctrl), KeyUp(Modifier::Ctrl), kMaskDown, kMaskUp,
        KeyUp(Modifier::Alt), KeyUp(Modifier::Win)}},
  };
  for (const Case& c : cases) {
    Program run;
    run.Start("LatchAlt=True\nLatchWin=True");
    for (MenuItem item : {MenuItem::mSHIFT, MenuItem::mCTRL, MenuItem::mALT, MenuItem::mWIN}) {
      OnMenuCommand(run.form, item);
    }
    OnTick(run.form);
    run.fake.ClearLog();
    c.run(run.form);
    EXPECT_EQ(run.Injected(), c.expected) << c.what;
    for (std::uint8_t key : {0x10, 0x11, 0xA4, 0x5B}) EXPECT_FALSE(run.fake.IsDown(key)) << c.what << " " << int{key};
  }
}

// Whatever sends it (a click, the menu, a one-shot release, reset, a lock, a fault, the exit),
// each key goes as its physical key; the mask key has no scan code.
TEST_F(AltWin, EveryPathSendsThePhysicalKeysScanCodeAndFlag) {
  const std::map<std::uint8_t, std::pair<int, bool>> physical{
      {0x10, {0x36, false}}, {0x11, {0x1D, true}}, {0xA4, {0x38, false}}, {0x5B, {0x5B, true}}, {0xE8, {0, false}}};
  Start("LatchAlt=True\nLatchWin=True\nOneShot=True");
  HandleIndicatorClick(form, Modifier::Shift);
  OnMenuCommand(form, MenuItem::mALT);
  OnHookKey(form, HookKey{0x41, false});
  OnHookKey(form, HookKey{0x41, true});
  ReleaseUsedLatches(form);
  OnMenuCommand(form, MenuItem::mWIN);
  OnTick(form);
  OnMenuCommand(form, MenuItem::mReset);
  OnMenuCommand(form, MenuItem::mCTRL);
  OnTick(form);
  OnSessionEvent(form, SessionEvent::kLock);
  OnFault(form);
  OnClose(form);
  std::set<std::uint8_t> sent;
  for (const KeyStroke& stroke : fake.strokes) {
    SCOPED_TRACE(KeyName(stroke.virtual_key));
    ASSERT_EQ(physical.count(stroke.virtual_key), 1u);
    EXPECT_EQ(stroke.scan_code, physical.at(stroke.virtual_key).first);
    EXPECT_EQ(stroke.extended, physical.at(stroke.virtual_key).second);
    sent.insert(stroke.virtual_key);
  }
  EXPECT_EQ(sent.size(), physical.size());
}

// Leaving releases as the reset does (a locked one-shot SHIFT, a bare ALT behind the mask key);
// coming back does nothing.
TEST_F(AltWin, LeavingTheSessionReleasesEveryLatchComingBackNothing) {
  struct Case {
    SessionEvent event;
    bool releases;
  };
  using E = SessionEvent;
  const Case cases[] = {{E::kLock, true},          {E::kConsoleDisconnect, true}, {E::kRemoteDisconnect, true},
                        {E::kSuspend, true},       {E::kUnlock, false},           {E::kConsoleConnect, false},
                        {E::kRemoteConnect, false}, {E::kResume, false},          {E::kOther, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.event));
    Program run;
    run.Start("LatchAlt=True\nOneShot=True");
    OnMenuCommand(run.form, MenuItem::mSHIFT);
    ASSERT_TRUE(LockLatch(run.form, Modifier::Shift));
    OnMenuCommand(run.form, MenuItem::mALT);
    OnTick(run.form);
    run.fake.ClearLog();
    OnSessionEvent(run.form, c.event);
    // The tick saw no change, so as the reset does both SHIFT and CTRL get a key-up.
    const Lines released{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl), kMaskDown, kMaskUp, KeyUp(Modifier::Alt)};
    EXPECT_EQ(run.Injected(), c.releases ? released : Lines{});
    // The indicators follow at once: the buttons pop up and the lock is forgotten.
    EXPECT_EQ(run.fake.toggle_value[IndexOf(Modifier::Shift)], !c.releases);
    EXPECT_EQ(run.fake.toggle_value[IndexOf(Modifier::Alt)], !c.releases);
    EXPECT_EQ(HoldOf(run.form, Modifier::Shift), c.releases ? Hold::kNone : Hold::kLocked);
  }
}

TEST_F(AltWin, ButtonsShareTheRowInOrderAndTheMinimumKeepsThemReadable) {
  struct Case {
    const char* ini;
    std::vector<std::pair<Control, int>> lefts;  // at 266 pixels
    int width;
    int min_width;
  };
  const Case cases[] = {
      {"", {{Control::Check1_1, 24}, {Control::Check1_0, 140}}, 117, 120},
      {"LatchAlt=True", {{Control::Check1_1, 24}, {Control::Check1_0, 101}, {Control::Check1_2, 178}}, 78, 175},
      {"LatchWin=True", {{Control::Check1_1, 24}, {Control::Check1_0, 101}, {Control::Check1_3, 178}}, 78, 175},
      {"LatchAlt=True\nLatchWin=True",
       {{Control::Check1_1, 24}, {Control::Check1_0, 82}, {Control::Check1_2, 140}, {Control::Check1_3, 198}},
       59,
       222},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    Program run;
    run.Start(c.ini);
    ApplyFloatLayout(run.form);  // as the window's resize does
    for (const auto& [control, left] : c.lefts) {
      EXPECT_EQ(run.fake.bounds[control].left, left);
      EXPECT_EQ(run.fake.bounds[control].width, c.width);
      EXPECT_EQ(run.fake.bounds[control].height, 45);
    }
    ASSERT_TRUE(run.form.SizeLimits.has_value());
    EXPECT_EQ(run.form.SizeLimits->min_width, c.min_width);
    // At the minimum every button is still 48 pixels wide (44 for the two of the design).
    run.fake.width = c.min_width * 15.0;
    ApplyFloatLayout(run.form);
    EXPECT_GE(run.fake.bounds[Control::Check1_1].width, c.lefts.size() == 2 ? 44 : 48);
  }
}

TEST_F(AltWin, ANarrowWindowIsWidenedForTheAddedButtonsBeforeItIsShown) {
  fake.SetIniText(kIni, "[Option]\nWidth=1500\nLatchAlt=True\nLatchWin=True\n");
  OnLoad(form);
  EXPECT_EQ(fake.width, 222 * 15.0);
  EXPECT_EQ(fake.Matching("limits").back(), "limits 222x25-1000x1000");
  // Every width is set while the window is still hidden: no visible jump once it shows.
  const auto shown = std::find(fake.log.begin(), fake.log.end(), "show");
  ASSERT_NE(shown, fake.log.end());
  EXPECT_NE(std::find(fake.log.begin(), shown, "width 3330"), shown);
  EXPECT_TRUE(std::none_of(shown, fake.log.end(), [](const std::string& line) { return line.rfind("width", 0) == 0; }));
}

TEST_F(AltWin, SettingsDefaultsAndConversions) {
  fake.existing_paths = {"c:\\i\\a1.ico"};
  Start("LatchAlt=True\nAltBgColor_1=ff8000\nAltForeColor_0=G\nAltChr_0=\nWinBgColor_0=00FF00\nLatchWin=True",
        "W_Alt1=c:\\i\\a1.ico\nW_Win0=c:\\i\\missing.ico");
  const AppSettings& s = form.Settings;
  EXPECT_EQ(s.AltBgColor_1, 0x000080FF);
  EXPECT_EQ(s.AltForeColor_0, 0x00170000);
  EXPECT_EQ(s.AltBgColor_0, -1);
  EXPECT_EQ(s.WinBgColor_0, 0x0000FF00);
  EXPECT_EQ(s.AltChr_0, u"");
  EXPECT_EQ(s.AltChr_1, u"ALT");
  EXPECT_EQ((Lines{Narrow(s.WinChr_0), Narrow(s.WinChr_1)}), (Lines{"WIN", "WIN"}));

  FakePlatform fresh;
  MainForm f{fresh.platform()};
  fresh.existing_paths = {"c:\\i\\a1.ico"};
  fresh.SetIniText(kIni, "[Icon]\nW_Alt1=c:\\i\\a1.ico\n[Option]\nLatchAlt=True\nLatchWin=False\n");
  LoadSettings(f);
  const Lines expected{"picture Picture3(5) c:\\i\\a1.ico", "add-controls ALT", "menu-add mALT ALTｷｰ"};
  Lines seen;
  for (const std::string& line : fresh.log) {
    if (line.rfind("picture", 0) == 0 || line.rfind("add-controls", 0) == 0 || line.rfind("menu-add", 0) == 0) {
      seen.push_back(line);
    }
  }
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(fresh.Matching("ini-read Option WinChr").empty()) << "WIN's keys are read only while it is on";
  EXPECT_TRUE(fresh.Matching("ini-read Icon W_Win").empty());
}

TEST_F(AltWin, IndicatorsFollowThePhysicalKeysInEveryMode) {
  Start("LatchAlt=True\nLatchWin=True\nWindowType=1");
  fake.Hold(0x12);
  fake.Hold(0x5C);  // the right Windows key lights WIN as well
  OnTick(form);
  EXPECT_EQ(fake.checked.count(MenuItem::mALT), 1u);
  EXPECT_EQ(fake.checked.count(MenuItem::mWIN), 1u);
  const Lines tray = fake.Matching("tray");
  ASSERT_GE(tray.size(), 4u);
  EXPECT_EQ(Lines(tray.end() - 3, tray.end()), (Lines{"tray update SHIFT 402 ' [SHIFT OFF]  [CTRL OFF]  [RClick = Menu]'",
                                                       "tray update ALT 405 ' [ALT ON]  [RClick = Menu]'",
                                                       "tray update WIN 407 ' [WIN ON]  [RClick = Menu]'"}))
      << "SHIFT and CTRL unchanged";

  OnMenuCommand(form, MenuItem::mMode2);
  OnTick(form);
  EXPECT_TRUE(fake.toggle_value[2]);
  EXPECT_TRUE(fake.toggle_value[3]);
  EXPECT_EQ(Narrow(fake.strip_tooltip), " [SHIFT OFF]  [CTRL OFF]  [ALT ON]  [WIN ON] ");
  // A toggle of the refresh's never sends a key.
  EXPECT_TRUE(Injected().empty());
}

TEST_F(AltWin, OneShotReleasesAltAfterTheNextKeyWithoutTheMask) {
  Start("LatchAlt=True\nOneShot=True\nNoActivate=True");
  HandleIndicatorClick(form, Modifier::Alt);
  OnTick(form);
  fake.ClearLog();
  OnHookKey(form, HookKey{0x73, false});  // F4
  OnHookKey(form, HookKey{0x73, true});
  ASSERT_EQ(fake.release_requests, 1);
  ReleaseUsedLatches(form);
  EXPECT_EQ(Injected(), (Lines{KeyUp(Modifier::Alt, kOurs)}));
}

}  // namespace
}  // namespace modlatch
