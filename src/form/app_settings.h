#pragma once
#include <cstdint>

#include "platform/types.h"

namespace modlatch {

// One field per INI key; constructed with the values a first start without an INI file uses.
struct AppSettings {
  // Section Icon: picture files replacing the built-in images.
  Text W_Ctrl0, W_Ctrl1, W_Shift0, W_Shift1;
  Text S_Shift0_Ctrl0, S_Shift0_Ctrl1, S_Shift1_Ctrl0, S_Shift1_Ctrl1;

  // Section Option: geometry in twips; negative positions mean "no saved place".
  std::int32_t xPos = -1;
  std::int32_t yPos = -1;
  std::int32_t Height = 800;
  std::int32_t Width = 4000;

  // Button looks: -1 (any negative) means no colour set; an empty caption leaves the button's own.
  ColorValue ShiftBgColor_0 = -1;
  ColorValue ShiftBgColor_1 = -1;
  ColorValue CtrlBgColor_0 = -1;
  ColorValue CtrlBgColor_1 = -1;
  ColorValue ShiftForeColor_0 = -1;
  ColorValue ShiftForeColor_1 = -1;
  ColorValue CtrlForeColor_0 = -1;
  ColorValue CtrlForeColor_1 = -1;
  Text ShiftChr_0 = u"SHIFT";
  Text ShiftChr_1 = u"SHIFT";
  Text CtrlChr_0 = u"CTRL";
  Text CtrlChr_1 = u"CTRL";

  std::int16_t Timer = 100;  // milliseconds; the stored text "0" means 100
  std::uint8_t NoProc = 0;
  std::uint8_t TaskTop = 0;
  std::int16_t WindowType = 2;  // DisplayMode
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
  Text AltChr_0 = u"ALT";
  Text AltChr_1 = u"ALT";
  Text WinChr_0 = u"WIN";
  Text WinChr_1 = u"WIN";
  bool Sounds = false;  // a tone for each latch, lock and release ModLatch makes
  // Seconds without any input after which a key ModLatch holds is let go; 0 never.
  std::int32_t AutoRelease = 0;
};

}  // namespace modlatch
