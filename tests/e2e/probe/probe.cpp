// probe.exe: observes and pokes ModLatch from another process of the same Wine
// prefix for the end-to-end tests. Every command prints JSON lines on stdout.
#include "json_line.h"
#include "menu_reader.h"

#include <oleacc.h>
#include <shellapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

namespace {

using probe::Json;

constexpr UINT kSendTimeoutMs = 5000;

long long Number(const wchar_t* text) {
  return text[0] == L'-' ? std::wcstoll(text, nullptr, 0) : static_cast<long long>(std::wcstoull(text, nullptr, 0));
}

HWND AsWindow(const wchar_t* text) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Number(text)));
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
  return name;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));
  return text;
}

int Fail(const std::string& message) {
  Json().Str("error", message.c_str()).Print();
  return 1;
}

// --- keys -------------------------------------------------------------------

bool Down(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

int Keys() {
  Json()
      .Bool("shift", Down(VK_SHIFT))
      .Bool("ctrl", Down(VK_CONTROL))
      .Bool("alt", Down(VK_MENU))
      .Bool("lshift", Down(VK_LSHIFT))
      .Bool("rshift", Down(VK_RSHIFT))
      .Bool("lctrl", Down(VK_LCONTROL))
      .Bool("rctrl", Down(VK_RCONTROL))
      .Bool("lalt", Down(VK_LMENU))
      .Bool("win", Down(VK_LWIN) || Down(VK_RWIN))
      .Print();
  return 0;
}

// --- windows ----------------------------------------------------------------

// Wine's X11 driver records each top-level window's X window id as a property,
// which lets the harness aim xdotool at a window.
HANDLE XWindowOf(HWND hwnd) { return GetPropW(hwnd, L"__wine_x11_whole_window"); }

std::string WindowJson(HWND hwnd) {
  DWORD pid = 0;
  const DWORD tid = GetWindowThreadProcessId(hwnd, &pid);
  RECT outer{}, client{};
  GetWindowRect(hwnd, &outer);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return Json()
      .Handle("hwnd", hwnd)
      .Int("pid", pid)
      .Int("tid", tid)
      .Str("class", ClassOf(hwnd))
      .Str("title", TextOf(hwnd))
      .Rect("rect", outer)
      .Rect("client", client)
      .Int("style", static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)))
      .Int("exstyle", static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)))
      .Bool("visible", IsWindowVisible(hwnd) != FALSE)
      .Handle("owner", GetWindow(hwnd, GW_OWNER))
      .Handle("xid", XWindowOf(hwnd))
      .Text();
}

struct ClassSearch {
  std::wstring name;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  if (ClassOf(hwnd) == search->name) search->found.push_back(hwnd);
  return TRUE;
}

std::vector<HWND> TopLevelOfClass(const std::wstring& className) {
  ClassSearch search{className, {}};
  EnumWindows(CollectOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowsJson(const std::vector<HWND>& windows) {
  std::string items;
  for (HWND hwnd : windows) items += (items.empty() ? "" : ",") + WindowJson(hwnd);
  return probe::Array(items);
}

int Find(const wchar_t* className) {
  const auto windows = TopLevelOfClass(className);
  Json().Int("count", static_cast<long long>(windows.size())).Raw("windows", WindowsJson(windows)).Print();
  return 0;
}

int WaitWindow(const wchar_t* className, DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    std::vector<HWND> visible;
    for (HWND hwnd : TopLevelOfClass(className))
      if (IsWindowVisible(hwnd)) visible.push_back(hwnd);
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (!visible.empty() || elapsed >= timeoutMs) {
      Json()
          .Bool("found", !visible.empty())
          .Int("elapsed_ms", static_cast<long long>(elapsed))
          .Raw("windows", WindowsJson(visible))
          .Print();
      return visible.empty() ? 1 : 0;
    }
    Sleep(5);
  }
}

BOOL CALLBACK CollectAll(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectAll, reinterpret_cast<LPARAM>(&found));
  return found;
}

int Children(HWND top) {
  if (!IsWindow(top)) return Fail("no such window");
  std::string items;
  for (HWND child : Descendants(top)) {
    const HWND parent = GetParent(child);
    RECT screen{};
    GetWindowRect(child, &screen);
    RECT inParent = screen;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&inParent), 2);
    const std::wstring cls = ClassOf(child);
    Json item;
    item.Handle("hwnd", child)
        .Handle("parent", parent)
        .Int("id", GetDlgCtrlID(child))
        .Str("class", cls)
        .Str("text", TextOf(child))
        .Rect("rect", inParent)
        .Rect("screen", screen)
        .Int("style", static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE)))
        .Int("exstyle", static_cast<DWORD>(GetWindowLongPtrW(child, GWL_EXSTYLE)))
        .Bool("visible", IsWindowVisible(child) != FALSE);
    if (lstrcmpiW(cls.c_str(), L"Button") == 0) {
      DWORD_PTR check = 0;
      SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &check);
      item.Int("check", static_cast<long long>(check));
    }
    items += (items.empty() ? "" : ",") + item.Text();
  }
  Json().Handle("hwnd", top).Raw("children", probe::Array(items)).Print();
  return 0;
}

HWND ChildById(HWND top, int id) {
  for (HWND child : Descendants(top))
    if (GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

// BM_CLICK runs the button's own mouse handling. Under Wine it leaves the X
// input focus alone, which matters: a focus change re-reads the modifiers from
// X and would drop an injected latch.
int Click(HWND top, int id) {
  const HWND button = ChildById(top, id);
  if (!button) return Fail("no child with that id");
  DWORD_PTR before = 0, after = 0, result = 0;
  SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &before);
  const bool sent = SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
  // The program may have closed in answer to the click.
  const bool alive = IsWindow(button) != FALSE;
  if (alive) SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &after);
  Json()
      .Handle("button", button)
      .Bool("sent", sent)
      .Bool("alive", alive)
      .Int("before", static_cast<long long>(before))
      .Int("after", static_cast<long long>(after))
      .Print();
  return sent || !alive ? 0 : 1;
}

int Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  SetLastError(0);
  const bool ok = SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
  Json()
      .Bool("ok", ok)
      .Int("result", static_cast<long long>(result))
      .Int("error", ok ? 0 : GetLastError())
      .Bool("alive", IsWindow(hwnd) != FALSE)
      .Print();
  return ok ? 0 : 1;
}

int Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool ok = PostMessageW(hwnd, msg, wParam, lParam) != FALSE;
  Json().Bool("ok", ok).Print();
  return ok ? 0 : 1;
}

std::string PointJson(POINT p) { return Json().Int("x", p.x).Int("y", p.y).Text(); }

int MinMax(HWND hwnd) {
  // Pre-filled the way the system fills the record before asking the window.
  MINMAXINFO info{};
  info.ptMaxSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  info.ptMaxPosition = {0, 0};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  DWORD_PTR result = 0;
  const bool ok = SendMessageTimeoutW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info),
                                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
  Json()
      .Bool("ok", ok)
      .Int("result", static_cast<long long>(result))
      .Raw("max_size", PointJson(info.ptMaxSize))
      .Raw("max_position", PointJson(info.ptMaxPosition))
      .Raw("min_track", PointJson(info.ptMinTrackSize))
      .Raw("max_track", PointJson(info.ptMaxTrackSize))
      .Print();
  return ok ? 0 : 1;
}

int Focus() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const HWND foreground = GetForegroundWindow();
  GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info);
  Json()
      .Handle("foreground", foreground)
      .Str("foreground_class", ClassOf(foreground))
      .Handle("focus", info.hwndFocus)
      .Handle("active", info.hwndActive)
      .Print();
  return 0;
}

// --- menu -------------------------------------------------------------------

// Address of a module's export inside another process: same offset from the
// module base as here.
FARPROC RemoteExport(DWORD pid, HMODULE local, const char* name, HMODULE* remoteBaseOut) {
  wchar_t localPath[MAX_PATH] = {};
  GetModuleFileNameW(local, localPath, MAX_PATH);
  const wchar_t* localName = std::wcsrchr(localPath, L'\\');
  localName = localName ? localName + 1 : localPath;
  const FARPROC localProc = GetProcAddress(local, name);
  if (!localProc) return nullptr;

  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snapshot == INVALID_HANDLE_VALUE) return nullptr;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  BYTE* remoteBase = nullptr;
  for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szModule, localName) == 0) {
      remoteBase = entry.modBaseAddr;
      break;
    }
  }
  CloseHandle(snapshot);
  if (!remoteBase) return nullptr;
  if (remoteBaseOut) *remoteBaseOut = reinterpret_cast<HMODULE>(remoteBase);
  const auto offset = reinterpret_cast<BYTE*>(localProc) - reinterpret_cast<BYTE*>(local);
  return reinterpret_cast<FARPROC>(remoteBase + offset);
}

bool RunRemote(HANDLE process, FARPROC start, void* param, DWORD* exitCode) {
  LPTHREAD_START_ROUTINE routine = nullptr;
  static_assert(sizeof routine == sizeof start);
  std::memcpy(&routine, &start, sizeof routine);
  const HANDLE thread = CreateRemoteThread(process, nullptr, 0, routine, param, 0, nullptr);
  if (!thread) return false;
  const bool done = WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
  if (done && exitCode) GetExitCodeThread(thread, exitCode);
  CloseHandle(thread);
  return done;
}

std::string ReadFileText(const wchar_t* path) {
  const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(file, buf, sizeof buf, &got, nullptr) && got) text.append(buf, got);
  CloseHandle(file);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

int Menu(DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  HWND popup = nullptr;
  while (!popup) {
    for (HWND hwnd : TopLevelOfClass(L"#32768"))
      if (IsWindowVisible(hwnd)) popup = hwnd;
    if (popup) break;
    if (GetTickCount64() - start >= timeoutMs) {
      Json().Bool("open", false).Print();
      return 1;
    }
    Sleep(20);
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(popup, &pid);

  probe::MenuReaderRequest request{};
  GetModuleFileNameW(nullptr, request.dllPath, MAX_PATH);
  wchar_t* slash = std::wcsrchr(request.dllPath, L'\\');
  lstrcpyW(slash ? slash + 1 : request.dllPath, L"probe_menu.dll");
  wchar_t tempDir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, tempDir);
  GetTempFileNameW(tempDir, L"pmn", 0, request.outPath);
  request.menuWindow = popup;

  // Loaded here too, to learn the export's offset from the module base.
  const HMODULE localReader = LoadLibraryW(request.dllPath);
  if (!localReader) return Fail("cannot load probe_menu.dll");

  const HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
  if (!process) return Fail("OpenProcess failed");
  void* remote = VirtualAllocEx(process, nullptr, sizeof request, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  if (!remote || !WriteProcessMemory(process, remote, &request, sizeof request, &written))
    return Fail("cannot write into the menu's process");

  HMODULE remoteReader = nullptr;
  const FARPROC loadLibrary = RemoteExport(pid, GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW", nullptr);
  DWORD loadResult = 0, readResult = 99;
  const bool loaded = loadLibrary && RunRemote(process, loadLibrary, remote, &loadResult);
  const FARPROC reader = loaded ? RemoteExport(pid, localReader, probe::kMenuReaderExport, &remoteReader) : nullptr;
  const bool read = reader && RunRemote(process, reader, remote, &readResult);
  if (remoteReader) {
    const FARPROC freeLibrary = RemoteExport(pid, GetModuleHandleW(L"kernel32.dll"), "FreeLibrary", nullptr);
    if (freeLibrary) RunRemote(process, freeLibrary, remoteReader, nullptr);
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);

  const std::string menu = ReadFileText(request.outPath);
  DeleteFileW(request.outPath);
  if (!read || menu.empty()) {
    Json().Bool("open", true).Bool("loaded", loaded).Bool("read", read).Int("reader_result", readResult).Print();
    return 1;
  }
  Json().Bool("open", true).Handle("hwnd", popup).Int("pid", pid).Raw("menu", menu).Print();
  return readResult == 0 ? 0 : 1;
}

// --- typebox ----------------------------------------------------------------

struct TypeBox {
  HWND frame = nullptr;
  HWND edit = nullptr;
  HWND log = nullptr;  // hidden: its text lists the system keys and menu messages seen
  WNDPROC edit_proc = nullptr;
};
TypeBox* g_typeBox = nullptr;

void NoteMessage(const char* name, unsigned long long value) {
  if (!g_typeBox || !g_typeBox->log) return;
  wchar_t entry[64];
  swprintf(entry, 64, L"%hs:%x ", name, static_cast<unsigned>(value));
  const std::wstring text = TextOf(g_typeBox->log) + entry;
  SetWindowTextW(g_typeBox->log, text.c_str());
}

// Notes what a system key does to the edit box. WM_SYSCHAR stops here: passed on, it would start
// the menu's mnemonic search, which is not what the tests watch for.
LRESULT CALLBACK TypeBoxEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SYSKEYDOWN:
      NoteMessage("SYSKEYDOWN", wParam);
      break;
    case WM_SYSKEYUP:
      NoteMessage("SYSKEYUP", wParam);
      break;
    case WM_SYSCHAR:
      NoteMessage("SYSCHAR", wParam);
      return 0;
    default:
      break;
  }
  return CallWindowProcW(g_typeBox->edit_proc, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TypeBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* box = reinterpret_cast<TypeBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_SYSCOMMAND:
      // A lone ALT coming up asks for the menu bar this way.
      if ((wParam & 0xFFF0) == SC_KEYMENU) NoteMessage("KEYMENU", static_cast<unsigned long long>(lParam));
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_ENTERMENULOOP:
      NoteMessage("ENTERMENULOOP", wParam);
      return 0;
    case WM_SETFOCUS:
      if (box && box->edit) SetFocus(box->edit);
      return 0;
    case WM_TIMER:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

int TypeBoxRun(DWORD seconds) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = TypeBoxProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"ModLatchProbeTypeBox";
  RegisterClassW(&wc);

  TypeBox box;
  box.frame = CreateWindowExW(0, wc.lpszClassName, L"probe typebox", WS_OVERLAPPEDWINDOW, 40, 40, 320, 120,
                              nullptr, nullptr, instance, nullptr);
  SetWindowLongPtrW(box.frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&box));
  box.edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8, 8, 280,
                             28, box.frame, reinterpret_cast<HMENU>(1), instance, nullptr);
  box.log = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, box.frame, reinterpret_cast<HMENU>(2), instance,
                            nullptr);
  g_typeBox = &box;
  box.edit_proc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(box.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TypeBoxEditProc)));
  ShowWindow(box.frame, SW_SHOW);
  UpdateWindow(box.frame);
  SetForegroundWindow(box.frame);
  SetFocus(box.edit);
  SetTimer(box.frame, 1, seconds * 1000, nullptr);

  RECT rect{};
  GetWindowRect(box.frame, &rect);
  Json()
      .Bool("ready", true)
      .Handle("hwnd", box.frame)
      .Handle("edit", box.edit)
      .Handle("log", box.log)
      .Handle("xid", XWindowOf(box.frame))
      .Rect("rect", rect)
      .Print();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Json().Str("text", TextOf(box.edit)).Print();
  DestroyWindow(box.frame);
  g_typeBox = nullptr;
  return 0;
}

// A Wine process that does nothing keeps the wineserver, and with it the
// key state, alive while the program under test exits.
int Idle(DWORD seconds) {
  Json().Bool("idle", true).Print();
  Sleep(seconds * 1000);
  return 0;
}

// --- colours, geometry, timing ----------------------------------------------

std::string ColorJson(int index) {
  const COLORREF c = GetSysColor(index);
  return Json().Int("r", GetRValue(c)).Int("g", GetGValue(c)).Int("b", GetBValue(c)).Text();
}

int SysColors() {
  Json()
      .Raw("active_caption", ColorJson(COLOR_ACTIVECAPTION))
      .Raw("inactive_caption", ColorJson(COLOR_INACTIVECAPTION))
      .Raw("button_face", ColorJson(COLOR_BTNFACE))
      .Print();
  return 0;
}

int WorkArea() {
  RECT area{};
  const bool ok = SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) != FALSE;
  Json()
      .Bool("ok", ok)
      .Rect("work_area", area)
      .Int("screen_w", GetSystemMetrics(SM_CXSCREEN))
      .Int("screen_h", GetSystemMetrics(SM_CYSCREEN))
      .Print();
  return ok ? 0 : 1;
}

// The top-level window a user sees at a screen point: what lies in front there.
int WindowAt(int x, int y) {
  const HWND root = GetAncestor(WindowFromPoint(POINT{x, y}), GA_ROOT);
  Json().Handle("root", root).Str("class", ClassOf(root)).Print();
  return 0;
}

// SetWindowPos from outside runs the target's own WM_WINDOWPOSCHANGING and
// WM_GETMINMAXINFO handling, as a user's resize does.
int SetPos(HWND hwnd, int x, int y, int w, int h, UINT flags) {
  if (!IsWindow(hwnd)) return Fail("no such window");
  const bool ok = SetWindowPos(hwnd, nullptr, x, y, w, h, flags | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
  Json().Bool("ok", ok).Raw("window", WindowJson(hwnd)).Print();
  return ok ? 0 : 1;
}

double Millis(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  static LARGE_INTEGER frequency{};
  if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Waits for a key to reach a state in Wine's key state, then for a toggle
// button to follow it: the lag is the program's, not the input tool's.
int WatchCheck(HWND top, int id, int vk, int want, DWORD timeoutMs) {
  const HWND button = ChildById(top, id);
  if (!button) return Fail("no child with that id");
  Json().Bool("ready", true).Print();
  LARGE_INTEGER start{}, keyAt{}, checkAt{}, now{};
  QueryPerformanceCounter(&start);
  bool keySeen = false, checkSeen = false;
  for (;;) {
    QueryPerformanceCounter(&now);
    if (!keySeen && Down(vk) == (want != 0)) {
      keySeen = true;
      keyAt = now;
    }
    if (keySeen) {
      DWORD_PTR check = 0;
      SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &check);
      QueryPerformanceCounter(&now);
      if (static_cast<int>(check) == want) {
        checkSeen = true;
        checkAt = now;
        break;
      }
    }
    if (Millis(start, now) >= timeoutMs) break;
    Sleep(2);
  }
  Json item;
  item.Bool("key_seen", keySeen).Bool("check_seen", checkSeen);
  if (keySeen) item.Int("key_after_ms", static_cast<long long>(Millis(start, keyAt)));
  if (checkSeen) item.Int("lag_ms", static_cast<long long>(Millis(keyAt, checkAt)));
  item.Print();
  return checkSeen ? 0 : 1;
}

// Prints a ready line first, so the caller can act after it and time the answer.
int WatchWindow(const wchar_t* className, DWORD timeoutMs) {
  Json().Bool("ready", true).Print();
  return WaitWindow(className, timeoutMs);
}

// --- notification area ------------------------------------------------------

// Without a shell, Wine's tray is a top-level window of this class holding one
// child window per icon, placed left to right in the order the icons came.
constexpr wchar_t kTrayClass[] = L"__winex11_standalone_tray";

int Tray() {
  std::string trays, icons;
  for (HWND tray : TopLevelOfClass(kTrayClass)) {
    trays += (trays.empty() ? "" : ",") + WindowJson(tray);
    std::vector<std::pair<RECT, HWND>> found;
    for (HWND icon : Descendants(tray)) {
      RECT screen{};
      GetWindowRect(icon, &screen);
      found.push_back({screen, icon});
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first.left < b.first.left; });
    for (const auto& [screen, icon] : found) {
      const std::string item = Json()
                                   .Handle("hwnd", icon)
                                   .Handle("tray", tray)
                                   .Str("class", ClassOf(icon))
                                   .Rect("screen", screen)
                                   .Bool("visible", IsWindowVisible(icon) != FALSE)
                                   .Text();
      icons += (icons.empty() ? "" : ",") + item;
    }
  }
  Json().Raw("trays", probe::Array(trays)).Raw("icons", probe::Array(icons)).Print();
  return 0;
}

// A tooltip control answers WM_GETTEXT with the text it shows; Wine carries
// that message across processes, unlike the TTM_ ones.
int Tooltip(DWORD timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    for (HWND tip : TopLevelOfClass(L"tooltips_class32")) {
      if (!IsWindowVisible(tip)) continue;
      wchar_t text[256] = {};
      DWORD_PTR length = 0;
      SendMessageTimeoutW(tip, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                          kSendTimeoutMs, &length);
      Json().Bool("found", true).Handle("hwnd", tip).Handle("owner", GetWindow(tip, GW_OWNER)).Str("text", text).Print();
      return 0;
    }
    if (GetTickCount64() - start >= timeoutMs) {
      Json().Bool("found", false).Print();
      return 1;
    }
    Sleep(20);
  }
}

// What a shell sends every top-level window when its taskbar is (re)created.
int TaskbarCreated(HWND target) {
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  bool ok = false;
  if (target) {
    ok = PostMessageW(target, message, 0, 0) != FALSE;
  } else {
    DWORD_PTR result = 0;
    ok = SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
  }
  Json().Int("message", message).Bool("broadcast", target == nullptr).Bool("ok", ok).Print();
  return ok ? 0 : 1;
}

// Deletes another program's tray icon, as a shell that restarts forgets every
// icon: Wine's tray takes the request from any process.
int TrayDelete(HWND owner, UINT id) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = id;
  const bool ok = Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
  Json().Handle("owner", owner).Int("id", id).Bool("ok", ok).Print();
  return ok ? 0 : 1;
}

// Every keyboard event any Wine program receives or sends, for MS milliseconds:
// the injected flag tells the program's keybd_event calls from X key presses.
struct KeyLog {
  LARGE_INTEGER start{};
  std::string events;
};
KeyLog* g_keyLog = nullptr;

LRESULT CALLBACK LogKey(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_keyLog) {
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    g_keyLog->events += (g_keyLog->events.empty() ? "" : ",") +
                        Json()
                            .Int("vk", info->vkCode)
                            .Bool("up", wParam == WM_KEYUP || wParam == WM_SYSKEYUP)
                            .Bool("injected", (info->flags & LLKHF_INJECTED) != 0)
                            .Bool("extended", (info->flags & LLKHF_EXTENDED) != 0)
                            .Int("scan", info->scanCode)
                            .Int("ms", static_cast<long long>(Millis(g_keyLog->start, now)))
                            .Text();
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A low-level hook is called from the message loop of the thread that set it.
void PumpMessagesFor(DWORD timeoutMs) {
  const UINT_PTR timer = SetTimer(nullptr, 0, timeoutMs, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.wParam == timer) break;
    DispatchMessageW(&msg);
  }
}

int LogKeys(DWORD timeoutMs) {
  KeyLog log;
  g_keyLog = &log;
  const HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, LogKey, GetModuleHandleW(nullptr), 0);
  if (!hook) return Fail("SetWindowsHookEx failed");
  QueryPerformanceCounter(&log.start);
  Json().Bool("ready", true).Print();
  PumpMessagesFor(timeoutMs);
  UnhookWindowsHookEx(hook);
  Json().Raw("events", probe::Array(log.events)).Print();
  return 0;
}

// The cost of a key event as a sender sees it: Wine's SendInput returns only once every
// low-level keyboard hook has seen the event. F24 is a key no program acts on.
int KeyCost(int batches, int per_batch) {
  INPUT input[2] = {};
  for (INPUT& in : input) {
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = VK_F24;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  std::vector<double> per_event;
  for (int b = 0; b < batches; ++b) {
    LARGE_INTEGER from{}, to{};
    QueryPerformanceCounter(&from);
    for (int i = 0; i < per_batch; ++i) {
      SendInput(1, &input[0], sizeof(INPUT));
      SendInput(1, &input[1], sizeof(INPUT));
    }
    QueryPerformanceCounter(&to);
    per_event.push_back(1000.0 * Millis(from, to) / (2.0 * per_batch));
  }
  std::sort(per_event.begin(), per_event.end());
  Json()
      .Int("events", 2LL * batches * per_batch)
      .Int("min_us", static_cast<long long>(per_event.front()))
      .Int("median_us", static_cast<long long>(per_event[per_event.size() / 2]))
      .Int("max_us", static_cast<long long>(per_event.back()))
      .Print();
  return 0;
}

// --- text, lists, clipboard, shell --------------------------------------------

// WM_GETTEXT crosses processes; GetWindowText on another process's edit control does not
// ask the control.
int Text(HWND hwnd) {
  if (!IsWindow(hwnd)) return Fail("no such window");
  std::wstring text(65536, L'\0');
  DWORD_PTR length = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &length);
  text.resize(length);
  Json().Str("text", text).Print();
  return 0;
}

// Spelled out: the import library's IID_IAccessible does not answer Wine's proxies.
constexpr GUID kAccessible{0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// Name, role and state of a window and every control in it, as assistive technology reads
// them through the system's standard proxies.
int Accessible(HWND top) {
  if (!IsWindow(top)) return Fail("no such window");
  CoInitialize(nullptr);
  std::vector<HWND> windows{top};
  for (HWND child : Descendants(top)) windows.push_back(child);
  std::string items;
  for (HWND hwnd : windows) {
    IAccessible* acc = nullptr;
    Json item;
    item.Handle("hwnd", hwnd).Str("class", ClassOf(hwnd));
    const HRESULT found = AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kAccessible,
                                                     reinterpret_cast<void**>(&acc));
    if (found != S_OK) item.Int("error", static_cast<DWORD>(found));
    if (found == S_OK && acc) {
      VARIANT self{};
      self.vt = VT_I4;
      self.lVal = CHILDID_SELF;
      BSTR name = nullptr;
      VARIANT role{}, state{};
      if (acc->get_accName(self, &name) == S_OK && name) {
        item.Str("name", std::wstring(name));
        SysFreeString(name);
      }
      if (acc->get_accRole(self, &role) == S_OK && role.vt == VT_I4) item.Int("role", role.lVal);
      if (acc->get_accState(self, &state) == S_OK && state.vt == VT_I4) item.Int("state", state.lVal);
      acc->Release();
    }
    items += (items.empty() ? "" : ",") + item.Text();
  }
  Json().Raw("controls", probe::Array(items)).Print();
  return 0;
}

// WM_DPICHANGED as the system sends it: the suggested rectangle lives in the receiver's memory.
// The same address is filled here too, in case Wine copies the rectangle from the sender.
int DpiChanged(HWND hwnd, int dpi, const RECT& suggested) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  const HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
  if (!process) return Fail("OpenProcess failed");
  void* remote = VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  if (!remote || !WriteProcessMemory(process, remote, &suggested, sizeof suggested, &written))
    return Fail("cannot write into the window's process");
  void* local = VirtualAlloc(remote, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (local) std::memcpy(local, &suggested, sizeof suggested);
  DWORD_PTR result = 0;
  const bool sent = SendMessageTimeoutW(hwnd, 0x02E0, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote),
                                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) != 0;
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  Json().Bool("sent", sent).Bool("same_address_here", local != nullptr).Print();
  return sent ? 0 : 1;
}

int SmallIcon() {
  Json().Int("cx", GetSystemMetrics(SM_CXSMICON)).Int("cy", GetSystemMetrics(SM_CYSMICON)).Print();
  return 0;
}

// A list box's items, its selection and where each item lies on the screen.
int ListBox(HWND list) {
  if (!IsWindow(list)) return Fail("no such window");
  DWORD_PTR count = 0, selected = 0, height = 0, top = 0;
  SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &count);
  SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &selected);
  SendMessageTimeoutW(list, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &height);
  SendMessageTimeoutW(list, LB_GETTOPINDEX, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &top);
  RECT client{};
  GetClientRect(list, &client);
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::string items;
  for (DWORD_PTR i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &length);
    const LONG y = client.top + static_cast<LONG>((static_cast<long long>(i) - static_cast<long long>(top)) * height);
    const RECT rect{client.left, y, client.right, y + static_cast<LONG>(height)};
    items += (items.empty() ? "" : ",") + Json().Str("text", text).Rect("rect", rect).Text();
  }
  Json()
      .Int("count", static_cast<long long>(count))
      .Int("selected", static_cast<int>(selected))
      .Raw("items", probe::Array(items))
      .Print();
  return 0;
}

// A keyboard hook that does nothing but pass the event on: the yardstick for ours.
LRESULT CALLBACK PassKey(int code, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, code, wParam, lParam); }

int BareHook(DWORD timeoutMs) {
  const HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, PassKey, GetModuleHandleW(nullptr), 0);
  if (!hook) return Fail("SetWindowsHookEx failed");
  Json().Bool("ready", true).Print();
  PumpMessagesFor(timeoutMs);
  UnhookWindowsHookEx(hook);
  Json().Bool("done", true).Print();
  return 0;
}

// A file's version resource as Explorer reads it: the numbers, then for each language the
// translation table lists, the strings of that block.
int Version(const wchar_t* path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  std::vector<BYTE> data(size);
  if (size == 0 || !GetFileVersionInfoW(path, 0, size, data.data())) {
    Json().Bool("found", false).Print();
    return 1;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  wchar_t numbers[64] = L"";
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    swprintf(numbers, std::size(numbers), L"%u.%u.%u.%u", HIWORD(fixed->dwFileVersionMS),
             LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
  }
  struct Translation {
    WORD language, codepage;
  }* translations = nullptr;
  VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length);
  const std::pair<const char*, const wchar_t*> names[] = {
      {"ProductName", L"ProductName"},         {"ProductVersion", L"ProductVersion"}, {"FileVersion", L"FileVersion"},
      {"FileDescription", L"FileDescription"}, {"LegalCopyright", L"LegalCopyright"}};
  std::string blocks;
  for (UINT i = 0; translations && i < length / sizeof *translations; ++i) {
    wchar_t block[16];
    swprintf(block, std::size(block), L"%04x%04x", translations[i].language, translations[i].codepage);
    Json strings;
    for (const auto& [key, name] : names) {
      const std::wstring query = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
      wchar_t* value = nullptr;
      UINT chars = 0;
      if (VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &chars) && value) {
        strings.Str(key, value);
      }
    }
    blocks += (blocks.empty() ? "" : ",") + Json().Str("block", block).Raw("strings", strings.Text()).Text();
  }
  Json().Bool("found", true).Str("version", numbers).Raw("blocks", probe::Array(blocks)).Print();
  return 0;
}

int Clipboard() {
  std::wstring text;
  const bool opened = OpenClipboard(nullptr) != FALSE;
  bool has_text = false;
  if (opened) {
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
        text = chars;
        has_text = true;
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
  }
  Json().Bool("opened", opened).Bool("has_text", has_text).Str("text", text).Print();
  return opened ? 0 : 1;
}

// A stand-in for the program the shell would start for an address: writes what it was
// given to a file, one JSON line, and ends.
int Record(const wchar_t* path, int argc, wchar_t** argv) {
  std::string args;
  for (int i = 0; i < argc; ++i) args += (i ? "," : "") + probe::Quote(std::wstring(argv[i]));
  const std::string line = Json().Str("command_line", GetCommandLineW()).Raw("args", probe::Array(args)).Text() + "\n";
  const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}

// --- faults and resources ---------------------------------------------------

// A thread of another process that starts at an address never mapped: the access violation
// any fault in the program would raise, without any switch in the program for it.
int Crash(DWORD pid, DWORD timeoutMs) {
  const HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid);
  if (!process) return Fail("OpenProcess failed");
  LPTHREAD_START_ROUTINE nowhere = nullptr;
  const std::uintptr_t address = 0x10;  // the first 64 KB are never mapped
  std::memcpy(&nowhere, &address, sizeof nowhere);
  const HANDLE thread = CreateRemoteThread(process, nullptr, 0, nowhere, nullptr, 0, nullptr);
  if (!thread) return Fail("CreateRemoteThread failed");
  CloseHandle(thread);
  const bool ended = WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  Json().Bool("ended", ended).Int("exit_code", code).Print();
  return ended ? 0 : 1;
}

BOOL CALLBACK CountOwnWindows(HWND hwnd, LPARAM param) {
  auto* count = reinterpret_cast<std::pair<DWORD, long long>*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == count->first) {
    count->second += 1 + static_cast<long long>(Descendants(hwnd).size());
  }
  return TRUE;
}

// GetGuiResources is a stub in Wine, so GDI objects are counted as the used entries of the
// process's GDI handle table, which its PEB points to (24-byte entries, type byte at 14).
long long GdiObjects(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
  constexpr std::size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  constexpr std::size_t kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
  std::uintptr_t table = 0;
  SIZE_T got = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + kTableOffset, &table,
                         sizeof table, &got) || !table)
    return -1;
  std::vector<BYTE> entries(kEntries * kEntrySize);
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), &got)) return -1;
  long long used = 0;
  for (std::size_t i = 0; i < kEntries; ++i) used += entries[i * kEntrySize + kTypeOffset] != 0;
  return used;
}

int Resources(DWORD pid) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return Fail("OpenProcess failed");
  std::pair<DWORD, long long> windows{pid, 0};
  EnumWindows(CountOwnWindows, reinterpret_cast<LPARAM>(&windows));
  const long long gdi = GdiObjects(process);
  CloseHandle(process);
  Json().Int("gdi", gdi).Int("windows", windows.second).Print();
  return gdi >= 0 ? 0 : 1;
}

int Usage() {
  std::fputs(
      "usage: probe keys | find CLASS | wait-window CLASS MS | children HWND | click HWND ID\n"
      "       | send HWND MSG WPARAM LPARAM [MS] | post HWND MSG WPARAM LPARAM | minmax HWND\n"
      "       | focus | menu [MS] | typebox SECONDS | text HWND | idle SECONDS\n"
      "       | syscolors | workarea | setpos HWND X Y W H FLAGS | window-at X Y\n"
      "       | watch-check HWND ID VK VALUE MS | watch-window CLASS MS\n"
      "       | key-log MS | key-cost BATCHES PER_BATCH | bare-hook MS\n"
      "       | tray | tooltip MS | taskbar-created [HWND] | tray-delete HWND ID\n"
      "       | listbox HWND | clipboard | record FILE [ARG...]\n"
      "       | crash PID MS | resources PID | version FILE\n"
      "       | accessible HWND | dpichanged HWND DPI L T R B | smicon\n",
      stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring cmd = argv[1];
  const int n = argc - 2;
  wchar_t** a = argv + 2;
  if (cmd == L"keys") return Keys();
  if (cmd == L"find" && n == 1) return Find(a[0]);
  if (cmd == L"wait-window" && n == 2) return WaitWindow(a[0], static_cast<DWORD>(Number(a[1])));
  if (cmd == L"children" && n == 1) return Children(AsWindow(a[0]));
  if (cmd == L"click" && n == 2) return Click(AsWindow(a[0]), static_cast<int>(Number(a[1])));
  if (cmd == L"send" && (n == 4 || n == 5))
    return Send(AsWindow(a[0]), static_cast<UINT>(Number(a[1])), static_cast<WPARAM>(Number(a[2])),
                static_cast<LPARAM>(Number(a[3])), n == 5 ? static_cast<DWORD>(Number(a[4])) : kSendTimeoutMs);
  if (cmd == L"post" && n == 4)
    return Post(AsWindow(a[0]), static_cast<UINT>(Number(a[1])), static_cast<WPARAM>(Number(a[2])),
                static_cast<LPARAM>(Number(a[3])));
  if (cmd == L"minmax" && n == 1) return MinMax(AsWindow(a[0]));
  if (cmd == L"focus") return Focus();
  if (cmd == L"menu") return Menu(n >= 1 ? static_cast<DWORD>(Number(a[0])) : 3000);
  if (cmd == L"idle" && n == 1) return Idle(static_cast<DWORD>(Number(a[0])));
  if (cmd == L"typebox" && n == 1) return TypeBoxRun(static_cast<DWORD>(Number(a[0])));
  if (cmd == L"syscolors") return SysColors();
  if (cmd == L"workarea") return WorkArea();
  if (cmd == L"setpos" && n == 6)
    return SetPos(AsWindow(a[0]), static_cast<int>(Number(a[1])), static_cast<int>(Number(a[2])),
                  static_cast<int>(Number(a[3])), static_cast<int>(Number(a[4])), static_cast<UINT>(Number(a[5])));
  if (cmd == L"window-at" && n == 2) return WindowAt(static_cast<int>(Number(a[0])), static_cast<int>(Number(a[1])));
  if (cmd == L"watch-check" && n == 5)
    return WatchCheck(AsWindow(a[0]), static_cast<int>(Number(a[1])), static_cast<int>(Number(a[2])),
                      static_cast<int>(Number(a[3])), static_cast<DWORD>(Number(a[4])));
  if (cmd == L"watch-window" && n == 2) return WatchWindow(a[0], static_cast<DWORD>(Number(a[1])));
  if (cmd == L"key-log" && n == 1) return LogKeys(static_cast<DWORD>(Number(a[0])));
  if (cmd == L"key-cost" && n == 2) return KeyCost(static_cast<int>(Number(a[0])), static_cast<int>(Number(a[1])));
  if (cmd == L"bare-hook" && n == 1) return BareHook(static_cast<DWORD>(Number(a[0])));
  if (cmd == L"tray" && n == 0) return Tray();
  if (cmd == L"tooltip" && n == 1) return Tooltip(static_cast<DWORD>(Number(a[0])));
  if (cmd == L"taskbar-created" && n <= 1) return TaskbarCreated(n == 1 ? AsWindow(a[0]) : nullptr);
  if (cmd == L"crash" && n == 2) return Crash(static_cast<DWORD>(Number(a[0])), static_cast<DWORD>(Number(a[1])));
  if (cmd == L"resources" && n == 1) return Resources(static_cast<DWORD>(Number(a[0])));
  if (cmd == L"tray-delete" && n == 2) return TrayDelete(AsWindow(a[0]), static_cast<UINT>(Number(a[1])));
  if (cmd == L"text" && n == 1) return Text(AsWindow(a[0]));
  if (cmd == L"accessible" && n == 1) return Accessible(AsWindow(a[0]));
  if (cmd == L"dpichanged" && n == 6) {
    const RECT r{static_cast<LONG>(Number(a[2])), static_cast<LONG>(Number(a[3])), static_cast<LONG>(Number(a[4])),
                 static_cast<LONG>(Number(a[5]))};
    return DpiChanged(AsWindow(a[0]), static_cast<int>(Number(a[1])), r);
  }
  if (cmd == L"smicon" && n == 0) return SmallIcon();
  if (cmd == L"listbox" && n == 1) return ListBox(AsWindow(a[0]));
  if (cmd == L"clipboard" && n == 0) return Clipboard();
  if (cmd == L"version" && n == 1) return Version(a[0]);
  if (cmd == L"record" && n >= 1) return Record(a[0], n - 1, a + 1);
  return Usage();
}
