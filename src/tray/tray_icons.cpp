#include "tray/tray_icons.h"

#include <algorithm>

#include "form/main_form.h"

namespace modlatch {
namespace {

void Put32(TrayIconData& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record.bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get32(const TrayIconData& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record.bytes[offset + i]) << (8 * i);
  return value;
}

// Handles are 32-bit significant on every Windows, so the low half is the whole handle.
std::uint32_t Low32(std::uintptr_t handle) { return static_cast<std::uint32_t>(handle); }

// The text, one NUL, then blanks to 64 bytes; a longer text is cut so the NUL always fits.
void PutTip(Platform& os, TrayIconData& record, const Text& text) {
  const std::string ansi = os.ansi.Encode(text);
  const std::size_t length = std::min(ansi.size(), tray_record::kTipBytes - 1);
  auto tip = record.bytes.begin() + tray_field::kTip;
  std::copy_n(ansi.begin(), length, tip);
  tip[length] = 0;
  std::fill(tip + length + 1, tip + tray_record::kTipBytes, static_cast<std::uint8_t>(' '));
}

}  // namespace

namespace tray_record {
std::uint32_t Window(const TrayIconData& record) { return Get32(record, tray_field::kWindow); }
std::uint32_t Icon(const TrayIconData& record) { return Get32(record, tray_field::kIcon); }
}  // namespace tray_record

void AddTrayIcon(Platform& os, WindowHandle window, ImageHandle image, const Text& text, TrayIconData& record) {
  Put32(record, tray_field::kSize, tray_record::kSize);
  Put32(record, tray_field::kId, 0);
  Put32(record, tray_field::kWindow, Low32(window));
  Put32(record, tray_field::kCallbackMessage, tray_record::kCallbackMessage);
  Put32(record, tray_field::kIcon, Low32(image));
  PutTip(os, record, text);
  Put32(record, tray_field::kFlags, tray_record::kFlags);
  os.tray.NotifyIcon(tray_message::kAdd, record);
}

void ModifyTrayIcon(Platform& os, WindowHandle /*window*/, ImageHandle image, const Text& text,
                    TrayIconData& record) {
  Put32(record, tray_field::kIcon, Low32(image));
  PutTip(os, record, text);
  Put32(record, tray_field::kFlags, tray_record::kFlags);
  os.tray.NotifyIcon(tray_message::kModify, record);
}

void DeleteTrayIcon(Platform& os, const TrayIconData& record) { os.tray.NotifyIcon(tray_message::kDelete, record); }

void OnTrayCallback(MainForm& form, std::int16_t index, std::uint32_t mouse_message) {
  // The held bit is cleared only after the action returns, so a right button-up with the
  // left still held sees both bits.
  switch (mouse_message) {
    case 0x0201:
      form.TrayButtonsHeld |= 1;
      break;
    case 0x0202:
      HandleIndicatorClick(form, MouseButton::Left, ModifierAt(index));
      form.TrayButtonsHeld &= ~1u;
      break;
    case 0x0204:
      form.TrayButtonsHeld |= 2;
      break;
    case 0x0205:
      HandleIndicatorClick(form, MouseButton::Right, ModifierAt(index));
      form.TrayButtonsHeld &= ~2u;
      break;
    default:
      break;
  }
}

}  // namespace modlatch
