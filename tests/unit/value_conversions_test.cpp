#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/ini_access.h"
#include "settings/value_conversions.h"
#include "support/fake_platform.h"

namespace modlatch {
namespace {

using testing::FakePlatform;

TEST(LeadingNumber, ReadsTheNumberTheTextBeginsWith) {
  const struct {
    const char16_t* text;
    double expected;
  } cases[] = {
      {u"12.5", 12.5},   {u" 12 ", 12},      {u"12abc", 12},  {u"abc", 0},        {u"", 0},
      {u"-5", -5},       {u"+7", 7},         {u"1 2", 12},    {u"\t-\n3", -3},    {u"1e3", 1000},
      {u"2.5e-1", 0.25}, {u"1e", 1},         {u"1e+", 1},     {u"1E 2", 100},     {u".5", 0.5},
      {u"1.2.3", 1.2},   {u"&HFF", 0},       {u"-", 0},       {u"1\r2", 1},       {u"0x10", 0},
      {u"１２", 0},      {u"-.5e1", -5},
      {u"0e400", 0},     {u"1e-400", 0},     {u"0.0000000000000000000000000001e28", 1},
      {u"99999999999999999999", 1e20},       {u"1234567.125", 1234567.125},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.expected) << testing::Narrow(c.text);
  EXPECT_TRUE(std::isinf(LeadingNumber(u"1e400")));
  EXPECT_EQ(LeadingNumber(u"-0"), 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndResultsMustFit) {
  EXPECT_EQ(RoundToInt32(12.5), 12);
  EXPECT_EQ(RoundToInt32(13.5), 14);
  EXPECT_EQ(RoundToInt32(-12.5), -12);
  EXPECT_EQ(RoundToInt32(-13.5), -14);
  EXPECT_EQ(RoundToInt32(-0.0), 0);
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
  EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483647 - 1);
  EXPECT_EQ(RoundToInt32(-2147483649.0), std::nullopt);
  EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(RoundToInt16(1.6), 2);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
}

TEST(HexToColor, ReadsRedFirstAndClampsOrRejects) {
  FakePlatform fake;
  const struct {
    const char16_t* text;
    ColorValue expected;
  } cases[] = {
      {u"FF0000", 0x0000FF},    {u"00FF00", 0x00FF00},   {u"ff8000", 0x0080FF},   {u"Ff8000", 0x0080FF},
      {u"ff", 0xFF0000},        {u"1000000", 0x0000FF},  {u"G", 0x170000},        {u"7FFFFFFF", 0xFFFFFF},
      {u"000000FF", 0xFF0000},  {u"80000000", kNoColor}, {u"FFFFFFFF", kNoColor}, {u"100000000", kNoColor},
      {u"-1", kNoColor},        {u" FF", kNoColor},      {u"あ", kNoColor},       {u"FFFFFFFFFFFFFFFFFFFF", kNoColor},
      {u"0", 0},                {u"red", 0xED2200},  // the example the help gives: a blue, not red
  };
  for (const auto& c : cases) EXPECT_EQ(HexToColor(fake, c.text), c.expected) << testing::Narrow(c.text);
  EXPECT_EQ(RrggbbToColor(0x123456), 0x563412);
  EXPECT_EQ(RrggbbToColor(0x7FFFFFFF), 0xFFFFFF);
}

TEST(TimerInterval, ComparesZeroAsTextRoundsDecimalsAndFallsBackTo100) {
  const struct {
    const char16_t* text;
    std::int16_t expected;
  } cases[] = {
      {u"0", 100},     {u"00", 0},       {u"50", 50},        {u"", 100},        {u"abc", 100},   {u"12.5", 12},
      {u"-5", 100},    {u"-0", 0},       {u"32767", 32767},  {u"32768", 100},   {u" 50 ", 50},   {u"+50", 50},
      {u"2e2", 200},   {u"5 0", 100},    {u"99999999999999999999", 100},
      {u"50.6", 51},   {u"5e1", 50},     {u"50.0", 50},      {u"13.5", 14},     {u"0.0", 0},     {u"-0.4", 0},
      {u"-0.6", 100},  {u"32767.4", 32767}, {u"32767.5", 100}, {u"50abc", 100}, {u"5e", 100},   {u".", 100},
      {u"1e400", 100}, {u"2.5e1", 25},   {u"50.", 50},       {u".5", 0},        {u"000", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TimerInterval(c.text), c.expected) << testing::Narrow(c.text);
}

TEST(IniAccess, PathsGetExactlyOneBackslash) {
  EXPECT_EQ(WithTrailingBackslash(u"C:\\Tools"), u"C:\\Tools\\");
  EXPECT_EQ(WithTrailingBackslash(u"C:\\"), u"C:\\");
  EXPECT_EQ(WithTrailingBackslash(u""), u"\\");
  FakePlatform fake;
  EXPECT_EQ(IniFilePath(fake), u"C:\\Tools\\ModLatch.ini");
  fake.app_path = u"D:\\";
  fake.exe_name = u"Latch";
  EXPECT_EQ(IniFilePath(fake), u"D:\\Latch.ini");
}

TEST(IniAccess, TrimAtNulKeepsTheTextBeforeTheFirstNul) {
  EXPECT_EQ(TrimAtNul(std::string("abc\0def", 7)), "abc");
  EXPECT_EQ(TrimAtNul(std::string("\0abc", 4)), "");
  EXPECT_EQ(TrimAtNul("abc"), "") << "no NUL at all";
}

TEST(IniAccess, ReadsValuesDefaultsAndCutsAt127Bytes) {
  FakePlatform fake;
  Platform& os = fake.platform();
  const Text path = u"C:\\Tools\\ModLatch.ini";
  EXPECT_EQ(ReadIniString(os, path, u"Option", u"Width", u"4000"), u"4000") << "missing file";
  fake.SetIniText("C:\\Tools\\ModLatch.ini", "[Option]\nEmpty=\nLong=" + std::string(200, 'x') +
                                                 "\nCaption=シフト\nCut=" + std::string(126, 'x') + "あ\n");
  EXPECT_EQ(ReadIniString(os, path, u"Option", u"Width", u"4000"), u"4000") << "missing key";
  EXPECT_EQ(ReadIniString(os, path, u"Icon", u"Empty", u"x"), u"x") << "missing section";
  EXPECT_EQ(ReadIniString(os, path, u"Option", u"Empty", u"CTRL"), u"") << "an empty value stays empty";
  EXPECT_EQ(ReadIniString(os, path, u"option", u"LONG", u""), Text(127, u'x'));
  EXPECT_EQ(ReadIniString(os, path, u"Option", u"Caption", u""), u"シフト");
  // A multi-byte character cut in half does not swallow what comes before it.
  EXPECT_EQ(ReadIniString(os, path, u"Option", u"Cut", u"").substr(0, 126), Text(126, u'x'));
  EXPECT_EQ(fake.Matching("ini-read Option Width [4000] C:\\Tools\\ModLatch.ini").size(), 2u);
}

TEST(IniAccess, WritesReportWhatTheSystemSaid) {
  FakePlatform fake;
  Platform& os = fake.platform();
  EXPECT_TRUE(WriteIniString(os, u"C:\\a.ini", u"Option", u"zPos", u"True"));
  EXPECT_EQ(fake.ini_files["C:\\a.ini"]["Option"]["zPos"], "True");
  fake.ini_read_only = true;
  EXPECT_FALSE(WriteIniString(os, u"C:\\a.ini", u"Option", u"zPos", u"False"));
  EXPECT_EQ(fake.ini_files["C:\\a.ini"]["Option"]["zPos"], "True");
  EXPECT_FALSE(FileExists(os, u""));
  fake.existing_paths.insert("C:\\icons");
  EXPECT_TRUE(FileExists(os, u"C:\\icons"));
}

}  // namespace
}  // namespace modlatch
