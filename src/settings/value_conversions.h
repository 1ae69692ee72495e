#pragma once
#include <cstdint>
#include <optional>

#include "platform/ansi_text.h"
#include "platform/types.h"

namespace modlatch {

constexpr ColorValue kNoColor = -1;

// The number the text begins with: sign, digits, decimal point and exponent, with blanks,
// tabs and line feeds inside skipped; 0 when the text does not begin with a number.
double LeadingNumber(const Text& text);

// Halves to even; nothing when the result does not fit the width (or is not a number).
std::optional<std::int32_t> RoundToInt32(double value);
std::optional<std::int16_t> RoundToInt16(double value);

// Hexadecimal RRGGBB, red first, to 0x00BBGGRR; kNoColor when the value leaves 32 bits or is negative.
ColorValue HexToColor(AnsiText& ansi, const Text& text);
// Each component above 255 counts as 255.
ColorValue RrggbbToColor(std::int32_t rrggbb);

// Polling interval in ms: "0" means 100; a decimal number is rounded halves to even, and
// anything that is not a number or does not round into 0 to 32767 gives 100.
std::int16_t TimerInterval(const Text& text);

// Booleans are on only for exactly "True".
inline bool IsTrue(const Text& text) { return text == u"True"; }

}  // namespace modlatch
