// Runs inside the program that shows a popup menu: reads the items of the menu
// behind a #32768 window and writes them as one JSON line to a file.
#include "json_line.h"
#include "menu_reader.h"

#include <string>

namespace {

std::string ItemJson(HMENU menu, int index) {
  wchar_t caption[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  info.dwTypeData = caption;
  info.cch = static_cast<UINT>(std::size(caption) - 1);
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info)) {
    return probe::Json().Int("index", index).Int("error", GetLastError()).Text();
  }
  RECT rect{};
  const bool hasRect = GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &rect) != FALSE;
  probe::Json item;
  item.Int("index", index)
      .Str("caption", (info.fType & MFT_SEPARATOR) ? L"" : caption)
      .Int("id", info.wID)
      .Bool("separator", (info.fType & MFT_SEPARATOR) != 0)
      .Bool("checked", (info.fState & MFS_CHECKED) != 0)
      .Bool("radio", (info.fType & MFT_RADIOCHECK) != 0)
      .Bool("grayed", (info.fState & MFS_GRAYED) != 0)
      .Bool("default", (info.fState & MFS_DEFAULT) != 0)
      .Bool("submenu", info.hSubMenu != nullptr);
  if (hasRect) item.Rect("rect", rect);
  // A submenu's items come with it, open or not.
  if (info.hSubMenu) {
    std::string items;
    for (int i = 0; i < GetMenuItemCount(info.hSubMenu); ++i) items += (i ? "," : "") + ItemJson(info.hSubMenu, i);
    item.Raw("items", probe::Array(items));
  }
  return item.Text();
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ReadOpenMenu(void* param) {
  const auto* request = static_cast<const probe::MenuReaderRequest*>(param);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(request->menuWindow, probe::kGetMenuHandle, 0, 0, SMTO_ABORTIFHUNG, 2000,
                      &result);
  const HMENU menu = reinterpret_cast<HMENU>(result);
  const int count = menu ? GetMenuItemCount(menu) : -1;

  std::string items;
  for (int i = 0; i < count; ++i) items += (i ? "," : "") + ItemJson(menu, i);
  const std::string line = probe::Json()
                               .Handle("hmenu", menu)
                               .Int("count", count)
                               .Raw("items", probe::Array(items))
                               .Text() +
                           "\n";

  const HANDLE file = CreateFileW(request->outPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return count >= 0 ? 0 : 1;
}
