#pragma once
#include <cstdint>

#include "platform/keyboard.h"
#include "platform/shell.h"

namespace modlatch {

struct MainForm;

namespace key_action {
constexpr std::uint8_t kToggle = 0;
constexpr std::uint8_t kPress = 1;
constexpr std::uint8_t kRelease = 2;
}  // namespace key_action

// Key selectors: 1 SHIFT, 3 ALT, 4 WIN, any other value CTRL (callers use 0 or 2).
namespace selector {
constexpr std::uint8_t kShift = 1;
constexpr std::uint8_t kCtrl = 2;
constexpr std::uint8_t kAlt = 3;
constexpr std::uint8_t kWin = 4;
}  // namespace selector

// Carried by the key events we inject while the hooks run, so that they can tell ours apart
// from an on-screen keyboard's, which do count as keys.
constexpr std::uintptr_t kOwnInputMarker = 0x4D4C4F53;

// What a latch of each key sends, by ModifierIndex (0 CTRL, 1 SHIFT, 2 ALT, 3 WIN).
struct ModifierKey {
  std::uint8_t virtual_key;  // injected, and read by a toggle
  bool extended;
  bool masked_when_bare;  // a lone ALT or WIN opens a menu when it comes up
  bool down_now_only;     // a toggle reads the key as down only while it is held now
};
// SHIFT and CTRL go as the extended (right-hand) keys; ALT is the left one, which is not
// extended, since the right ALT is AltGr on many layouts.
constexpr ModifierKey kModifierKeys[] = {
    {vk::kControl, true, false, false},
    {vk::kShift, true, false, false},
    {vk::kLeftAlt, false, true, true},
    {vk::kLeftWin, true, true, true},
};

// The selector of a ModifierIndex, and back.
std::uint8_t SelectorOf(int modifier_index);
int ModifierIndexOf(std::uint8_t selector);

// Whether a toggle of the key releases it. SHIFT and CTRL count a press since the last query
// as down too; ALT and WIN only a key down now, since the tick queries the generic ALT and
// nothing clears the "pressed since" bit of the left ALT or of the Windows keys.
bool ToggleFindsDown(Keyboard& keyboard, std::uint8_t selector);

// Actions other than Toggle and Release press.
void SendModifierKey(Keyboard& keyboard, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info = 0);
// Carries our marker, so the one-shot hook never counts it as a key.
void SendMaskKey(Keyboard& keyboard);

// A user's latch or release of a modifier: the mask key first when the key is released bare,
// then SendModifierKey; the press is noted as ours. True when it sent the release.
bool SendLatchKey(MainForm& form, std::uint8_t selector, std::uint8_t action, std::uintptr_t extra_info = 0);

// The tone of a latch, lock or release made by ModLatch, while option Sounds is on.
void PlayLatchSound(MainForm& form, LatchSound sound);

}  // namespace modlatch
