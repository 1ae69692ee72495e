#include "settings/load_settings.h"

#include <array>

#include "form/main_form.h"
#include "latch/display_modes.h"
#include "latch/one_shot.h"
#include "mainwindow/float_layout.h"
#include "mainwindow/placement.h"
#include "mainwindow/size_limits.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_design.h"
#include "settings/ini_access.h"
#include "settings/options_menu.h"
#include "settings/value_conversions.h"

namespace modlatch {
namespace {

struct PictureKey {
  const char16_t* key;
  Text AppSettings::*field;
  ImageBank bank;
  int index;
};

constexpr std::array<PictureKey, 8> kPictureKeys{{
    {u"W_Ctrl0", &AppSettings::W_Ctrl0, ImageBank::Picture3, 0},
    {u"W_Ctrl1", &AppSettings::W_Ctrl1, ImageBank::Picture3, 1},
    {u"W_Shift0", &AppSettings::W_Shift0, ImageBank::Picture3, 2},
    {u"W_Shift1", &AppSettings::W_Shift1, ImageBank::Picture3, 3},
    {u"S_Shift0_Ctrl0", &AppSettings::S_Shift0_Ctrl0, ImageBank::Picture2, 0},
    {u"S_Shift0_Ctrl1", &AppSettings::S_Shift0_Ctrl1, ImageBank::Picture2, 1},
    {u"S_Shift1_Ctrl0", &AppSettings::S_Shift1_Ctrl0, ImageBank::Picture2, 2},
    {u"S_Shift1_Ctrl1", &AppSettings::S_Shift1_Ctrl1, ImageBank::Picture2, 3},
}};

struct ColorKey {
  const char16_t* key;
  ColorValue AppSettings::*field;
};

constexpr std::array<ColorKey, 8> kColorKeys{{
    {u"ShiftBgColor_0", &AppSettings::ShiftBgColor_0},
    {u"ShiftBgColor_1", &AppSettings::ShiftBgColor_1},
    {u"CtrlBgColor_0", &AppSettings::CtrlBgColor_0},
    {u"CtrlBgColor_1", &AppSettings::CtrlBgColor_1},
    {u"ShiftForeColor_0", &AppSettings::ShiftForeColor_0},
    {u"ShiftForeColor_1", &AppSettings::ShiftForeColor_1},
    {u"CtrlForeColor_0", &AppSettings::CtrlForeColor_0},
    {u"CtrlForeColor_1", &AppSettings::CtrlForeColor_1},
}};

struct CaptionKey {
  const char16_t* key;
  const char16_t* fallback;
  Text AppSettings::*field;
};

constexpr std::array<CaptionKey, 4> kCaptionKeys{{
    {u"CtrlChr_1", u"CTRL", &AppSettings::CtrlChr_1},
    {u"CtrlChr_0", u"CTRL", &AppSettings::CtrlChr_0},
    {u"ShiftChr_1", u"SHIFT", &AppSettings::ShiftChr_1},
    {u"ShiftChr_0", u"SHIFT", &AppSettings::ShiftChr_0},
}};

// Reads the keys of one section of one file.
class SectionReader {
 public:
  SectionReader(Platform& os, const Text& path, const Text& section) : os_(os), path_(path), section_(section) {}
  Text operator()(const char16_t* key, const char16_t* fallback) {
    return ReadIniString(os_, path_, section_, key, fallback);
  }

 private:
  Platform& os_;
  const Text& path_;
  Text section_;
};

// A number that does not fit 32 bits stands for the key's default.
std::int32_t Geometry(const Text& text, std::int32_t fallback) {
  return RoundToInt32(LeadingNumber(text)).value_or(fallback);
}

// A negative position means no saved place: half the screen's extent, truncated.
double PositionOrHalfScreen(std::int32_t saved, double screen_twips) {
  if (saved >= 0) return saved;
  return static_cast<double>(RoundHalfEven(screen_twips) / 2);
}

// A mode outside 0 to 2 has no menu item; Float keeps the program reachable.
std::int16_t StartingMode(const Text& text) {
  const std::int16_t mode = RoundToInt16(LeadingNumber(text)).value_or(display_mode::kFloat);
  if (mode < display_mode::kCompact || mode > display_mode::kFloat) return display_mode::kFloat;
  return mode;
}

void LoadPicture(MainForm& form, SectionReader& icon, const PictureKey& picture) {
  Text& path = form.Settings.*picture.field;
  path = icon(picture.key, u"");
  if (FileExists(form.os, path)) form.os.controls.LoadBankPicture(picture.bank, picture.index, path);
}

void LoadColor(MainForm& form, SectionReader& option, const ColorKey& color) {
  const Text text = option(color.key, u"");
  form.Settings.*color.field = text.empty() ? kNoColor : HexToColor(form.os.ansi, text);
}

void LoadPictures(MainForm& form, SectionReader& icon) {
  for (const PictureKey& picture : kPictureKeys) LoadPicture(form, icon, picture);
}

void LoadGeometry(MainForm& form, SectionReader& option) {
  AppSettings& s = form.Settings;
  MainWindow& window = form.os.window;
  s.xPos = Geometry(option(u"xPos", u"-1"), -1);
  window.SetLeft(PositionOrHalfScreen(s.xPos, window.ScreenWidthTwips()));
  s.yPos = Geometry(option(u"yPos", u"-1"), -1);
  window.SetTop(PositionOrHalfScreen(s.yPos, window.ScreenHeightTwips()));
  s.Height = Geometry(option(u"Height", u"800"), 800);
  window.SetHeight(s.Height);
  s.Width = Geometry(option(u"Width", u"4000"), 4000);
  window.SetWidth(s.Width);
  BringOntoScreen(form);
}

void LoadButtonLooks(MainForm& form, SectionReader& option) {
  AppSettings& s = form.Settings;
  for (const ColorKey& color : kColorKeys) LoadColor(form, option, color);
  for (const CaptionKey& caption : kCaptionKeys) s.*caption.field = option(caption.key, caption.fallback);
}

// The ALT and WIN latches: their pictures, looks and captions are read only while they are on.
struct LatchKeys {
  int index;
  bool AppSettings::*enabled;
  MenuItem item;
  std::array<PictureKey, 2> pictures;
  std::array<ColorKey, 4> colors;
  std::array<CaptionKey, 2> captions;
};

const std::array<LatchKeys, 2> kLatchKeys{{
    {2,
     &AppSettings::LatchAlt,
     MenuItem::mALT,
     {{{u"W_Alt0", &AppSettings::W_Alt0, ImageBank::Picture3, 4},
       {u"W_Alt1", &AppSettings::W_Alt1, ImageBank::Picture3, 5}}},
     {{{u"AltBgColor_0", &AppSettings::AltBgColor_0},
       {u"AltBgColor_1", &AppSettings::AltBgColor_1},
       {u"AltForeColor_0", &AppSettings::AltForeColor_0},
       {u"AltForeColor_1", &AppSettings::AltForeColor_1}}},
     {{{u"AltChr_1", u"ALT", &AppSettings::AltChr_1}, {u"AltChr_0", u"ALT", &AppSettings::AltChr_0}}}},
    {3,
     &AppSettings::LatchWin,
     MenuItem::mWIN,
     {{{u"W_Win0", &AppSettings::W_Win0, ImageBank::Picture3, 6},
       {u"W_Win1", &AppSettings::W_Win1, ImageBank::Picture3, 7}}},
     {{{u"WinBgColor_0", &AppSettings::WinBgColor_0},
       {u"WinBgColor_1", &AppSettings::WinBgColor_1},
       {u"WinForeColor_0", &AppSettings::WinForeColor_0},
       {u"WinForeColor_1", &AppSettings::WinForeColor_1}}},
     {{{u"WinChr_1", u"WIN", &AppSettings::WinChr_1}, {u"WinChr_0", u"WIN", &AppSettings::WinChr_0}}}},
}};

// Read before the mode is up: the window takes the width the added buttons need before it is
// first shown, not with a visible jump afterwards.
struct AltAndWin {
  bool alt, win;
};
AltAndWin ReadAltAndWin(MainForm& form, SectionReader& option) {
  const AltAndWin latches{IsTrue(option(u"LatchAlt", u"")), IsTrue(option(u"LatchWin", u""))};
  if (latches.alt || latches.win) WidenForButtons(form, 2 + latches.alt + latches.win);
  return latches;
}

// Runs after the mode is up, so the key gets its controls, menu item and icon here.
void LoadLatchKey(MainForm& form, SectionReader& icon, SectionReader& option, const LatchKeys& latch) {
  AppSettings& s = form.Settings;
  for (const PictureKey& picture : latch.pictures) LoadPicture(form, icon, picture);
  for (const ColorKey& color : latch.colors) LoadColor(form, option, color);
  for (const CaptionKey& caption : latch.captions) s.*caption.field = option(caption.key, caption.fallback);
  form.os.controls.AddModifierControls(ModifierAt(latch.index));
  form.os.menu.AddLatchItem(latch.item, UiText(form.UiLanguage, design::LatchItemCaption(latch.item)));
  AddDoubleModeIcon(form, latch.index);
}

void LoadAltAndWin(MainForm& form, SectionReader& icon, SectionReader& option, AltAndWin latches) {
  AppSettings& s = form.Settings;
  s.LatchAlt = latches.alt;
  s.LatchWin = latches.win;
  if (!s.LatchAlt && !s.LatchWin) return;
  for (const LatchKeys& latch : kLatchKeys) {
    if (s.*latch.enabled) LoadLatchKey(form, icon, option, latch);
  }
  FitLimitsToButtons(form);
  ApplyFloatLayout(form);
}

}  // namespace

void AddLatchKey(MainForm& form, Modifier key) {
  const Text path = IniFilePath(form.os.files);
  SectionReader icon(form.os, path, u"Icon");
  SectionReader option(form.os, path, u"Option");
  const LatchKeys& latch = kLatchKeys[key == Modifier::Win ? 1 : 0];
  form.Settings.*latch.enabled = true;
  LoadLatchKey(form, icon, option, latch);
  FitLimitsToButtons(form);
  ApplyFloatLayout(form);
}

void LoadSettings(MainForm& form) {
  Platform& os = form.os;
  AppSettings& s = form.Settings;
  const Text path = IniFilePath(os.files);
  SectionReader icon(os, path, u"Icon");
  SectionReader option(os, path, u"Option");

  LoadPictures(form, icon);
  LoadGeometry(form, option);
  const AltAndWin latches = ReadAltAndWin(form, option);
  LoadButtonLooks(form, option);
  s.Timer = TimerInterval(option(u"Timer", u"0"));
  os.timer.SetInterval(static_cast<std::uint32_t>(s.Timer));
  s.NoProc = option(u"NoProc", u"").empty() ? 0 : 1;
  s.TaskTop = option(u"TaskTop", u"").empty() ? 0 : 1;

  s.WindowType = StartingMode(option(u"WindowType", u"2"));
  OnModeCommand(form, s.WindowType);
  s.zPos = IsTrue(option(u"zPos", u""));
  if (s.zPos) OnTopCommand(form);
  s.SizeLock = IsTrue(option(u"SizeLock", u""));
  if (s.SizeLock) OnSizeLockCommand(form);
  s.MiddleButton = IsTrue(option(u"MiddleButton", u""));
  os.menu.SetChecked(MenuItem::mCenter, s.MiddleButton);

  s.NoActivate = IsTrue(option(u"NoActivate", u""));
  if (s.NoActivate) os.window.PreventActivation();
  s.OneShot = IsTrue(option(u"OneShot", u""));
  LoadAltAndWin(form, icon, option, latches);
  StartOneShot(form);
  s.Sounds = IsTrue(option(u"Sounds", u""));
  ShowOptionChecks(form);
}

}  // namespace modlatch
