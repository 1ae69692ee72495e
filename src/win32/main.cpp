#include <windows.h>

#include "settings/language.h"
#include "win32/dialogs.h"
#include "win32/elevation.h"
#include "win32/dpi.h"
#include "win32/fault_guard.h"
#include "win32/instance_lock.h"
#include "win32/main_form_window.h"
#include "win32/shell.h"
#include "win32/startup_entry.h"
#include "win32/system_library.h"

namespace {

modlatch::win32::MainFormWindow* g_main_form = nullptr;

// A timer comes after the first paint, so this waits until the window is on screen.
VOID CALLBACK AfterFirstPaint(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  modlatch::OnStarted(g_main_form->form());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  // Before anything here can load a DLL: none may come from our own or the current folder.
  modlatch::win32::RestrictDllSearch();
  // An icon path on an empty removable drive must just fail, not stop start-up with a "no disk" box.
  ::SetErrorMode(SEM_FAILCRITICALERRORS);
  modlatch::win32::AwaitTakeover(arguments);
  UINT second_start = 0;
  if (modlatch::win32::AnotherInstanceRunning(&second_start)) {
    modlatch::win32::TellRunningInstance(second_start);
    return 0;
  }

  static modlatch::win32::System system;
  static modlatch::win32::Win32AppFiles files;
  static modlatch::win32::Win32InputHooks hooks;
  static modlatch::win32::Win32Shell shell;
  static modlatch::win32::Win32Dialogs dialogs(instance, system, shell, files);
  static modlatch::win32::Win32Elevation elevation;
  static modlatch::win32::Win32StartupEntry startup;
  static modlatch::win32::MainFormWindow main_form(system, files, hooks, shell, dialogs, elevation, startup);
  g_main_form = &main_form;
  modlatch::win32::InstallFaultGuard([] { modlatch::OnFault(main_form.form()); });
  // The windows are made in the user's language.
  modlatch::LoadLanguage(main_form.form());
  {
    const modlatch::win32::StartDpiMemo start_dpis;
    main_form.Create(instance, second_start);
    hooks.Attach(main_form.form(), main_form.hwnd(), main_form.tray_holders());
    modlatch::OnLoad(main_form.form());
  }
  ::SetTimer(nullptr, 0, 0, AfterFirstPaint);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Only keys take the dialogs' paths (TAB between the controls); the timer skips them.
    const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    if (key && (::IsDialogMessageW(main_form.hwnd(), &message) || dialogs.TranslateDialogMessage(&message))) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
