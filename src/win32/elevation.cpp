#include "win32/elevation.h"

#include <cwchar>
#include <optional>

#include "win32/scoped_handle.h"
#include "win32/system_library.h"
#include "win32/win32_system.h"

namespace modlatch::win32 {
namespace {

using OpenTokenFunction = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
using QueryTokenFunction = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);

struct TokenFunctions {
  OpenTokenFunction open = nullptr;
  QueryTokenFunction query = nullptr;
};

// advapi32 is none of the program's imports: taken from the system folder when first asked.
const TokenFunctions& Tokens() {
  static const TokenFunctions functions = [] {
    TokenFunctions loaded;
    if (HMODULE advapi = LoadSystemLibrary(L"advapi32.dll")) {
      loaded.open = reinterpret_cast<OpenTokenFunction>(
          reinterpret_cast<void*>(::GetProcAddress(advapi, "OpenProcessToken")));
      loaded.query = reinterpret_cast<QueryTokenFunction>(
          reinterpret_cast<void*>(::GetProcAddress(advapi, "GetTokenInformation")));
    }
    return loaded;
  }();
  return functions;
}

bool QueryToken(HANDLE process, TOKEN_INFORMATION_CLASS kind, void* record, DWORD size) {
  const TokenFunctions& tokens = Tokens();
  HANDLE token = nullptr;
  if (!tokens.open || !tokens.query || !tokens.open(process, TOKEN_QUERY, &token)) return false;
  const ScopedHandle held(token);
  DWORD written = 0;
  return tokens.query(token, kind, record, size, &written) != FALSE;
}

// The label is the SID S-1-16-<level>: 0x2000 medium, 0x3000 high (elevated), 0x4000 system.
// None before Vista, which has no levels to keep keys from anyone.
std::optional<DWORD> IntegrityLevelOf(HANDLE process) {
  union {
    TOKEN_MANDATORY_LABEL label;
    BYTE bytes[64];
  } buffer{};
  if (!QueryToken(process, TokenIntegrityLevel, &buffer, sizeof buffer)) return std::nullopt;
  const SID* sid = static_cast<const SID*>(buffer.label.Label.Sid);
  if (sid == nullptr || sid->SubAuthorityCount == 0) return std::nullopt;
  return sid->SubAuthority[sid->SubAuthorityCount - 1];
}

// Read by the system from what it keeps, without a message to a program that may hang.
Text TitleOf(HWND window, HANDLE process) {
  wchar_t text[256] = {};
  if (::GetWindowTextW(window, text, 256) > 0) return Text(reinterpret_cast<const char16_t*>(text));
  // Vista and later only, like the levels themselves.
  using QueryNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
  const auto query_name = reinterpret_cast<QueryNameFunction>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "QueryFullProcessImageNameW")));
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  if (!query_name || !query_name(process, 0, path, &length)) return Text();
  const wchar_t* name = std::wcsrchr(path, L'\\');
  return Text(reinterpret_cast<const char16_t*>(name ? name + 1 : path));
}

}  // namespace

FrontWindow Win32Elevation::CompareFrontWindow() {
  HWND window = ::GetForegroundWindow();
  FrontWindow front{FrontLevel::kUnknown, FromHwnd(window), Text()};
  DWORD process_id = 0;
  if (!window || !::GetWindowThreadProcessId(window, &process_id)) return front;
  if (process_id == ::GetCurrentProcessId()) {
    front.level = FrontLevel::kNotHigher;
    return front;
  }
  static const std::optional<DWORD> ours = IntegrityLevelOf(::GetCurrentProcess());
  // The least right there is; enough for the token of a process of this user's, elevated or not.
  const ScopedHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  const std::optional<DWORD> theirs = process ? IntegrityLevelOf(process.get()) : std::nullopt;
  if (!ours || !theirs) return front;
  front.level = *theirs > *ours ? FrontLevel::kHigher : FrontLevel::kNotHigher;
  if (front.level == FrontLevel::kHigher) front.title = TitleOf(window, process.get());
  return front;
}

bool Win32Elevation::RunsElevated() {
  static const bool elevated = [] {
    TOKEN_ELEVATION elevation{};
    return QueryToken(::GetCurrentProcess(), TokenElevation, &elevation, sizeof elevation) &&
           elevation.TokenIsElevated != 0;
  }();
  return elevated;
}

}  // namespace modlatch::win32
