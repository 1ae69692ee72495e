#include <gtest/gtest.h>

#include "latch/indicators.h"
#include "latch/toggle_buttons.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;

class ToggleButtons : public ::testing::Test {
 protected:
  ToggleButtons() {
    form.DisplayMode = display_mode::kFloat;
    form.Settings.ShiftBgColor_0 = 0x0000FF;
    form.Settings.ShiftBgColor_1 = 0x00FF00;
  }
  // The toolkit flips an auto check box on a click, then raises the click step.
  void UserClick(std::int16_t index) {
    OnToggleMouseDown(form, index, 1);
    fake.toggle_value[index] = !fake.toggle_value[index];
    ToggleClickStep(form, index);
    OnTogglePressEnded(form);
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(ToggleButtons, ClickLatchesThenReleasesWithTheLookOfTheNewValue) {
  UserClick(1);
  EXPECT_EQ(fake.Matching("inject"), std::vector<std::string>{"inject 10 0 1 0"});
  EXPECT_EQ(fake.back_color[1], 0x00FF00);
  UserClick(1);
  EXPECT_EQ(fake.Matching("inject"), (std::vector<std::string>{"inject 10 0 1 0", "inject 10 0 3 0"}));
  EXPECT_EQ(fake.back_color[1], 0x0000FF);
  EXPECT_FALSE(form.UserClickPending);
}

TEST_F(ToggleButtons, LookIsAppliedBeforeTheKeyIsSent) {
  UserClick(1);
  const auto& log = fake.log;
  const auto look = std::find(log.begin(), log.end(), "backcolor 1 ff00");
  const auto key = std::find(log.begin(), log.end(), "inject 10 0 1 0");
  ASSERT_NE(look, log.end());
  EXPECT_LT(look, key);
}

TEST_F(ToggleButtons, SpaceTogglesOnceWithTheLookOfTheValueBefore) {
  OnToggleKeyDown(form, 1, vk::kSpace, false);
  EXPECT_EQ(fake.Matching("inject"), std::vector<std::string>{"inject 10 0 1 0"});
  EXPECT_EQ(fake.back_color[1], 0x0000FF);  // the button has not flipped yet
  // The button's own toggle on the key raises a click that must not send again.
  fake.toggle_value[1] = true;
  ToggleClickStep(form, 1);
  EXPECT_EQ(fake.Matching("inject").size(), 1u);
}

TEST_F(ToggleButtons, HeldSpaceTogglesOnlyOnce) {
  OnToggleKeyDown(form, 0, vk::kSpace, false);
  OnToggleKeyDown(form, 0, vk::kSpace, true);
  OnToggleKeyDown(form, 0, vk::kSpace, true);
  EXPECT_EQ(fake.Matching("inject"), std::vector<std::string>{"inject 11 0 1 0"});
}

TEST_F(ToggleButtons, OtherKeysAndButtonsDoNothing) {
  OnToggleKeyDown(form, 0, 'A', false);
  OnToggleMouseDown(form, 0, 4);
  OnToggleMouseDown(form, 0, 3);
  EXPECT_FALSE(form.UserClickPending);
  EXPECT_TRUE(fake.Matching("popup").empty());
}

TEST_F(ToggleButtons, RightButtonOpensTheMenuAndChosenItemRuns) {
  fake.popup_choices.push_back(MenuItem::mCTRL);
  OnToggleMouseDown(form, 1, 2);
  EXPECT_EQ(fake.Matching("popup").size(), 1u);
  EXPECT_EQ(fake.Matching("inject"), std::vector<std::string>{"inject 11 0 1 0"});
  EXPECT_FALSE(form.UserClickPending);
}

TEST_F(ToggleButtons, RefreshMovingAButtonSendsNoKey) {
  form.LastModifierState = modifier_state::kForceRedraw;
  fake.Hold(vk::kControl);  // the physical key
  RefreshIndicators(form);
  EXPECT_TRUE(fake.toggle_value[0]);
  EXPECT_TRUE(fake.Matching("inject").empty());
  EXPECT_TRUE(fake.Matching("backcolor").empty()) << "a button moved by the key keeps its look";
}

TEST_F(ToggleButtons, AbandonedPressDoesNotTurnTheNextRefreshIntoAKey) {
  // The user presses SHIFT's button, slides off and lets go: no click.
  OnToggleMouseDown(form, 1, 1);
  OnTogglePressEnded(form);
  // Then holds the physical CTRL key: the refresh moves CTRL's button.
  form.LastModifierState = 0;
  fake.Hold(vk::kControl);
  RefreshIndicators(form);
  EXPECT_TRUE(fake.Matching("inject").empty()) << "the held CTRL must not be released behind the user's back";
}

}  // namespace
}  // namespace modlatch
