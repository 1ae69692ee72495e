#pragma once
#include <cstdint>

namespace modlatch {

struct MainForm;

// Releases ALT and WIN whose latch is on and whose bit (4 ALT, 8 WIN) is set in `state`, with
// the mask key first when one of them is a bare press of ours. Reset, close and fault use it.
void ReleaseAltAndWin(MainForm& form, std::int32_t state);

// A key other than a modifier went down: the ALT or WIN we hold is no longer alone.
void NoteOtherKeyDown(MainForm& form);
// What a refresh read (a ModifierState); a press of ours seen down and then up was let go elsewhere.
void NoteOwnPresses(MainForm& form, std::uint8_t state);
// Whether the ALT that reads as down is one we pressed rather than the user's.
bool AltIsOurs(const MainForm& form);

}  // namespace modlatch
