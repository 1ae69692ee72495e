#pragma once
#include "platform/shell.h"

namespace modlatch::win32 {

// The shell, the clipboard, sounds and the platform's help viewer.
class Win32Shell : public Shell {
 public:
  void Execute(WindowHandle owner, const std::string& verb, const std::string& target, const std::string& directory,
               int show) override;
  void PutOnClipboard(WindowHandle owner, const Text& text) override;
  void Beep(std::uint32_t sound) override;
  void PlayLatchSound(LatchSound sound) override;
  void OpenWinHelp(WindowHandle owner, const std::string& path, std::uint32_t command, std::uintptr_t data) override;
};

}  // namespace modlatch::win32
