#pragma once
#include "platform/shell.h"

namespace modlatch::win32 {

// The shell, the clipboard, sounds and the platform's help viewer.
class Win32Shell : public Shell {
 public:
  void OpenAddress(WindowHandle owner, const std::string& address, const std::string& directory) override;
  void PutOnClipboard(WindowHandle owner, const Text& text) override;
  void BeepInformation() override;
  void PlayLatchSound(LatchSound sound) override;
  void OpenWinHelpContents(WindowHandle owner, const std::string& path) override;
};

}  // namespace modlatch::win32
