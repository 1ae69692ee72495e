#include "mainwindow/help_commands.h"

#include "form/main_form.h"
#include "mainwindow/help_file.h"

namespace modlatch {
namespace {

constexpr char16_t kUnreadable[] = u"ヘルプファイルが見つからないか、読み込めません。\n";
constexpr char16_t kEmpty[] = u"ヘルプファイルに内容がありません。\n";

}  // namespace

void OnHelpCommand(MainForm& form) {
  Platform& os = form.os;
  const Text path = HelpFilePath(os.files);
  std::string bytes;
  // Our own format is read by its wide path, so any folder name works.
  if (!os.files.ReadWholeFile(path, &bytes)) {
    os.dialogs.ShowHelpMessage(kUnreadable + path);
    return;
  }
  // A help file in the platform viewer's own format still goes to that viewer.
  if (IsWinHelpFile(bytes)) {
    os.shell.OpenWinHelp(os.window.Handle(), os.ansi.Encode(path), help_command::kContents, 0);
    return;
  }
  const std::vector<HelpTopic> topics = ReadHelpTopics(bytes, os.ansi);
  if (topics.empty()) {
    os.dialogs.ShowHelpMessage(kEmpty + path);
    return;
  }
  os.dialogs.ShowHelp(topics);
}

void OnInfoCommand(MainForm& form) {
  Dialogs& dialogs = form.os.dialogs;
  if (!dialogs.AboutExists()) dialogs.LoadAbout();
  dialogs.ShowAbout();
}

}  // namespace modlatch
