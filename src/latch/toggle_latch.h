#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

enum class LatchSource { kIndicator, kMenu };

// A user's toggle of a modifier by its selector (latch/modifier_key.h). With OneShot off it is the
// plain toggle; with it on, a latch lasts one key or click, and a double click on an
// indicator locks it instead.
void ToggleLatch(MainForm& form, std::uint8_t selector, LatchSource source);

// The reset: a key-up for each key the refresh finds down, ALT and WIN masked where a bare
// release would open a menu. A OneShot hold ends when a refresh sees its key up.
void ReleaseLatchedKeys(MainForm& form);

}  // namespace modlatch
