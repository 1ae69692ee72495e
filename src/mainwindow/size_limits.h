#pragma once
#include <cstdint>

#include "form/size_limit_state.h"
#include "platform/window_system.h"

namespace modlatch {

struct MainForm;

namespace size_limit {
constexpr std::int32_t kMinWidth = 120;
constexpr std::int32_t kMinHeight = 25;
constexpr std::int32_t kMaxWidth = 1000;
constexpr std::int32_t kMaxHeight = 1000;
}  // namespace size_limit

namespace window_message {
constexpr std::uint32_t kGetMinMaxInfo = 0x0024;
constexpr std::uint32_t kMoving = 0x0216;
}  // namespace window_message

// Installs the procedure once and updates its limits, or removes it; limits survive removal.
void SetSizeLimits(WindowSystem& windows, SizeLimitState& state, WindowHandle window, bool enable,
                   std::int32_t min_width, std::int32_t min_height, std::int32_t max_width,
                   std::int32_t max_height);

std::intptr_t SizeLimitProc(WindowSystem& windows, SizeLimitState& state, WindowHandle window,
                            std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);

// lparam addresses the system's MINMAXINFO record (five points of two 32-bit values).
std::intptr_t FillMinMaxInfo(const SizeLimitState& state, std::uintptr_t wparam, std::intptr_t lparam);
// lparam addresses the proposed window rectangle of a drag (four 32-bit values).
std::intptr_t ClampMovingRect(WindowSystem& windows, std::uintptr_t wparam, std::intptr_t lparam);

// The callers' usual forms: remove the procedure, or install it with the default limits.
void RemoveSizeLimits(MainForm& form);
void SetDefaultSizeLimits(MainForm& form);
// After a DPI change, before the window takes its new outer rectangle (pixels at the new DPI):
// the installed limits again at that DPI, locked at the new size or the defaults.
void ConvertSizeLimits(MainForm& form, const Rect& outer);

// Installs the procedure with minimum and maximum both at the window's current outer size.
void LockAtCurrentSize(MainForm& form);
// What the size-lock check mark asks for: locked at the current size, or the default limits.
void ApplySizeLock(MainForm& form);
// Widens a window too narrow for `count` buttons; at start-up before the window is shown.
void WidenForButtons(MainForm& form, int count);
// After buttons were added: widens a window too narrow for them and updates installed limits.
void FitLimitsToButtons(MainForm& form);

// The mSizeLock command: freezes the window at its current outer size, or restores the defaults.
void OnSizeLockCommand(MainForm& form);

}  // namespace modlatch
