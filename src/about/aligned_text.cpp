#include "about/aligned_text.h"

#include "mainwindow/twips.h"

namespace modlatch {

int AlignedStart(int interior, int extent, std::uint16_t bits) {
  if (bits & 1) return 0;
  if (bits & 2) return static_cast<int>(RoundHalfEven(interior / 2.0 - extent / 2.0));
  if (bits & 4) return interior - extent;
  return 0;
}

void DrawAlignedText(AboutWindow& window, AboutSurface target, const Text& text, std::uint32_t color,
                     std::uint16_t align, std::int16_t dx, std::int16_t dy, bool underline) {
  const Extent measured = window.MeasureText(target, text);
  const Extent interior = window.InteriorSize(target);
  const int x = AlignedStart(interior.width, measured.width, align & 7);
  const int y = AlignedStart(interior.height, measured.height, (align >> 3) & 7);
  window.Clear(target);
  window.SetFontUnderline(target, underline);
  window.SetTextColor(target, color);
  // The offsets are 96-DPI pixels: the link text stays clear of its icon at every scale.
  const Dpi dpi = window.AboutDpi();
  window.PrintAt(target, x + ScaleForDpi(dx, dpi.x), y + ScaleForDpi(dy, dpi.y), text);
}

}  // namespace modlatch
