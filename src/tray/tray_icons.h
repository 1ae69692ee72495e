#pragma once
#include "platform/types.h"

namespace modlatch {

struct MainForm;

// Puts the key's icon in the tray with the picture it last had and an empty tip.
void AddTrayIcon(MainForm& form, Modifier icon);
void UpdateTrayIcon(MainForm& form, Modifier icon, ImageHandle picture, const Text& tip);
// Adds again, with their pictures and tips, the icons the shell refused or lost.
void AddRefusedTrayIcons(MainForm& form);
// Takes the icon down; its picture and tip are forgotten with it.
void RemoveTrayIcon(MainForm& form, Modifier icon);
// Takes down every icon still shown and changes no state: after a fault nothing may allocate
// or free, since the heap may be what broke.
void RemoveAllTrayIcons(MainForm& form);

// A mouse button went down or up on a tray icon.
void OnTrayButton(MainForm& form, Modifier icon, MouseButton button, bool down);

}  // namespace modlatch
