#pragma once
#include <array>

#include "platform/types.h"

namespace modlatch {

// What the tray shows for one key's icon: kept so that a recreated taskbar gets the icons back
// as they were. ALT's and WIN's stay empty unless their latch is on.
struct TrayIconState {
  bool shown = false;
  bool taken = false;  // the shell has it: an icon it refused is added again until it takes
  ImageHandle picture = 0;
  Text tip;
};
using TrayIconStates = std::array<TrayIconState, kModifierCount>;  // by IndexOf

}  // namespace modlatch
