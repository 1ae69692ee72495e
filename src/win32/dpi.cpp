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

}  // namespace

Dpi DpiOfWindow(HWND window) {
  static const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (window && get_dpi_for_window) {
    const int dpi = static_cast<int>(get_dpi_for_window(window));
    if (dpi > 0) return Dpi{dpi, dpi};
  }
  return ScreenDpi();
}

Dpi DpiOfMonitorAt(POINT point) {
  // Asked only where the system has DPIs per window, so older systems never load the library.
  static const auto get_dpi_for_window = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  static const auto get_dpi_for_monitor =
      get_dpi_for_window ? reinterpret_cast<GetDpiForMonitorFunction>(reinterpret_cast<void*>(
                               ::GetProcAddress(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor")))
                         : nullptr;
  UINT x = 0, y = 0;
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (get_dpi_for_monitor &&
      SUCCEEDED(get_dpi_for_monitor(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)) &&
      x > 0 && y > 0) {
    return Dpi{static_cast<int>(x), static_cast<int>(y)};
  }
  return ScreenDpi();
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
