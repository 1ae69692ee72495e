#pragma once
#include <cstdint>

#include "platform/main_window.h"

namespace modlatch {

struct MainForm;

namespace size_limit {
constexpr std::int32_t kMinWidth = 120;
constexpr std::int32_t kMinHeight = 25;
constexpr std::int32_t kMaxWidth = 1000;
constexpr std::int32_t kMaxHeight = 1000;
}  // namespace size_limit

// The callers' usual forms: lift the limits, or set the defaults at the window's DPI.
void RemoveSizeLimits(MainForm& form);
void SetDefaultSizeLimits(MainForm& form);
// After a DPI change, before the window takes its new outer rectangle (pixels at the new DPI):
// limits already set again at that DPI, locked at the new size or the defaults.
void ConvertSizeLimits(MainForm& form, const Rect& outer);

// Limits with minimum and maximum both at the window's current outer size.
void LockAtCurrentSize(MainForm& form);
// What the size-lock check mark asks for: locked at the current size, or the default limits.
void ApplySizeLock(MainForm& form);
// Widens a window too narrow for `count` buttons; at start-up before the window is shown.
void WidenForButtons(MainForm& form, int count);
// After buttons were added: widens a window too narrow for them and updates limits already set.
void FitLimitsToButtons(MainForm& form);

// The mSizeLock command: freezes the window at its current outer size, or restores the defaults.
void OnSizeLockCommand(MainForm& form);

}  // namespace modlatch
