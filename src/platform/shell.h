#pragma once
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace modlatch {

// The short tones of option Sounds.
enum class LatchSound { kLatch, kLock, kRelease };

// The system shell and its neighbours. Strings cross in the ANSI code page where the API takes them.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a web page or a mail address with the user's program for it, as a double click in the
  // shell would, from `directory`; the result is not reported.
  virtual void OpenAddress(WindowHandle owner, const std::string& address, const std::string& directory) = 0;
  // Empties the clipboard, then puts the text on it; the owner window opens the clipboard.
  virtual void PutOnClipboard(WindowHandle owner, const Text& text) = 0;
  // The system's information sound.
  virtual void BeepInformation() = 0;
  // Starts the tone and returns at once.
  virtual void PlayLatchSound(LatchSound sound) = 0;
  // The platform's own viewer for ".hlp" files, at the file's contents.
  virtual void OpenWinHelpContents(WindowHandle owner, const std::string& path) = 0;
};

}  // namespace modlatch
