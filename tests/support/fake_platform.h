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

#include "app/main_form_events.h"
#include "platform/about_window.h"
#include "platform/file_system.h"
#include "mainwindow/twips.h"
#include "platform/platform.h"

namespace modlatch::testing {

struct NoCase {
  bool operator()(const std::string& a, const std::string& b) const;
};

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
                     public AppFiles,
                     public InputHooks,
                     public Shell,
                     public Dialogs,
                     public FileSystem,
                     public Elevation,
                     public ElevationDisplay,
                     public StartupEntry {
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
  int tray_refusals = 0;  // adds the shell refuses, as while the taskbar comes up
  void ClearLog();
  std::vector<std::string> Matching(const std::string& prefix) const;

  // Test set-up.
  void SetKey(std::uint8_t vk, KeyReading reading) { keys[vk] = reading; }
  void Hold(std::uint8_t vk) { keys[vk] = KeyReading{true, false}; }
  // Pressed and released since the last reading.
  void Tap(std::uint8_t vk) { keys[vk] = KeyReading{false, true}; }
  void Release(std::uint8_t vk) { keys[vk] = KeyReading{}; }
  bool IsDown(std::uint8_t vk) const { return keys[vk].ReadsDown(); }
  std::array<KeyReading, 256> keys{};
  std::vector<KeyStroke> strokes;  // every key event sent, in order
  std::uint32_t idle_ms = 0;       // since the last input; a key sent resets it
  std::deque<std::optional<MenuItem>> popup_choices;  // what the next popups return
  std::function<void()> while_popup_open;            // runs while a popup is open

  WindowHandle handle = 0x1000;
  bool visible = false;
  WindowHandle foreground = 0;
  Rect work_area{0, 0, 1024, 738};
  bool work_area_fails = false;
  std::vector<Rect> monitors{{0, 0, 1024, 768}};
  std::vector<Dpi> monitor_dpis;  // by monitor; empty: every monitor at dpi
  std::optional<Dpi> system_dpi;  // absent: dpi
  Dpi dpi;  // the main window's and the About window's
  // Geometry kept as the real window keeps it, in whole pixels (outer) converted at the main
  // window's factors; else the twips as set.
  bool whole_pixels = false;
  double left = 0, top = 0, width = 0, height = 0;
  Rect outer{};
  double screen_width_twips = 1024 * 15, screen_height_twips = 768 * 15;

  std::array<bool, 4> toggle_value{};
  std::array<ColorValue, 4> back_color{-1, -1, -1, -1};
  std::array<ColorValue, 4> fore_color{-1, -1, -1, -1};
  std::array<Text, 4> caption{u"CTRL", u"SHIFT", u"ALT", u"WIN"};
  bool strip_active = true;
  Text strip_tooltip;
  std::map<Control, Bounds> bounds;

  std::set<MenuItem> checked;
  std::set<MenuItem> latch_items;  // the ALT and WIN items in the menu
  std::set<MenuItem> disabled;
  std::map<MenuItem, Text> menu_captions;  // items named by the logic
  Text close_name;
  std::uint32_t interval = 0;
  bool timer_enabled = false;
  // Files by path: paths that reach one file share its id; a path without one has none.
  std::map<Text, FileId> file_ids;
  std::map<Text, Text> normalized_paths;  // the path itself when absent
  int unload_requests = 0;
  bool ended = false;
  bool no_activate = false;
  std::array<bool, 4> toggle_locked{};

  // Low-level hooks: screen rectangles that count as ours, and what the hooks were asked.
  std::vector<Rect> own_places;
  DoubleClickLimits double_click{500, 4, 4};
  bool hooks_installed = false;
  int release_requests = 0;

  // Files beside the executable. INI files are kept per path (ANSI text) as sections of keys;
  // names compare without regard to case, as the system's profile functions do.
  using IniSection = std::map<std::string, std::string, NoCase>;
  using IniFile = std::map<std::string, IniSection, NoCase>;
  Text app_path = u"C:\\Tools";
  Text exe_name = u"ModLatch";
  std::map<std::string, IniFile> ini_files;
  bool ini_read_only = false;
  std::set<std::string> existing_paths;
  // Loads INI text as the profile functions would see it: [section] lines and key=value lines.
  void SetIniText(const std::string& path, const std::string& text);
  std::map<std::string, std::string> file_contents;  // whole files by UTF-8 path, for ReadWholeFile
  Text not_in_code_page;  // characters the ANSI code page lacks: Encode makes them "?"
  static std::string Utf8(const Text& text);

  Text clipboard;
  bool about_exists = false;
  std::vector<HelpTopic> help_topics;  // what the help window last showed
  std::uint16_t ui_language = 0x0411;  // the user's interface language, a LANGID

  // The sign-in entry: its command (none: no entry) and the Startup page's switch. Paths compare
  // without regard to ASCII case; a file exists when existing_paths holds it in any case.
  std::optional<Text> startup_command;
  bool startup_switched_off = false;
  Text exe_path = u"C:\\Tools\\ModLatch.exe";

  // Keyboard
  KeyReading ReadKey(std::uint8_t virtual_key) override;
  void SendKeys(const KeyStroke* sent, std::size_t count) override;
  std::uint32_t MillisecondsSinceInput() override;
  // WindowSystem
  void ShowTitleBar(WindowHandle window, bool show) override;
  void SetTopmost(WindowHandle window, bool on) override;
  void BringToFront(WindowHandle window, bool activate) override;
  void BeginDrag(WindowHandle window) override;
  WindowHandle ForegroundWindow() override;
  std::uint16_t UserUiLanguage() override { return ui_language; }
  void QueryWorkArea(Rect* area) override;
  bool OnAnyMonitor(const Rect& rect) override;
  Dpi SystemDpi() override { return system_dpi.value_or(dpi); }
  Dpi MonitorDpiAt(std::int32_t x, std::int32_t y) override;
  // MainWindow
  WindowHandle Handle() override { return handle; }
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
  Dpi WindowDpi() override { return dpi; }
  void PlacePixels(const Rect& outer) override;
  void SetSizeLimits(const std::optional<WindowLimits>& limits) override;
  double ScreenWidthTwips() override { return screen_width_twips; }
  double ScreenHeightTwips() override { return screen_height_twips; }
  // Controls
  bool ToggleValue(Modifier key) override;
  void SetToggleValue(Modifier key, bool down) override;
  void SetToggleBackColor(Modifier key, ColorValue color) override;
  void SetToggleForeColor(Modifier key, ColorValue color) override;
  void SetToggleCaption(Modifier key, const Text& text) override;
  void SetToggleLocked(Modifier key, bool locked) override;
  void AddModifierControls(Modifier key) override;
  void RemoveModifierControls(Modifier key) override;
  void ShowStripActive(bool active) override;
  void SetStripTooltip(const Text& text) override;
  void SetCloseName(const Text& name) override;
  void RecreateFonts() override;
  Bounds GetBounds(Control control) override;
  void SetBounds(Control control, const Bounds& b) override;
  ImageHandle CompactImage(int state) override { return 0x300 + static_cast<ImageHandle>(state); }
  ImageHandle DoubleImage(int index) override { return 0x400 + static_cast<ImageHandle>(index); }
  void LoadBankPicture(ImageBank bank, int index, const Text& path) override;
  // Menu
  void SetChecked(MenuItem item, bool on) override;
  void SetEnabled(MenuItem item, bool enabled) override;
  void SetCaption(MenuItem item, const Text& caption) override;
  void AddLatchItem(MenuItem item, const Text& caption) override;
  void RemoveLatchItem(MenuItem item) override;
  std::optional<MenuItem> PopupAtCursor() override;
  // Timer
  void SetInterval(std::uint32_t milliseconds) override;
  void Enable() override;
  // Tray: "tray add CTRL 300 '<tip>'", the picture in hex.
  bool AddIcon(Modifier icon, ImageHandle picture, const Text& tip) override;
  void UpdateIcon(Modifier icon, ImageHandle picture, const Text& tip) override;
  void RemoveIcon(Modifier icon) override;
  void ShowBalloon(Modifier icon, const Text& title, const Text& text) override;
  // AnsiText: UTF-8 stands in for the code page, so anything beyond ASCII takes several bytes.
  std::string Encode(const Text& text) override;
  Text Decode(const std::string& ansi) override;
  // AppFiles
  Text AppPath() override { return app_path; }
  Text AppExeName() override { return exe_name; }
  void ReadProfileKey(const std::string& section, const std::string& key, const std::string& fallback,
                        char* buffer, std::uint32_t size, const std::string& path) override;
  bool WriteProfileKey(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& path) override;
  bool PathExists(const std::string& path) override;
  // InputHooks
  void InstallInputHooks() override;
  void RemoveInputHooks() override;
  void RequestLatchRelease() override;
  bool IsOwnPlace(int x, int y) override;
  DoubleClickLimits DoubleClick() override { return double_click; }
  bool ReadWholeFile(const Text& path, std::string* bytes) override;
  // Shell
  void OpenAddress(WindowHandle owner, const std::string& address, const std::string& directory) override;
  void PutOnClipboard(WindowHandle owner, const Text& text) override;
  void BeepInformation() override;
  void PlayLatchSound(LatchSound sound) override;
  void OpenWinHelpContents(WindowHandle owner, const std::string& path) override;
  // Dialogs
  bool AboutExists() override { return about_exists; }
  void LoadAbout(Language language) override;
  void ShowAbout() override;
  void ShowHelp(const std::vector<HelpTopic>& topics, Language language) override;
  void ShowHelpMessage(const Text& text, Language language) override;
  void CloseWindows() override;
  void ShowNotice(const Text& text) override;
  // StartupEntry
  std::optional<Text> Command() override { return startup_command; }
  void SetCommand(const Text& command) override;
  void RemoveCommand() override;
  bool SwitchedOff() override { return startup_switched_off; }
  void SwitchOn() override;
  bool FileExists(const Text& path) override;
  bool SamePath(const Text& a, const Text& b) override;
  Text ExecutablePath() override { return exe_path; }
  // FileSystem
  std::optional<FileId> IdOf(const Text& path) override;
  Text NormalizedPath(const Text& path) override;

  // Elevation and its display. The window in front as the next comparisons find it (the last
  // entry stays); whether we run elevated; whether a restart gets past the system's prompt.
  std::deque<FrontWindow> front_windows{{FrontLevel::kNotHigher, 0x6000, u""}};
  bool elevated = false;
  bool restart_accepted = true;
  std::vector<std::string> key_balloons;  // "index title|text" of each balloon at a button
  Text strip_mark;
  FrontWindow CompareFrontWindow() override;
  bool RunsElevated() override { return elevated; }
  bool RestartElevated(WindowHandle owner) override;
  void ShowKeyBalloon(Modifier key, const Text& title, const Text& text) override;
  void HideKeyBalloon() override;
  void MarkStrip(const Text& mark) override;

 private:
  friend class FakeAboutWindow;
  PlaceFactors Factors();
  void Note(int& counter, const std::string& entry);
  std::string Suffix(WindowHandle window) const;  // " <handle>" for a window not the main one
  void NoteIcon(const char* what, Modifier icon, ImageHandle picture, const Text& tip);
  Platform platform_;
};

// The About window's surfaces, logging into the fake's log as "about ..." lines. Text is measured
// at char_width pixels a character and text_height pixels high.
class FakeAboutWindow : public AboutWindow {
 public:
  explicit FakeAboutWindow(FakePlatform& fake) : fake_(fake) {}

  WindowHandle handle = 0x5000;
  WindowHandle pointer_window = 0;  // what WindowUnderPointer finds
  std::map<AboutSurface, Extent> interior{{AboutSurface::FormInfo, {445, 172}},
                                          {AboutSurface::WebInfo0, {176, 16}},
                                          {AboutSurface::WebInfo1, {176, 16}},
                                          {AboutSurface::Picture2, {97, 25}}};
  int char_width = 6;
  int text_height = 12;
  Text version_caption = u"バージョン情報　:　";
  Bounds panel{4, 16, 435, 151};
  bool copy_menu_choice = false;

  WindowHandle AboutHandle() override { return handle; }
  WindowHandle SurfaceWindow(AboutSurface surface) override;
  WindowHandle WindowUnderPointer() override { return pointer_window; }
  Extent InteriorSize(AboutSurface surface) override { return interior[surface]; }
  Extent MeasureText(AboutSurface surface, const Text& text) override;
  void Clear(AboutSurface surface) override;
  void SetFontUnderline(AboutSurface surface, bool underline) override;
  void SetTextColor(AboutSurface surface, std::uint32_t color) override;
  void PrintAt(AboutSurface surface, int x, int y, const Text& text) override;
  Text VersionCaption() override { return version_caption; }
  void SetVersionCaption(const Text& caption) override;
  Bounds PanelBounds() override { return panel; }
  void SetPanelLeft(int left) override;
  void SetOuterSizeTwips(double width, double height) override;
  Dpi AboutDpi() override { return fake_.dpi; }
  void CopyLinkCursorToMailLink() override;
  void ShowAppIcon() override;
  void StartHoverTimer() override;
  bool PopupCopyMenu(const Text& caption) override;
  void HoldMouse() override;
  void ReleaseMouse() override;
  void Close() override;

 private:
  void Note(const std::string& entry);
  FakePlatform& fake_;
};

std::string Narrow(const Text& text);

// The log's words for keys: "read SHIFT", "key-down SHIFT", "key-up LALT ours". The latch keys
// are named by their own key here, so a wrong row in the key table shows in the log.
std::string KeyName(std::uint8_t vk);
// A key's name in the log of its controls: "value SHIFT 1", "add-controls ALT".
std::string Label(Modifier key);
constexpr bool kOurs = true;
std::string KeyDown(Modifier key, bool ours = false);
std::string KeyUp(Modifier key, bool ours = false);
constexpr char kMaskDown[] = "key-down MASK ours";  // always ours
constexpr char kMaskUp[] = "key-up MASK ours";
std::string MenuItemName(MenuItem item);

}  // namespace modlatch::testing
