#include "win32/about_window.h"

#include <algorithm>
#include <iterator>

#include "mainwindow/twips.h"
#include "win32/design_font.h"
#include "win32/dpi.h"
#include "win32/scoped_gdi.h"
#include "win32/tooltips.h"
#include "resource_ids.h"

namespace modlatch::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"ModLatchAbout";
constexpr wchar_t kPartClass[] = L"ModLatchAboutPart";

enum FontIndex { kHeading, kHeadingUnderlined, kUiGothic, kUiGothicUnderlined, kPanel, kName };

}  // namespace

AboutFormWindow::AboutFormWindow(System& system, Shell& shell, AppFiles& files, Language language)
    : form_(*this, system, shell, system, files, language) {}

AboutFormWindow::~AboutFormWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
  ReleaseResources();
}

void AboutFormWindow::Load(HINSTANCE instance) {
  // Opened centred on the main screen, at that screen's DPI.
  dpi_ = DpiOfWindow(nullptr);
  RegisterClasses(instance);
  CreateFonts();
  const RECT client = Pixels(about::kDesignClient);
  // No caption from the start: the heading is centred on the width the window keeps.
  hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kFormClass, Wide(UiText(form_.language, TextId::kAboutCaption)),
                            WS_POPUP | WS_CLIPCHILDREN, 0, 0, client.right, client.bottom, nullptr, nullptr, instance,
                            this);
  SurfaceOf(AboutSurface::FormInfo).Attach(hwnd_, about::kBlack, fonts_[kHeading], fonts_[kHeadingUnderlined], nullptr);
  CreateControls(instance);
  copy_menu_ = ::CreatePopupMenu();
  ::AppendMenuW(copy_menu_, MF_STRING, kCopyItem, L"");
  CreateTooltips();
  OnAboutLoad(form_);
}

void AboutFormWindow::Show() {
  if (!shown_) {
    shown_ = true;
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
}

void AboutFormWindow::Rescale(int dpi, const RECT& suggested) {
  if (tooltip_) ::DestroyWindow(tooltip_);
  tooltip_ = nullptr;
  for (PrintSurface& surface : surfaces_) surface.Release();
  ::DestroyWindow(panel_);  // and every control on it
  for (ScopedGdiObject<HFONT>& font : fonts_) font.reset(nullptr);
  dpi_ = Dpi{dpi, dpi};
  CreateFonts();
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SurfaceOf(AboutSurface::FormInfo).Attach(hwnd_, about::kBlack, fonts_[kHeading], fonts_[kHeadingUnderlined], nullptr);
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  CreateControls(instance);
  CreateTooltips();
  OnAboutControlsMade(form_);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void AboutFormWindow::RegisterClasses(HINSTANCE instance) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = FormProc;
  form.hInstance = instance;
  form.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  form.lpszClassName = kFormClass;
  ::RegisterClassExW(&form);  // fails harmlessly when the window is opened again

  WNDCLASSEXW part = form;
  part.lpfnWndProc = PartProc;
  part.lpszClassName = kPartClass;
  ::RegisterClassExW(&part);
}

void AboutFormWindow::CreateFonts() {
  fonts_[kHeading].reset(CreateDesignFont(about::kHeadingFont, false, dpi_.y));
  fonts_[kHeadingUnderlined].reset(CreateDesignFont(about::kHeadingFont, true, dpi_.y));
  if (form_.language == Language::kJapanese) {
    fonts_[kUiGothic].reset(CreateDesignFont(about::kUiGothic, false, dpi_.y));
    fonts_[kUiGothicUnderlined].reset(CreateDesignFont(about::kUiGothic, true, dpi_.y));
    fonts_[kPanel].reset(CreateDesignFont(about::kPanelFont, false, dpi_.y));
  } else {
    // The designed faces are Japanese; other texts take the system's message font.
    fonts_[kUiGothic].reset(CreateMessageFont(dpi_.y));
    fonts_[kUiGothicUnderlined].reset(CreateMessageFont(dpi_.y, true));
    fonts_[kPanel].reset(CreateMessageFont(dpi_.y));
  }
  fonts_[kName].reset(CreateDesignFont(about::kNameFont, false, dpi_.y));
}

RECT AboutFormWindow::Pixels(const TwipsBounds& b) const {
  const POINT at = Pixels(b.left, b.top);
  return RECT{at.x, at.y, at.x + WindowPixels(b.width, TwipsPerPixel(dpi_.x)),
              at.y + WindowPixels(b.height, TwipsPerPixel(dpi_.y))};
}

POINT AboutFormWindow::Pixels(int x, int y) const {
  return POINT{WindowPixels(x, TwipsPerPixel(dpi_.x)), WindowPixels(y, TwipsPerPixel(dpi_.y))};
}

HWND AboutFormWindow::CreatePart(const TwipsBounds& bounds, HWND parent, HINSTANCE instance) {
  const RECT r = Pixels(bounds);
  return ::CreateWindowExW(0, kPartClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr, instance, this);
}

HWND AboutFormWindow::CreateStatic(const TwipsBounds& bounds, DWORD style, const char16_t* text, HINSTANCE instance) {
  const RECT r = Pixels(bounds);
  // SS_NOTIFY: a static is otherwise transparent to the mouse, and its tooltip never shows.
  return ::CreateWindowExW(0, L"STATIC", text ? reinterpret_cast<const wchar_t*>(text) : L"",
                           WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, panel_, nullptr, instance, nullptr);
}

void AboutFormWindow::CreateControls(HINSTANCE instance) {
  panel_ = CreatePart(about::kPicture1, hwnd_, instance);
  for (int i = 0; i < about::kLabelCount; ++i) {
    const about::LabelDesign& label = about::kLabels[i];
    labels_[i] = CreateStatic(label.bounds, SS_LEFTNOWORDWRAP, UiText(form_.language, label.caption), instance);
    const int font = label.font == about::LabelFont::kName       ? kName
                     : label.font == about::LabelFont::kUiGothic ? kUiGothic
                                                                 : kPanel;
    ::SendMessageW(labels_[i], WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(fonts_[font])), FALSE);
    FitLabel(i);
  }
  app_icon_ = CreateStatic(about::kAppIcon, SS_ICON, nullptr, instance);

  const int link_pictures[] = {IDI_GLOBE, IDI_LETTER};
  link_cursor_[0] = ::LoadCursorW(instance, MAKEINTRESOURCEW(IDC_LINK_HAND));
  for (int i = 0; i < 2; ++i) {
    links_[i] = CreatePart(about::kWebInfo[i], panel_, instance);
    link_picture_[i] = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(link_pictures[i]), IMAGE_ICON, ScaleForDpi(16, dpi_.y),
                     ScaleForDpi(16, dpi_.y), LR_SHARED));
    // The parts print their own text; the window text is what screen readers read.
    ::SetWindowTextW(links_[i], reinterpret_cast<const wchar_t*>(i == 0 ? about::kWebAddress : about::kMailAddress));
    SurfaceOf(i == 0 ? AboutSurface::WebInfo0 : AboutSurface::WebInfo1)
        .Attach(links_[i], about::kWhite, fonts_[kUiGothic], fonts_[kUiGothicUnderlined], link_picture_[i]);
  }
  close_ = CreatePart(about::kPicture2, panel_, instance);
  ::SetWindowTextW(close_, Wide(UiText(form_.language, TextId::kAboutCloseLabel)));
  SurfaceOf(AboutSurface::Picture2).Attach(close_, about::kWhite, fonts_[kUiGothic], fonts_[kUiGothicUnderlined], nullptr);

  // It paints nothing, so it never hides the message under it, but it takes the pointer there.
  chara_icon_ = CreateStatic(about::kCharaIcon, 0, nullptr, instance);
  ::SetWindowPos(chara_icon_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void AboutFormWindow::CreateTooltips() {
  tooltip_ = CreateTooltipControl();
  if (!tooltip_) return;
  for (int i = 0; i < about::kLabelCount; ++i) {
    AddTooltipTool(tooltip_, panel_, labels_[i], Wide(UiText(form_.language, about::kLabels[i].tooltip)));
  }
  AddTooltipTool(tooltip_, panel_, app_icon_, Wide(UiText(form_.language, TextId::kAboutIconTip)));
  AddTooltipTool(tooltip_, panel_, chara_icon_, reinterpret_cast<const wchar_t*>(about::kCharaIconTip));
  for (int i = 0; i < 2; ++i) {
    AddTooltipTool(tooltip_, panel_, links_[i], Wide(UiText(form_.language, about::kWebInfoTips[i])));
  }
  AddTooltipTool(tooltip_, panel_, close_, Wide(UiText(form_.language, TextId::kAboutCloseTip)));
}

void AboutFormWindow::FitLabel(int label) {
  HWND window = labels_[label];
  wchar_t text[512] = {};
  const int length = ::GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  const ScopedGetDC dc(window);
  const ScopedSelect font(dc, reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)));
  RECT needed{};
  ::DrawTextW(dc, text, length, &needed, DT_CALCRECT | DT_NOPREFIX | DT_LEFT);
  const RECT design = Pixels(about::kLabels[label].bounds);
  const int width = std::max<int>(design.right - design.left, needed.right);
  const int height = std::max<int>(design.bottom - design.top, needed.bottom);
  ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace modlatch::win32
