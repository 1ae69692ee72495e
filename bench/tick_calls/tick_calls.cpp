// What each call of ModLatch's idle tick costs under Wine, beyond the four key-state queries
// every poller makes. A window with a child button and a popup menu stands in for the main
// window; every 100 ms, as the timer does, one tick's calls run in their order and each is
// timed. Prints one line per call: median and 90th percentile in microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTicks = 300;
constexpr UINT kMenuItem = 2005;

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return message == WM_TIMER ? 0 : DefWindowProcW(hwnd, message, wparam, lparam);
}

WNDPROC g_original = nullptr;
LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcW(g_original, hwnd, message, wparam, lparam);
}

double Micros(LARGE_INTEGER from, LARGE_INTEGER to) {
  static LARGE_INTEGER frequency{};
  if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
  return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = L"TickCalls";
  RegisterClassW(&window_class);
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"TickCalls", L"", WS_POPUP | WS_VISIBLE, 600, 100, 266, 53,
                              nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"BUTTON", L"SHIFT", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | BS_PUSHLIKE, 24, 0, 117, 45,
                  hwnd, nullptr, instance, nullptr);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kMenuItem, L"item");

  const char* const names[] = {"4 x GetAsyncKeyState", "GetMenuState", "IsWindowVisible", "GetForegroundWindow",
                               "DispatchMessageW (WM_TIMER)", "IsDialogMessageW (WM_TIMER)",
                               "DispatchMessageW, replaced procedure"};
  constexpr int kSteps = sizeof names / sizeof names[0];
  std::vector<double> times[kSteps];
  MSG timer{hwnd, WM_TIMER, 1, 0, 0, {}};
  for (int tick = 0; tick < kTicks; ++tick) {
    if (tick == kTicks / 2) g_original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC,
                                                                  reinterpret_cast<LONG_PTR>(Subclass)));
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(100);
    LARGE_INTEGER t[7];
    QueryPerformanceCounter(&t[0]);
    GetAsyncKeyState(VK_MENU);
    GetAsyncKeyState(VK_MBUTTON);
    GetAsyncKeyState(VK_SHIFT);
    GetAsyncKeyState(VK_CONTROL);
    QueryPerformanceCounter(&t[1]);
    GetMenuState(menu, kMenuItem, MF_BYCOMMAND);
    QueryPerformanceCounter(&t[2]);
    IsWindowVisible(hwnd);
    QueryPerformanceCounter(&t[3]);
    GetForegroundWindow();
    QueryPerformanceCounter(&t[4]);
    DispatchMessageW(&timer);
    QueryPerformanceCounter(&t[5]);
    IsDialogMessageW(hwnd, &timer);
    QueryPerformanceCounter(&t[6]);
    for (int step = 0; step < 4; ++step) times[step].push_back(Micros(t[step], t[step + 1]));
    // The second half runs with the procedure replaced, as the floating window's is.
    times[g_original ? 6 : 4].push_back(Micros(t[4], t[5]));
    if (!g_original) times[5].push_back(Micros(t[5], t[6]));
  }
  for (int step = 0; step < kSteps; ++step) {
    std::vector<double>& v = times[step];
    std::sort(v.begin(), v.end());
    std::printf("%-30s median %7.1f us, 90%% %7.1f us\n", names[step], v[v.size() / 2], v[v.size() * 9 / 10]);
  }
  return 0;
}
