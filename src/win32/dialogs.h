#pragma once
#include <windows.h>

#include <memory>

#include "platform/dialogs.h"
#include "win32/about_window.h"
#include "win32/help_window.h"

namespace modlatch::win32 {

// The About window and the help window, made when first asked for.
class Win32Dialogs : public Dialogs {
 public:
  Win32Dialogs(HINSTANCE instance, System& system, Shell& shell, AppFiles& files)
      : instance_(instance), system_(system), shell_(shell), files_(files) {}

  bool AboutExists() override { return about_ && about_->IsOpen(); }
  void LoadAbout(Language language) override;
  void ShowAbout() override { about_->Show(); }
  void ShowHelp(const std::vector<HelpTopic>& topics, Language language) override {
    help_.Show(instance_, topics, language);
  }
  void ShowHelpMessage(const Text& text, Language language) override;
  void CloseWindows() override;
  void ShowNotice(const Text& text) override;
  // The help window's keyboard navigation; true when the message was handled.
  bool TranslateDialogMessage(MSG* message) { return help_.TranslateDialogMessage(message); }

 private:
  HINSTANCE instance_;
  System& system_;
  Shell& shell_;
  AppFiles& files_;
  std::unique_ptr<AboutFormWindow> about_;
  HelpWindow help_;
};

}  // namespace modlatch::win32
