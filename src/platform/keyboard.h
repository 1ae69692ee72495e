#pragma once
#include <cstdint>

namespace modlatch {

namespace vk {
constexpr std::uint8_t kMiddleButton = 0x04;
constexpr std::uint8_t kShift = 0x10;
constexpr std::uint8_t kControl = 0x11;
constexpr std::uint8_t kAlt = 0x12;
constexpr std::uint8_t kSpace = 0x20;
}  // namespace vk

namespace key_event {
constexpr std::uint32_t kExtendedKey = 0x1;
constexpr std::uint32_t kKeyUp = 0x2;
}  // namespace key_event

// The system-wide keyboard: asynchronous key state and injected key events.
class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual std::int16_t AsyncKeyState(std::uint8_t virtual_key) = 0;
  virtual void InjectKey(std::uint8_t virtual_key, std::uint8_t scan_code, std::uint32_t flags,
                         std::uintptr_t extra_info) = 0;
};

}  // namespace modlatch
