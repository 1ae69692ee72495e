#pragma once
#include <string>

#include "form/main_form.h"
#include "settings/language.h"
#include "support/fake_platform.h"

namespace modlatch::testing {

// Where the fake puts the settings file: beside C:\Tools\ModLatch.exe.
constexpr char kIniPath[] = "C:\\Tools\\ModLatch.ini";

// A program started as the real one starts, from the lines of its settings file ([Icon] lines
// where given), with the start's log cleared.
struct StartedProgram {
  void Start(const std::string& option_lines, const std::string& icon_lines = "") {
    const std::string icons = icon_lines.empty() ? "" : "[Icon]\n" + icon_lines + "\n";
    fake.SetIniText(kIniPath, icons + "[Option]\n" + option_lines + "\n");
    LoadLanguage(form);  // before the windows are made
    OnLoad(form);
    OnStarted(form);
    fake.ClearLog();
  }

  FakePlatform fake;
  MainForm form{fake.platform()};
};

}  // namespace modlatch::testing
