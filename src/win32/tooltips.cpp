#include "win32/tooltips.h"

#include <commctrl.h>

#include "win32/system_library.h"

namespace modlatch::win32 {

// Loaded on first use: the common controls at start-up would cost Wine a quarter of the launch.
HWND CreateTooltipControl(DWORD extra_style) {
  HMODULE common_controls = LoadSystemLibrary(L"comctl32.dll");
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto init = reinterpret_cast<InitFunction>(
      reinterpret_cast<void*>(::GetProcAddress(common_controls, "InitCommonControlsEx")));
  if (init == nullptr) return nullptr;
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  init(&classes);
  return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | extra_style,
                           0, 0, 0, 0, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void AddTooltipTool(HWND tooltip, HWND parent, HWND tool, const wchar_t* text) {
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = parent;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<wchar_t*>(text);
  ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace modlatch::win32
