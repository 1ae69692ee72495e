#pragma once
#include <cstdint>

#include "platform/about_window.h"

namespace modlatch {

namespace align {
constexpr std::uint16_t kLeft = 1;
constexpr std::uint16_t kCentre = 2;
constexpr std::uint16_t kRight = 4;
constexpr std::uint16_t kTop = 8;
constexpr std::uint16_t kMiddle = 16;
constexpr std::uint16_t kBottom = 32;
}  // namespace align

// Where a text of `extent` starts on an interior of `interior` along one axis. `bits` holds that
// axis's three bits at values 1 (near edge), 2 (centre), 4 (far edge); the first set one wins.
// A centred start is rounded to the nearest pixel, halves to even.
int AlignedStart(int interior, int extent, std::uint16_t bits);

// Clears the surface and prints the text once, placed by the alignment bits and moved by (dx, dy).
void DrawAlignedText(AboutWindow& window, AboutSurface target, const Text& text, std::uint32_t color,
                     std::uint16_t align, std::int16_t dx, std::int16_t dy, bool underline);

}  // namespace modlatch
