#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

struct MainForm;

enum class LatchSource { kIndicator, kMenu };

// A user's toggle of a modifier. With OneShot off it is the plain toggle; with it on, a latch
// lasts one key or click, and a double click on an indicator locks it instead.
void ToggleLatch(MainForm& form, Modifier key, LatchSource source);

// The reset: a key-up for each key the refresh finds down, ALT and WIN masked where a bare
// release would open a menu. A OneShot hold ends when a refresh sees its key up.
void ReleaseLatchedKeys(MainForm& form);

// Every key up whatever the latch state was, ALT and WIN masked where a bare release would open a
// menu. Nothing here allocates, since a fault may call it.
void ReleaseEveryKey(MainForm& form);
// The same at exit, with SHIFT and CTRL pressed and released once each; ALT and WIN only come up,
// as a press and release of either would open a menu.
void PressAndReleaseEveryKey(MainForm& form);

}  // namespace modlatch
