#pragma once
#include <optional>

#include "platform/types.h"

namespace modlatch {

// The program's entry among the commands the system runs when the user signs in, and the
// switch Task Manager's Startup page keeps for that entry apart from it.
class StartupEntry {
 public:
  virtual ~StartupEntry() = default;
  // The entry's command line as stored; none when there is no entry.
  virtual std::optional<Text> Command() = 0;
  virtual void SetCommand(const Text& command) = 0;
  virtual void RemoveCommand() = 0;
  // The Startup page has the entry switched off (the entry stays, and is not run).
  virtual bool SwitchedOff() = 0;
  virtual void SwitchOn() = 0;
  // True for an existing file; a folder is not one.
  virtual bool FileExists(const Text& path) = 0;
  // The two paths are one as the file system compares names: without regard to case.
  virtual bool SamePath(const Text& a, const Text& b) = 0;
  // The running executable's full path.
  virtual Text ExecutablePath() = 0;
};

}  // namespace modlatch
