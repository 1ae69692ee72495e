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

double TwipsPerPixel(int dpi) {
  if (dpi <= 0) dpi = 96;
  const double exact = 1440.0 / dpi;
  const double rounded = static_cast<double>(RoundHalfEven(exact));
  // A larger factor means fewer pixels: 1440 / 192 = 7.5 must not become 8.
  return rounded <= exact && rounded > 0 ? rounded : exact;
}

std::int32_t WindowPixels(double twips, double twips_per_pixel) {
  if (twips_per_pixel == std::floor(twips_per_pixel)) return TwipsToPixels(twips, twips_per_pixel);
  return static_cast<std::int32_t>(RoundHalfEven(twips / twips_per_pixel));
}

std::int32_t ScaleForDpi(std::int32_t pixels_at_96, int dpi) {
  return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(pixels_at_96) * dpi / 96.0));
}

PlaceFactors MainWindowFactors(WindowSystem& windows, std::int32_t left, std::int32_t top) {
  const Dpi system = windows.SystemDpi();
  const Dpi monitor = windows.MonitorDpiAt(left, top);
  return {TwipsPerPixel(system.x), TwipsPerPixel(system.y), TwipsPerPixel(monitor.x), TwipsPerPixel(monitor.y)};
}

Rect MovedMainWindow(WindowSystem& windows, const Rect& outer, std::int32_t left, std::int32_t top) {
  const PlaceFactors from = MainWindowFactors(windows, outer.left, outer.top);
  const PlaceFactors to = MainWindowFactors(windows, left, top);
  return {left, top, left + WindowPixels((outer.right - outer.left) * from.width, to.width),
          top + WindowPixels((outer.bottom - outer.top) * from.height, to.height)};
}

Rect MainWindowPixels(WindowSystem& windows, MainWindow& window) {
  const Dpi system = windows.SystemDpi();
  const std::int32_t left = WindowPixels(window.Left(), TwipsPerPixel(system.x));
  const std::int32_t top = WindowPixels(window.Top(), TwipsPerPixel(system.y));
  const PlaceFactors at = MainWindowFactors(windows, left, top);
  return {left, top, left + WindowPixels(window.Width(), at.width), top + WindowPixels(window.Height(), at.height)};
}

}  // namespace modlatch
