#pragma once
#include <cstdint>

namespace modlatch {

namespace vk {
constexpr std::uint8_t kMiddleButton = 0x04;
constexpr std::uint8_t kShift = 0x10;
constexpr std::uint8_t kControl = 0x11;
constexpr std::uint8_t kAlt = 0x12;
constexpr std::uint8_t kSpace = 0x20;
constexpr std::uint8_t kLeftWin = 0x5B;
constexpr std::uint8_t kRightWin = 0x5C;
// The left ALT: the right one is AltGr on many layouts and types other characters.
constexpr std::uint8_t kLeftAlt = 0xA4;
// Pressed and released before a lone ALT or WIN comes up, so that the foreground program sees
// another key and opens neither its menu bar nor the Start menu. 0xE8 is unassigned in the
// system's virtual-key table; 0xFF is not safe, as some keyboards send it for keys without a code.
constexpr std::uint8_t kMaskKey = 0xE8;
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
