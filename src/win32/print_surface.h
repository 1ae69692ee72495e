#pragma once
#include <windows.h>

#include <array>
#include <utility>

#include "platform/about_window.h"

namespace modlatch::win32 {

// A window's persistent image: text printed on it stays until it is cleared, and the window
// paints from it, so the text survives being covered and text printed before the window is
// first shown appears with it. Clearing keeps the picture at the top left.
class PrintSurface {
 public:
  PrintSurface() = default;
  ~PrintSurface() { Release(); }
  PrintSurface(const PrintSurface&) = delete;
  PrintSurface& operator=(const PrintSurface&) = delete;

  // normal and underlined are the same font with and without underline; the caller owns them.
  void Attach(HWND window, COLORREF background, HFONT normal, HFONT underlined, HICON picture);
  Extent Interior() const;
  Extent Measure(const Text& text) const;
  void Clear();
  void SetUnderline(bool underline) { underline_ = underline; }
  void SetColor(COLORREF color) { color_ = color; }
  void Print(int x, int y, const Text& text);
  // Follows a change of the window's size, keeping what was printed.
  void Resize();
  void Paint(HDC target, const RECT& area) const;
  void Release();

 private:
  HFONT Font() const { return fonts_[underline_ ? 1 : 0]; }
  void FillBackground(int width, int height) const;

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  COLORREF background_ = 0;
  std::array<HFONT, 2> fonts_{};
  bool underline_ = false;
  COLORREF color_ = 0;
  HICON picture_ = nullptr;
};

}  // namespace modlatch::win32
