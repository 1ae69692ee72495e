#include "settings/sign_in_start.h"

#include <optional>

#include "form/main_form.h"

namespace modlatch {
namespace {

Text Quoted(const Text& path) { return u"\"" + path + u"\""; }

bool IsExeEnd(const Text& text, std::size_t at) {
  static constexpr char16_t kExe[] = u".exe";
  for (std::size_t i = 0; i < 4; ++i) {
    const char16_t c = text[at + i];
    if ((c >= u'A' && c <= u'Z' ? c + 32 : c) != kExe[i]) return false;
  }
  return at + 4 == text.size() || text[at + 4] == u' ';
}

// The program a command line runs, as the system finds it: inside the quotes, else up to the
// blank after ".exe" (what follows are arguments).
Text ProgramOfCommand(const Text& command) {
  const std::size_t start = command.find_first_not_of(u' ');
  if (start == Text::npos) return Text();
  if (command[start] == u'"') {
    const std::size_t close = command.find(u'"', start + 1);
    return command.substr(start + 1, close == Text::npos ? Text::npos : close - start - 1);
  }
  for (std::size_t at = start; at + 4 <= command.size(); ++at) {
    if (IsExeEnd(command, at)) return command.substr(start, at + 4 - start);
  }
  return command.substr(start);
}

bool NamesThisCopy(StartupEntry& entry, const std::optional<Text>& command) {
  return command && entry.SamePath(ProgramOfCommand(*command), entry.ExecutablePath());
}

bool RunsThisCopy(StartupEntry& entry) { return NamesThisCopy(entry, entry.Command()) && !entry.SwitchedOff(); }

}  // namespace

void ShowSignInStart(MainForm& form) {
  form.os.menu.SetChecked(MenuItem::mOptSignInStart, RunsThisCopy(form.os.startup));
}

void OnSignInStartCommand(MainForm& form) {
  StartupEntry& entry = form.os.startup;
  if (RunsThisCopy(entry)) {
    entry.RemoveCommand();
  } else {
    if (!NamesThisCopy(entry, entry.Command())) entry.SetCommand(Quoted(entry.ExecutablePath()));
    if (entry.SwitchedOff()) entry.SwitchOn();
  }
  ShowSignInStart(form);
}

void RepairSignInStart(MainForm& form) {
  StartupEntry& entry = form.os.startup;
  const std::optional<Text> command = entry.Command();
  if (!command) return;
  const Text program = ProgramOfCommand(*command);
  if (!program.empty() && !entry.FileExists(program)) entry.SetCommand(Quoted(entry.ExecutablePath()));
}

}  // namespace modlatch
