#pragma once
#include <array>
#include <cstdint>
#include <cstddef>

#include "platform/types.h"

namespace modlatch {

// The first-version ANSI notify-icon record, byte for byte (88 bytes, little-endian).
struct TrayIconData {
  std::array<std::uint8_t, 88> bytes{};
};

// Where each field of the record starts.
namespace tray_field {
constexpr std::size_t kSize = 0;
constexpr std::size_t kWindow = 4;
constexpr std::size_t kId = 8;
constexpr std::size_t kFlags = 12;
constexpr std::size_t kCallbackMessage = 16;
constexpr std::size_t kIcon = 20;
constexpr std::size_t kTip = 24;
}  // namespace tray_field

namespace tray_message {
constexpr std::uint32_t kAdd = 0;
constexpr std::uint32_t kModify = 1;
constexpr std::uint32_t kDelete = 2;
}  // namespace tray_message

class Tray {
 public:
  virtual ~Tray() = default;
  virtual void NotifyIcon(std::uint32_t message, const TrayIconData& record) = 0;
  // A balloon notification on the icon the record stands for; the record itself is not changed.
  virtual void ShowBalloon(const TrayIconData& record, const Text& title, const Text& text) = 0;
};

}  // namespace modlatch
