#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

// One field per INI key but WindowType and Language, which are the form's mode and language
// (settings/settings_table.cpp names every key and its default). The running program's options
// live here, so the menu only shows them. Until the file is read nothing is set: no colour, no
// caption of its own.
struct AppSettings {
  // Section Icon: picture files replacing the built-in images.
  Text W_Ctrl0, W_Ctrl1, W_Shift0, W_Shift1;
  Text S_Shift0_Ctrl0, S_Shift0_Ctrl1, S_Shift1_Ctrl0, S_Shift1_Ctrl1;

  // Section Option: the window's place and size in twips, as read at start and written at exit;
  // negative positions mean "no saved place".
  std::int32_t xPos = 0;
  std::int32_t yPos = 0;
  std::int32_t Height = 0;
  std::int32_t Width = 0;

  // Button looks: -1 (any negative) means no colour set; an empty caption leaves the button's own.
  ColorValue ShiftBgColor_0 = -1;
  ColorValue ShiftBgColor_1 = -1;
  ColorValue CtrlBgColor_0 = -1;
  ColorValue CtrlBgColor_1 = -1;
  ColorValue ShiftForeColor_0 = -1;
  ColorValue ShiftForeColor_1 = -1;
  ColorValue CtrlForeColor_0 = -1;
  ColorValue CtrlForeColor_1 = -1;
  Text ShiftChr_0, ShiftChr_1, CtrlChr_0, CtrlChr_1;

  std::int16_t Timer = 0;  // milliseconds
  std::uint8_t NoProc = 0;
  std::uint8_t TaskTop = 0;
  // The menu's own options: always on top, the size lock and the middle button's popup.
  bool zPos = false;
  bool SizeLock = false;
  bool MiddleButton = false;

  // Options beyond the menu's own: set by hand or in the options submenu, which writes only
  // the key chosen; the save at exit never writes them.
  bool NoActivate = false;
  bool OneShot = false;
  // ALT and WIN latches, with their own pictures, looks and captions beside SHIFT's and CTRL's.
  bool LatchAlt = false;
  bool LatchWin = false;
  Text W_Alt0, W_Alt1, W_Win0, W_Win1;
  ColorValue AltBgColor_0 = -1;
  ColorValue AltBgColor_1 = -1;
  ColorValue WinBgColor_0 = -1;
  ColorValue WinBgColor_1 = -1;
  ColorValue AltForeColor_0 = -1;
  ColorValue AltForeColor_1 = -1;
  ColorValue WinForeColor_0 = -1;
  ColorValue WinForeColor_1 = -1;
  Text AltChr_0, AltChr_1, WinChr_0, WinChr_1;
  bool Sounds = false;  // a tone for each latch, lock and release ModLatch makes
  // Seconds without any input after which a key ModLatch holds is let go; 0 never.
  std::int32_t AutoRelease = 0;
};

}  // namespace modlatch
