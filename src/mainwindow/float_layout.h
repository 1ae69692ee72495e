#pragma once

namespace modlatch {

struct MainForm;

// Makes the caption strip and the two toggle buttons fill the window: strip, SHIFT, CTRL.
void ApplyFloatLayout(MainForm& form);

}  // namespace modlatch
