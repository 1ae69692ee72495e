#pragma once

namespace modlatch {

struct MainForm;

// Option AutoRelease: a key ModLatch latched or locked that has seen no input at all for that
// long (no key, click or pointer move anywhere) is let go as the reset lets it go. Asks the
// system only while such a key is down, so an idle tick with nothing latched costs nothing more.
void ReleaseIfForgotten(MainForm& form);

}  // namespace modlatch
