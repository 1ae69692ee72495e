#pragma once
#include <cstdint>

#include "platform/controls.h"
#include "platform/types.h"

namespace modlatch {

// What the About window prints on: its own surface (the black frame) and its three picture boxes.
// Each keeps what is printed on it, so the text survives the window being covered.
enum class AboutSurface { FormInfo, WebInfo0, WebInfo1, Picture2 };

struct Extent {
  int width = 0;
  int height = 0;
};

// The About window FormInfo on the platform. Sizes are pixels unless a name says twips.
class AboutWindow {
 public:
  virtual ~AboutWindow() = default;
  virtual WindowHandle AboutHandle() = 0;
  virtual WindowHandle SurfaceWindow(AboutSurface surface) = 0;
  // The window under the mouse pointer, from the pointer's screen position.
  virtual WindowHandle WindowUnderPointer() = 0;

  // Printing in the surface's current font.
  virtual Extent InteriorSize(AboutSurface surface) = 0;
  virtual Extent MeasureText(AboutSurface surface, const Text& text) = 0;
  // Erases the printed text; the surface's picture and child lines stay.
  virtual void Clear(AboutSurface surface) = 0;
  virtual void SetFontUnderline(AboutSurface surface, bool underline) = 0;
  virtual void SetTextColor(AboutSurface surface, std::uint32_t color) = 0;
  virtual void PrintAt(AboutSurface surface, int x, int y, const Text& text) = 0;

  virtual Text VersionCaption() = 0;
  virtual void SetVersionCaption(const Text& caption) = 0;
  // The white panel Picture1 inside the window.
  virtual Bounds PanelBounds() = 0;
  virtual void SetPanelLeft(int left) = 0;
  virtual void SetOuterSizeTwips(double width, double height) = 0;
  virtual Dpi AboutDpi() = 0;
  // The e-mail link gets the mouse cursor of the web link.
  virtual void CopyLinkCursorToMailLink() = 0;
  virtual void ShowAppIcon() = 0;
  virtual void StartHoverTimer() = 0;
  // Shows the one-item copy menu at the pointer; true when its item was chosen.
  virtual bool PopupCopyMenu(const Text& caption) = 0;
  // The close button keeps the mouse, so a release anywhere reaches it, until ReleaseMouse.
  virtual void HoldMouse() = 0;
  virtual void ReleaseMouse() = 0;
  // Hides the window, then destroys it with its controls and its timer.
  virtual void Close() = 0;
};

}  // namespace modlatch
