#pragma once

namespace modlatch::win32 {

// Calls `release` once when the process is about to die abnormally (an unhandled exception on
// any thread, std::terminate, abort), then ends the process at once. A key we latched would
// otherwise stay down for every other program.
void InstallFaultGuard(void (*release)());

}  // namespace modlatch::win32
