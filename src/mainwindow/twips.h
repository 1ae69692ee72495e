#pragma once
#include <cstdint>

namespace modlatch {

// Nearest integer, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
std::int64_t RoundHalfEven(double value);

// Twips and the twips-per-pixel factor each rounded (halves to even), then a truncating division.
std::int32_t TwipsToPixels(double twips, double twips_per_pixel);

}  // namespace modlatch
