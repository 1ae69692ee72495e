#pragma once
#include <windows.h>

#include <array>

#include "form/main_form.h"
#include "platform/input_hooks.h"

namespace modlatch::win32 {

// Carried by every key event we send, so that the hooks tell ours apart from an on-screen
// keyboard's, which do count as keys.
constexpr ULONG_PTR kOwnInputMarker = 0x4D4C4F53;

// Posted to the main window: run ReleaseUsedLatches now that the hook has returned.
constexpr UINT kReleaseLatchesMessage = WM_APP + 20;

// The low-level keyboard and mouse hooks. Hook procedures get no context, so there is one
// instance, attached to the main window before the settings are read.
class Win32InputHooks : public InputHooks {
 public:
  // `tray_holders` are the windows the tray icons belong to, by ModifierIndex.
  void Attach(MainForm& form, HWND window, const std::array<HWND, 4>& tray_holders);

  void InstallInputHooks() override;
  void RemoveInputHooks() override;
  void RequestLatchRelease() override;
  bool IsOwnPlace(int x, int y) override;
  DoubleClickLimits DoubleClick() override;

 private:
  static LRESULT CALLBACK KeyboardProc(int code, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK MouseProc(int code, WPARAM wparam, LPARAM lparam);
  bool OnOwnTrayIcon(HWND at, POINT point);

  MainForm* form_ = nullptr;
  HWND window_ = nullptr;
  const std::array<HWND, 4>* tray_holders_ = nullptr;
  HHOOK keyboard_ = nullptr;
  HHOOK mouse_ = nullptr;
};

}  // namespace modlatch::win32
