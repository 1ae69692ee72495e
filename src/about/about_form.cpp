#include "about/about_form.h"

#include "about/about_design.h"
#include "about/aligned_text.h"
#include "mainwindow/twips.h"

namespace modlatch {
namespace {

constexpr int kPanelLeft = 5;
constexpr std::int16_t kLinkTextLeft = 20;  // right of the 16-pixel icon
constexpr int kEnter = 13;
constexpr int kEscape = 27;

enum class CloseLook { kNormal, kHover, kPressed };

AboutSurface LinkSurface(int index) { return index == 0 ? AboutSurface::WebInfo0 : AboutSurface::WebInfo1; }

const char16_t* LinkAddress(int index) { return index == 0 ? about::kWebAddress : about::kMailAddress; }

void DrawLinkLook(AboutForm& form, int index, bool hover) {
  DrawAlignedText(form.window, LinkSurface(index), LinkAddress(index), index == 0 ? about::kWebColor : about::kMailColor,
                  align::kMiddle, kLinkTextLeft, 0, hover);
}

void DrawCloseLook(AboutForm& form, CloseLook look) {
  const std::uint32_t color = look == CloseLook::kNormal ? about::kCloseNormalColor : about::kCloseHotColor;
  const std::int16_t shift = look == CloseLook::kPressed ? 1 : 0;
  DrawAlignedText(form.window, AboutSurface::Picture2, UiText(form.language, TextId::kAboutCloseLabel), color,
                  align::kCentre | align::kMiddle, shift, shift, false);
}

}  // namespace

void OnAboutLoad(AboutForm& form) {
  OnAboutControlsMade(form);
  form.shell.BeepInformation();
  form.window.StartHoverTimer();
}

void OnAboutControlsMade(AboutForm& form) {
  // All three marked hot, so that the first restore draws each in its normal look.
  form.WebHot = true;
  form.MailHot = true;
  form.CloseHot = true;
  form.ClosePressed = false;
  form.window.SetVersionCaption(form.window.VersionCaption() + about::kVersion);
  PrepareAboutWindow(form);
}

void PrepareAboutWindow(AboutForm& form) {
  AboutWindow& window = form.window;
  form.windows.SetTopmost(window.AboutHandle(), true);
  const Dpi dpi = window.AboutDpi();
  window.SetPanelLeft(ScaleForDpi(kPanelLeft, dpi.x));
  const Bounds panel = window.PanelBounds();
  window.SetOuterSizeTwips((2 * panel.left + panel.width) * TwipsPerPixel(dpi.x),
                           (panel.top + panel.height + panel.left) * TwipsPerPixel(dpi.y));
  window.CopyLinkCursorToMailLink();
  window.ShowAppIcon();
  DrawAlignedText(window, AboutSurface::FormInfo, about::kHeading, about::kWhite, align::kCentre, 0, 2, false);
  form.windows.ShowTitleBar(window.AboutHandle(), false);
  RestoreNormalLook(form);
}

void RestoreNormalLook(AboutForm& form) {
  if (form.CloseHot && !form.ClosePressed) {
    DrawCloseLook(form, CloseLook::kNormal);
    form.CloseHot = false;
  }
  if (form.WebHot) {
    DrawLinkLook(form, 0, false);
    form.WebHot = false;
  }
  if (form.MailHot) {
    DrawLinkLook(form, 1, false);
    form.MailHot = false;
  }
}

void OnAboutTick(AboutForm& form) {
  AboutWindow& window = form.window;
  const WindowHandle under = window.WindowUnderPointer();
  if (under == window.SurfaceWindow(AboutSurface::WebInfo0)) {
    if (!form.WebHot) {
      DrawLinkLook(form, 0, true);
      form.WebHot = true;
    }
  } else if (under == window.SurfaceWindow(AboutSurface::WebInfo1)) {
    if (!form.MailHot) {
      DrawLinkLook(form, 1, true);
      form.MailHot = true;
    }
  } else if (under == window.SurfaceWindow(AboutSurface::Picture2)) {
    if (!form.CloseHot && !form.ClosePressed) {
      DrawCloseLook(form, CloseLook::kHover);
      form.CloseHot = true;
    }
  } else {
    RestoreNormalLook(form);
  }
}

void OnCloseButtonMouseDown(AboutForm& form, int button) {
  if (form.ButtonsHeld == 0) form.window.HoldMouse();
  form.ButtonsHeld |= button;
  if (button == mouse_button::kLeft) {
    DrawCloseLook(form, CloseLook::kPressed);
    form.ClosePressed = true;
  }
  form.LastButton = static_cast<std::int16_t>(button);
}

void OnCloseButtonMouseUp(AboutForm& form, int button) {
  if (button == mouse_button::kLeft) {
    DrawCloseLook(form, CloseLook::kHover);
    form.ClosePressed = false;
  }
  form.LastButton = static_cast<std::int16_t>(button);
  // Only the last button up lets go; otherwise the left button's release could go elsewhere.
  const int held = form.ButtonsHeld;
  form.ButtonsHeld &= ~button;
  if (held != 0 && form.ButtonsHeld == 0) form.window.ReleaseMouse();
}

void OnCloseButtonCaptureLost(AboutForm& form) {
  form.ButtonsHeld = 0;
  if (!form.ClosePressed) return;
  form.ClosePressed = false;
  DrawCloseLook(form, CloseLook::kNormal);
  form.CloseHot = false;
}

void OnCloseButtonClick(AboutForm& form) {
  if (form.LastButton == mouse_button::kLeft) form.window.Close();
}

void OnAboutKeyPress(AboutForm& form, int character) {
  const int upper = (character >= 'a' && character <= 'z') ? character - ('a' - 'A') : character;
  if (upper != 'C' && character != kEnter && character != kEscape) return;
  form.LastButton = mouse_button::kLeft;
  OnCloseButtonClick(form);
}

void OnAboutFrameMouseDown(AboutForm& form, int button) {
  if (button == mouse_button::kLeft) form.windows.BeginDrag(form.window.AboutHandle());
}

void OnLinkMouseDown(AboutForm& form, int index, int button) {
  if (button == mouse_button::kRight) {
    form.LastButton = static_cast<std::int16_t>(index);
    const Text caption = FillIn(UiText(form.language, TextId::kAboutCopyLink), LinkAddress(index));
    if (form.window.PopupCopyMenu(caption)) OnCopyMenuChosen(form);
  } else if (button == mouse_button::kLeft) {
    const Text target = index == 0 ? Text(about::kWebAddress) : about::kMailPrefix + Text(about::kMailAddress);
    form.shell.OpenAddress(form.window.AboutHandle(), form.ansi.Encode(target), form.ansi.Encode(form.files.AppPath()));
  }
}

void OnCopyMenuChosen(AboutForm& form) {
  form.shell.PutOnClipboard(form.window.AboutHandle(), LinkAddress(form.LastButton == 0 ? 0 : 1));
}

}  // namespace modlatch
