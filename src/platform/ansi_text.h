#pragma once
#include <vector>

#include "platform/types.h"

namespace modlatch {

// Conversion to and from the system's ANSI code page, which the INI file uses.
class AnsiText {
 public:
  virtual ~AnsiText() = default;
  virtual std::string Encode(const Text& text) = 0;
  virtual Text Decode(const std::string& ansi) = 0;
};

}  // namespace modlatch
