#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "support/fake_platform.h"
#include "tray/tray_icons.h"
#include "win32/tray_record.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;

using testing::FakePlatform;
using Log = std::vector<std::string>;

class TrayIcons : public ::testing::Test {
 protected:
  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(TrayIcons, AddShowsTheLastPictureWithAnEmptyTipAndUpdateKeepsWhatItSends) {
  form.TrayIcons[1].picture = 0x402;
  form.TrayIcons[1].tip = u"an old tip";
  AddTrayIcon(form, Modifier::Shift);
  EXPECT_TRUE(form.TrayIcons[1].shown);
  EXPECT_EQ(form.TrayIcons[1].tip, u"");
  UpdateTrayIcon(form, Modifier::Shift, 0x403, u"xy");
  EXPECT_TRUE(form.TrayIcons[1].shown);
  EXPECT_EQ(form.TrayIcons[1].picture, 0x403u);
  EXPECT_EQ(form.TrayIcons[1].tip, u"xy");
  EXPECT_EQ(fake.log, (Log{"tray add SHIFT 402 ''", "tray update SHIFT 403 'xy'"}));
}

TEST_F(TrayIcons, RemoveForgetsTheIconsPictureAndTip) {
  AddTrayIcon(form, Modifier::Ctrl);
  UpdateTrayIcon(form, Modifier::Ctrl, 0x301, u"tip");
  RemoveTrayIcon(form, Modifier::Ctrl);
  EXPECT_EQ(fake.log.back(), "tray remove CTRL");
  EXPECT_FALSE(form.TrayIcons[0].shown);
  EXPECT_EQ(form.TrayIcons[0].picture, 0u);
  EXPECT_EQ(form.TrayIcons[0].tip, u"");
}

TEST_F(TrayIcons, RemoveAllTakesDownOnlyTheShownIconsAndKeepsTheirState) {
  for (Modifier icon : {Modifier::Win, Modifier::Shift}) AddTrayIcon(form, icon);
  UpdateTrayIcon(form, Modifier::Win, 0x407, u"win");
  fake.ClearLog();
  RemoveAllTrayIcons(form);
  EXPECT_EQ(fake.log, (Log{"tray remove SHIFT", "tray remove WIN"}));
  EXPECT_TRUE(form.TrayIcons[3].shown);
  EXPECT_EQ(form.TrayIcons[3].tip, u"win");
}

// The tip of the first-version record, as the adapter fills it.
// At sign-in the taskbar may not take an icon yet: it is added again on each tick until it
// takes, with what it would show by then, and again when the taskbar is made anew.
TEST_F(TrayIcons, AnIconTheShellRefusesIsAddedAgainUntilItTakes) {
  fake.tray_refusals = 2;
  AddTrayIcon(form, Modifier::Shift);
  UpdateTrayIcon(form, Modifier::Shift, 0x403, u"xy");
  AddRefusedTrayIcons(form);
  AddRefusedTrayIcons(form);
  AddRefusedTrayIcons(form);
  EXPECT_EQ(fake.log, (Log{"tray add SHIFT 0 ''", "tray add SHIFT 403 'xy'", "tray add SHIFT 403 'xy'"}));
  fake.ClearLog();
  UpdateTrayIcon(form, Modifier::Shift, 0x402, u"z");
  OnTaskbarCreated(form);
  AddRefusedTrayIcons(form);
  EXPECT_EQ(fake.log, (Log{"tray update SHIFT 402 'z'", "tray add SHIFT 402 'z'"}));
}

TEST(TrayTip, TextThenOneNulThenBlanksCutSoTheNulFits) {
  const struct {
    std::string text;
    std::string bytes;
  } cases[] = {
      {"abc", std::string("abc") + '\0' + std::string(60, ' ')},
      {"", std::string(1, '\0') + std::string(63, ' ')},
      {std::string(63, 'x'), std::string(63, 'x') + '\0'},
      {std::string(63, 'y') + "zzzzzzz", std::string(63, 'y') + '\0'},
  };
  for (const auto& c : cases) {
    const std::array<char, win32::kTipBytes> tip = win32::TipBytes(c.text);
    EXPECT_EQ(std::string(tip.begin(), tip.end()), c.bytes) << c.text;
  }
}

class TrayCallback : public ::testing::Test {
 protected:
  // The callback's mouse messages, decoded as the window procedure does.
  void Send(int index, std::initializer_list<std::uint32_t> messages) {
    for (std::uint32_t m : messages) {
      if (const auto mouse = win32::TrayMouseOf(m)) OnTrayButton(form, ModifierAt(index), mouse->button, mouse->down);
    }
  }
  Log Effects() const {
    Log effects;
    for (const auto& line : fake.log) {
      if (line.rfind("key-", 0) == 0 || line == "popup" || line == "unload") effects.push_back(line);
    }
    return effects;
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(TrayCallback, ButtonDownSetsItsBitAndButtonUpActsThenClearsIt) {
  form.DisplayMode = display_mode::kCompact;
  Send(0, {0x0201});
  EXPECT_EQ(form.TrayButtonsHeld, 1u);
  EXPECT_TRUE(Effects().empty()) << "nothing happens on the button-down";
  Send(0, {0x0202});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
  Send(0, {0x0204});
  EXPECT_EQ(form.TrayButtonsHeld, 2u);
  Send(0, {0x0205});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
  EXPECT_EQ(Effects(), (Log{KeyDown(Modifier::Shift), KeyDown(Modifier::Ctrl)}));  // SHIFT, then CTRL
}

TEST_F(TrayCallback, QuickDoubleClickTogglesTwice) {
  form.DisplayMode = display_mode::kCompact;
  Send(0, {0x0201, 0x0202, 0x0203, 0x0202});
  EXPECT_EQ(Effects(), (Log{KeyDown(Modifier::Shift), KeyUp(Modifier::Shift)}));
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, LeftHeldRightClickOpensTheMenuBeforeTheRightBitClears) {
  form.DisplayMode = display_mode::kCompact;
  std::vector<std::uint32_t> held_while_open;
  fake.while_popup_open = [&] { held_while_open.push_back(form.TrayButtonsHeld); };
  Send(0, {0x0201, 0x0204, 0x0205});
  EXPECT_EQ(Effects(), Log{"popup"});
  EXPECT_EQ(held_while_open, std::vector<std::uint32_t>{3});
  EXPECT_EQ(form.TrayButtonsHeld, 1u) << "the left bit waits for a left button-up";

  Send(0, {0x0202});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, RightHeldLeftClickClearsOnlyTheLeftBit) {
  form.DisplayMode = display_mode::kCompact;
  Send(0, {0x0204, 0x0201, 0x0202});
  EXPECT_EQ(Effects(), Log{"popup"});
  EXPECT_EQ(form.TrayButtonsHeld, 2u);
  Send(0, {0x0205});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, DoubleModePassesTheIconIndex) {
  form.DisplayMode = display_mode::kDouble;
  Send(0, {0x0201, 0x0202});
  Send(1, {0x0201, 0x0202});
  EXPECT_EQ(Effects(), (Log{KeyDown(Modifier::Ctrl), KeyDown(Modifier::Shift)}));  // CTRL icon, then SHIFT icon
  std::vector<std::uint32_t> held_while_open;
  fake.while_popup_open = [&] { held_while_open.push_back(form.TrayButtonsHeld); };
  Send(1, {0x0204, 0x0205});
  EXPECT_EQ(held_while_open, std::vector<std::uint32_t>{2});
  EXPECT_EQ(form.TrayButtonsHeld, 0u);
}

TEST_F(TrayCallback, MoveDoubleClicksAndMiddleButtonDoNothing) {
  for (std::int16_t mode : {display_mode::kCompact, display_mode::kDouble}) {
    form.DisplayMode = mode;
    for (std::uint32_t held : {0u, 3u}) {
      form.TrayButtonsHeld = held;
      Send(0, {0x0200, 0x0203, 0x0206, 0x0207, 0x0208, 0x0209});
      EXPECT_EQ(form.TrayButtonsHeld, held);
    }
  }
  EXPECT_TRUE(fake.log.empty());
}

}  // namespace
}  // namespace modlatch
