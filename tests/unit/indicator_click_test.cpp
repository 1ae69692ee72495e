#include <gtest/gtest.h>

#include "form/main_form.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;

class ClickTable : public ::testing::Test {
 protected:
  // What one click did: the key events, menus and close requests it caused.
  std::vector<std::string> Click(std::int16_t mode, std::uint8_t button, std::int16_t index, bool alt,
                                 std::uint32_t held = 0) {
    form.DisplayMode = mode;
    form.TrayButtonsHeld = held;
    if (alt) fake.Hold(vk::kAlt);
    fake.ClearLog();
    HandleIndicatorClick(form, button, index);
    std::vector<std::string> effects;
    for (const auto& line : fake.log) {
      if (line.rfind("inject", 0) == 0 || line == "popup" || line == "unload") effects.push_back(line);
    }
    return effects;
  }
  int AltQueries() const { return static_cast<int>(fake.Matching("query 12").size()); }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

const std::vector<std::string> kToggleShift{"inject 10 0 1 0"};
const std::vector<std::string> kToggleCtrl{"inject 11 0 1 0"};
const std::vector<std::string> kMenu{"popup"};
const std::vector<std::string> kClose{"unload"};

TEST_F(ClickTable, FloatTogglesTheButtonsKeyAndIgnoresAlt) {
  EXPECT_EQ(Click(display_mode::kFloat, 1, 0, true), kToggleShift);
  EXPECT_EQ(AltQueries(), 0);
  EXPECT_EQ(Click(display_mode::kFloat, 0, 0, true), kToggleCtrl);
}

TEST_F(ClickTable, CompactLeftShiftRightCtrl) {
  EXPECT_EQ(Click(display_mode::kCompact, 1, 0, false), kToggleShift);
  EXPECT_EQ(Click(display_mode::kCompact, 2, 0, false), kToggleCtrl);
}

TEST_F(ClickTable, CompactMenusAndClose) {
  EXPECT_EQ(Click(display_mode::kCompact, 2, 0, false, 3), kMenu);  // left held + right
  EXPECT_EQ(Click(display_mode::kCompact, 2, 0, true), kMenu);
  EXPECT_EQ(Click(display_mode::kCompact, 1, 0, true), kClose);
  EXPECT_EQ(AltQueries(), 1) << "ALT is read once per click";
}

TEST_F(ClickTable, CompactHeldBothWinsOverAlt) {
  EXPECT_EQ(Click(display_mode::kCompact, 1, 0, true, 3), kMenu);
}

TEST_F(ClickTable, DoubleLeftTogglesTheIconsKeyEvenWithAlt) {
  EXPECT_EQ(Click(display_mode::kDouble, 1, 0, false), kToggleCtrl);
  EXPECT_EQ(Click(display_mode::kDouble, 1, 1, false), kToggleShift);
  EXPECT_EQ(Click(display_mode::kDouble, 1, 1, true), std::vector<std::string>{"inject 10 0 3 0"});
}

TEST_F(ClickTable, DoubleRightOpensMenuAltRightCloses) {
  EXPECT_EQ(Click(display_mode::kDouble, 2, 0, false), kMenu);
  EXPECT_EQ(Click(display_mode::kDouble, 2, 1, false, 3), kMenu);
  EXPECT_EQ(Click(display_mode::kDouble, 2, 1, true), kClose);
}

TEST_F(ClickTable, UnknownModeDoesNothing) {
  EXPECT_TRUE(Click(3, 1, 0, false).empty());
  EXPECT_TRUE(Click(-1, 2, 0, true).empty());
  EXPECT_EQ(AltQueries(), 0);
}

}  // namespace
}  // namespace modlatch
