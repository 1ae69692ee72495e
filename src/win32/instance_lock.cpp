#include "win32/instance_lock.h"

#include <windows.h>

#include "app/single_instance.h"
#include "win32/main_form_window.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {
namespace {

// Asks `fill` for the text with a growing buffer: paths may be longer than MAX_PATH, and a
// path cut short would name another file.
template <typename Fill>
Text Grown(Fill fill) {
  Text text(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length = fill(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
    if (length == 0) return Text();
    if (length < text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(text.size() * 2);
  }
}

Text ExecutablePath() {
  return Grown([](wchar_t* buffer, DWORD size) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, size);
    return length == size ? size : length;  // a full buffer means the path was cut
  });
}

}  // namespace

std::optional<FileId> Files::IdOf(const Text& path) {
  HANDLE file = ::CreateFileW(Wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = ::GetFileInformationByHandle(file, &info) != FALSE;
  ::CloseHandle(file);
  const std::uint64_t index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  // Some network and FAT redirectors answer with no number at all.
  if (!known || index == 0) return std::nullopt;
  return FileId{info.dwVolumeSerialNumber, index};
}

Text Files::NormalizedPath(const Text& path) {
  Text full = Grown([&](wchar_t* buffer, DWORD size) { return ::GetFullPathNameW(Wide(path), size, buffer, nullptr); });
  if (full.empty()) full = path;
  // Short 8.3 names and long names of the same folder must agree.
  const Text longer = Grown([&](wchar_t* buffer, DWORD size) { return ::GetLongPathNameW(Wide(full), buffer, size); });
  Text normalized = longer.empty() ? full : longer;
  ::CharUpperBuffW(reinterpret_cast<wchar_t*>(normalized.data()), static_cast<DWORD>(normalized.size()));
  return normalized;
}

bool AnotherInstanceRunning(UINT* second_start) {
  Files files;
  const Text name = InstanceLockName(files, ExecutablePath());
  *second_start = ::RegisterWindowMessageW(Wide(name + u"-SecondStart"));
  // Kept open for the life of the process. A copy running as administrator holds one that the
  // user's own programs may not open: that is running too.
  ::CreateMutexW(nullptr, FALSE, Wide(name));
  const DWORD error = ::GetLastError();
  return error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
}

void TellRunningInstance(UINT second_start) {
  if (second_start == 0) return;
  // Copies of the program at other paths share the class but not the message: they ignore it.
  HWND window = nullptr;
  while ((window = ::FindWindowExW(nullptr, window, kMainWindowClass, nullptr)) != nullptr) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    // The user started this process, so it may hand the foreground on.
    ::AllowSetForegroundWindow(process);
    // Sent, not posted: the leave to take the foreground lasts while this process does.
    ::SendMessageTimeoutW(window, second_start, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  }
}

}  // namespace modlatch::win32
