#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/main_form_events.h"
#include "form/main_form.h"
#include "latch/display_modes.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/twips.h"
#include "settings/load_settings.h"
#include "settings/save_settings.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

constexpr char kIni[] = "C:\\Tools\\ModLatch.ini";

TEST(WindowScale, FactorIsRoundedOnlyWhereThatKeepsTheWindowAsLarge) {
  const struct {
    int dpi;
    double factor;
  } table[] = {{96, 15}, {120, 12}, {144, 10}, {168, 1440.0 / 168}, {192, 7.5}, {100, 14}, {0, 15}};
  for (const auto& row : table) EXPECT_DOUBLE_EQ(TwipsPerPixel(row.dpi), row.factor) << row.dpi;
}

TEST(WindowScale, WholeFactorsKeepTodaysPixelsFractionalOnesTheNearest) {
  for (double twips : {4000.0, 800.0, 29.0, -29.0, 14.5, 29.5, -15.5, 360.0, 255.0, 1695.0}) {
    EXPECT_EQ(WindowPixels(twips, 15), TwipsToPixels(twips, 15)) << twips;
  }
  EXPECT_EQ(WindowPixels(4000, 15), 266);
  EXPECT_EQ(WindowPixels(800, 15), 53);
  // 200 %: twice the 96-DPI window, where the rounded factor 8 would give 500 x 100.
  EXPECT_EQ(WindowPixels(4000, TwipsPerPixel(192)), 533);
  EXPECT_EQ(WindowPixels(800, TwipsPerPixel(192)), 107);
  EXPECT_EQ(WindowPixels(-82.5, 7.5), -11);
  EXPECT_EQ(ScaleForDpi(8, 96), 8);
  EXPECT_EQ(ScaleForDpi(8, 144), 12);
  EXPECT_EQ(ScaleForDpi(120, 168), 210);
}

class GeometryRoundTrip : public ::testing::TestWithParam<int> {
 protected:
  std::map<std::string, std::string> StartAndExit() {
    FakePlatform run;
    run.whole_pixels = true;
    run.dpi = {GetParam(), GetParam()};
    run.ini_files = ini;
    MainForm form{run.platform()};
    LoadSettings(form);
    pixels = {PixelsX(run, run.Left()), PixelsY(run, run.Top()), PixelsX(run, run.Width()),
              PixelsY(run, run.Height())};
    SaveSettingsOnExit(form);
    ini = run.ini_files;
    std::map<std::string, std::string> geometry;
    for (const char* key : {"xPos", "yPos", "Width", "Height"}) geometry[key] = ini[kIni]["Option"][key];
    return geometry;
  }

  FakePlatform::IniFile& File() { return ini[kIni]; }
  std::map<std::string, FakePlatform::IniFile> ini;
  std::vector<int> pixels;
};

TEST_P(GeometryRoundTrip, TenStartsLeaveTheSavedPlaceAndSizeAsTheFirstSaveLeftThem) {
  for (const auto& [x, y, w, h] : {std::array<const char*, 4>{"1234", "5678", "4000", "800"},
                                   std::array<const char*, 4>{"7", "15", "3001", "601"}}) {
    ini.clear();
    File()["Option"] = {{"xPos", x}, {"yPos", y}, {"Width", w}, {"Height", h}};
    const auto first = StartAndExit();
    const std::vector<int> first_pixels = pixels;
    const double factor = TwipsPerPixel(GetParam());
    EXPECT_EQ(first_pixels[2], WindowPixels(std::stod(w), factor));
    EXPECT_EQ(first_pixels[3], WindowPixels(std::stod(h), factor));
    for (int cycle = 1; cycle < 10; ++cycle) {
      EXPECT_EQ(StartAndExit(), first) << "start " << cycle + 1 << " from " << w << " x " << h;
      EXPECT_EQ(pixels, first_pixels);
    }
  }
}

TEST_P(GeometryRoundTrip, SetThenReadGivesBackTheSameTwipsNegativesIncluded) {
  FakePlatform window;
  window.whole_pixels = true;
  window.dpi = {GetParam(), GetParam()};
  for (double twips : {-1.0, -7.0, -1500.0, -4001.0, 1.0, 12345.0}) {
    window.SetLeft(twips);
    window.SetWidth(-twips);
    const double left = window.Left();
    const double width = window.Width();
    for (int cycle = 0; cycle < 10; ++cycle) {
      window.SetLeft(window.Left());
      window.SetWidth(window.Width());
    }
    EXPECT_EQ(window.Left(), left) << twips;
    EXPECT_EQ(window.Width(), width) << twips;
    EXPECT_EQ(PixelsX(window, left), WindowPixels(twips, TwipsPerPixel(GetParam()))) << twips;
  }
}

INSTANTIATE_TEST_SUITE_P(Dpi, GeometryRoundTrip, ::testing::Values(96, 120, 144, 168, 192));

// A 96-DPI primary monitor and a 144-DPI one to its right; the window is made on the primary.
TEST(MixedDpi, APlaceOnEitherMonitorComesBackAtTheSamePixelsStartAfterStart) {
  const struct {
    Rect dragged_to;  // outer pixels where the user left the window
    const char* xPos;
    const char* Width;
  } table[] = {
      {{2500, 100, 2900, 180}, "37500", "4000"},  // on the 144-DPI monitor: 400 px are 4000 twips there
      {{300, 200, 566, 253}, "4500", "3990"},     // on the primary
      {{1800, 500, 2200, 560}, "27000", "6000"},  // straddling: the corner's monitor decides
  };
  for (const auto& row : table) {
    std::map<std::string, FakePlatform::IniFile> ini;
    for (int start = 0; start < 4; ++start) {
      FakePlatform run;
      run.whole_pixels = true;
      run.monitors = {{0, 0, 1920, 1080}, {1920, 0, 4800, 1620}};
      run.monitor_dpis = {{96, 96}, {144, 144}};
      run.ini_files = ini;
      MainForm form{run.platform()};
      LoadSettings(form);
      if (start == 0) run.PlacePixels(row.dragged_to);
      const Rect& r = row.dragged_to;
      EXPECT_EQ(std::tie(run.outer.left, run.outer.top, run.outer.right, run.outer.bottom),
                std::tie(r.left, r.top, r.right, r.bottom))
          << row.xPos << " start " << start;
      SaveSettingsOnExit(form);
      ini = run.ini_files;
      EXPECT_EQ(ini[kIni]["Option"]["xPos"], row.xPos);
      EXPECT_EQ(ini[kIni]["Option"]["Width"], row.Width);
    }
  }
}

TEST(MixedDpi, AMoveOntoAMonitorOfAnotherScaleKeepsTheSizeInTwips) {
  FakePlatform window;
  window.whole_pixels = true;
  window.monitors = {{0, 0, 1920, 1080}, {1920, 0, 4800, 1620}};
  window.monitor_dpis = {{96, 96}, {144, 144}};
  window.SetWidth(4000);  // 266 pixels on the primary
  window.SetLeft(2500 * 15);
  EXPECT_EQ(window.outer.right - window.outer.left, 399) << "3990 twips at 10 a pixel";
  EXPECT_EQ(window.Width(), 3990);
  window.SetLeft(0);
  EXPECT_EQ(window.outer.right, 266);
}

class DpiChange : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.width = 4000;
    fake.height = 800;
    SetDefaultSizeLimits(form);
    fake.dpi = {192, 192};
    fake.ClearLog();
  }
  FakePlatform fake;
  MainForm form{fake.platform()};
};

TEST_F(DpiChange, LimitsFontsDesignedPlacesWindowAndLayoutFollowTheNewDpi) {
  OnDpiChanged(form, Rect{100, 50, 633, 157});
  EXPECT_EQ(fake.log, (Log{
                          "limits 240x50-2000x2000",
                          "fonts 192",
                          "bounds Picture4 4,0,34,66",
                          "bounds Command1 4,4,28,26",
                          "bounds Check1(1) 48,0,113,33",
                          "bounds Check1(0) 272,0,113,33",
                          "place 100,50,633,157",
                          "bounds Check1(1) 48,0,234,91",  // (533 - 48) \ 2 - 8; 107 - 16
                          "bounds Check1(0) 281,0,234,91",
                          "bounds Picture4 4,0,34,91",
                      }));
  EXPECT_EQ(fake.width, 3997.5) << "533 pixels at 7.5 twips each";
}

TEST_F(DpiChange, ALockedSizeIsLockedAgainAtTheSuggestedSize) {
  form.Settings.SizeLock = true;
  OnDpiChanged(form, Rect{0, 0, 533, 107});
  EXPECT_EQ(fake.Matching("limits"), Log{"limits 533x107-533x107"});
}

TEST_F(DpiChange, NoLimitsAreInstalledWhereThereWereNone) {
  RemoveSizeLimits(form);
  OnDpiChanged(form, Rect{0, 0, 533, 107});
  EXPECT_EQ(fake.Matching("limits"), Log{"limits none"});
  EXPECT_FALSE(form.SizeLimits.has_value());
}

}  // namespace
}  // namespace modlatch
