#pragma once
// The arithmetic of the first-version tray record and of its callback, kept free of windows.h
// so that the unit tests check it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.h"

namespace modlatch::win32 {

// The shell calls back with WM_MOUSEMOVE's number, as the icons always have: a holder is hidden
// and never gets a real mouse move, so nothing else arrives under it. lParam carries the mouse
// message.
constexpr std::uint32_t kTrayCallback = 0x0200;

constexpr std::size_t kTipBytes = 64;

// The tip as the record holds it: the ANSI text, one NUL, then blanks to the end; a longer text
// is cut so that the NUL always fits.
inline std::array<char, kTipBytes> TipBytes(const std::string& ansi) {
  std::array<char, kTipBytes> tip;
  tip.fill(' ');
  const std::size_t length = ansi.size() < kTipBytes ? ansi.size() : kTipBytes - 1;
  ansi.copy(tip.data(), length);
  tip[length] = '\0';
  return tip;
}

struct TrayMouse {
  MouseButton button;
  bool down;
};

// A button pressed or released on an icon, from the callback's mouse message; moves and double
// clicks are no clicks.
inline std::optional<TrayMouse> TrayMouseOf(std::uint32_t message) {
  switch (message) {
    case 0x0201:  // WM_LBUTTONDOWN
      return TrayMouse{MouseButton::Left, true};
    case 0x0202:  // WM_LBUTTONUP
      return TrayMouse{MouseButton::Left, false};
    case 0x0204:  // WM_RBUTTONDOWN
      return TrayMouse{MouseButton::Right, true};
    case 0x0205:  // WM_RBUTTONUP
      return TrayMouse{MouseButton::Right, false};
    case 0x0207:  // WM_MBUTTONDOWN
      return TrayMouse{MouseButton::Middle, true};
    case 0x0208:  // WM_MBUTTONUP
      return TrayMouse{MouseButton::Middle, false};
    default:
      return std::nullopt;
  }
}

}  // namespace modlatch::win32
