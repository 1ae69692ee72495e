#pragma once
#include <cstdint>
#include <optional>

#include "platform/types.h"

namespace modlatch {

// The command line that tells a copy started as administrator to take over from the process
// that started it, and that process's id read back from it. Any other command line is no
// takeover.
Text TakeoverArguments(std::uint32_t process_id);
std::optional<std::uint32_t> TakeoverProcessId(const Text& arguments);

}  // namespace modlatch
