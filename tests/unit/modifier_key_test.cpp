#include <gtest/gtest.h>

#include "latch/modifier_key.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;
using testing::Label;

using testing::FakePlatform;

std::vector<std::string> Injected(const FakePlatform& fake) { return fake.Matching("key-"); }

TEST(SendModifierKey, ToggleSendsDownWhenUpAndUpWhenDown) {
  FakePlatform fake;
  SendModifierKey(fake, Modifier::Shift, KeyAction::Toggle);
  SendModifierKey(fake, Modifier::Shift, KeyAction::Toggle);
  EXPECT_EQ(Injected(fake), (std::vector<std::string>{KeyDown(Modifier::Shift), KeyUp(Modifier::Shift)}));
}

TEST(SendModifierKey, ToggleReadsAnyNonZeroStateAsDown) {
  // The "pressed since the last query" bit alone counts as down.
  FakePlatform fake;
  fake.Tap(vk::kControl);
  SendModifierKey(fake, Modifier::Ctrl, KeyAction::Toggle);
  EXPECT_EQ(Injected(fake), std::vector<std::string>{KeyUp(Modifier::Ctrl)});
  EXPECT_EQ(fake.Matching("read "), std::vector<std::string>{"read CTRL"});
}

TEST(SendModifierKey, PressAndReleaseIgnoreTheKeyState) {
  FakePlatform fake;
  fake.Hold(vk::kShift);
  SendModifierKey(fake, Modifier::Shift, KeyAction::Press);
  SendModifierKey(fake, Modifier::Ctrl, KeyAction::Release);
  EXPECT_EQ(Injected(fake), (std::vector<std::string>{KeyDown(Modifier::Shift), KeyUp(Modifier::Ctrl)}));
  EXPECT_TRUE(fake.Matching("read ").empty());
}

// Each key goes as the physical key it stands for, marked as ours only when asked.
TEST(SendModifierKey, EachKeyGoesAsItsOwnPhysicalKey) {
  struct Row {
    Modifier key;
    std::uint8_t virtual_key;
    std::uint8_t scan_code;
    bool extended;
  };
  const Row rows[] = {
      {Modifier::Ctrl, 0x11, 0x1D, true},   // the right CTRL
      {Modifier::Shift, 0x10, 0x36, false},  // the right SHIFT, which has no E0 prefix
      {Modifier::Alt, 0xA4, 0x38, false},    // the left ALT
      {Modifier::Win, 0x5B, 0x5B, true},     // the left Windows key
  };
  for (const Row& row : rows) {
    FakePlatform fake;
    SendModifierKey(fake, row.key, KeyAction::Press, true);
    SendModifierKey(fake, row.key, KeyAction::Release);
    ASSERT_EQ(fake.strokes.size(), 2u);
    for (const KeyStroke& stroke : fake.strokes) {
      EXPECT_EQ(stroke.virtual_key, row.virtual_key) << Label(row.key);
      EXPECT_EQ(stroke.scan_code, row.scan_code) << Label(row.key);
      EXPECT_EQ(stroke.extended, row.extended) << Label(row.key);
    }
    EXPECT_TRUE(fake.strokes[0].ours && !fake.strokes[0].up);
    EXPECT_TRUE(!fake.strokes[1].ours && fake.strokes[1].up);
  }
}

}  // namespace
}  // namespace modlatch
