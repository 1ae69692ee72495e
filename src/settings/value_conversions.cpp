#include "settings/value_conversions.h"

#include <cmath>
#include <algorithm>
#include <string>

#include "mainwindow/twips.h"

namespace modlatch {
namespace {

constexpr std::int16_t kDefaultInterval = 100;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Collects the number at the start of the text as plain ASCII: [-]digits[.digits][e[-]digits].
class NumberScanner {
 public:
  explicit NumberScanner(const Text& text) : text_(text) {}

  std::string Scan() {
    if (Accept(u'+') || Accept(u'-')) number_ = text_[last_] == u'-' ? "-" : "";
    const bool whole = Digits();
    bool fraction = false;
    if (Accept(u'.')) {
      number_ += '.';
      fraction = Digits();
    }
    if (!whole && !fraction) return "0";
    Exponent();
    return number_;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
  }

  bool Accept(char16_t c) {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    last_ = pos_++;
    return true;
  }

  bool Digits() {
    bool any = false;
    for (SkipBlanks(); pos_ < text_.size() && IsDigit(text_[pos_]); SkipBlanks()) {
      number_ += static_cast<char>(text_[pos_++]);
      any = true;
    }
    return any;
  }

  // An exponent counts only when digits follow it; otherwise the number ends before it.
  void Exponent() {
    const std::string mantissa = number_;
    if (!Accept(u'e') && !Accept(u'E')) return;
    number_ += 'e';
    if (Accept(u'-')) {
      number_ += '-';
    } else {
      Accept(u'+');
    }
    if (!Digits()) number_ = mantissa;
  }

  const Text& text_;
  std::size_t pos_ = 0;
  std::size_t last_ = 0;
  std::string number_;
};

// 10^n, exact up to 10^22; beyond that the result is far outside every setting's range.
double PowerOfTen(int n) {
  double result = 1;
  for (; n > 0; --n) result *= 10;
  return result;
}

// The scanner's ASCII number as a double. Exact for the usual texts (up to 15 significant
// digits and 22 decimal places), close otherwise: only its rounding to an integer matters.
double ToDouble(const std::string& number) {
  std::size_t at = 0;
  const bool negative = !number.empty() && number[0] == '-';
  if (negative) ++at;
  std::uint64_t mantissa = 0;
  long exponent = 0;
  bool point = false;
  for (; at < number.size() && number[at] != 'e'; ++at) {
    if (number[at] == '.') {
      point = true;
    } else if (mantissa < 100000000000000000ull) {
      mantissa = mantissa * 10 + static_cast<std::uint64_t>(number[at] - '0');
      if (point) --exponent;
    } else if (!point) {
      ++exponent;  // digits beyond what the mantissa holds only scale it
    }
  }
  if (at < number.size()) {
    const bool down = at + 1 < number.size() && number[at + 1] == '-';
    long written = 0;
    for (at += down ? 2 : 1; at < number.size(); ++at) {
      if (written < 100000) written = written * 10 + (number[at] - '0');
    }
    exponent += down ? -written : written;
  }
  if (mantissa == 0) return negative ? -0.0 : 0.0;
  double value = static_cast<double>(mantissa);
  for (; exponent > 22 && value != 0 && value < 1e308; exponent -= 22) value *= PowerOfTen(22);
  for (; exponent < -22 && value != 0; exponent += 22) value /= PowerOfTen(22);
  value = exponent >= 0 ? (exponent > 22 ? value * 1e308 * 1e308 : value * PowerOfTen(static_cast<int>(exponent)))
                        : value / PowerOfTen(static_cast<int>(-exponent));
  return negative ? -value : value;
}

// The character's code in the ANSI code page; a double-byte character reads as a negative
// 16-bit value, as its lead byte is 0x80 or above.
int AnsiCode(AnsiText& ansi, char16_t c) {
  const std::string bytes = ansi.Encode(Text(1, c));
  if (bytes.empty()) return 0;
  if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
  return static_cast<std::int16_t>((static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]));
}

Text UpperCase(Text text) {
  for (char16_t& c : text) {
    if ((c >= u'a' && c <= u'z') || (c >= u'\uFF41' && c <= u'\uFF5A')) c = static_cast<char16_t>(c - 0x20);
  }
  return text;
}

// The whole text is one number: [sign]digits[.digits][e[sign]digits], nothing else.
bool IsWholeDecimal(const Text& text) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > from;
  };
  auto sign = [&] {
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
  };
  sign();
  const bool whole = digits();
  bool fraction = false;
  if (i < text.size() && text[i] == u'.') {
    ++i;
    fraction = digits();
  }
  if (!whole && !fraction) return false;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    sign();
    if (!digits()) return false;
  }
  return i == text.size();
}

template <typename Int>
std::optional<Int> RoundToWidth(double value, double low, double high) {
  // Checked before rounding so that infinities and NaN never reach the integer conversion.
  if (!(value >= low - 0.5 && value < high + 0.5)) return std::nullopt;
  const std::int64_t rounded = RoundHalfEven(value);
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(const Text& text) { return ToDouble(NumberScanner(text).Scan()); }

std::optional<std::int32_t> RoundToInt32(double value) {
  return RoundToWidth<std::int32_t>(value, -2147483648.0, 2147483647.0);
}

std::optional<std::int16_t> RoundToInt16(double value) { return RoundToWidth<std::int16_t>(value, -32768.0, 32767.0); }

ColorValue HexToColor(AnsiText& ansi, const Text& text) {
  const Text upper = UpperCase(text);
  const std::size_t n = upper.size();
  std::int32_t v = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int c = AnsiCode(ansi, upper[n - 1 - i]);
    const int digit = (c >= 65 && c <= 70) ? c - 55 : c - 48;
    const std::optional<std::int32_t> next = RoundToInt32(std::ldexp(digit, static_cast<int>(4 * std::min<std::size_t>(i, 256))) + v);
    if (!next) return kNoColor;
    v = *next;
  }
  if (v < 0) return kNoColor;
  return RrggbbToColor(v);
}

ColorValue RrggbbToColor(std::int32_t rrggbb) {
  const std::int64_t v = rrggbb;
  auto floor_div = [](std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && (a < 0)); };
  auto clamp = [](std::int64_t component) { return component > 255 ? 255 : component; };
  const std::int64_t r = clamp(floor_div(v, 65536));
  const std::int64_t g = clamp(floor_div(v % 65536, 256));
  const std::int64_t b = clamp(v % 256);
  return static_cast<ColorValue>(r + 256 * g + 65536 * b);
}

std::int16_t TimerInterval(const Text& text) {
  if (text == u"0") return kDefaultInterval;
  const std::size_t begin = text.find_first_not_of(u" \t");
  if (begin == Text::npos) return kDefaultInterval;
  const Text number = text.substr(begin, text.find_last_not_of(u" \t") + 1 - begin);
  if (!IsWholeDecimal(number)) return kDefaultInterval;
  const std::optional<std::int16_t> interval = RoundToInt16(LeadingNumber(number));
  if (!interval || *interval < 0) return kDefaultInterval;
  return *interval;
}

}  // namespace modlatch
