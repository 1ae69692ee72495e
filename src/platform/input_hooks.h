#pragma once
#include <cstdint>

namespace modlatch {

// The system's double-click rule: two presses of one button within this time (ms) and this
// rectangle (pixels, centred on the first press).
struct DoubleClickLimits {
  std::uint32_t time = 500;
  int width = 4;
  int height = 4;
};

// The system-wide low-level keyboard and mouse hooks. While installed, every key and mouse
// button event of the desktop reaches the one-shot handlers (latch/one_shot.h) first.
class InputHooks {
 public:
  virtual ~InputHooks() = default;
  virtual void InstallInputHooks() = 0;
  virtual void RemoveInputHooks() = 0;
  // Runs ReleaseUsedLatches once the event being handled has gone on to its window: key
  // events must not be injected from inside the hook.
  virtual void RequestLatchRelease() = 0;
  // Whether a screen point lies on one of this program's windows or tray icons.
  virtual bool IsOwnPlace(int x, int y) = 0;
  virtual DoubleClickLimits DoubleClick() = 0;
};

}  // namespace modlatch
