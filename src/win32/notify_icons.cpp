#include "win32/notify_icons.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

#include "win32/system_library.h"
#include "win32/tray_record.h"

namespace modlatch::win32 {
namespace {

NOTIFYICONDATAA RecordFor(HWND holder) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88 bytes on 32-bit Windows
  data.hWnd = holder;
  data.uID = 0;
  return data;
}

}  // namespace

bool NotifyIcons::Add(HWND holder, HICON picture, const std::string& ansi_tip) {
  if (!notify_icon_) {
    notify_icon_ = reinterpret_cast<NotifyIconFunction>(
        reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary(L"shell32.dll"), "Shell_NotifyIconA")));
  }
  // An add that fails because the shell already has the icon still leaves it shown.
  return Send(NIM_ADD, holder, picture, ansi_tip) || Send(NIM_MODIFY, holder, picture, ansi_tip);
}

void NotifyIcons::Update(HWND holder, HICON picture, const std::string& ansi_tip) {
  Send(NIM_MODIFY, holder, picture, ansi_tip);
}

void NotifyIcons::Remove(HWND holder) {
  // Before the first add no icon of ours exists, so there is nothing to delete.
  if (!notify_icon_) return;
  NOTIFYICONDATAA data = RecordFor(holder);
  notify_icon_(NIM_DELETE, &data);
}

bool NotifyIcons::Send(DWORD message, HWND holder, HICON picture, const std::string& ansi_tip) {
  if (!notify_icon_) return false;
  NOTIFYICONDATAA data = RecordFor(holder);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallback;
  data.hIcon = picture;
  // The first version's record ends with the first 64 bytes of the tip.
  static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + kTipBytes, "first-version tip");
  const std::array<char, kTipBytes> tip = TipBytes(ansi_tip);
  std::memcpy(data.szTip, tip.data(), kTipBytes);
  return notify_icon_(message, &data) != FALSE;
}

void NotifyIcons::ShowBalloon(HWND holder, const Text& title, const Text& text) {
  // Shell32 is loaded with the first icon; with no icon there is nothing to show it on.
  using NotifyIconW = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
  const auto notify_icon_w = reinterpret_cast<NotifyIconW>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"shell32.dll"), "Shell_NotifyIconW")));
  if (!notify_icon_ || !notify_icon_w) return;
  // The first-version record has no room for a balloon: this one names the same icon and asks
  // only that.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V2_SIZE;
  data.hWnd = holder;
  data.uID = 0;
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_INFO;
  const std::size_t title_length = std::min(title.size(), std::size(data.szInfoTitle) - 1);
  const std::size_t text_length = std::min(text.size(), std::size(data.szInfo) - 1);
  std::memcpy(data.szInfoTitle, title.data(), title_length * sizeof(wchar_t));
  std::memcpy(data.szInfo, text.data(), text_length * sizeof(wchar_t));
  notify_icon_w(NIM_MODIFY, &data);
}

}  // namespace modlatch::win32
