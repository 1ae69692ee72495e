#pragma once
#include <cstdint>
#include <string>

namespace modlatch {

// Handles cross the port boundary as plain integers so the logic never sees windows.h.
using WindowHandle = std::uintptr_t;
using ImageHandle = std::uintptr_t;

// UI text is UTF-16 everywhere, on every platform.
using Text = std::u16string;

// The four latchable keys. The order is the one the toggle buttons, the Double-mode icons and
// the state bits were always numbered in (0 CTRL), so a key converts to those at one place.
enum class Modifier : std::uint8_t { Ctrl, Shift, Alt, Win };
constexpr int kModifierCount = 4;
inline int IndexOf(Modifier key) { return static_cast<int>(key); }
inline Modifier ModifierAt(int index) { return static_cast<Modifier>(index); }

// A mouse button on an indicator or the caption strip.
enum class MouseButton : std::uint8_t { Left, Right, Middle };

// The language of every text the program shows.
enum class Language : std::uint8_t { kJapanese, kEnglish };

// 0 or more: a colour 0x00BBGGRR; negative: no colour set.
using ColorValue = std::int32_t;

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// Dots per inch of a window, horizontally and vertically; 96 is 100 %.
struct Dpi {
  int x = 96;
  int y = 96;
};

}  // namespace modlatch
