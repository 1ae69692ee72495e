#include "mainwindow/run_as_admin.h"

#include "form/main_form.h"
#include "mainwindow/window_design.h"

namespace modlatch {

void OnRestartAdminCommand(MainForm& form) {
  if (form.os.elevation.RestartElevated(form.os.window.Handle())) CloseProgram(form);
}

void ShowRunAsAdmin(MainForm& form) {
  Platform& os = form.os;
  const bool elevated = os.elevation.RunsElevated();
  const design::MenuEntry& restart = design::kRestartAdminMenuItem;
  os.menu.SetCaption(restart.item, UiText(form.UiLanguage, restart.caption));
  os.menu.SetEnabled(restart.item, !elevated);
  os.elevation_display.MarkStrip(elevated ? UiText(form.UiLanguage, TextId::kAdminMark) : u"");
}

}  // namespace modlatch
