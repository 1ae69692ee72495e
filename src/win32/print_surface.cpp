#include "win32/print_surface.h"

#include "win32/scoped_gdi.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {
namespace {


}  // namespace

void PrintSurface::Attach(HWND window, COLORREF background, HFONT normal, HFONT underlined, HICON picture) {
  window_ = window;
  background_ = background;
  fonts_ = {normal, underlined};
  picture_ = picture;
  Resize();
}

Extent PrintSurface::Interior() const {
  RECT client{};
  ::GetClientRect(window_, &client);
  return Extent{client.right, client.bottom};
}

Extent PrintSurface::Measure(const Text& text) const {
  const ScopedSelect font(dc_, Font());
  SIZE size{};
  ::GetTextExtentPoint32W(dc_, Wide(text), static_cast<int>(text.size()), &size);
  return Extent{size.cx, size.cy};
}

void PrintSurface::FillBackground(int width, int height) const {
  const ScopedGdiObject<HBRUSH> brush(::CreateSolidBrush(background_));
  const RECT all{0, 0, width, height};
  ::FillRect(dc_, &all, brush);
}

void PrintSurface::Clear() {
  FillBackground(width_, height_);
  if (picture_) ::DrawIconEx(dc_, 0, 0, picture_, 0, 0, 0, nullptr, DI_NORMAL);  // at the size it was made
  ::InvalidateRect(window_, nullptr, FALSE);
}

void PrintSurface::Print(int x, int y, const Text& text) {
  const ScopedSelect font(dc_, Font());
  ::SetBkMode(dc_, TRANSPARENT);
  ::SetTextColor(dc_, color_);
  ::TextOutW(dc_, x, y, Wide(text), static_cast<int>(text.size()));
  ::InvalidateRect(window_, nullptr, FALSE);
}

void PrintSurface::Resize() {
  const Extent size = Interior();
  if (dc_ && size.width == width_ && size.height == height_) return;
  const ScopedGetDC screen(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.width, size.height);
  HGDIOBJ original = ::SelectObject(dc, bitmap);
  std::swap(dc, dc_);
  FillBackground(size.width, size.height);
  if (dc) {
    ::BitBlt(dc_, 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
  } else if (picture_) {
    ::DrawIconEx(dc_, 0, 0, picture_, 0, 0, 0, nullptr, DI_NORMAL);  // at the size it was made
  }
  if (dc) {
    ::SelectObject(dc, original_bitmap_);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap_);
  }
  bitmap_ = bitmap;
  original_bitmap_ = original;
  width_ = size.width;
  height_ = size.height;
}

void PrintSurface::Paint(HDC target, const RECT& area) const {
  ::BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_, area.left, area.top,
           SRCCOPY);
}

void PrintSurface::Release() {
  if (!dc_) return;
  ::SelectObject(dc_, original_bitmap_);
  ::DeleteDC(dc_);
  ::DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
}

}  // namespace modlatch::win32
