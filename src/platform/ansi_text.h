#pragma once
#include <string>

#include "platform/types.h"

namespace modlatch {

// Conversion to the system's ANSI code page, which the tray record uses.
class AnsiText {
 public:
  virtual ~AnsiText() = default;
  virtual std::string Encode(const Text& text) = 0;
};

}  // namespace modlatch
