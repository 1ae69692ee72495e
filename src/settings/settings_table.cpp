#include "settings/settings_table.h"

#include <algorithm>
#include <iterator>

#include "settings/ini_access.h"
#include "settings/language.h"
#include "settings/value_conversions.h"

namespace modlatch {
namespace {

constexpr char16_t kGeneral[] = u"General";
constexpr char16_t kIcon[] = u"Icon";
constexpr char16_t kOption[] = u"Option";

using C = Conversion;
using W = Written;
using S = AppSettings;
constexpr auto kAlt = Modifier::Alt;
constexpr auto kWin = Modifier::Win;
constexpr auto kCompactBank = ImageBank::Picture2;
constexpr auto kDoubleBank = ImageBank::Picture3;

}  // namespace

// section, key, default, field, conversion, written, latch, picture
constexpr std::array<Setting, kSettingCount> kSettings{{
    {kGeneral, u"Version", u"01.03.00", {}, C::kStamp, W::kAtExit},
    {kIcon, u"W_Ctrl0", u"", &S::W_Ctrl0, C::kText, W::kNever, {}, BankPicture{kDoubleBank, 0}},
    {kIcon, u"W_Ctrl1", u"", &S::W_Ctrl1, C::kText, W::kNever, {}, BankPicture{kDoubleBank, 1}},
    {kIcon, u"W_Shift0", u"", &S::W_Shift0, C::kText, W::kNever, {}, BankPicture{kDoubleBank, 2}},
    {kIcon, u"W_Shift1", u"", &S::W_Shift1, C::kText, W::kNever, {}, BankPicture{kDoubleBank, 3}},
    {kIcon, u"S_Shift0_Ctrl0", u"", &S::S_Shift0_Ctrl0, C::kText, W::kNever, {}, BankPicture{kCompactBank, 0}},
    {kIcon, u"S_Shift0_Ctrl1", u"", &S::S_Shift0_Ctrl1, C::kText, W::kNever, {}, BankPicture{kCompactBank, 1}},
    {kIcon, u"S_Shift1_Ctrl0", u"", &S::S_Shift1_Ctrl0, C::kText, W::kNever, {}, BankPicture{kCompactBank, 2}},
    {kIcon, u"S_Shift1_Ctrl1", u"", &S::S_Shift1_Ctrl1, C::kText, W::kNever, {}, BankPicture{kCompactBank, 3}},
    {kOption, u"MiddleButton", u"", &S::MiddleButton, C::kTrue, W::kAtExit},
    {kOption, u"WindowType", u"2", &MainForm::DisplayMode, C::kMode, W::kAtExit},
    {kOption, u"zPos", u"", &S::zPos, C::kTrue, W::kAtExit},
    {kOption, u"xPos", u"-1", &S::xPos, C::kGeometry, W::kAtExit},
    {kOption, u"yPos", u"-1", &S::yPos, C::kGeometry, W::kAtExit},
    {kOption, u"Height", u"800", &S::Height, C::kGeometry, W::kAtExit},
    {kOption, u"Width", u"4000", &S::Width, C::kGeometry, W::kAtExit},
    {kOption, u"SizeLock", u"", &S::SizeLock, C::kTrue, W::kAtExit},
    {kOption, u"ShiftBgColor_0", u"", &S::ShiftBgColor_0, C::kColor},
    {kOption, u"ShiftBgColor_1", u"", &S::ShiftBgColor_1, C::kColor},
    {kOption, u"CtrlBgColor_0", u"", &S::CtrlBgColor_0, C::kColor},
    {kOption, u"CtrlBgColor_1", u"", &S::CtrlBgColor_1, C::kColor},
    {kOption, u"ShiftForeColor_0", u"", &S::ShiftForeColor_0, C::kColor},
    {kOption, u"ShiftForeColor_1", u"", &S::ShiftForeColor_1, C::kColor},
    {kOption, u"CtrlForeColor_0", u"", &S::CtrlForeColor_0, C::kColor},
    {kOption, u"CtrlForeColor_1", u"", &S::CtrlForeColor_1, C::kColor},
    {kOption, u"ShiftChr_0", u"SHIFT", &S::ShiftChr_0, C::kText},
    {kOption, u"ShiftChr_1", u"SHIFT", &S::ShiftChr_1, C::kText},
    {kOption, u"CtrlChr_0", u"CTRL", &S::CtrlChr_0, C::kText},
    {kOption, u"CtrlChr_1", u"CTRL", &S::CtrlChr_1, C::kText},
    {kOption, u"Timer", u"0", &S::Timer, C::kInterval},
    {kOption, u"NoProc", u"", &S::NoProc, C::kAnyText},
    {kOption, u"TaskTop", u"", &S::TaskTop, C::kAnyText},
    {kOption, u"NoActivate", u"", &S::NoActivate, C::kTrue, W::kInSubmenu},
    {kOption, u"OneShot", u"", &S::OneShot, C::kTrue, W::kInSubmenu},
    {kOption, u"LatchAlt", u"", &S::LatchAlt, C::kTrue, W::kInSubmenu},
    {kOption, u"LatchWin", u"", &S::LatchWin, C::kTrue, W::kInSubmenu},
    {kOption, u"Sounds", u"", &S::Sounds, C::kTrue, W::kInSubmenu},
    {kOption, u"AutoRelease", u"", &S::AutoRelease, C::kSeconds, W::kInSubmenu},
    {kOption, u"Language", u"", &MainForm::UiLanguage, C::kLanguage, W::kInSubmenu},
    {kIcon, u"W_Alt0", u"", &S::W_Alt0, C::kText, W::kNever, kAlt, BankPicture{kDoubleBank, 4}},
    {kIcon, u"W_Alt1", u"", &S::W_Alt1, C::kText, W::kNever, kAlt, BankPicture{kDoubleBank, 5}},
    {kOption, u"AltBgColor_0", u"", &S::AltBgColor_0, C::kColor, W::kNever, kAlt},
    {kOption, u"AltBgColor_1", u"", &S::AltBgColor_1, C::kColor, W::kNever, kAlt},
    {kOption, u"AltForeColor_0", u"", &S::AltForeColor_0, C::kColor, W::kNever, kAlt},
    {kOption, u"AltForeColor_1", u"", &S::AltForeColor_1, C::kColor, W::kNever, kAlt},
    {kOption, u"AltChr_0", u"ALT", &S::AltChr_0, C::kText, W::kNever, kAlt},
    {kOption, u"AltChr_1", u"ALT", &S::AltChr_1, C::kText, W::kNever, kAlt},
    {kIcon, u"W_Win0", u"", &S::W_Win0, C::kText, W::kNever, kWin, BankPicture{kDoubleBank, 6}},
    {kIcon, u"W_Win1", u"", &S::W_Win1, C::kText, W::kNever, kWin, BankPicture{kDoubleBank, 7}},
    {kOption, u"WinBgColor_0", u"", &S::WinBgColor_0, C::kColor, W::kNever, kWin},
    {kOption, u"WinBgColor_1", u"", &S::WinBgColor_1, C::kColor, W::kNever, kWin},
    {kOption, u"WinForeColor_0", u"", &S::WinForeColor_0, C::kColor, W::kNever, kWin},
    {kOption, u"WinForeColor_1", u"", &S::WinForeColor_1, C::kColor, W::kNever, kWin},
    {kOption, u"WinChr_0", u"WIN", &S::WinChr_0, C::kText, W::kNever, kWin},
    {kOption, u"WinChr_1", u"WIN", &S::WinChr_1, C::kText, W::kNever, kWin},
}};

namespace {

// Written by hand: std::to_string brings a narrow string and 64-bit division along.
Text Decimal(std::int32_t value) {
  char16_t digits[11];  // "-2147483648"
  char16_t* first = std::end(digits);
  std::uint32_t rest = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  do {
    *--first = static_cast<char16_t>(u'0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (value < 0) *--first = u'-';
  return Text(first, std::end(digits));
}

// A number that does not fit 32 bits stands for the key's default.
std::int32_t Geometry(const Text& text, const Text& fallback) {
  return RoundToInt32(LeadingNumber(text)).value_or(RoundToInt32(LeadingNumber(fallback)).value_or(0));
}

// A mode outside 0 to 2 has no menu item; Float keeps the program reachable.
std::int16_t StartingMode(const Text& text) {
  const std::int16_t mode = RoundToInt16(LeadingNumber(text)).value_or(display_mode::kFloat);
  if (mode < display_mode::kCompact || mode > display_mode::kFloat) return display_mode::kFloat;
  return mode;
}

template <typename Field>
Field FieldOf(const Setting& row) {
  return std::get<Field>(row.field);
}

template <typename T>
void Copy(MainForm& to, const MainForm& from, T AppSettings::*field) {
  to.Settings.*field = from.Settings.*field;
}
template <typename T>
void Copy(MainForm& to, const MainForm& from, T MainForm::*field) {
  to.*field = from.*field;
}
void Copy(MainForm&, const MainForm&, std::monostate) {}

void Store(MainForm& form, const Setting& row, const Text& text) {
  AppSettings& s = form.Settings;
  switch (row.conversion) {
    case Conversion::kText:
      s.*FieldOf<Text AppSettings::*>(row) = text;
      break;
    case Conversion::kColor:
      s.*FieldOf<ColorValue AppSettings::*>(row) = text.empty() ? kNoColor : HexToColor(form.os.ansi, text);
      break;
    case Conversion::kGeometry:
      s.*FieldOf<std::int32_t AppSettings::*>(row) = Geometry(text, row.fallback);
      break;
    case Conversion::kInterval:
      s.*FieldOf<std::int16_t AppSettings::*>(row) = TimerInterval(text);
      break;
    case Conversion::kAnyText:
      s.*FieldOf<std::uint8_t AppSettings::*>(row) = text.empty() ? 0 : 1;
      break;
    case Conversion::kMode:
      form.*FieldOf<std::int16_t MainForm::*>(row) = StartingMode(text);
      break;
    case Conversion::kTrue:
      s.*FieldOf<bool AppSettings::*>(row) = IsTrue(text);
      break;
    case Conversion::kLanguage:
      form.*FieldOf<Language MainForm::*>(row) = ChooseLanguage(form.os.windows.UserUiLanguage(), text);
      break;
    case Conversion::kSeconds:
      s.*FieldOf<std::int32_t AppSettings::*>(row) = std::max(0, RoundToInt32(LeadingNumber(text)).value_or(0));
      break;
    case Conversion::kStamp:
      break;
  }
}

}  // namespace

const Setting& SettingOf(const SettingField& field) {
  for (const Setting& row : kSettings) {
    if (row.field == field) return row;
  }
  return kSettings[0];  // every field has its row: a unit test holds the table to it
}

void ReadSetting(MainForm& form, const Text& path, const Setting& row) {
  Store(form, row, ReadIniString(form.os, path, row.section, row.key, row.fallback));
}

void CopySetting(MainForm& to, const MainForm& from, const Setting& row) {
  std::visit([&](auto field) { Copy(to, from, field); }, row.field);
}

Text SettingText(const MainForm& form, const Setting& row) {
  const AppSettings& s = form.Settings;
  switch (row.conversion) {
    case Conversion::kStamp:
      return row.fallback;
    case Conversion::kTrue:
      return s.*FieldOf<bool AppSettings::*>(row) ? u"True" : u"False";
    case Conversion::kGeometry:
    case Conversion::kSeconds:
      return Decimal(s.*FieldOf<std::int32_t AppSettings::*>(row));
    case Conversion::kMode:
      return Decimal(form.*FieldOf<std::int16_t MainForm::*>(row));
    case Conversion::kLanguage:
      return LanguageCode(form.*FieldOf<Language MainForm::*>(row));
    default:
      return Text();  // the other keys are only read
  }
}

}  // namespace modlatch
