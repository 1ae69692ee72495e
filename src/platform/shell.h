#pragma once
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace modlatch {

namespace sound {
constexpr std::uint32_t kInformation = 0x40;  // MB_ICONASTERISK
}  // namespace sound

// The short tones of option Sounds.
enum class LatchSound { kLatch, kLock, kRelease };

namespace help_command {
constexpr std::uint32_t kContents = 3;  // HELP_CONTENTS
}  // namespace help_command

// The system shell and its neighbours. Strings cross in the ANSI code page where the API takes them.
class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or address as the shell does; the result is not reported.
  virtual void Execute(WindowHandle owner, const std::string& verb, const std::string& target,
                       const std::string& directory, int show) = 0;
  // Empties the clipboard, then puts the text on it; the owner window opens the clipboard.
  virtual void PutOnClipboard(WindowHandle owner, const Text& text) = 0;
  virtual void Beep(std::uint32_t sound) = 0;
  // Starts the tone and returns at once.
  virtual void PlayLatchSound(LatchSound sound) = 0;
  // The platform's own viewer for ".hlp" files.
  virtual void OpenWinHelp(WindowHandle owner, const std::string& path, std::uint32_t command, std::uintptr_t data) = 0;
};

}  // namespace modlatch
