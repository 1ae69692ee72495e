#pragma once
#include <windows.h>

#include <array>
#include <optional>

#include "app/main_form_events.h"
#include "mainwindow/twips.h"
#include "win32/app_files.h"
#include "win32/input_hooks.h"
#include "win32/notify_icons.h"
#include "win32/scoped_gdi.h"
#include "win32/toggle_button.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {

constexpr wchar_t kMainWindowClass[] = L"ModLatchMainForm";
// The accessible name of the caption strip, which shows no text of its own.
constexpr char16_t kStripName[] = u"ModLatch";

// The main window, its controls and its tray icons on the real API; every event goes to the
// portable handlers.
class MainFormWindow : public MainWindow,
                       public Controls,
                       public Menu,
                       public Timer,
                       public Tray,
                       public ToggleEvents,
                       public ElevationDisplay {
 public:
  MainFormWindow(System& system, Win32AppFiles& files, Win32InputHooks& hooks, Shell& shell, Dialogs& dialogs,
                 Elevation& elevation, StartupEntry& startup);
  MainFormWindow(const MainFormWindow&) = delete;
  MainFormWindow& operator=(const MainFormWindow&) = delete;

  // `second_start` is the message a second start of this executable sends.
  void Create(HINSTANCE instance, UINT second_start);
  MainForm& form() { return form_; }
  HWND hwnd() const { return hwnd_; }
  const std::array<HWND, 4>& tray_holders() const { return holder_; }

  // MainWindow
  WindowHandle Handle() override;
  void Show() override;
  void Hide() override;
  void PreventActivation() override;
  void AllowActivation() override;
  void Unload() override;
  void EndProcess() override;
  double Left() override;
  double Top() override;
  double Width() override;
  double Height() override;
  void SetLeft(double twips) override;
  void SetTop(double twips) override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;
  Dpi WindowDpi() override { return dpi_; }
  void PlacePixels(const Rect& outer) override;
  void SetSizeLimits(const std::optional<WindowLimits>& limits) override { size_limits_ = limits; }
  double ScreenWidthTwips() override;
  double ScreenHeightTwips() override;

  // Controls
  bool ToggleValue(Modifier key) override;
  void SetToggleValue(Modifier key, bool down) override;
  void SetToggleBackColor(Modifier key, ColorValue color) override;
  void SetToggleForeColor(Modifier key, ColorValue color) override;
  void SetToggleCaption(Modifier key, const Text& caption) override;
  void SetToggleLocked(Modifier key, bool locked) override;
  void AddModifierControls(Modifier key) override;
  void RemoveModifierControls(Modifier key) override;
  void ShowStripActive(bool active) override;
  void SetStripTooltip(const Text& text) override;
  void SetCloseName(const Text& name) override;
  void RecreateFonts() override;
  Bounds GetBounds(Control control) override;
  void SetBounds(Control control, const Bounds& bounds) override;
  ImageHandle CompactImage(int state) override;
  ImageHandle DoubleImage(int index) override;
  void LoadBankPicture(ImageBank bank, int index, const Text& path) override;

  // Menu
  void SetChecked(MenuItem item, bool checked) override;
  void SetEnabled(MenuItem item, bool enabled) override;
  void SetCaption(MenuItem item, const Text& caption) override;
  void AddLatchItem(MenuItem item, const Text& caption) override;
  void RemoveLatchItem(MenuItem item) override;
  std::optional<MenuItem> PopupAtCursor() override;

  // Timer
  void SetInterval(std::uint32_t milliseconds) override;
  void Enable() override;

  // Tray: each icon belongs to its key's holder window.
  bool AddIcon(Modifier icon, ImageHandle picture, const Text& tip) override;
  void UpdateIcon(Modifier icon, ImageHandle picture, const Text& tip) override;
  void RemoveIcon(Modifier icon) override;
  void ShowBalloon(Modifier icon, const Text& title, const Text& text) override;
  // ElevationDisplay (main_form_window_elevation.cpp)
  void ShowKeyBalloon(Modifier key, const Text& title, const Text& text) override;
  void HideKeyBalloon() override;
  void MarkStrip(const Text& mark) override;

  // ToggleEvents
  void OnToggleMouseDown(int index, MouseButton button) override;
  void OnToggleKeyDown(int index, int key_code, bool repeated) override;
  void OnTogglePressEnded() override;

 private:
  static constexpr UINT_PTR kPollTimer = 1;
  static constexpr UINT_PTR kKeyBalloonTimer = 2;
  static constexpr UINT kFirstMenuId = 2000;
  static UINT MenuId(MenuItem item) { return kFirstMenuId + static_cast<UINT>(item); }

  static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMainMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnPictureMessage(HWND picture, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnSizeLimitMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void RegisterClasses(HINSTANCE instance);
  void CreateControls(HINSTANCE instance);
  void CreatePopupMenuItems();
  void AppendOptionsMenu();
  void CreateStripTooltip();
  void SetCloseGlyph();
  void UpdateStripTooltip();
  HWND ChildOf(Control control) const;
  RECT Pixels(int left, int top, int width, int height) const;
  RECT WindowRect() const;
  PlaceFactors FactorsAt(const RECT& rect);
  void MoveTo(const RECT& r, LONG left, LONG top);
  void PlaceAt(const RECT& rect);
  void ApplyPendingPlace();

  Platform platform_;
  MainForm form_;

  HWND hwnd_ = nullptr;
  HWND foreground_before_ = nullptr;  // the window that had the foreground when we started
  HWND CreateHolder(int index);

  HINSTANCE instance_ = nullptr;
  std::array<HWND, 4> check_{};  // by ModifierIndex; ALT and WIN only while their latch is on
  HWND strip_ = nullptr;
  std::array<HWND, 4> holder_{};  // the tray icons' windows, by ModifierIndex
  NotifyIcons tray_;
  HWND tooltip_ = nullptr;
  Text strip_tip_;
  Text strip_mark_;  // after the strip's name and tip while we run elevated
  HWND key_balloon_ = nullptr;  // made at the first notice, then kept
  HMENU menu_ = nullptr;
  HMENU options_ = nullptr;  // the submenu, part of menu_
  HWND close_button_ = nullptr;
  ScopedGdiObject<HFONT> font_{nullptr};
  ScopedIcon close_glyph_;
  int tray_picture_size_ = 16;  // what the shell asks for at the system's DPI
  // The banks' built-in pictures are drawn when a tray mode first shows them; a file picture
  // loaded from the settings takes an entry's place before that.
  std::array<HICON, 4> compact_{};
  std::array<HICON, 8> double_{};
  std::array<ScopedIcon, 12> built_in_pictures_;  // compact, then double
  // While the window is hidden its place and size collect here and reach the system in one
  // move: every separate move costs Wine a round of messages and server calls.
  std::optional<RECT> pending_place_;
  // Where a move of ours is taking the window, while the move is made.
  std::optional<RECT> moving_to_;
  std::array<ScopedIcon, 12> file_pictures_;  // pictures loaded from icon files, freed with the window
  std::optional<WindowLimits> size_limits_;
  int strip_color_ = COLOR_ACTIVECAPTION;  // a system colour
  UINT taskbar_created_ = 0;
  UINT second_start_ = 0;
  UINT interval_ = 100;
  bool timer_enabled_ = false;
  bool controls_created_ = false;
  Dpi dpi_;
};

}  // namespace modlatch::win32
