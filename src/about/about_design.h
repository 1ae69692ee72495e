#pragma once
#include <array>
#include <cstdint>

#include "form/texts.h"
#include "mainwindow/window_design.h"
#include "modlatch_version.h"

namespace modlatch::about {

// Where the maker can be reached: one line each to change when the product has its own.
constexpr char16_t kWebAddress[] = u"https://example.org/";
constexpr char16_t kMailAddress[] = u"modlatch@example.org";

constexpr char16_t kHeading[] = u"Keyboard Utility       <<<< From ZQ5's software >>>>       Mod Latch!     ";
constexpr char16_t kVersion[] = u"" MODLATCH_VERSION_LABEL;
constexpr char16_t kMailPrefix[] = u"mailto:";

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }

constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
constexpr std::uint32_t kWhite = Rgb(255, 255, 255);
constexpr std::uint32_t kSilver = Rgb(192, 192, 192);
constexpr std::uint32_t kGrey = Rgb(128, 128, 128);
constexpr std::uint32_t kWebColor = Rgb(128, 128, 255);
constexpr std::uint32_t kMailColor = Rgb(0, 255, 0);
constexpr std::uint32_t kCloseNormalColor = Rgb(224, 224, 224);
constexpr std::uint32_t kCloseHotColor = Rgb(128, 128, 128);

// A font as designed; where the face is missing the system's nearest font of the same character set serves.
struct FontDesign {
  const char16_t* face;
  double points;
  bool japanese;  // Shift-JIS character set, else Western
};

constexpr FontDesign kHeadingFont{u"MS Sans Serif", 8.25, false};
constexpr FontDesign kPanelFont{u"ＭＳ Ｐゴシック", 9, true};
constexpr FontDesign kUiGothic{u"MS UI Gothic", 9, true};
constexpr FontDesign kNameFont{u"Arial", 20.25, false};

constexpr TwipsBounds kDesignClient{0, 0, 6645, 3360};
constexpr TwipsBounds kPicture1{60, 240, 6525, 2265};
constexpr TwipsBounds kAppIcon{240, 195, 480, 480};
constexpr TwipsBounds kShape1{-180, -15, 1335, 885};
constexpr std::array<TwipsBounds, 2> kWebInfo{{{3720, 480, 2640, 240}, {3735, 765, 2640, 240}}};
constexpr TwipsBounds kPicture2{4980, 1125, 1455, 375};
constexpr TwipsBounds kCharaIcon{5940, 1695, 495, 495};

struct TwipsLine {
  int x1, y1, x2, y2;
};

// Rules on the panel, and the one-pixel frame round the close button (inside Picture2).
constexpr TwipsLine kLine2{465, 915, 3360, 915};
constexpr TwipsLine kLine3{45, 1620, 6435, 1620};
constexpr std::array<TwipsLine, 4> kLine1{{{0, 0, 1440, 0}, {1440, 0, 1440, 390}, {0, 360, 1440, 360}, {0, 0, 0, 360}}};

enum class LabelFont { kPanel, kUiGothic, kName };

struct LabelDesign {
  TwipsBounds bounds;
  TextId caption;
  std::uint32_t color;
  LabelFont font;  // a label without a font of its own has the panel's
  TextId tooltip;
};

enum Label { kLabel2, kCopyRight, kVer, kRDay, kLabel3, kLabelCount };

extern const std::array<LabelDesign, kLabelCount> kLabels;

constexpr char16_t kCharaIconTip[] = u"Mod Latch! About box, version 1.0";
constexpr std::array<TextId, 2> kWebInfoTips{{TextId::kAboutWebTip, TextId::kAboutMailTip}};

}  // namespace modlatch::about
