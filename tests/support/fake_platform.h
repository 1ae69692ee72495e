#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace modlatch::testing {

// One recording fake for every port. Injected key events feed back into the key states,
// as the system's own key state would.
class FakePlatform : public Keyboard,
                     public WindowSystem,
                     public MainWindow,
                     public Controls,
                     public Menu,
                     public Timer,
                     public Tray,
                     public AnsiText,
                     public FileSystem {
 public:
  FakePlatform();

  Platform& platform() { return platform_; }

  // The log: one line per call that changes something or asks the system; off for benchmarks.
  bool keep_log = true;
  std::vector<std::string> log;
  // Counts by kind, kept even when the log is off.
  int key_queries = 0;
  int key_events = 0;
  int ui_calls = 0;
  int tray_calls = 0;
  void ClearLog();
  std::vector<std::string> Matching(const std::string& prefix) const;

  // Test set-up.
  void SetKey(std::uint8_t vk, std::int16_t value) { keys[vk] = value; }
  void Hold(std::uint8_t vk) { keys[vk] = static_cast<std::int16_t>(0x8000); }
  void Release(std::uint8_t vk) { keys[vk] = 0; }
  std::array<std::int16_t, 256> keys{};
  std::deque<std::optional<MenuItem>> popup_choices;  // what the next popups return
  std::function<void()> while_popup_open;            // runs while a popup is open
  std::vector<TrayIconData> tray_records;             // every record sent, in order
  std::vector<std::uint32_t> tray_messages;

  WindowHandle handle = 0x1000;
  bool visible = false;
  WindowHandle foreground = 0;
  std::map<WindowHandle, std::int32_t> styles;
  Rect work_area{0, 0, 1024, 738};
  bool work_area_fails = false;
  std::uintptr_t window_procedure = 0x7000;  // the window's own procedure
  std::uintptr_t size_limit_procedure = 0x7100;
  // Arguments of the last call passed on to a window procedure.
  std::uintptr_t proc_wparam = 0;
  std::intptr_t proc_lparam = 0;
  double tpp_x = 15, tpp_y = 15;
  double left = 0, top = 0, width = 0, height = 0;
  double screen_width_twips = 1024 * 15, screen_height_twips = 768 * 15;

  std::array<bool, 2> toggle_value{};
  std::array<ColorValue, 2> back_color{-1, -1};
  std::array<ColorValue, 2> fore_color{-1, -1};
  std::array<Text, 2> caption{u"CTRL", u"SHIFT"};
  std::uint32_t strip_color = kActiveCaptionColor;
  Text strip_tooltip;
  std::map<Control, Bounds> bounds;
  std::array<ImageHandle, 2> holder_image{};

  std::set<MenuItem> checked;
  std::set<MenuItem> disabled;
  std::uint32_t interval = 0;
  bool timer_enabled = false;
  // Files by path: paths that reach one file share its id; a path without one has none.
  std::map<Text, FileId> file_ids;
  std::map<Text, Text> normalized_paths;  // the path itself when absent
  int unload_requests = 0;
  bool ended = false;

  // Keyboard
  std::int16_t AsyncKeyState(std::uint8_t virtual_key) override;
  void InjectKey(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                 std::uintptr_t extra_info) override;
  // WindowSystem
  std::int32_t GetStyle(WindowHandle window) override;
  void SetStyle(WindowHandle window, std::int32_t style) override;
  void SetPosition(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                   std::uint32_t flags) override;
  void ReleaseMouseCapture() override;
  std::intptr_t SendToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                             std::intptr_t lparam) override;
  WindowHandle ForegroundWindow() override;
  void QueryWorkArea(Rect* area) override;
  std::uintptr_t InstallSizeLimitProcedure(WindowHandle window) override;
  void RestoreWindowProcedure(WindowHandle window, std::uintptr_t procedure) override;
  std::intptr_t CallWindowProcedure(std::uintptr_t procedure, WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wparam, std::intptr_t lparam) override;
  // MainWindow
  WindowHandle Handle() override { return handle; }
  void Show() override;
  void Hide() override;
  bool IsVisible() override;
  void Unload() override;
  void EndProcess() override;
  double Left() override { return left; }
  double Top() override { return top; }
  double Width() override { return width; }
  double Height() override { return height; }
  void SetLeft(double twips) override;
  void SetTop(double twips) override;
  void SetWidth(double twips) override;
  void SetHeight(double twips) override;
  double TwipsPerPixelX() override { return tpp_x; }
  double TwipsPerPixelY() override { return tpp_y; }
  double ScreenWidthTwips() override { return screen_width_twips; }
  double ScreenHeightTwips() override { return screen_height_twips; }
  // Controls
  bool ToggleValue(int index) override;
  void SetToggleValue(int index, bool down) override;
  void SetToggleBackColor(int index, ColorValue color) override;
  void SetToggleForeColor(int index, ColorValue color) override;
  void SetToggleCaption(int index, const Text& text) override;
  void SetStripColor(std::uint32_t color) override;
  void SetStripTooltip(const Text& text) override;
  Bounds GetBounds(Control control) override;
  void SetBounds(Control control, const Bounds& b) override;
  WindowHandle HolderWindow(int index) override { return 0x2000 + static_cast<WindowHandle>(index); }
  ImageHandle HolderImage(int index) override { return holder_image[index]; }
  void SetHolderImage(int index, ImageHandle image) override;
  ImageHandle CompactImage(int state) override { return 0x300 + static_cast<ImageHandle>(state); }
  ImageHandle DoubleImage(int index) override { return 0x400 + static_cast<ImageHandle>(index); }
  // Menu
  bool IsChecked(MenuItem item) override;
  void SetChecked(MenuItem item, bool on) override;
  void SetEnabled(MenuItem item, bool enabled) override;
  std::optional<MenuItem> PopupAtCursor() override;
  // Timer
  void SetInterval(std::uint32_t milliseconds) override;
  void Enable() override;
  // Tray
  void NotifyIcon(std::uint32_t message, const TrayIconData& record) override;
  // AnsiText: ASCII passes through, anything else becomes '?'.
  AnsiBytes Encode(const Text& text) override;
  // FileSystem
  std::optional<FileId> IdOf(const Text& path) override;
  Text NormalizedPath(const Text& path) override;

 private:
  void Note(int& counter, const std::string& entry);
  Platform platform_;
};

std::string Narrow(const Text& text);
std::string MenuItemName(MenuItem item);

}  // namespace modlatch::testing
