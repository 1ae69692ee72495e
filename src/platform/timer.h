#pragma once
#include <cstdint>

namespace modlatch {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(std::uint32_t milliseconds) = 0;
  virtual void Enable() = 0;
};

}  // namespace modlatch
