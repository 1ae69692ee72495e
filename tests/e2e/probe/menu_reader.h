// Shared between probe.exe and the menu reader it loads into the program that
// owns an open popup menu: Wine keeps menu handles private to their process.
#pragma once

#include <windows.h>

namespace probe {

struct MenuReaderRequest {
  wchar_t dllPath[MAX_PATH];  // first, so the block doubles as LoadLibraryW's argument
  wchar_t outPath[MAX_PATH];
  HWND menuWindow;
};

constexpr const char* kMenuReaderExport = "ReadOpenMenu";
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

}  // namespace probe
