#pragma once
#include <vector>

#include "platform/types.h"

namespace modlatch {

// Text in the system's ANSI code page, without a terminating NUL. Bytes rather than a
// std::string: libstdc++ links the whole of its prebuilt narrow string for the latter.
using AnsiBytes = std::vector<char>;

// Conversion to the system's ANSI code page, which the tray record uses.
class AnsiText {
 public:
  virtual ~AnsiText() = default;
  virtual AnsiBytes Encode(const Text& text) = 0;
};

}  // namespace modlatch
