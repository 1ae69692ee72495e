#pragma once
#include <cstddef>
#include <cstdint>

namespace modlatch {

// Virtual-key codes of the keys and buttons the logic reads or sends.
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

// A key or button as the system reports it at a poll.
struct KeyReading {
  bool held = false;           // down now
  bool pressed_since = false;  // pressed since the previous reading of the same key
  // Any report counts as down, the press since the last reading included.
  bool ReadsDown() const { return held || pressed_since; }
};

// One key event as it is sent: the physical key it stands for.
struct KeyStroke {
  std::uint8_t virtual_key = 0;
  std::uint8_t scan_code = 0;
  bool extended = false;  // the key's code has the E0 prefix
  bool up = false;
  bool ours = false;  // marked as ModLatch's, so its own hooks never count it as the user's key
};

// The system-wide keyboard: the key state, and key events sent as if typed.
class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual KeyReading ReadKey(std::uint8_t virtual_key) = 0;
  // The strokes reach the system together, in order, with nothing typed between them.
  virtual void SendKeys(const KeyStroke* strokes, std::size_t count) = 0;
  // Milliseconds since the last input of any kind in any program: a key, a click, a pointer move.
  virtual std::uint32_t MillisecondsSinceInput() = 0;
};

}  // namespace modlatch
