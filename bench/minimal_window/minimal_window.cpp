// The yardstick for ModLatch under Wine: a program that only shows a window and, as ModLatch
// does at rest, asks for the state of four keys every 100 ms.
#include <windows.h>

static LRESULT CALLBACK MinimalProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      GetAsyncKeyState(VK_MENU);
      GetAsyncKeyState(VK_MBUTTON);
      GetAsyncKeyState(VK_SHIFT);
      GetAsyncKeyState(VK_CONTROL);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = MinimalProc;
  window_class.hInstance = instance;
  window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  window_class.lpszClassName = L"MinimalWindow";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"MinimalWindow", L"", WS_POPUP | WS_VISIBLE, 512, 384, 266, 53, nullptr,
                                nullptr, instance, nullptr);
  SetTimer(window, 1, 100, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
