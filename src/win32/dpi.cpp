#include "win32/dpi.h"

#include "win32/scoped_gdi.h"
#include "win32/system_library.h"

namespace modlatch::win32 {
namespace {

// Looked up at run time: the oldest systems we start on have none of these.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

Dpi ScreenDpi() {
  const ScopedGetDC screen(nullptr);
  return Dpi{::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY)};
}

std::vector<StartDpiMemo::Known>* g_start_dpis = nullptr;  // while a StartDpiMemo lives

struct OwnWindowSearch {
  HMONITOR monitor;
  HWND found;
};

BOOL CALLBACK FindOwnWindowOn(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<OwnWindowSearch*>(param);
  // Windows of our own classes only: another module's (an input method's) may keep another DPI.
  if (reinterpret_cast<HMODULE>(::GetClassLongPtrW(window, GCLP_HMODULE)) != ::GetModuleHandleW(nullptr) ||
      ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) != search->monitor) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

Dpi MonitorDpi(POINT point) {
  // Asked only where the system has DPIs per window, so older systems never load the library.
  static const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (!get_dpi_for_window) return ScreenDpi();
  const HMONITOR monitor = ::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
  if (g_start_dpis) {
    OwnWindowSearch search{monitor, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOwnWindowOn, reinterpret_cast<LPARAM>(&search));
    if (search.found) return DpiOfWindow(search.found);
  }
  static const auto get_dpi_for_monitor = reinterpret_cast<GetDpiForMonitorFunction>(
      reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor")));
  UINT x = 0, y = 0;
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (get_dpi_for_monitor && SUCCEEDED(get_dpi_for_monitor(monitor, kEffectiveDpi, &x, &y)) && x > 0 && y > 0) {
    return Dpi{static_cast<int>(x), static_cast<int>(y)};
  }
  return ScreenDpi();
}

}  // namespace

StartDpiMemo::StartDpiMemo() { g_start_dpis = &known_; }
StartDpiMemo::~StartDpiMemo() { g_start_dpis = nullptr; }

Dpi DpiOfWindow(HWND window) {
  static const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (window && get_dpi_for_window) {
    const int dpi = static_cast<int>(get_dpi_for_window(window));
    if (dpi > 0) return Dpi{dpi, dpi};
  }
  return ScreenDpi();
}

Dpi DpiOfMonitorAt(POINT point) {
  if (!g_start_dpis) return MonitorDpi(point);
  for (const StartDpiMemo::Known& known : *g_start_dpis) {
    if (known.point.x == point.x && known.point.y == point.y) return known.dpi;
  }
  const Dpi dpi = MonitorDpi(point);
  g_start_dpis->push_back({point, dpi});
  return dpi;
}

int SystemDpi() { return ScreenDpi().y; }

int SmallIconSize(int dpi) {
  static const auto for_dpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (for_dpi) return for_dpi(SM_CXSMICON, static_cast<UINT>(dpi));
  return ::MulDiv(::GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
}

HFONT CreateMessageFont(int dpi, bool underline) {
  static const auto for_dpi = User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!for_dpi || !for_dpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // The metrics are made for the screen's DPI.
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  }
  metrics.lfMessageFont.lfUnderline = underline ? TRUE : FALSE;
  return ::CreateFontIndirectW(&metrics.lfMessageFont);
}

bool HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) && (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace modlatch::win32
