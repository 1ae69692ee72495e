#pragma once
#include <windows.h>

#include <array>

#include "about/about_design.h"
#include "about/about_form.h"
#include "win32/print_surface.h"
#include "win32/scoped_gdi.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {

// The About window FormInfo: a black frame holding the white panel Picture1 with its labels,
// icons, the two links WebInfo(i) and the close button Picture2. Every event goes to the
// portable handlers of the About window.
class AboutFormWindow : public AboutWindow {
 public:
  AboutFormWindow(System& system, Shell& shell, AppFiles& files, Language language);
  ~AboutFormWindow() override;
  AboutFormWindow(const AboutFormWindow&) = delete;
  AboutFormWindow& operator=(const AboutFormWindow&) = delete;

  // Creates the window hidden with its controls, then runs its load steps.
  void Load(HINSTANCE instance);
  // Shows it, centred on the screen the first time.
  void Show();
  bool IsOpen() const { return hwnd_ != nullptr; }

  // AboutWindow
  WindowHandle AboutHandle() override { return FromHwnd(hwnd_); }
  WindowHandle SurfaceWindow(AboutSurface surface) override { return FromHwnd(SurfaceHwnd(surface)); }
  WindowHandle WindowUnderPointer() override;
  Extent InteriorSize(AboutSurface surface) override { return SurfaceOf(surface).Interior(); }
  Extent MeasureText(AboutSurface surface, const Text& text) override { return SurfaceOf(surface).Measure(text); }
  void Clear(AboutSurface surface) override { SurfaceOf(surface).Clear(); }
  void SetFontUnderline(AboutSurface surface, bool underline) override { SurfaceOf(surface).SetUnderline(underline); }
  void SetTextColor(AboutSurface surface, std::uint32_t color) override { SurfaceOf(surface).SetColor(color); }
  void PrintAt(AboutSurface surface, int x, int y, const Text& text) override { SurfaceOf(surface).Print(x, y, text); }
  Text VersionCaption() override;
  void SetVersionCaption(const Text& caption) override;
  Bounds PanelBounds() override;
  void SetPanelLeft(int left) override;
  void SetOuterSizeTwips(double width, double height) override;
  Dpi AboutDpi() override { return dpi_; }
  void CopyLinkCursorToMailLink() override { link_cursor_[1] = link_cursor_[0]; }
  void ShowAppIcon() override;
  void StartHoverTimer() override;
  bool PopupCopyMenu(const Text& caption) override;
  void HoldMouse() override;
  void ReleaseMouse() override;
  void Close() override;

 private:
  static constexpr UINT_PTR kHoverTimer = 1;
  static constexpr UINT kHoverInterval = 1;  // a request: ticks come at the system's timer granularity
  static constexpr UINT kCopyItem = 1;
  static constexpr int kAppIconSize = 32;

  static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK PartProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnFormMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnPartMessage(HWND part, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnPanelMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnLinkMessage(int index, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnCloseButtonMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void RegisterClasses(HINSTANCE instance);
  void CreateFonts();
  void CreateControls(HINSTANCE instance);
  void CreateTooltips();
  // Everything inside made anew for another DPI; the window itself and its timer stay.
  void Rescale(int dpi, const RECT& suggested);
  HWND CreatePart(const TwipsBounds& bounds, HWND parent, HINSTANCE instance);
  HWND CreateStatic(const TwipsBounds& bounds, DWORD style, const char16_t* text, HINSTANCE instance);
  // A label whose text does not fit its designed box grows to show it whole.
  void FitLabel(int label);
  void PaintPanel();
  void PaintSurface(AboutSurface surface);
  RECT Pixels(const TwipsBounds& bounds) const;
  POINT Pixels(int x, int y) const;
  HWND SurfaceHwnd(AboutSurface surface) const;
  PrintSurface& SurfaceOf(AboutSurface surface) { return surfaces_[static_cast<int>(surface)]; }
  void ReleaseResources();

  AboutForm form_;
  HWND hwnd_ = nullptr;
  HWND panel_ = nullptr;
  std::array<HWND, about::kLabelCount> labels_{};
  HWND app_icon_ = nullptr;
  HWND chara_icon_ = nullptr;
  std::array<HWND, 2> links_{};
  HWND close_ = nullptr;
  HWND tooltip_ = nullptr;
  HMENU copy_menu_ = nullptr;
  std::array<PrintSurface, 4> surfaces_;
  std::array<HCURSOR, 2> link_cursor_{};
  std::array<HICON, 2> link_picture_{};
  // Heading, heading underlined, links and labels, the same underlined, panel, product name.
  std::array<ScopedGdiObject<HFONT>, 6> fonts_;
  bool shown_ = false;
  Dpi dpi_;
};

}  // namespace modlatch::win32
