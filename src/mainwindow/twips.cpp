#include "mainwindow/twips.h"

#include <cmath>

namespace modlatch {

std::int64_t RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto result = static_cast<std::int64_t>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

std::int32_t TwipsToPixels(double twips, double twips_per_pixel) {
  const std::int64_t factor = RoundHalfEven(twips_per_pixel);
  if (factor == 0) return 0;
  return static_cast<std::int32_t>(RoundHalfEven(twips) / factor);
}

}  // namespace modlatch
