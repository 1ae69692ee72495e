#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/single_instance.h"
#include "latch/indicators.h"
#include "mainwindow/placement.h"
#include "mainwindow/window_design.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;

using testing::FakePlatform;

class Lifecycle : public ::testing::Test {
 protected:
  std::size_t IndexOf(const std::string& line) const {
    const auto it = std::find(fake.log.begin(), fake.log.end(), line);
    EXPECT_NE(it, fake.log.end()) << line;
    return static_cast<std::size_t>(it - fake.log.begin());
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(Lifecycle, StartUpRunsItsStepsInOrder) {
  OnLoad(form);
  const std::size_t title = IndexOf("title bar off");
  const std::size_t geometry = IndexOf("left 7680");
  const std::size_t mode = IndexOf("check mMode2 1");
  const std::size_t shown = IndexOf("show");
  const std::size_t timer = IndexOf("timer on");
  EXPECT_LT(title, geometry);
  EXPECT_LT(geometry, mode);
  EXPECT_LT(mode, shown);
  EXPECT_LT(shown, timer);
  // The discarded queries come after the settings and before the first tick's refresh.
  std::vector<std::string> queries = fake.Matching("read ");
  ASSERT_GE(queries.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(queries.begin(), queries.begin() + 4),
            (std::vector<std::string>{"read MBUTTON", "read ALT", "read SHIFT", "read CTRL"}));
  EXPECT_TRUE(fake.Matching("backcolor").empty()) << "no colours are configured by default";
  EXPECT_TRUE(fake.timer_enabled);
}

TEST_F(Lifecycle, FirstStartUsesTheDefaults) {
  OnLoad(form);
  EXPECT_EQ(fake.left, 1024 * 15 / 2);
  EXPECT_EQ(fake.top, 768 * 15 / 2);
  EXPECT_EQ(fake.width, 4000);
  EXPECT_EQ(fake.height, 800);
  EXPECT_EQ(fake.interval, 100u);
  EXPECT_EQ(form.DisplayMode, display_mode::kFloat);
  EXPECT_TRUE(fake.visible);
  EXPECT_EQ(fake.disabled.count(MenuItem::mTop), 0u);
  for (MenuItem item : {MenuItem::mTop, MenuItem::mSizeLock, MenuItem::mCenter}) EXPECT_FALSE(fake.checked.count(item));
  EXPECT_EQ(fake.Matching("limits"), std::vector<std::string>{"limits 120x25-1000x1000"});
}

TEST_F(Lifecycle, FirstTickRedrawsEvenWithBothKeysUp) {
  OnLoad(form);
  EXPECT_EQ(form.LastModifierState, 0);
  EXPECT_EQ(testing::Narrow(fake.strip_tooltip), " [SHIFT OFF]  [CTRL OFF] ");
  EXPECT_EQ(fake.Matching("check mCTRL"), std::vector<std::string>{"check mCTRL 0"});
}

// The tick only reads the keys; the strip takes its colour on showing and on activation.
TEST_F(Lifecycle, TheStripFollowsActivationAndTheTickNeverAsksForTheForeground) {
  fake.foreground = fake.handle;
  OnLoad(form);
  EXPECT_TRUE(fake.strip_active) << "shown in the foreground";
  ColorCaptionStrip(form, false);
  EXPECT_FALSE(fake.strip_active);
  ColorCaptionStrip(form, true);
  fake.ClearLog();
  OnTick(form);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"read ALT", "read MBUTTON", "read SHIFT", "read CTRL"}));
  EXPECT_EQ(fake.ui_calls, 0);
  fake.foreground = 0x9999;
  OnMenuCommand(form, MenuItem::mMode0);
  OnMenuCommand(form, MenuItem::mMode2);  // shown again, in the background
  EXPECT_FALSE(fake.strip_active);
}

TEST_F(Lifecycle, MiddleButtonOpensTheMenuOnlyWhenTheOptionIsOn) {
  OnLoad(form);
  fake.Hold(vk::kMiddleButton);
  OnTick(form);
  EXPECT_TRUE(fake.Matching("popup").empty());
  OnMenuCommand(form, MenuItem::mCenter);
  OnTick(form);
  EXPECT_EQ(fake.Matching("popup").size(), 1u);
}

TEST_F(Lifecycle, CloseReleasesBothKeysAfterHidingAndRemovingIcons) {
  OnLoad(form);
  fake.Hold(vk::kShift);
  form.TrayIcons[1].shown = true;
  fake.ClearLog();
  OnClose(form);
  std::vector<std::string> steps;
  for (const std::string& line : fake.log) {
    if (line.rfind("ini-write", 0) != 0) steps.push_back(line);
  }
  EXPECT_EQ(steps, (std::vector<std::string>{"limits none", "hide", "topmost off", "tray remove SHIFT",
                                             KeyDown(Modifier::Shift), KeyUp(Modifier::Shift),
                                             KeyDown(Modifier::Ctrl), KeyUp(Modifier::Ctrl), "end"}));
  EXPECT_EQ(fake.log.back(), "end") << "the settings are written before the process ends";
  EXPECT_FALSE(fake.IsDown(vk::kShift));
}

TEST_F(Lifecycle, ExitAndCloseButtonAskTheWindowToUnload) {
  OnLoad(form);
  fake.popup_choices.push_back(MenuItem::mExit);
  OpenPopupMenu(form);
  CloseProgram(form);
  EXPECT_EQ(fake.unload_requests, 2);
}

TEST_F(Lifecycle, FaultReleasesBothKeysThenDeletesEveryIconHeld) {
  OnLoad(form);
  OnMenuCommand(form, MenuItem::mMode1);  // Double mode: two icons
  fake.Hold(vk::kShift);
  fake.Hold(vk::kControl);
  fake.ClearLog();
  OnFault(form);
  EXPECT_EQ(fake.log, (std::vector<std::string>{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl), "tray remove CTRL",
                                                "tray remove SHIFT"}));
  EXPECT_FALSE(fake.IsDown(vk::kShift));
  EXPECT_FALSE(fake.IsDown(vk::kControl));
}

TEST_F(Lifecycle, FaultInFloatModeOnlyReleasesTheKeys) {
  OnLoad(form);
  OnMenuCommand(form, MenuItem::mMode0);
  OnMenuCommand(form, MenuItem::mMode2);  // the Compact icon is gone again
  fake.ClearLog();
  OnFault(form);
  EXPECT_EQ(fake.log, (std::vector<std::string>{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl)}));
}

class ResetCommand : public Lifecycle {
 protected:
  std::vector<std::string> ResetWith(std::uint8_t last, bool shift, bool ctrl) {
    form.DisplayMode = display_mode::kFloat;
    form.LastModifierState = last;
    fake.SetKey(vk::kShift, KeyReading{shift, false});
    fake.SetKey(vk::kControl, KeyReading{ctrl, false});
    fake.ClearLog();
    OnMenuCommand(form, MenuItem::mReset);
    return fake.Matching("key-");
  }
};

TEST_F(ResetCommand, NoChangeReleasesBothShiftFirst) {
  EXPECT_EQ(ResetWith(0, false, false), (std::vector<std::string>{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl)}));
}

TEST_F(ResetCommand, ChangedStateReleasesOnlyItsKeys) {
  EXPECT_EQ(ResetWith(0, false, true), std::vector<std::string>{KeyUp(Modifier::Ctrl)});
  EXPECT_EQ(ResetWith(0, true, false), std::vector<std::string>{KeyUp(Modifier::Shift)});
  EXPECT_EQ(ResetWith(0, true, true), (std::vector<std::string>{KeyUp(Modifier::Shift), KeyUp(Modifier::Ctrl)}));
  EXPECT_TRUE(ResetWith(3, false, false).empty());
}

TEST_F(Lifecycle, MenuLatchCommandsToggle) {
  OnMenuCommand(form, MenuItem::mSHIFT);
  OnMenuCommand(form, MenuItem::mCTRL);
  OnMenuCommand(form, MenuItem::mCTRL);
  EXPECT_EQ(fake.Matching("key-"),
            (std::vector<std::string>{KeyDown(Modifier::Shift), KeyDown(Modifier::Ctrl), KeyUp(Modifier::Ctrl)}));
  fake.ClearLog();
  OnMenuCommand(form, MenuItem::mCancel);
  EXPECT_TRUE(fake.log.empty());
}

// What the running program does when it is started again, by how it shows itself.
TEST(SecondStart, TheWindowComesIntoViewAndToTheFrontOrTheIconShowsABalloon) {
  const struct {
    const char* options;
    std::vector<std::string> expected;
  } table[] = {
      {"TaskTop=1", {"workarea", "left 0", "front activate"}},
      {"NoActivate=True", {"workarea", "left 0", "front"}},
      {"zPos=True", {"workarea", "left 0", "front activate"}},
      {"WindowType=0", {"tray balloon CTRL ModLatch|ModLatch は実行中です"}},
      {"WindowType=1", {"tray balloon CTRL ModLatch|ModLatch は実行中です"}},
  };
  for (const auto& row : table) {
    FakePlatform fake;
    MainForm form{fake.platform()};
    fake.SetIniText("C:\\Tools\\ModLatch.ini", std::string("[Option]\n") + row.options + "\n");
    OnLoad(form);
    const bool shown = fake.visible;
    fake.left = -3000;  // dragged half off the screen, where TaskTop leaves it
    fake.ClearLog();
    OnSecondStart(form);
    EXPECT_EQ(fake.log, row.expected) << row.options;
    EXPECT_EQ(fake.visible, shown) << row.options;
  }
}

class SingleInstance : public ::testing::Test {
 protected:
  Text Lock(const Text& path) { return InstanceLockName(fake, path); }
  FakePlatform fake;
};

TEST_F(SingleInstance, SameFileThroughAnyPathSharesOneLock) {
  // A second drive letter mapped to the folder, a link, another spelling: one file.
  for (const char16_t* path : {u"C:\\Tools\\ModLatch.exe", u"M:\\ModLatch.exe", u"c:\\tools\\MODLAT~1.EXE",
                               u"\\\\server\\tools\\ModLatch.exe"}) {
    fake.file_ids[path] = FileId{0x4D2A11C0, 0x00000001000A7240};
  }
  const Text lock = Lock(u"C:\\Tools\\ModLatch.exe");
  EXPECT_EQ(Lock(u"M:\\ModLatch.exe"), lock);
  EXPECT_EQ(Lock(u"c:\\tools\\MODLAT~1.EXE"), lock);
  EXPECT_EQ(Lock(u"\\\\server\\tools\\ModLatch.exe"), lock);
  // Object names allow a backslash only after the namespace.
  EXPECT_EQ(lock.rfind(u"Local\\", 0), 0u);
  EXPECT_EQ(lock.find(u'\\'), lock.rfind(u'\\'));
}

TEST_F(SingleInstance, CopiesAreSeparatePrograms) {
  fake.file_ids[u"C:\\A\\ModLatch.exe"] = FileId{0x1234, 0x0000000100000010};
  fake.file_ids[u"C:\\B\\ModLatch.exe"] = FileId{0x1234, 0x0000000100000011};
  fake.file_ids[u"D:\\A\\ModLatch.exe"] = FileId{0x1235, 0x0000000100000010};
  // Each half of the index counts, not only the low 32 bits.
  fake.file_ids[u"C:\\C\\ModLatch.exe"] = FileId{0x1234, 0x0000000200000010};
  const std::set<Text> locks = {Lock(u"C:\\A\\ModLatch.exe"), Lock(u"C:\\B\\ModLatch.exe"),
                                Lock(u"D:\\A\\ModLatch.exe"), Lock(u"C:\\C\\ModLatch.exe")};
  EXPECT_EQ(locks.size(), 4u);
}

TEST_F(SingleInstance, WithoutFileIdsTheNormalisedPathDecides) {
  fake.normalized_paths[u"x:\\tools\\.\\modlatch.exe"] = u"X:\\TOOLS\\MODLATCH.EXE";
  fake.normalized_paths[u"X:\\Tools\\ModLatch.exe"] = u"X:\\TOOLS\\MODLATCH.EXE";
  fake.normalized_paths[u"X:\\Other\\ModLatch.exe"] = u"X:\\OTHER\\MODLATCH.EXE";
  const Text lock = Lock(u"x:\\tools\\.\\modlatch.exe");
  EXPECT_EQ(Lock(u"X:\\Tools\\ModLatch.exe"), lock);
  EXPECT_NE(Lock(u"X:\\Other\\ModLatch.exe"), lock);
  EXPECT_EQ(lock.find(u'\\'), lock.rfind(u'\\'));
}

TEST(PopupMenuDesign, SeventeenItemsWithFourInertSeparators) {
  const auto& menu = design::kPopupMenu;
  int separators = 0;
  for (std::size_t i = 0; i < menu.size(); ++i) {
    EXPECT_EQ(static_cast<std::size_t>(menu[i].item), i);
    separators += design::IsSeparator(menu[i]);
  }
  EXPECT_EQ(separators, 4);
  EXPECT_EQ(Text(UiText(Language::kJapanese, menu[0].caption)), u"SHIFT\uFF77\uFF70");
  EXPECT_EQ(Text(UiText(Language::kJapanese, menu[13].caption)), u"\u5F53\u30BD\u30D5\u30C8\u306F\u30FB\u30FB\u30FB");
  EXPECT_EQ(Text(UiText(Language::kJapanese, menu[15].caption)), u"\uFF77\uFF6C\uFF9D\uFF7E\uFF99");
}

}  // namespace
}  // namespace modlatch
