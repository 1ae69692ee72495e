#pragma once
#include "platform/types.h"

namespace modlatch {

struct MainForm;

// After a click latched or released `key`: when the window in front belongs to a program at a
// higher integrity level than ours, the system dropped that key, and the user is told so at
// once, without losing the focus. Once per window, until another window comes to the front at
// a click; a program whose level cannot be read gives no notice. Each call also takes down the
// floating window's last notice.
void NoticeIfKeysBlocked(MainForm& form, Modifier key);

}  // namespace modlatch
