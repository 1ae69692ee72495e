#include <gtest/gtest.h>

#include "latch/indicators.h"
#include "latch/toggle_buttons.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::KeyDown;
using testing::KeyUp;

using testing::FakePlatform;

class ToggleButtons : public ::testing::Test {
 protected:
  ToggleButtons() {
    form.DisplayMode = display_mode::kFloat;
    form.Settings.ShiftBgColor_0 = 0x0000FF;
    form.Settings.ShiftBgColor_1 = 0x00FF00;
  }
  // The toolkit flips an auto check box on a click, then raises the click step.
  void UserClick(Modifier key) {
    OnToggleMouseDown(form, key, MouseButton::Left);
    fake.toggle_value[IndexOf(key)] = !fake.toggle_value[IndexOf(key)];
    ToggleClickStep(form, key);
    OnTogglePressEnded(form);
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(ToggleButtons, ClickLatchesThenReleasesWithTheLookOfTheNewValue) {
  UserClick(Modifier::Shift);
  EXPECT_EQ(fake.Matching("key-"), std::vector<std::string>{KeyDown(Modifier::Shift)});
  EXPECT_EQ(fake.back_color[1], 0x00FF00);
  UserClick(Modifier::Shift);
  EXPECT_EQ(fake.Matching("key-"), (std::vector<std::string>{KeyDown(Modifier::Shift), KeyUp(Modifier::Shift)}));
  EXPECT_EQ(fake.back_color[1], 0x0000FF);
  EXPECT_FALSE(form.UserClickPending);
}

TEST_F(ToggleButtons, LookIsAppliedBeforeTheKeyIsSent) {
  UserClick(Modifier::Shift);
  const auto& log = fake.log;
  const auto look = std::find(log.begin(), log.end(), "backcolor SHIFT ff00");
  const auto key = std::find(log.begin(), log.end(), KeyDown(Modifier::Shift));
  ASSERT_NE(look, log.end());
  EXPECT_LT(look, key);
}

TEST_F(ToggleButtons, SpaceTogglesOnceWithTheLookOfTheValueBefore) {
  OnToggleKeyDown(form, Modifier::Shift, vk::kSpace, false);
  EXPECT_EQ(fake.Matching("key-"), std::vector<std::string>{KeyDown(Modifier::Shift)});
  EXPECT_EQ(fake.back_color[1], 0x0000FF);  // the button has not flipped yet
  // The button's own toggle on the key raises a click that must not send again.
  fake.toggle_value[1] = true;
  ToggleClickStep(form, Modifier::Shift);
  EXPECT_EQ(fake.Matching("key-").size(), 1u);
}

TEST_F(ToggleButtons, HeldSpaceTogglesOnlyOnce) {
  OnToggleKeyDown(form, Modifier::Ctrl, vk::kSpace, false);
  OnToggleKeyDown(form, Modifier::Ctrl, vk::kSpace, true);
  OnToggleKeyDown(form, Modifier::Ctrl, vk::kSpace, true);
  EXPECT_EQ(fake.Matching("key-"), std::vector<std::string>{KeyDown(Modifier::Ctrl)});
}

TEST_F(ToggleButtons, OtherKeysAndButtonsDoNothing) {
  OnToggleKeyDown(form, Modifier::Ctrl, 'A', false);
  OnToggleMouseDown(form, Modifier::Ctrl, MouseButton::Middle);
  EXPECT_FALSE(form.UserClickPending);
  EXPECT_TRUE(fake.Matching("popup").empty());
}

TEST_F(ToggleButtons, RightButtonOpensTheMenuAndChosenItemRuns) {
  fake.popup_choices.push_back(MenuItem::mCTRL);
  OnToggleMouseDown(form, Modifier::Shift, MouseButton::Right);
  EXPECT_EQ(fake.Matching("popup").size(), 1u);
  EXPECT_EQ(fake.Matching("key-"), std::vector<std::string>{KeyDown(Modifier::Ctrl)});
  EXPECT_FALSE(form.UserClickPending);
}

TEST_F(ToggleButtons, RefreshMovingAButtonSendsNoKey) {
  form.LastModifierState = modifier_state::kForceRedraw;
  fake.Hold(vk::kControl);  // the physical key
  RefreshIndicators(form);
  EXPECT_TRUE(fake.toggle_value[0]);
  EXPECT_TRUE(fake.Matching("key-").empty());
  EXPECT_TRUE(fake.Matching("backcolor").empty()) << "a button moved by the key keeps its look";
}

TEST_F(ToggleButtons, AbandonedPressDoesNotTurnTheNextRefreshIntoAKey) {
  // The user presses SHIFT's button, slides off and lets go: no click.
  OnToggleMouseDown(form, Modifier::Shift, MouseButton::Left);
  OnTogglePressEnded(form);
  // Then holds the physical CTRL key: the refresh moves CTRL's button.
  form.LastModifierState = 0;
  fake.Hold(vk::kControl);
  RefreshIndicators(form);
  EXPECT_TRUE(fake.Matching("key-").empty()) << "the held CTRL must not be released behind the user's back";
}

}  // namespace
}  // namespace modlatch
