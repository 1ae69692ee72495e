#pragma once
#include "platform/startup_entry.h"

namespace modlatch::win32 {

// The entry is the value "ModLatch" of the user's Run key; Task Manager's switch for it is the
// value of the same name under Explorer\StartupApproved\Run. advapi32 is loaded from the system
// folder when first asked, so start-up needs none of it.
class Win32StartupEntry : public StartupEntry {
 public:
  std::optional<Text> Command() override;
  void SetCommand(const Text& command) override;
  void RemoveCommand() override;
  bool SwitchedOff() override;
  void SwitchOn() override;
  bool FileExists(const Text& path) override;
  bool SamePath(const Text& a, const Text& b) override;
  Text ExecutablePath() override;
};

}  // namespace modlatch::win32
