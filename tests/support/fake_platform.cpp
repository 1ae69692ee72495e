#include "support/fake_platform.h"

#include <cstdio>
#include <cstring>

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

const char* const kMenuNames[kMenuItemCount] = {
    "mSHIFT", "mCTRL", "mReset", "msep0", "mTop",    "mCenter", "mSizeLock", "msep1", "mMode0",
    "mMode1", "mMode2", "msep2", "mHelp", "mInfo", "msep3",   "mCancel",   "mExit"};

const char* ControlName(Control control) {
  switch (control) {
    case Control::Check1_0:
      return "Check1(0)";
    case Control::Check1_1:
      return "Check1(1)";
    case Control::Picture4:
      return "Picture4";
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

FakePlatform::FakePlatform() : platform_{*this, *this, *this, *this, *this, *this, *this, *this} {
  bounds[Control::Check1_0] = {136, 0, 113, 33};
  bounds[Control::Check1_1] = {24, 0, 113, 33};
  bounds[Control::Picture4] = {2, 0, 17, 33};
}

void FakePlatform::Note(int& counter, const std::string& entry) {
  ++counter;
  if (keep_log) log.push_back(entry);
}

void FakePlatform::ClearLog() {
  log.clear();
  key_queries = key_events = ui_calls = tray_calls = 0;
}

std::vector<std::string> FakePlatform::Matching(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& line : log) {
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  }
  return out;
}

std::int16_t FakePlatform::AsyncKeyState(std::uint8_t virtual_key) {
  if (keep_log) log.push_back("query " + Hex(virtual_key));
  ++key_queries;
  return keys[virtual_key];
}

void FakePlatform::InjectKey(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                             std::uintptr_t extra_info) {
  Note(key_events, "inject " + Hex(virtual_key) + " " + Hex(scan_code) + " " + Hex(flags) + " " + Hex(extra_info));
  keys[virtual_key] = (flags & key_event::kKeyUp) ? 0 : static_cast<std::int16_t>(0x8000);
}

std::int32_t FakePlatform::GetStyle(WindowHandle window) { return styles[window]; }

void FakePlatform::SetStyle(WindowHandle window, std::int32_t style) {
  Note(ui_calls, "style " + Hex(window) + " " + Hex(static_cast<std::uint32_t>(style)));
  styles[window] = style;
}

void FakePlatform::SetPosition(WindowHandle window, WindowHandle insert_after, int x, int y, int cx, int cy,
                               std::uint32_t flags) {
  Note(ui_calls, "setpos " + Hex(window) + " after=" + std::to_string(static_cast<std::intptr_t>(insert_after)) +
                     " " + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(cx) + "," +
                     std::to_string(cy) + " flags=" + Hex(flags));
}

void FakePlatform::ReleaseMouseCapture() { Note(ui_calls, "releasecapture"); }

std::intptr_t FakePlatform::SendToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                                         std::intptr_t lparam) {
  Note(ui_calls, "send " + Hex(window) + " " + Hex(message) + " " + Hex(wparam) + " " + Hex(lparam));
  return 0;
}

WindowHandle FakePlatform::ForegroundWindow() {
  ++ui_calls;
  if (keep_log) log.push_back("foreground");
  return foreground;
}

void FakePlatform::QueryWorkArea(Rect* area) {
  Note(ui_calls, "workarea");
  if (!work_area_fails) *area = work_area;
}

std::uintptr_t FakePlatform::InstallSizeLimitProcedure(WindowHandle window) {
  Note(ui_calls, "install-proc " + Hex(window));
  const std::uintptr_t previous = window_procedure;
  window_procedure = size_limit_procedure;
  return previous;
}

void FakePlatform::RestoreWindowProcedure(WindowHandle window, std::uintptr_t procedure) {
  Note(ui_calls, "restore-proc " + Hex(window) + " " + Hex(procedure));
  window_procedure = procedure;
}

std::intptr_t FakePlatform::CallWindowProcedure(std::uintptr_t procedure, WindowHandle window,
                                                std::uint32_t message, std::uintptr_t wparam,
                                                std::intptr_t lparam) {
  Note(ui_calls, "callproc " + Hex(procedure) + " " + Hex(window) + " " + Hex(message));
  proc_wparam = wparam;
  proc_lparam = lparam;
  return 77;
}

void FakePlatform::Show() {
  Note(ui_calls, "show");
  visible = true;
}

void FakePlatform::Hide() {
  Note(ui_calls, "hide");
  visible = false;
}

bool FakePlatform::IsVisible() {
  ++ui_calls;
  return visible;
}

void FakePlatform::Unload() { Note(ui_calls, "unload"), ++unload_requests; }

void FakePlatform::EndProcess() {
  Note(ui_calls, "end");
  ended = true;
}

void FakePlatform::SetLeft(double twips) { Note(ui_calls, "left " + Num(twips)), left = twips; }
void FakePlatform::SetTop(double twips) { Note(ui_calls, "top " + Num(twips)), top = twips; }
void FakePlatform::SetWidth(double twips) { Note(ui_calls, "width " + Num(twips)), width = twips; }
void FakePlatform::SetHeight(double twips) { Note(ui_calls, "height " + Num(twips)), height = twips; }

bool FakePlatform::ToggleValue(int index) {
  ++ui_calls;
  return toggle_value[index];
}

void FakePlatform::SetToggleValue(int index, bool down) {
  Note(ui_calls, "value " + std::to_string(index) + " " + (down ? "1" : "0"));
  toggle_value[index] = down;
}

void FakePlatform::SetToggleBackColor(int index, ColorValue color) {
  Note(ui_calls, "backcolor " + std::to_string(index) + " " + Hex(static_cast<std::uint32_t>(color)));
  back_color[index] = color;
}

void FakePlatform::SetToggleForeColor(int index, ColorValue color) {
  Note(ui_calls, "forecolor " + std::to_string(index) + " " + Hex(static_cast<std::uint32_t>(color)));
  fore_color[index] = color;
}

void FakePlatform::SetToggleCaption(int index, const Text& text) {
  Note(ui_calls, "caption " + std::to_string(index) + " " + Narrow(text));
  caption[index] = text;
}

void FakePlatform::SetStripColor(std::uint32_t color) {
  // Called on every tick: the benchmark must not count the fake's own strings.
  ++ui_calls;
  if (keep_log) log.push_back("stripcolor " + Hex(color));
  strip_color = color;
}

void FakePlatform::SetStripTooltip(const Text& text) {
  Note(ui_calls, "striptip " + Narrow(text));
  strip_tooltip = text;
}

Bounds FakePlatform::GetBounds(Control control) { return bounds[control]; }

void FakePlatform::SetBounds(Control control, const Bounds& b) {
  Note(ui_calls, std::string("bounds ") + ControlName(control) + " " + std::to_string(b.left) + "," +
                     std::to_string(b.top) + "," + std::to_string(b.width) + "," + std::to_string(b.height));
  bounds[control] = b;
}

void FakePlatform::SetHolderImage(int index, ImageHandle image) {
  Note(ui_calls, "holder " + std::to_string(index) + " " + Hex(image));
  holder_image[index] = image;
}

bool FakePlatform::IsChecked(MenuItem item) {
  ++ui_calls;
  return checked.count(item) != 0;
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

void FakePlatform::Enable() {
  Note(ui_calls, "timer on");
  timer_enabled = true;
}

void FakePlatform::NotifyIcon(std::uint32_t message, const TrayIconData& record) {
  std::uint32_t window = 0;
  std::memcpy(&window, &record.bytes[4], 4);
  static const char* const kNames[] = {"add", "modify", "delete"};
  Note(tray_calls, std::string("tray ") + (message < 3 ? kNames[message] : "?") + " " + Hex(window));
  tray_messages.push_back(message);
  tray_records.push_back(record);
}

AnsiBytes FakePlatform::Encode(const Text& text) {
  const std::string narrow = Narrow(text);
  return AnsiBytes(narrow.begin(), narrow.end());
}

std::optional<FileId> FakePlatform::IdOf(const Text& path) {
  const auto it = file_ids.find(path);
  if (it == file_ids.end()) return std::nullopt;
  return it->second;
}

Text FakePlatform::NormalizedPath(const Text& path) {
  const auto it = normalized_paths.find(path);
  return it == normalized_paths.end() ? path : it->second;
}

}  // namespace modlatch::testing
