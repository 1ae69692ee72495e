#pragma once
#include <cstdint>

namespace modlatch {

// The replacement window procedure's state: PrevWndProc 0 means it is not installed.
struct SizeLimitState {
  std::uintptr_t PrevWndProc = 0;
  std::int32_t MinTrackWidth = 0;
  std::int32_t MinTrackHeight = 0;
  std::int32_t MaxTrackWidth = 0;
  std::int32_t MaxTrackHeight = 0;
};

}  // namespace modlatch
