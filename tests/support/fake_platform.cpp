#include "support/fake_platform.h"

#include <cstdio>
#include <algorithm>
#include <cctype>
#include <cstring>

#include "mainwindow/twips.h"

namespace modlatch::testing {
namespace {

std::string Hex(std::uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(value));
  return buffer;
}

std::string Num(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

const char* const kMenuNames[kAllMenuItemCount] = {
    "mSHIFT", "mCTRL", "mReset", "msep0", "mTop",  "mCenter", "mSizeLock", "msep1", "mMode0", "mMode1",
    "mMode2", "msep2", "mHelp",  "mInfo", "msep3", "mCancel", "mExit",     "mALT",  "mWIN",
    "mOptions", "mOptNoActivate", "mOptOneShot", "mOptLatchAlt", "mOptLatchWin", "mOptSounds",
    "mLangJapanese", "mLangEnglish", "mOptSignInStart", "mRestartAdmin", "mOptAutoRelease"};

const char* const kIconNames[] = {"CTRL", "SHIFT", "ALT", "WIN"};  // by IndexOf

const char* ControlName(Control control) {
  switch (control) {
    case Control::Check1_0:
      return "Check1(0)";
    case Control::Check1_1:
      return "Check1(1)";
    case Control::Picture4:
      return "Picture4";
    case Control::Command1:
      return "Command1";
    case Control::Check1_2:
      return "Check1(2)";
    case Control::Check1_3:
      return "Check1(3)";
  }
  return "?";
}

}  // namespace

std::string Narrow(const Text& text) {
  std::string out;
  for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

std::string MenuItemName(MenuItem item) { return kMenuNames[static_cast<int>(item)]; }

std::string KeyName(std::uint8_t vk) {
  switch (vk) {
    case 0x04:
      return "MBUTTON";
    case 0x10:
      return "SHIFT";
    case 0x11:
      return "CTRL";
    case 0x12:
      return "ALT";
    case 0x5B:
      return "LWIN";
    case 0x5C:
      return "RWIN";
    case 0xA4:
      return "LALT";
    case 0xE8:
      return "MASK";
    default:
      return Hex(vk);
  }
}

std::string Label(Modifier key) {
  static const char* const kLabels[] = {"CTRL", "SHIFT", "ALT", "WIN"};
  return kLabels[IndexOf(key)];
}

std::string KeyDown(Modifier key, bool ours) {
  static const char* const kNames[] = {"CTRL", "SHIFT", "LALT", "LWIN"};
  return std::string("key-down ") + kNames[IndexOf(key)] + (ours ? " ours" : "");
}

std::string KeyUp(Modifier key, bool ours) { return "key-up" + KeyDown(key, ours).substr(8); }

FakePlatform::FakePlatform()
    : platform_{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this,
                *this} {
  bounds[Control::Check1_0] = {136, 0, 113, 33};
  bounds[Control::Check1_1] = {24, 0, 113, 33};
  bounds[Control::Picture4] = {2, 0, 17, 33};
  bounds[Control::Command1] = {2, 2, 14, 13};
}

void FakePlatform::Note(int& counter, const std::string& entry) {
  ++counter;
  if (keep_log) log.push_back(entry);
}

void FakePlatform::ClearLog() { log.clear(), key_queries = key_events = ui_calls = tray_calls = 0; }

std::vector<std::string> FakePlatform::Matching(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& line : log) {
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  }
  return out;
}

KeyReading FakePlatform::ReadKey(std::uint8_t virtual_key) {
  if (keep_log) log.push_back("read " + KeyName(virtual_key));
  ++key_queries;
  return keys[virtual_key];
}

std::uint32_t FakePlatform::MillisecondsSinceInput() {
  if (keep_log) log.push_back("idle time");
  return idle_ms;
}

void FakePlatform::SendKeys(const KeyStroke* sent, std::size_t count) {
  idle_ms = 0;
  for (const KeyStroke& stroke : std::vector<KeyStroke>(sent, sent + count)) {
    Note(key_events, (stroke.up ? "key-up " : "key-down ") + KeyName(stroke.virtual_key) + (stroke.ours ? " ours" : ""));
    strokes.push_back(stroke);
    const std::uint8_t vk = stroke.virtual_key;
    keys[vk] = KeyReading{!stroke.up, false};
    // As the system does, the left or right SHIFT, CTRL or ALT moves the key that covers both.
    if (vk >= 0xA0 && vk <= 0xA5) keys[vk::kShift + (vk - 0xA0) / 2] = keys[vk];
  }
}

std::string FakePlatform::Suffix(WindowHandle window) const { return window == handle ? "" : " " + Hex(window); }

void FakePlatform::ShowTitleBar(WindowHandle window, bool show) {
  Note(ui_calls, std::string("title bar ") + (show ? "on" : "off") + Suffix(window));
}

void FakePlatform::SetTopmost(WindowHandle window, bool on) {
  Note(ui_calls, std::string("topmost ") + (on ? "on" : "off") + Suffix(window));
}

void FakePlatform::BringToFront(WindowHandle window, bool activate) {
  Note(ui_calls, std::string("front") + (activate ? " activate" : "") + Suffix(window));
  if (activate) foreground = window;
}

void FakePlatform::BeginDrag(WindowHandle window) { Note(ui_calls, "drag" + Suffix(window)); }

WindowHandle FakePlatform::ForegroundWindow() {
  ++ui_calls;
  if (keep_log) log.push_back("foreground");
  return foreground;
}

void FakePlatform::QueryWorkArea(Rect* area) {
  Note(ui_calls, "workarea");
  if (!work_area_fails) *area = work_area;
}

void FakePlatform::Show() { Note(ui_calls, "show"), visible = true; }
void FakePlatform::Hide() { Note(ui_calls, "hide"), visible = false; }
void FakePlatform::PreventActivation() { Note(ui_calls, "noactivate"), no_activate = true; }
void FakePlatform::AllowActivation() { Note(ui_calls, "activate"), no_activate = false; }
void FakePlatform::Unload() { Note(ui_calls, "unload"), ++unload_requests; }
void FakePlatform::EndProcess() { Note(ui_calls, "end"), ended = true; }

// In whole pixels each edge converts as the real window's does (MainWindowFactors).
PlaceFactors FakePlatform::Factors() { return MainWindowFactors(*this, outer.left, outer.top); }
double FakePlatform::Left() { return whole_pixels ? outer.left * Factors().left : left; }
double FakePlatform::Top() { return whole_pixels ? outer.top * Factors().top : top; }
double FakePlatform::Width() { return whole_pixels ? (outer.right - outer.left) * Factors().width : width; }
double FakePlatform::Height() { return whole_pixels ? (outer.bottom - outer.top) * Factors().height : height; }
void FakePlatform::SetLeft(double twips) {
  Note(ui_calls, "left " + Num(twips)), left = twips;
  outer = MovedMainWindow(*this, outer, WindowPixels(twips, Factors().left), outer.top);
}
void FakePlatform::SetTop(double twips) {
  Note(ui_calls, "top " + Num(twips)), top = twips;
  outer = MovedMainWindow(*this, outer, outer.left, WindowPixels(twips, Factors().top));
}
void FakePlatform::SetWidth(double twips) {
  Note(ui_calls, "width " + Num(twips)), width = twips;
  outer.right = outer.left + WindowPixels(twips, Factors().width);
}
void FakePlatform::SetHeight(double twips) {
  Note(ui_calls, "height " + Num(twips)), height = twips;
  outer.bottom = outer.top + WindowPixels(twips, Factors().height);
}

void FakePlatform::PlacePixels(const Rect& r) {
  Note(ui_calls, "place " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                     "," + std::to_string(r.bottom));
  outer = r;
  // Held as the real window holds it: pixels, read at the window's DPI.
  left = r.left * TwipsPerPixel(dpi.x);
  top = r.top * TwipsPerPixel(dpi.y);
  width = (r.right - r.left) * TwipsPerPixel(dpi.x);
  height = (r.bottom - r.top) * TwipsPerPixel(dpi.y);
}

void FakePlatform::SetSizeLimits(const std::optional<WindowLimits>& l) {
  Note(ui_calls, l ? "limits " + std::to_string(l->min_width) + "x" + std::to_string(l->min_height) + "-" +
                         std::to_string(l->max_width) + "x" + std::to_string(l->max_height)
                   : "limits none");
}

void FakePlatform::RecreateFonts() { Note(ui_calls, "fonts " + std::to_string(dpi.x)); }

bool FakePlatform::ToggleValue(Modifier key) {
  ++ui_calls;
  return toggle_value[IndexOf(key)];
}

void FakePlatform::SetToggleValue(Modifier key, bool down) {
  Note(ui_calls, "value " + Label(key) + " " + (down ? "1" : "0"));
  toggle_value[IndexOf(key)] = down;
}

void FakePlatform::SetToggleBackColor(Modifier key, ColorValue color) {
  Note(ui_calls, "backcolor " + Label(key) + " " + Hex(static_cast<std::uint32_t>(color)));
  back_color[IndexOf(key)] = color;
}

void FakePlatform::SetToggleForeColor(Modifier key, ColorValue color) {
  Note(ui_calls, "forecolor " + Label(key) + " " + Hex(static_cast<std::uint32_t>(color)));
  fore_color[IndexOf(key)] = color;
}

void FakePlatform::SetToggleCaption(Modifier key, const Text& text) {
  Note(ui_calls, "caption " + Label(key) + " " + Narrow(text));
  caption[IndexOf(key)] = text;
}

void FakePlatform::SetToggleLocked(Modifier key, bool locked) {
  Note(ui_calls, "locked " + Label(key) + " " + (locked ? "1" : "0"));
  toggle_locked[IndexOf(key)] = locked;
}

void FakePlatform::AddModifierControls(Modifier key) {
  Note(ui_calls, "add-controls " + Label(key));
  // Created as the window design places new buttons: right of the others, until laid out.
  bounds[key == Modifier::Alt ? Control::Check1_2 : Control::Check1_3] = {248, 0, 113, 33};
}

void FakePlatform::RemoveModifierControls(Modifier key) {
  Note(ui_calls, "remove-controls " + Label(key));
  bounds.erase(key == Modifier::Alt ? Control::Check1_2 : Control::Check1_3);
  // A new button is made with the design's caption and colours.
  const int index = IndexOf(key);
  caption[index] = key == Modifier::Alt ? u"ALT" : u"WIN";
  back_color[index] = fore_color[index] = -1;
  toggle_value[index] = false;
}

void FakePlatform::ShowStripActive(bool active) {
  Note(ui_calls, active ? "strip active" : "strip inactive");
  strip_active = active;
}

void FakePlatform::SetStripTooltip(const Text& text) {
  Note(ui_calls, "striptip " + Narrow(text));
  strip_tooltip = text;
}

void FakePlatform::SetCloseName(const Text& name) { Note(ui_calls, "closename " + Encode(name)), close_name = name; }
Bounds FakePlatform::GetBounds(Control control) { return bounds[control]; }

void FakePlatform::SetBounds(Control control, const Bounds& b) {
  Note(ui_calls, std::string("bounds ") + ControlName(control) + " " + std::to_string(b.left) + "," +
                     std::to_string(b.top) + "," + std::to_string(b.width) + "," + std::to_string(b.height));
  bounds[control] = b;
}

void FakePlatform::SetChecked(MenuItem item, bool on) {
  Note(ui_calls, "check " + MenuItemName(item) + " " + (on ? "1" : "0"));
  if (on) {
    checked.insert(item);
  } else {
    checked.erase(item);
  }
}

void FakePlatform::SetEnabled(MenuItem item, bool enabled) {
  Note(ui_calls, "enable " + MenuItemName(item) + " " + (enabled ? "1" : "0"));
  if (enabled) {
    disabled.erase(item);
  } else {
    disabled.insert(item);
  }
}

void FakePlatform::SetCaption(MenuItem item, const Text& caption) {
  Note(ui_calls, "caption " + MenuItemName(item) + " " + Encode(caption));
  menu_captions[item] = caption;
}

void FakePlatform::AddLatchItem(MenuItem item, const Text& caption) {
  Note(ui_calls, "menu-add " + MenuItemName(item) + " " + Encode(caption));
  latch_items.insert(item);
  menu_captions[item] = caption;
}

void FakePlatform::RemoveLatchItem(MenuItem item) {
  Note(ui_calls, "menu-remove " + MenuItemName(item));
  latch_items.erase(item);
  checked.erase(item);
  menu_captions.erase(item);
}

std::optional<MenuItem> FakePlatform::PopupAtCursor() {
  Note(ui_calls, "popup");
  if (while_popup_open) while_popup_open();
  if (popup_choices.empty()) return std::nullopt;
  const std::optional<MenuItem> choice = popup_choices.front();
  popup_choices.pop_front();
  return choice;
}

void FakePlatform::SetInterval(std::uint32_t milliseconds) {
  Note(ui_calls, "interval " + std::to_string(milliseconds));
  interval = milliseconds;
}

void FakePlatform::Enable() { Note(ui_calls, "timer on"), timer_enabled = true; }

void FakePlatform::NoteIcon(const char* what, Modifier icon, ImageHandle picture, const Text& tip) {
  Note(tray_calls, std::string("tray ") + what + " " + kIconNames[IndexOf(icon)] + " " + Hex(picture) + " '" +
                       Utf8(tip) + "'");
}

bool FakePlatform::AddIcon(Modifier icon, ImageHandle picture, const Text& tip) {
  NoteIcon("add", icon, picture, tip);
  return tray_refusals == 0 || --tray_refusals < 0;
}

void FakePlatform::UpdateIcon(Modifier icon, ImageHandle picture, const Text& tip) {
  NoteIcon("update", icon, picture, tip);
}

void FakePlatform::RemoveIcon(Modifier icon) {
  Note(tray_calls, std::string("tray remove ") + kIconNames[IndexOf(icon)]);
}

void FakePlatform::ShowBalloon(Modifier icon, const Text& title, const Text& text) {
  Note(tray_calls, std::string("tray balloon ") + kIconNames[IndexOf(icon)] + " " + Utf8(title) + "|" + Utf8(text));
}

std::string FakePlatform::Encode(const Text& text) {
  Text mapped = text;
  for (char16_t& c : mapped) {
    if (not_in_code_page.find(c) != Text::npos) c = u'?';
  }
  return Utf8(mapped);
}

std::string FakePlatform::Utf8(const Text& text) {
  std::string out;
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

Text FakePlatform::Decode(const std::string& ansi) {
  // A sequence cut short or malformed becomes U+FFFD, as the system's conversion does.
  Text out;
  for (std::size_t i = 0; i < ansi.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(ansi[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
    bool whole = length != 0 && i + length <= ansi.size();
    for (std::size_t k = 1; whole && k < length; ++k) whole = (byte(i + k) & 0xC0) == 0x80;
    if (!whole) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : (lead & 0x0F);
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    out += static_cast<char16_t>(c);
    i += length;
  }
  return out;
}

bool NoCase::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

void FakePlatform::SetIniText(const std::string& path, const std::string& text) {
  IniFile& file = ini_files[path];
  file.clear();
  IniSection* section = nullptr;
  const auto trim = [](std::string s) {
    const std::size_t begin = s.find_first_not_of(" \t\r");
    const std::size_t end = s.find_last_not_of(" \t\r");
    return begin == std::string::npos ? std::string() : s.substr(begin, end - begin + 1);
  };
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trim(text.substr(start, end - start));
    start = end + 1;
    const std::size_t close = line.find(']');
    if (!line.empty() && line[0] == '[' && close != std::string::npos) {
      section = &file[trim(line.substr(1, close - 1))];
    } else if (section != nullptr && line.find('=') != std::string::npos) {
      const std::size_t equals = line.find('=');
      (*section)[trim(line.substr(0, equals))] = trim(line.substr(equals + 1));
    }
  }
}

void FakePlatform::ReadProfileKey(const std::string& section, const std::string& key, const std::string& fallback,
                                    char* buffer, std::uint32_t size, const std::string& path) {
  Note(ui_calls, "ini-read " + section + " " + key + " [" + fallback + "] " + path);
  std::string value = fallback;
  const auto file = ini_files.find(path);
  if (file != ini_files.end()) {
    const auto found_section = file->second.find(section);
    if (found_section != file->second.end()) {
      const auto found_key = found_section->second.find(key);
      if (found_key != found_section->second.end()) value = found_key->second;
    }
  }
  if (size == 0) return;
  const std::size_t length = std::min<std::size_t>(value.size(), size - 1);
  std::memcpy(buffer, value.data(), length);
  buffer[length] = '\0';
}

bool FakePlatform::WriteProfileKey(const std::string& section, const std::string& key, const std::string& value,
                                      const std::string& path) {
  Note(ui_calls, "ini-write " + section + " " + key + " " + value + " " + path);
  if (ini_read_only) return false;
  ini_files[path][section][key] = value;
  return true;
}

bool FakePlatform::PathExists(const std::string& path) {
  Note(ui_calls, "exists " + path);
  return existing_paths.count(path) != 0;
}

Dpi FakePlatform::MonitorDpiAt(std::int32_t x, std::int32_t y) {
  for (std::size_t i = 0; i < monitors.size() && i < monitor_dpis.size(); ++i) {
    const Rect& m = monitors[i];
    if (x >= m.left && x < m.right && y >= m.top && y < m.bottom) return monitor_dpis[i];
  }
  return dpi;
}

bool FakePlatform::OnAnyMonitor(const Rect& rect) {
  Note(ui_calls, "onmonitor " + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
                     std::to_string(rect.right) + "," + std::to_string(rect.bottom));
  for (const Rect& m : monitors) {
    if (rect.left < m.right && rect.right > m.left && rect.top < m.bottom && rect.bottom > m.top) return true;
  }
  return false;
}

void FakePlatform::LoadBankPicture(ImageBank bank, int index, const Text& path) {
  Note(ui_calls, std::string("picture ") + (bank == ImageBank::Picture2 ? "Picture2(" : "Picture3(") +
                     std::to_string(index) + ") " + Encode(path));
}

void FakePlatform::InstallInputHooks() { Note(ui_calls, "hooks on"), hooks_installed = true; }
void FakePlatform::RemoveInputHooks() { Note(ui_calls, "hooks off"), hooks_installed = false; }

// Counted, not logged: it comes from inside a hook, on every key while a latch is used.
void FakePlatform::RequestLatchRelease() { ++release_requests; }

bool FakePlatform::IsOwnPlace(int x, int y) {
  for (const Rect& r : own_places) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

bool FakePlatform::ReadWholeFile(const Text& wide_path, std::string* bytes) {
  const std::string path = Utf8(wide_path);
  Note(ui_calls, "read " + path);
  const auto found = file_contents.find(path);
  if (found == file_contents.end()) return false;
  *bytes = found->second;
  return true;
}

void FakePlatform::OpenAddress(WindowHandle owner, const std::string& address, const std::string& directory) {
  Note(ui_calls, "open " + Hex(owner) + " " + address + " from " + directory);
}

void FakePlatform::PutOnClipboard(WindowHandle owner, const Text& text) {
  Note(ui_calls, "clipboard " + Hex(owner) + " " + Encode(text));
  clipboard = text;
}

void FakePlatform::BeepInformation() { Note(ui_calls, "beep information"); }

void FakePlatform::PlayLatchSound(LatchSound sound) {
  const char* const names[] = {"latch", "lock", "release"};
  Note(ui_calls, std::string("sound ") + names[static_cast<int>(sound)]);
}

void FakePlatform::OpenWinHelpContents(WindowHandle owner, const std::string& path) {
  Note(ui_calls, "winhelp contents " + Hex(owner) + " " + path);
}

void FakePlatform::LoadAbout(Language language) {
  Note(ui_calls, language == Language::kEnglish ? "about-load en" : "about-load");
  about_exists = true;
}

void FakePlatform::ShowAbout() { Note(ui_calls, "about-show"); }

void FakePlatform::ShowHelp(const std::vector<HelpTopic>& topics, Language language) {
  Note(ui_calls, "help-window " + std::to_string(topics.size()) + (language == Language::kEnglish ? " en" : ""));
  help_topics = topics;
}

void FakePlatform::ShowHelpMessage(const Text& text, Language language) {
  Note(ui_calls, std::string(language == Language::kEnglish ? "help-message en " : "help-message ") + Encode(text));
}

void FakePlatform::CloseWindows() { Note(ui_calls, "close-windows"), about_exists = false; }
void FakePlatform::ShowNotice(const Text& text) { Note(ui_calls, "notice " + Encode(text)); }

void FakePlatform::SetCommand(const Text& command) {
  Note(ui_calls, "startup-set " + Utf8(command));
  startup_command = command;
}

void FakePlatform::RemoveCommand() {
  Note(ui_calls, "startup-remove");
  startup_command.reset();
}

void FakePlatform::SwitchOn() {
  Note(ui_calls, "startup-on");
  startup_switched_off = false;
}

bool FakePlatform::FileExists(const Text& path) {
  return std::any_of(existing_paths.begin(), existing_paths.end(),
                     [&](const std::string& existing) { return SamePath(Decode(existing), path); });
}

bool FakePlatform::SamePath(const Text& a, const Text& b) {
  const auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) {
           return fold(x) == fold(y);
         });
}

namespace {

const char* SurfaceName(AboutSurface surface) {
  switch (surface) {
    case AboutSurface::FormInfo:
      return "FormInfo";
    case AboutSurface::WebInfo0:
      return "WebInfo0";
    case AboutSurface::WebInfo1:
      return "WebInfo1";
    case AboutSurface::Picture2:
      return "Picture2";
  }
  return "?";
}

}  // namespace

void FakeAboutWindow::Note(const std::string& entry) { fake_.Note(fake_.ui_calls, "about " + entry); }

WindowHandle FakeAboutWindow::SurfaceWindow(AboutSurface surface) {
  return handle + 0x100 + static_cast<WindowHandle>(surface);
}

Extent FakeAboutWindow::MeasureText(AboutSurface, const Text& text) {
  return Extent{char_width * static_cast<int>(text.size()), text_height};
}

void FakeAboutWindow::Clear(AboutSurface surface) { Note(std::string("clear ") + SurfaceName(surface)); }

void FakeAboutWindow::SetFontUnderline(AboutSurface surface, bool underline) {
  Note(std::string("underline ") + SurfaceName(surface) + (underline ? " 1" : " 0"));
}

void FakeAboutWindow::SetTextColor(AboutSurface surface, std::uint32_t color) {
  Note(std::string("color ") + SurfaceName(surface) + " " + Hex(color));
}

void FakeAboutWindow::PrintAt(AboutSurface surface, int x, int y, const Text& text) {
  Note(std::string("print ") + SurfaceName(surface) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
       fake_.Encode(text));
}

void FakeAboutWindow::SetVersionCaption(const Text& caption) {
  Note("version " + fake_.Encode(caption));
  version_caption = caption;
}

void FakeAboutWindow::SetPanelLeft(int left) { Note("panel-left " + std::to_string(left)), panel.left = left; }
void FakeAboutWindow::SetOuterSizeTwips(double width, double height) { Note("size " + Num(width) + "x" + Num(height)); }
void FakeAboutWindow::CopyLinkCursorToMailLink() { Note("mail-cursor"); }
void FakeAboutWindow::ShowAppIcon() { Note("app-icon"); }
void FakeAboutWindow::StartHoverTimer() { Note("timer on"); }

bool FakeAboutWindow::PopupCopyMenu(const Text& caption) {
  Note("copy-menu " + fake_.Encode(caption));
  return copy_menu_choice;
}

void FakeAboutWindow::HoldMouse() { Note("hold-mouse"); }
void FakeAboutWindow::ReleaseMouse() { Note("release-mouse"); }
void FakeAboutWindow::Close() { Note("close"); }

std::optional<FileId> FakePlatform::IdOf(const Text& path) {
  const auto it = file_ids.find(path);
  if (it == file_ids.end()) return std::nullopt;
  return it->second;
}

Text FakePlatform::NormalizedPath(const Text& path) {
  const auto it = normalized_paths.find(path);
  return it == normalized_paths.end() ? path : it->second;
}

FrontWindow FakePlatform::CompareFrontWindow() {
  Note(ui_calls, "front-level");
  const FrontWindow front = front_windows.front();
  if (front_windows.size() > 1) front_windows.pop_front();
  return front;
}

bool FakePlatform::RestartElevated(WindowHandle owner) {
  Note(ui_calls, "restart-elevated " + Hex(owner));
  return restart_accepted;
}

void FakePlatform::ShowKeyBalloon(Modifier key, const Text& title, const Text& text) {
  Note(ui_calls, "button-balloon " + Label(key));
  key_balloons.push_back("button " + Label(key) + " " + Utf8(title) + "|" + Utf8(text));
}

void FakePlatform::HideKeyBalloon() { Note(ui_calls, "button-balloon hide"); }
void FakePlatform::MarkStrip(const Text& mark) { Note(ui_calls, "strip-mark " + Utf8(mark)), strip_mark = mark; }

}  // namespace modlatch::testing
