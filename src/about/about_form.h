#pragma once
#include <cstdint>

#include "platform/about_window.h"
#include "platform/ansi_text.h"
#include "platform/app_files.h"
#include "platform/shell.h"
#include "platform/window_system.h"

namespace modlatch {

// The About window's state; it lives as long as the window.
struct AboutForm {
  AboutForm(AboutWindow& about, WindowSystem& system_windows, Shell& system_shell, AnsiText& code_page,
            AppFiles& app_files, Language ui_language)
      : window(about),
        windows(system_windows),
        shell(system_shell),
        ansi(code_page),
        files(app_files),
        language(ui_language) {}

  AboutWindow& window;
  WindowSystem& windows;
  Shell& shell;
  AnsiText& ansi;
  AppFiles& files;
  const Language language;
  bool WebHot = false;
  bool MailHot = false;
  bool CloseHot = false;
  bool ClosePressed = false;
  std::int16_t LastButton = 0;
  int ButtonsHeld = 0;  // mouse_button bits pressed on the close button and not yet released
};

// Mouse buttons as the events report them.
namespace mouse_button {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace mouse_button

void OnAboutLoad(AboutForm& form);
// The controls were made (again, after a DPI change): version, size and the items' normal looks.
void OnAboutControlsMade(AboutForm& form);
void PrepareAboutWindow(AboutForm& form);
void RestoreNormalLook(AboutForm& form);
// Hover watch: redraws an item only when its look changes.
void OnAboutTick(AboutForm& form);

// The close button Picture2.
void OnCloseButtonMouseDown(AboutForm& form, int button);
void OnCloseButtonMouseUp(AboutForm& form, int button);
void OnCloseButtonClick(AboutForm& form);
// The close button lost the mouse to someone else: no release will come.
void OnCloseButtonCaptureLost(AboutForm& form);

// A character typed anywhere in the window.
void OnAboutKeyPress(AboutForm& form, int character);
// A press on the window's own surface, the black frame.
void OnAboutFrameMouseDown(AboutForm& form, int button);

// The links WebInfo(0) (web page) and WebInfo(1) (e-mail).
void OnLinkMouseDown(AboutForm& form, int index, int button);
void OnCopyMenuChosen(AboutForm& form);

}  // namespace modlatch
