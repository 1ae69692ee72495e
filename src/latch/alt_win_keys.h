#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// A user's latch or release of a modifier by its selector. SHIFT and CTRL go straight to
// SendModifierKey; an ALT or WIN that we pressed and that nothing followed gets the mask key
// before it comes up.
void SendLatchKey(MainForm& form, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info = 0);

// Releases ALT and WIN whose latch is on and whose bit (4 ALT, 8 WIN) is set in `state`, with
// the mask key first when one of them is a bare press of ours. Reset, close and fault use it.
void ReleaseAltAndWin(MainForm& form, std::int32_t state);

// A key other than a modifier went down: the ALT or WIN we hold is no longer alone.
void NoteOtherKeyDown(MainForm& form);
// What a refresh read; a press of ours seen down and then up was let go elsewhere.
void NoteOwnPresses(MainForm& form, bool alt_down, bool win_down);
// Whether the ALT that reads as down is one we pressed rather than the user's.
bool AltIsOurs(const MainForm& form);

}  // namespace modlatch
