#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace modlatch {

// The first-version ANSI notify-icon record, byte for byte (88 bytes, little-endian).
struct TrayIconData {
  std::array<std::uint8_t, 88> bytes{};
};

namespace tray_message {
constexpr std::uint32_t kAdd = 0;
constexpr std::uint32_t kModify = 1;
constexpr std::uint32_t kDelete = 2;
}  // namespace tray_message

class Tray {
 public:
  virtual ~Tray() = default;
  virtual void NotifyIcon(std::uint32_t message, const TrayIconData& record) = 0;
};

}  // namespace modlatch
