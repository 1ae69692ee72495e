#pragma once
#include <windows.h>

namespace modlatch::win32 {

// An icon resource of the program's at one size.
HICON LoadIconResource(HINSTANCE instance, int id, int size);

// The built-in tray pictures at any size, drawn for that size rather than scaled: the 16-pixel
// ones come from the hand-drawn icon resources, the others from the same design drawn here.
// Compact: state bit 0 CTRL down, bit 1 SHIFT down. Double: index 2 x modifier + down, the
// modifiers being CTRL, SHIFT, ALT and WIN.
HICON CreateCompactPicture(HINSTANCE instance, int state, int size);
HICON CreateDoublePicture(HINSTANCE instance, int index, int size);

// The floating window's close glyph, a diagonal cross, at any size.
HICON CreateCloseGlyph(HINSTANCE instance, int size);

}  // namespace modlatch::win32
