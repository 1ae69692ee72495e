#include "win32/tray_pictures.h"

#include <initializer_list>

#include "win32/scoped_gdi.h"
#include "resource_ids.h"

namespace modlatch::win32 {
namespace {

// Colours of the standard 16-colour palette the hand-drawn pictures use.
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMaroon = RGB(0x80, 0, 0);
constexpr COLORREF kGreen = RGB(0, 0x80, 0);
constexpr COLORREF kPurple = RGB(0x80, 0, 0x80);
constexpr COLORREF kTeal = RGB(0, 0x80, 0x80);
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

// One key of the Double pictures: its letter and the letter's colour while the key is up.
struct DiscDesign {
  const wchar_t* letter;
  COLORREF ink_up;
};
constexpr DiscDesign kDiscs[] = {{L"C", kGreen}, {L"S", kBlue}, {L"A", kPurple}, {L"W", kTeal}};
constexpr int kDiscCount = sizeof kDiscs / sizeof kDiscs[0];

// One half of the Compact pictures: its word and the word's colour while the key is up.
struct BandDesign {
  const wchar_t* word;
  COLORREF ink_up;
};
constexpr BandDesign kShiftBand{L"shift", kBlue};
constexpr BandDesign kCtrlBand{L"ctrl", kGreen};

class MemoryDC {
 public:
  MemoryDC(HDC like, HBITMAP bitmap) : dc_(::CreateCompatibleDC(like)), previous_(::SelectObject(dc_, bitmap)) {}
  ~MemoryDC() {
    ::SelectObject(dc_, previous_);
    ::DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

HFONT CreatePictureFont(int height, int width, bool bold) {
  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWidth = width;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = ANTIALIASED_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  ::lstrcpynW(font.lfFaceName, L"Arial", LF_FACESIZE);
  return ::CreateFontIndirectW(&font);
}

// Text centred in a box, narrowed until it fits the box's width.
void DrawFittedText(HDC dc, const wchar_t* text, RECT box, int height, COLORREF color, bool bold) {
  const int room = box.right - box.left - 1;
  ScopedGdiObject<HFONT> font(CreatePictureFont(height, 0, bold));
  for (int attempt = 0; attempt < 4; ++attempt) {
    SIZE extent{};
    TEXTMETRICW metrics{};
    {
      const ScopedSelect selected(dc, font);
      ::GetTextExtentPoint32W(dc, text, ::lstrlenW(text), &extent);
      ::GetTextMetricsW(dc, &metrics);
    }
    if (extent.cx <= room || extent.cx == 0) break;
    const int width = metrics.tmAveCharWidth * room / extent.cx;
    font.reset(CreatePictureFont(height, width > 1 ? width : 1, bold));
  }
  const ScopedSelect selected(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, color);
  ::DrawTextW(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Draws the colour plane and the mask (1 where the screen shows through) and makes the icon.
template <typename Draw>
HICON MakeIcon(int size, Draw draw) {
  const ScopedGetDC screen(nullptr);
  const ScopedGdiObject<HBITMAP> color(::CreateCompatibleBitmap(screen, size, size));
  const ScopedGdiObject<HBITMAP> mask(::CreateBitmap(size, size, 1, 1, nullptr));
  {
    const MemoryDC color_dc(screen, color);
    const MemoryDC mask_dc(screen, mask);
    const RECT all{0, 0, size, size};
    ::FillRect(color_dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::FillRect(mask_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    draw(static_cast<HDC>(color_dc), static_cast<HDC>(mask_dc));
  }
  ICONINFO info{TRUE, 0, 0, mask, color};
  return ::CreateIconIndirect(&info);
}

void FillShape(HDC dc, COLORREF fill, COLORREF rim, int rim_width, int size, bool disc) {
  const ScopedGdiObject<HBRUSH> brush(::CreateSolidBrush(fill));
  const ScopedGdiObject<HPEN> pen(::CreatePen(PS_INSIDEFRAME, rim_width, rim));
  const ScopedSelect with_brush(dc, brush);
  const ScopedSelect with_pen(dc, pen);
  if (disc) {
    ::Ellipse(dc, 0, 0, size, size);
  } else {
    ::Rectangle(dc, 0, 0, size, size);
  }
}

}  // namespace

HICON LoadIconResource(HINSTANCE instance, int id, int size) {
  return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HICON CreateCompactPicture(HINSTANCE instance, int state, int size) {
  if (size == 16) return LoadIconResource(instance, IDI_COMPACT_0 + state, 16);
  return MakeIcon(size, [&](HDC dc, HDC mask) {
    const RECT all{0, 0, size, size};
    ::FillRect(mask, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    const int half = size / 2;
    const struct {
      const BandDesign& band;
      bool down;
      RECT box;
    } bands[] = {{kShiftBand, (state & 2) != 0, {0, 0, size, half}},
                 {kCtrlBand, (state & 1) != 0, {0, half, size, size}}};
    for (const auto& b : bands) {
      const ScopedGdiObject<HBRUSH> ground(::CreateSolidBrush(b.down ? kMaroon : kSilver));
      ::FillRect(dc, &b.box, ground);
      DrawFittedText(dc, b.band.word, b.box, half, b.down ? kWhite : b.band.ink_up, size >= 32);
    }
  });
}

HICON CreateDoublePicture(HINSTANCE instance, int index, int size) {
  // A key without a design here keeps its hand-drawn picture, scaled by the system.
  if (size == 16 || index / 2 >= kDiscCount) return LoadIconResource(instance, IDI_DOUBLE_0 + index, size);
  const DiscDesign& disc = kDiscs[index / 2];
  const bool down = (index % 2) != 0;
  const int rim = size >= 32 ? 2 : 1;
  return MakeIcon(size, [&](HDC dc, HDC mask) {
    FillShape(mask, kBlack, kBlack, rim, size, true);
    FillShape(dc, down ? kRed : kSilver, down ? kMaroon : kGrey, rim, size, true);
    const RECT box{0, 0, size, size};
    DrawFittedText(dc, disc.letter, box, size * 3 / 4, down ? kWhite : disc.ink_up, true);
  });
}

HICON CreateCloseGlyph(HINSTANCE instance, int size) {
  if (size <= 8) {
    return LoadIconResource(instance, IDI_CLOSE, 8);
  }
  // The 8-pixel cross is two pixels thick; it keeps that weight at every size.
  const int stroke = size / 4;
  return MakeIcon(size, [&](HDC dc, HDC mask) {
    for (int y = 0; y < size; ++y) {
      for (int x : {y, size - 1 - y}) {
        const int from = x - stroke / 2;
        const RECT dot{from < 0 ? 0 : from, y, from + stroke > size ? size : from + stroke, y + 1};
        ::FillRect(dc, &dot, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::FillRect(mask, &dot, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
      }
    }
  });
}

}  // namespace modlatch::win32
