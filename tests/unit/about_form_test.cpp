#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/about_form.h"
#include "about/aligned_text.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakeAboutWindow;
using testing::FakePlatform;
using Log = std::vector<std::string>;

TEST(AlignedStart, EachBitAndHalvesToEven) {
  struct Case {
    int interior, extent;
    std::uint16_t bits;
    int start;
  };
  const Case cases[] = {
      {97, 40, 1, 0},   {97, 40, 4, 57}, {97, 40, 0, 0},    // near edge, far edge, no bit
      {97, 40, 5, 0},   {97, 40, 6, 28}, {97, 41, 2, 28},   // the first bit wins; an exact centre
      {97, 40, 2, 28},  {97, 42, 2, 28},                   // 28.5 and 27.5: both to the even 28
      {93, 40, 2, 26},  {95, 40, 2, 28},                   // 26.5 down, 27.5 up
      {10, 31, 2, -10}, {10, 31, 4, -21},                  // wider than the surface: -10.5 to -10
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AlignedStart(c.interior, c.extent, c.bits), c.start)
        << c.interior << " " << c.extent << " bits " << c.bits;
  }
}

TEST(DrawAlignedText, ClearsThenPrintsOnceAtTheAlignedPointPlusTheOffset) {
  FakePlatform fake;
  FakeAboutWindow about(fake);
  about.interior[AboutSurface::Picture2] = {97, 25};
  // 5 characters: 30 x 12 pixels. Centre 33.5 -> 34 (even), middle 6.5 -> 6 (even).
  DrawAlignedText(about, AboutSurface::Picture2, u"abcde", 0x808080, align::kCentre | align::kMiddle, 1, 1, true);
  EXPECT_EQ(fake.log, (Log{"about clear Picture2", "about underline Picture2 1", "about color Picture2 808080",
                           "about print Picture2 35,7 abcde"}));

  const struct {
    std::uint16_t align;
    const char* at;
  } vertical[] = {{align::kTop, "0,0"}, {align::kMiddle, "0,6"}, {align::kBottom, "0,13"}, {align::kTop | align::kBottom, "0,0"}};
  for (const auto& v : vertical) {
    fake.ClearLog();
    DrawAlignedText(about, AboutSurface::Picture2, u"abcde", 0, v.align, 0, 0, false);
    EXPECT_EQ(fake.log.back(), std::string("about print Picture2 ") + v.at + " abcde") << v.align;
  }
}

class About : public ::testing::Test {
 protected:
  // Loads the window and forgets the log of it.
  void Loaded() {
    OnAboutLoad(form);
    fake.ClearLog();
  }
  void Tick(AboutSurface over) {
    about.pointer_window = about.SurfaceWindow(over);
    OnAboutTick(form);
  }
  void TickOnPanel() {
    about.pointer_window = 0x5999;
    OnAboutTick(form);
  }
  // What was printed, "<surface> x,y text", in order.
  Log Prints() const {
    Log out;
    for (const std::string& line : fake.Matching("about print ")) out.push_back(line.substr(12));
    return out;
  }
  bool Closed() const { return !fake.Matching("about close").empty(); }

  FakePlatform fake;
  FakeAboutWindow about{fake};
  AboutForm form{about, fake, fake, fake, fake, Language::kJapanese};
};

// The two link looks and the three close-button looks, as the fake measures them.
const std::string kWebNormal = "WebInfo0 20,2 https://example.org/";
const std::string kMailNormal = "WebInfo1 20,2 modlatch@example.org";
const std::string kCloseAt0 = "Picture2 22,6 ウィンドウを閉じる";  // 54 px wide: 21.5 -> 22; 6.5 -> 6
const std::string kCloseAt1 = "Picture2 23,7 ウィンドウを閉じる";

TEST_F(About, LoadRunsItsStepsInOrder) {
  OnAboutLoad(form);
  EXPECT_EQ(fake.log, (Log{
                          "about version バージョン情報　:　01.03.00",
                          "topmost on 5000",
                          "about panel-left 5",
                          "about size 6675x2580",  // 445 x 172 pixels
                          "about mail-cursor",
                          "about app-icon",
                          "about clear FormInfo",  // 74 characters, 444 px: 0.5 -> 0
                          "about underline FormInfo 0",
                          "about color FormInfo ffffff",
                          "about print FormInfo 0,2 Keyboard Utility       <<<< From ZQ5's software >>>>       "
                          "Mod Latch!     ",
                          "title bar off 5000",
                          "about clear Picture2",
                          "about underline Picture2 0",
                          "about color Picture2 e0e0e0",
                          "about print " + kCloseAt0,
                          "about clear WebInfo0",
                          "about underline WebInfo0 0",
                          "about color WebInfo0 ff8080",
                          "about print " + kWebNormal,
                          "about clear WebInfo1",
                          "about underline WebInfo1 0",
                          "about color WebInfo1 ff00",
                          "about print " + kMailNormal,
                          "beep information",
                          "about timer on",
                      }));
  EXPECT_FALSE(form.WebHot || form.MailHot || form.CloseHot || form.ClosePressed);
}

TEST_F(About, WindowSizeFollowsThePanelAtTheScreensFactor) {
  fake.dpi = {120, 120};  // 12 twips a pixel
  about.panel = {4, 20, 544, 189};
  OnAboutLoad(form);
  // The 5-pixel margin is 6 at 120 DPI: (12 + 544) x (20 + 189 + 6) pixels.
  EXPECT_EQ(fake.Matching("about size"), (Log{"about size 6672x2580"}));
}

TEST_F(About, ControlsMadeAnewAtAnotherDpiAreSizedAndDrawnAgainWithoutASound) {
  Loaded();
  Tick(AboutSurface::WebInfo0);
  fake.ClearLog();
  fake.dpi = {192, 192};
  about.version_caption = u"バージョン情報　:　";  // the new label's design caption
  OnAboutControlsMade(form);
  EXPECT_TRUE(fake.Matching("beep").empty());
  EXPECT_TRUE(fake.Matching("about timer").empty());
  EXPECT_EQ(fake.Matching("about version"), (Log{"about version バージョン情報　:　01.03.00"}));
  EXPECT_EQ(fake.Matching("about panel-left"), (Log{"about panel-left 10"}));
  // Every item in its normal look, the links' text 40 pixels in: clear of a 32-pixel icon.
  EXPECT_EQ(Prints(), (Log{"FormInfo 0,4 Keyboard Utility       <<<< From ZQ5's software >>>>       Mod Latch!     ",
                           "Picture2 22,6 ウィンドウを閉じる", "WebInfo0 40,2 https://example.org/",
                           "WebInfo1 40,2 modlatch@example.org"}));
}

TEST_F(About, LinksTakeTheHoverLookOnceAndLoseItOnlyOnTheFreePanel) {
  Loaded();
  Tick(AboutSurface::WebInfo0);
  EXPECT_EQ(Prints(), (Log{kWebNormal}));
  EXPECT_EQ(fake.Matching("about underline"), (Log{"about underline WebInfo0 1"}));
  Tick(AboutSurface::WebInfo0);
  EXPECT_EQ(Prints().size(), 1u) << "no redraw without a change";

  // Straight onto the mail link: the web link keeps its hover look until the free panel.
  fake.ClearLog();
  Tick(AboutSurface::WebInfo1);
  EXPECT_EQ(fake.Matching("about underline"), (Log{"about underline WebInfo1 1"}));
  Tick(AboutSurface::Picture2);  // and on to the close button
  TickOnPanel();
  EXPECT_EQ(fake.Matching("about underline"),
            (Log{"about underline WebInfo1 1", "about underline Picture2 0", "about underline Picture2 0",
                 "about underline WebInfo0 0", "about underline WebInfo1 0"}));
  EXPECT_EQ(Prints(), (Log{kMailNormal, kCloseAt0, kCloseAt0, kWebNormal, kMailNormal}));
  fake.ClearLog();
  TickOnPanel();
  EXPECT_TRUE(Prints().empty());
}

TEST_F(About, CloseButtonHoverPressAndReleaseOutside) {
  Loaded();
  Tick(AboutSurface::Picture2);
  EXPECT_EQ(fake.Matching("about color"), (Log{"about color Picture2 808080"}));
  OnCloseButtonMouseDown(form, mouse_button::kLeft);
  EXPECT_EQ(Prints().back(), kCloseAt1) << "pressed: one pixel right and down";
  EXPECT_TRUE(form.ClosePressed);

  fake.ClearLog();
  Tick(AboutSurface::Picture2);
  TickOnPanel();
  EXPECT_TRUE(Prints().empty()) << "a pressed button stays pressed wherever the pointer goes";

  OnCloseButtonMouseUp(form, mouse_button::kLeft);  // released off the button: no click follows
  EXPECT_EQ(Prints(), (Log{kCloseAt0}));
  EXPECT_EQ(fake.Matching("about color").back(), "about color Picture2 808080");
  TickOnPanel();
  EXPECT_EQ(fake.Matching("about color").back(), "about color Picture2 e0e0e0");
  EXPECT_FALSE(Closed());
}

TEST_F(About, OnlyALeftClickOnTheCloseButtonCloses) {
  Loaded();
  for (int button : {mouse_button::kRight, mouse_button::kMiddle}) {
    OnCloseButtonMouseDown(form, button);
    OnCloseButtonMouseUp(form, button);
    OnCloseButtonClick(form);
    EXPECT_EQ(form.LastButton, button);
  }
  EXPECT_TRUE(Prints().empty()) << "other buttons leave the look alone";
  EXPECT_FALSE(Closed());

  OnCloseButtonMouseDown(form, mouse_button::kLeft);
  OnCloseButtonMouseUp(form, mouse_button::kLeft);
  OnCloseButtonClick(form);
  EXPECT_TRUE(Closed());
}

TEST_F(About, TheMouseIsHeldUntilTheLastButtonIsUpAndALostHoldRestoresTheNormalLook) {
  Loaded();
  Tick(AboutSurface::Picture2);
  OnCloseButtonMouseDown(form, mouse_button::kLeft);
  OnCloseButtonMouseDown(form, mouse_button::kRight);
  OnCloseButtonMouseUp(form, mouse_button::kRight);
  EXPECT_TRUE(fake.Matching("about release-mouse").empty()) << "the left button is still down";
  EXPECT_TRUE(form.ClosePressed);
  OnCloseButtonMouseUp(form, mouse_button::kLeft);
  EXPECT_EQ(fake.Matching("about hold-mouse").size(), 1u);
  EXPECT_EQ(fake.Matching("about release-mouse").size(), 1u);
  OnCloseButtonCaptureLost(form);  // the system's notice of our own release changes nothing
  TickOnPanel();
  EXPECT_EQ(fake.Matching("about color").back(), "about color Picture2 e0e0e0");
  EXPECT_EQ(Prints().back(), kCloseAt0);
  EXPECT_FALSE(form.ClosePressed || form.CloseHot);

  // Someone else takes the mouse while the button is pressed: back to the normal look at once.
  OnCloseButtonMouseDown(form, mouse_button::kLeft);
  fake.ClearLog();
  OnCloseButtonCaptureLost(form);
  EXPECT_EQ(fake.Matching("about color"), (Log{"about color Picture2 e0e0e0"}));
  EXPECT_EQ(Prints(), (Log{kCloseAt0}));
  EXPECT_FALSE(form.ClosePressed);
  EXPECT_EQ(form.ButtonsHeld, 0);
}

TEST_F(About, PressedWithoutAHoverStaysPressedOverTheButton) {
  Loaded();
  OnCloseButtonMouseDown(form, mouse_button::kLeft);
  fake.ClearLog();
  Tick(AboutSurface::Picture2);
  EXPECT_TRUE(Prints().empty());
  EXPECT_FALSE(form.CloseHot);
}

TEST_F(About, EnterEscapeAndCCloseOtherKeysDoNot) {
  for (int key : {int{'x'}, int{' '}, int{'v'}, 0xFF43 /* full-width c */, 8, 9}) {
    Loaded();
    OnAboutKeyPress(form, key);
    EXPECT_FALSE(Closed()) << key;
  }
  for (int key : {int{'c'}, int{'C'}, 13, 27}) {
    Loaded();
    form.LastButton = mouse_button::kRight;  // a right click on the close button came before
    OnAboutKeyPress(form, key);
    EXPECT_TRUE(Closed()) << key;
    EXPECT_EQ(form.LastButton, mouse_button::kLeft);
    fake.ClearLog();
  }
}

TEST_F(About, OnlyALeftPressOnTheFrameDragsTheWindow) {
  Loaded();
  OnAboutFrameMouseDown(form, mouse_button::kRight);
  OnAboutFrameMouseDown(form, mouse_button::kMiddle);
  EXPECT_TRUE(fake.log.empty());
  OnAboutFrameMouseDown(form, mouse_button::kLeft);
  EXPECT_EQ(fake.log, Log{"drag 5000"});
}

TEST_F(About, LeftClickOnALinkHandsItsAddressToTheShell) {
  Loaded();
  OnLinkMouseDown(form, 0, mouse_button::kLeft);
  OnLinkMouseDown(form, 1, mouse_button::kLeft);
  OnLinkMouseDown(form, 1, mouse_button::kMiddle);
  EXPECT_EQ(fake.log, (Log{"open 5000 https://example.org/ from C:\\Tools",
                           "open 5000 mailto:modlatch@example.org from C:\\Tools"}));
}

TEST_F(About, RightClickOffersToCopyTheBareAddress) {
  Loaded();
  OnLinkMouseDown(form, 1, mouse_button::kRight);  // menu dismissed
  EXPECT_EQ(fake.log, (Log{"about copy-menu \"modlatch@example.org\"をコピー"}));
  EXPECT_EQ(form.LastButton, 1);
  EXPECT_TRUE(fake.clipboard.empty());

  about.copy_menu_choice = true;
  OnLinkMouseDown(form, 0, mouse_button::kRight);
  EXPECT_EQ(fake.Matching("about copy-menu").back(), "about copy-menu \"https://example.org/\"をコピー");
  EXPECT_EQ(fake.clipboard, u"https://example.org/");
  EXPECT_EQ(fake.Matching("clipboard"), (Log{"clipboard 5000 https://example.org/"}));
  OnLinkMouseDown(form, 1, mouse_button::kRight);
  EXPECT_EQ(fake.clipboard, u"modlatch@example.org");
}

}  // namespace
}  // namespace modlatch
