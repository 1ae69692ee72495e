#include "mainwindow/help_commands.h"

#include "form/main_form.h"
#include "form/texts.h"
#include "mainwindow/help_file.h"

namespace modlatch {

void OnHelpCommand(MainForm& form) {
  Platform& os = form.os;
  const Language language = form.UiLanguage;
  const Text path = HelpFilePath(os.files, language);
  std::string bytes;
  // Our own format is read by its wide path, so any folder name works.
  if (!os.files.ReadWholeFile(path, &bytes)) {
    os.dialogs.ShowHelpMessage(UiText(language, TextId::kHelpUnreadable) + path, language);
    return;
  }
  // A help file in the platform viewer's own format still goes to that viewer.
  if (IsWinHelpFile(bytes)) {
    os.shell.OpenWinHelpContents(os.window.Handle(), os.ansi.Encode(path));
    return;
  }
  const std::vector<HelpTopic> topics = ReadHelpTopics(bytes, os.ansi, language);
  if (topics.empty()) {
    os.dialogs.ShowHelpMessage(UiText(language, TextId::kHelpEmpty) + path, language);
    return;
  }
  os.dialogs.ShowHelp(topics, language);
}

void OnInfoCommand(MainForm& form) {
  Dialogs& dialogs = form.os.dialogs;
  if (!dialogs.AboutExists()) dialogs.LoadAbout(form.UiLanguage);
  dialogs.ShowAbout();
}

}  // namespace modlatch
