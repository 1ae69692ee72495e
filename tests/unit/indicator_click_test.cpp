#include <gtest/gtest.h>

#include "form/main_form.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;

using testing::FakePlatform;

class ClickTable : public ::testing::Test {
 protected:
  // What one click did: the key events, menus and close requests it caused.
  std::vector<std::string> Click(std::int16_t mode, MouseButton button, Modifier icon, bool alt,
                                 std::uint32_t held = 0) {
    form.DisplayMode = mode;
    form.TrayButtonsHeld = held;
    if (alt) fake.Hold(vk::kAlt);
    fake.ClearLog();
    HandleIndicatorClick(form, button, icon);
    return Effects();
  }
  std::vector<std::string> Toggle(std::int16_t mode, Modifier key, bool alt) {
    form.DisplayMode = mode;
    if (alt) fake.Hold(vk::kAlt);
    fake.ClearLog();
    HandleIndicatorClick(form, key);
    return Effects();
  }
  std::vector<std::string> Effects() const {
    std::vector<std::string> effects;
    for (const auto& line : fake.log) {
      if (line.rfind("key-", 0) == 0 || line == "popup" || line == "unload") effects.push_back(line);
    }
    return effects;
  }
  int AltQueries() const { return static_cast<int>(fake.Matching("read ALT").size()); }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

const std::vector<std::string> kToggleShift{KeyDown(Modifier::Shift)};
const std::vector<std::string> kToggleCtrl{KeyDown(Modifier::Ctrl)};
const std::vector<std::string> kMenu{"popup"};
const std::vector<std::string> kClose{"unload"};
const std::vector<std::string> kNothing{};

constexpr MouseButton L = MouseButton::Left;
constexpr MouseButton R = MouseButton::Right;
constexpr std::uint32_t kBothHeld = 3;

struct TrayRow {
  std::int16_t mode;
  MouseButton button;
  Modifier icon;
  bool alt;
  std::uint32_t held;
  const std::vector<std::string>& effects;
};

// One row per line of the click table; ALT is the user's ALT, read once per tray click.
const TrayRow kTrayRows[] = {
    {display_mode::kCompact, L, Modifier::Ctrl, false, 0, kToggleShift},
    {display_mode::kCompact, R, Modifier::Ctrl, false, 0, kToggleCtrl},
    {display_mode::kCompact, R, Modifier::Ctrl, false, kBothHeld, kMenu},
    {display_mode::kCompact, L, Modifier::Ctrl, true, kBothHeld, kMenu},
    {display_mode::kCompact, R, Modifier::Ctrl, true, 0, kMenu},
    {display_mode::kCompact, L, Modifier::Ctrl, true, 0, kClose},
    {display_mode::kDouble, L, Modifier::Ctrl, false, 0, kToggleCtrl},
    {display_mode::kDouble, L, Modifier::Shift, false, 0, kToggleShift},
    {display_mode::kDouble, R, Modifier::Ctrl, false, 0, kMenu},
    {display_mode::kDouble, R, Modifier::Shift, false, kBothHeld, kMenu},
    {display_mode::kDouble, R, Modifier::Shift, true, 0, kClose},
    {display_mode::kFloat, L, Modifier::Ctrl, false, 0, kNothing},
    {3, L, Modifier::Ctrl, false, 0, kNothing},
    {-1, R, Modifier::Ctrl, true, 0, kNothing},
};

TEST_F(ClickTable, EveryTrayRowDoesWhatItSaysAndReadsAltOnlyInTheTrayModes) {
  for (const TrayRow& row : kTrayRows) {
    SCOPED_TRACE(::testing::Message() << "mode " << row.mode << " button " << static_cast<int>(row.button)
                                      << " icon " << IndexOf(row.icon) << " alt " << row.alt << " held "
                                      << row.held);
    fake.Release(vk::kAlt);
    fake.Release(vk::kShift);
    fake.Release(vk::kControl);
    EXPECT_EQ(Click(row.mode, row.button, row.icon, row.alt, row.held), row.effects);
    const bool tray_mode = row.mode == display_mode::kCompact || row.mode == display_mode::kDouble;
    EXPECT_EQ(AltQueries(), tray_mode ? 1 : 0);
  }
}

TEST_F(ClickTable, DoubleLeftWithAltStillTogglesTheIconsKey) {
  fake.Hold(vk::kShift);
  EXPECT_EQ(Click(display_mode::kDouble, L, Modifier::Shift, true), std::vector<std::string>{KeyUp(Modifier::Shift)});
}

TEST_F(ClickTable, AToggleButtonTogglesItsOwnKeyAndIgnoresAlt) {
  EXPECT_EQ(Toggle(display_mode::kFloat, Modifier::Shift, true), kToggleShift);
  EXPECT_EQ(AltQueries(), 0);
  EXPECT_EQ(Toggle(display_mode::kFloat, Modifier::Ctrl, true), kToggleCtrl);
}

// The system drops a key sent to a program above our level: every click that latched or released
// one asks about the window in front, and a notice points at the key that was clicked.
TEST_F(ClickTable, EveryClickThatTogglesAKeyAsksWhetherTheWindowInFrontCanTakeIt) {
  for (const TrayRow& row : kTrayRows) {
    fake.Release(vk::kAlt);
    const std::vector<std::string> effects = Click(row.mode, row.button, row.icon, row.alt, row.held);
    const bool toggled = !effects.empty() && effects[0].rfind("key-", 0) == 0;
    EXPECT_EQ(fake.Matching("front-level").size(), toggled ? 1u : 0u)
        << "mode " << row.mode << " button " << static_cast<int>(row.button) << " alt " << row.alt;
  }
  fake.front_windows = {{FrontLevel::kHigher, 0x7001, u"Task Manager"}};
  Toggle(display_mode::kFloat, Modifier::Ctrl, false);
  ASSERT_EQ(fake.key_balloons.size(), 1u);
  EXPECT_EQ(fake.key_balloons[0].rfind("button CTRL ", 0), 0u);
}

}  // namespace
}  // namespace modlatch
