// The yardstick for ModLatch's start-up under Wine: a program that only shows a window.
#include <windows.h>

static LRESULT CALLBACK MinimalProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = MinimalProc;
  window_class.hInstance = instance;
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = L"MinimalWindow";
  RegisterClassW(&window_class);
  CreateWindowExW(0, L"MinimalWindow", L"", WS_POPUP | WS_VISIBLE, 512, 384, 266, 53, nullptr, nullptr, instance,
                  nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
