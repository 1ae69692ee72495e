#pragma once
#include <cstdint>

#include "platform/main_window.h"
#include "platform/window_system.h"

namespace modlatch {

// Nearest integer, halves to the even neighbour (12.5 gives 12, 13.5 gives 14).
std::int64_t RoundHalfEven(double value);

// Twips and the twips-per-pixel factor each rounded (halves to even), then a truncating division.
std::int32_t TwipsToPixels(double twips, double twips_per_pixel);

// A window's twips per pixel at its DPI: 1440 / DPI, rounded to a whole number only where that
// does not make the window smaller (15, 12 and 10 at 96, 120 and 144; 7.5 at 192).
double TwipsPerPixel(int dpi);

// Twips to pixels at a window's factor. A whole factor keeps TwipsToPixels' rule, so 96-DPI
// geometry is what it always was; a fractional one gives the nearest pixel. Either way pixels
// times the factor, saved and read back, convert to the same pixels.
std::int32_t WindowPixels(double twips, double twips_per_pixel);

// A length in 96-DPI pixels at another DPI, rounded to the nearest pixel.
std::int32_t ScaleForDpi(std::int32_t pixels_at_96, int dpi);

// The main window's place converts at one factor for the whole process, the system DPI's, so a
// place saved on any monitor comes back on it; its size at the DPI of the monitor holding its
// top-left corner (left, top in pixels), the size it shows at there.
struct PlaceFactors {
  double left, top, width, height;
};
PlaceFactors MainWindowFactors(WindowSystem& windows, std::int32_t left, std::int32_t top);
// The main window's outer rectangle with its top-left corner moved to (left, top), its size kept
// in twips: on a monitor of another DPI it takes the pixels that monitor shows it at.
Rect MovedMainWindow(WindowSystem& windows, const Rect& outer, std::int32_t left, std::int32_t top);
// The main window's outer rectangle in screen pixels, from its place and size in twips.
Rect MainWindowPixels(WindowSystem& windows, MainWindow& window);

// The main window's factors at its own DPI, for what lies inside it, and its twips in pixels.
inline double TwipsPerPixelX(MainWindow& window) { return TwipsPerPixel(window.WindowDpi().x); }
inline double TwipsPerPixelY(MainWindow& window) { return TwipsPerPixel(window.WindowDpi().y); }
inline std::int32_t PixelsX(MainWindow& window, double twips) { return WindowPixels(twips, TwipsPerPixelX(window)); }
inline std::int32_t PixelsY(MainWindow& window, double twips) { return WindowPixels(twips, TwipsPerPixelY(window)); }

}  // namespace modlatch
