#pragma once
#include <vector>

#include "platform/types.h"

namespace modlatch {

struct HelpTopic {
  Text title;
  Text body;
};

// The windows the menu opens on demand: the one About window and the help window.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual bool AboutExists() = 0;
  // Creates the About window; its load steps run before it is first shown.
  virtual void LoadAbout(Language language) = 0;
  // Shows it modeless and without an owner, and returns at once.
  virtual void ShowAbout() = 0;
  // Shows the help window at the first topic, the others one click away.
  virtual void ShowHelp(const std::vector<HelpTopic>& topics, Language language) = 0;
  virtual void ShowHelpMessage(const Text& text, Language language) = 0;
  // Closes the About and help windows if open; the next opening makes them afresh.
  virtual void CloseWindows() = 0;
  // A plain notice from the program, with the information icon.
  virtual void ShowNotice(const Text& text) = 0;
};

}  // namespace modlatch
