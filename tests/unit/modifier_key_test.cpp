#include <gtest/gtest.h>

#include "latch/modifier_key.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;

std::vector<std::string> Injected(const FakePlatform& fake) { return fake.Matching("inject"); }

TEST(SendModifierKey, ToggleSendsDownWhenUpAndUpWhenDown) {
  FakePlatform fake;
  SendModifierKey(fake, 1, key_action::kToggle);
  SendModifierKey(fake, 1, key_action::kToggle);
  EXPECT_EQ(Injected(fake), (std::vector<std::string>{"inject 10 0 1 0", "inject 10 0 3 0"}));
}

TEST(SendModifierKey, ToggleReadsAnyNonZeroStateAsDown) {
  // The "pressed since the last query" bit alone counts as down.
  FakePlatform fake;
  fake.SetKey(vk::kControl, 1);
  SendModifierKey(fake, 0, key_action::kToggle);
  EXPECT_EQ(Injected(fake), std::vector<std::string>{"inject 11 0 3 0"});
  EXPECT_EQ(fake.Matching("query"), std::vector<std::string>{"query 11"});
}

TEST(SendModifierKey, PressAndReleaseIgnoreTheKeyState) {
  FakePlatform fake;
  fake.Hold(vk::kShift);
  SendModifierKey(fake, 1, key_action::kPress);
  SendModifierKey(fake, 2, key_action::kRelease);
  EXPECT_EQ(Injected(fake), (std::vector<std::string>{"inject 10 0 1 0", "inject 11 0 3 0"}));
  EXPECT_TRUE(fake.Matching("query").empty());
}

TEST(SendModifierKey, FallBacksSelectCtrlAndPress) {
  FakePlatform fake;
  SendModifierKey(fake, 0, key_action::kPress);
  SendModifierKey(fake, 2, key_action::kRelease);
  SendModifierKey(fake, 255, 7);  // unknown selector and action
  EXPECT_EQ(Injected(fake), (std::vector<std::string>{"inject 11 0 1 0", "inject 11 0 3 0", "inject 11 0 1 0"}));
}

}  // namespace
}  // namespace modlatch
