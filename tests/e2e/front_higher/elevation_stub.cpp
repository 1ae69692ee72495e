// In place of src/win32/elevation.cpp, for ModLatchFrontHigher.exe only (see CMakeLists.txt).
#include "win32/elevation.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {

FrontWindow Win32Elevation::CompareFrontWindow() {
  HWND window = ::GetForegroundWindow();
  DWORD process_id = 0;
  if (!window || !::GetWindowThreadProcessId(window, &process_id)) return {FrontLevel::kUnknown, 0, Text()};
  if (process_id == ::GetCurrentProcessId()) return {FrontLevel::kNotHigher, FromHwnd(window), Text()};
  wchar_t title[256] = {};
  ::GetWindowTextW(window, title, 256);
  return {FrontLevel::kHigher, FromHwnd(window), Text(reinterpret_cast<const char16_t*>(title))};
}

bool Win32Elevation::RunsElevated() { return false; }

}  // namespace modlatch::win32
