#include "win32/startup_entry.h"

#include <windows.h>

#include <vector>

#include "win32/app_files.h"
#include "win32/system_library.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kValueName[] = L"ModLatch";
// Task Manager's record of an entry: an odd first byte while it is switched off (the time it
// was follows), 02 and zeros while it is on.
constexpr BYTE kSwitchedOnRecord[12] = {0x02};

// The registry functions of advapi32, looked up once; all or none.
struct Registry {
  decltype(&::RegOpenKeyExW) open = nullptr;
  decltype(&::RegCreateKeyExW) create = nullptr;
  decltype(&::RegQueryValueExW) query = nullptr;
  decltype(&::RegSetValueExW) set = nullptr;
  decltype(&::RegDeleteValueW) remove = nullptr;
  decltype(&::RegCloseKey) close = nullptr;
};

template <typename Function>
void Find(HMODULE module, const char* name, Function* function) {
  *function = module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

const Registry* TheRegistry() {
  static const Registry registry = [] {
    Registry r;
    const HMODULE advapi = LoadSystemLibrary(L"advapi32.dll");
    Find(advapi, "RegOpenKeyExW", &r.open);
    Find(advapi, "RegCreateKeyExW", &r.create);
    Find(advapi, "RegQueryValueExW", &r.query);
    Find(advapi, "RegSetValueExW", &r.set);
    Find(advapi, "RegDeleteValueW", &r.remove);
    Find(advapi, "RegCloseKey", &r.close);
    return r;
  }();
  const Registry& r = registry;
  return r.open && r.create && r.query && r.set && r.remove && r.close ? &registry : nullptr;
}

// A key of the user's hive, open for the scope; false when it could not be opened.
class UserKey {
 public:
  enum class Make { kNo, kIfMissing };
  UserKey(const wchar_t* path, REGSAM access, Make make = Make::kNo) : registry_(TheRegistry()) {
    if (!registry_) return;
    const LONG result = make == Make::kIfMissing
                            ? registry_->create(HKEY_CURRENT_USER, path, 0, nullptr, 0, access, nullptr, &key_, nullptr)
                            : registry_->open(HKEY_CURRENT_USER, path, 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~UserKey() {
    if (key_) registry_->close(key_);
  }
  UserKey(const UserKey&) = delete;
  UserKey& operator=(const UserKey&) = delete;
  explicit operator bool() const { return key_ != nullptr; }
  const Registry& registry() const { return *registry_; }
  HKEY get() const { return key_; }

 private:
  const Registry* registry_;
  HKEY key_ = nullptr;
};

Text Expanded(const Text& text) {
  const DWORD length = ::ExpandEnvironmentStringsW(Wide(text), nullptr, 0);
  if (length == 0) return text;
  std::vector<wchar_t> expanded(length);
  if (::ExpandEnvironmentStringsW(Wide(text), expanded.data(), length) != length) return text;
  return Text(reinterpret_cast<const char16_t*>(expanded.data()));
}

Text Upper(Text text) {
  ::CharUpperBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

std::optional<Text> Win32StartupEntry::Command() {
  const UserKey run(kRunKey, KEY_QUERY_VALUE);
  if (!run) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  std::vector<wchar_t> data;
  LONG result = ERROR_MORE_DATA;
  // The value may grow between the two calls; the extra character stays a NUL.
  while (result == ERROR_MORE_DATA) {
    data.assign(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
    result = run.registry().query(run.get(), kValueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  }
  if (result != ERROR_SUCCESS) return std::nullopt;
  // A value of another kind names no program.
  if (type != REG_SZ && type != REG_EXPAND_SZ) return Text();
  const Text command(reinterpret_cast<const char16_t*>(data.data()));
  return type == REG_EXPAND_SZ ? Expanded(command) : command;
}

void Win32StartupEntry::SetCommand(const Text& command) {
  const UserKey run(kRunKey, KEY_SET_VALUE, UserKey::Make::kIfMissing);
  if (!run) return;
  run.registry().set(run.get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(char16_t)));
}

void Win32StartupEntry::RemoveCommand() {
  const UserKey run(kRunKey, KEY_SET_VALUE);
  if (run) run.registry().remove(run.get(), kValueName);
}

bool Win32StartupEntry::SwitchedOff() {
  const UserKey approved(kApprovedKey, KEY_QUERY_VALUE);
  if (!approved) return false;
  BYTE record[64];
  DWORD type = 0;
  DWORD size = sizeof record;
  if (approved.registry().query(approved.get(), kValueName, nullptr, &type, record, &size) != ERROR_SUCCESS) {
    return false;
  }
  return type == REG_BINARY && size > 0 && (record[0] & 1) != 0;
}

// Only ever asked after SwitchedOff found the record, so its key exists.
void Win32StartupEntry::SwitchOn() {
  const UserKey approved(kApprovedKey, KEY_SET_VALUE);
  if (approved) {
    approved.registry().set(approved.get(), kValueName, 0, REG_BINARY, kSwitchedOnRecord, sizeof kSwitchedOnRecord);
  }
}

bool Win32StartupEntry::FileExists(const Text& path) {
  const DWORD attributes = ::GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32StartupEntry::SamePath(const Text& a, const Text& b) { return Upper(a) == Upper(b); }

Text Win32StartupEntry::ExecutablePath() { return ModulePath(); }

}  // namespace modlatch::win32
