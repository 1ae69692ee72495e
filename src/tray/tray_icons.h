#pragma once
#include <cstdint>

#include "platform/platform.h"

namespace modlatch {

struct MainForm;

namespace tray_record {
constexpr std::uint32_t kSize = 88;
constexpr std::uint32_t kFlags = 7;  // message, icon and tip
constexpr std::uint32_t kCallbackMessage = 0x0200;
constexpr std::size_t kTipBytes = 64;

std::uint32_t Window(const TrayIconData& record);
std::uint32_t Icon(const TrayIconData& record);
}  // namespace tray_record

void AddTrayIcon(Platform& os, WindowHandle window, ImageHandle image, const Text& text, TrayIconData& record);
void ModifyTrayIcon(Platform& os, WindowHandle window, ImageHandle image, const Text& text, TrayIconData& record);
void DeleteTrayIcon(Platform& os, const TrayIconData& record);

// The shell's callback on icon holder `index`; `mouse_message` is the low word of lParam.
void OnTrayCallback(MainForm& form, std::int16_t index, std::uint32_t mouse_message);

}  // namespace modlatch
