#include "win32/design_font.h"

#include <iterator>

#include "win32/scoped_gdi.h"

namespace modlatch::win32 {
namespace {

constexpr int kMostCandidates = 8;
// Kana set in a proportional Japanese face are narrower than in a fixed one.
constexpr wchar_t kJapaneseSample[] = L"ソフトウェアのバージョン情報";

struct FaceSearch {
  const wchar_t* wanted;
  bool found = false;
  int count = 0;
  wchar_t candidates[kMostCandidates][LF_FACESIZE] = {};
};

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD, LPARAM param) {
  auto* search = reinterpret_cast<FaceSearch*>(param);
  if (::lstrcmpiW(font->lfFaceName, search->wanted) == 0) {
    search->found = true;
    return 0;
  }
  // The bit named "fixed pitch" is set for a variable-pitch font. The designed faces are all
  // proportional sans-serif; '@' names the vertical-writing twin of a face.
  const bool proportional = (metrics->tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
  const bool sans_serif = (metrics->tmPitchAndFamily & 0xF0) == FF_SWISS;
  if (proportional && sans_serif && font->lfFaceName[0] != L'@' && search->count < kMostCandidates) {
    ::lstrcpynW(search->candidates[search->count++], font->lfFaceName, LF_FACESIZE);
  }
  return 1;
}

int SampleWidth(HDC dc, LOGFONTW font, const wchar_t* face) {
  ::lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  const ScopedGdiObject<HFONT> candidate(::CreateFontIndirectW(&font));
  const ScopedSelect selected(dc, candidate);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, kJapaneseSample, static_cast<int>(std::size(kJapaneseSample) - 1), &size);
  return size.cx;
}

}  // namespace

HFONT CreateDesignFont(const about::FontDesign& design, bool underline, int dpi) {
  const ScopedGetDC screen(nullptr);
  LOGFONTW font{};
  font.lfHeight = -static_cast<LONG>(design.points * dpi / 72 + 0.5);
  font.lfWeight = FW_NORMAL;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = design.japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;

  FaceSearch search{reinterpret_cast<const wchar_t*>(design.face)};
  ::EnumFontFamiliesExW(screen, &font, NoteFace, reinterpret_cast<LPARAM>(&search), 0);
  if (search.found) {
    ::lstrcpynW(font.lfFaceName, search.wanted, LF_FACESIZE);
  } else if (design.japanese && search.count > 0) {
    // The designed Japanese faces set kana proportionally; of the system's proportional
    // Japanese faces, the one that sets them narrowest comes nearest.
    int best = 0;
    int best_width = SampleWidth(screen, font, search.candidates[0]);
    for (int i = 1; i < search.count; ++i) {
      const int width = SampleWidth(screen, font, search.candidates[i]);
      if (width < best_width) {
        best = i;
        best_width = width;
      }
    }
    ::lstrcpynW(font.lfFaceName, search.candidates[best], LF_FACESIZE);
  }
  // Otherwise the face stays empty and the font mapper chooses by character set and family.
  return ::CreateFontIndirectW(&font);
}

}  // namespace modlatch::win32
