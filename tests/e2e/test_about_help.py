"""The About window and the help command under 64-bit Wine: the window opened
from the popup menu, its texts, looks, links, copy menu, keys and drag; the
help window at its contents in Float and Compact mode; a missing help file; an
executable in a drive's root and one in a folder named outside code page 932.

How the e-mail link is observed: the test points HKCR\\mailto\\shell\\open\\command
of its Wine prefix at the probe's "record" command, which writes the address the
shell hands it to a file, and puts Wine's own handler back afterwards.
"""

import json
import os
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session, wait_until  # noqa: E402

CTRL_ID = 1000
ABOUT_CLASS, PART_CLASS, HELP_CLASS, MESSAGE_CLASS = "ModLatchAbout", "ModLatchAboutPart", "ModLatchHelp", "#32770"
INFO_ITEM, HELP_ITEM = "当ソフトは・・・", "ヘルプ"
LOCK_ITEM, COMPACT_ITEM, FLOAT_ITEM = "サイズ固定(フロートモード時)", "コンパクトモード", "フロートモード"
SWP_NOMOVE = 0x2
WS_CAPTION, WS_DISABLED, WS_EX_TOPMOST = 0x00C00000, 0x08000000, 0x8
IDOK = 1

WEB, MAIL = "https://example.org/", "modlatch@example.org"
WEB_COLOR, MAIL_COLOR = (128, 128, 255), (0, 255, 0)
CLOSE_NORMAL, CLOSE_HOT = (224, 224, 224), (128, 128, 128)
ABOUT_TEXTS = [
    "Mod Latch!",
    "Copyright (C) 2003 ZQ5's software",
    "バージョン情報　:　01.03.00",
    "リリースされた日付　:　2003年7月02日",
    "・この度は当ソフトをダウンロードしていただき、誠にありがとうございます。\r\n"
    "・当ソフトはフリーウェアとなっております。\r\n"
    "・当ソフトの開発に慎重を来してはいますが、バグがございましたらご連絡下さい。\r\n",
]
MAILTO_KEY = r"HKCR\mailto\shell\open\command"
CLOSE_TIP = "元の画面へ戻ります。"

# A DLL named like a system one, as a web page can drop it into a Downloads folder: it leaves a
# marker beside itself when anything loads it, then refuses the load.
STAND_IN_SOURCE = r"""
#include <windows.h>
BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH + 32];
  DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
  while (n > 0 && path[n - 1] != L'\\') --n;
  lstrcpyW(path + n, L"stand-in-was-loaded");
  CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
  return FALSE;
}
"""
RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
HELP_SOURCE = os.path.join(RESOURCES, "ModLatch.hlp")


def help_topics(source=HELP_SOURCE, contents="目次"):
    """(title, body) of each topic of a shipped help file, by its rule: "==" lines head topics."""
    with open(source, encoding="utf-8-sig") as f:
        lines = f.read().splitlines()
    topics, body = [(contents, [])], None
    for line in lines:
        if line.startswith("=="):
            topics.append((line[2:].strip(" =\t"), []))
        else:
            topics[-1][1].append(line)
    return [(title, "\r\n".join(body).strip("\r\n ")) for title, body in topics]


def color_points(shot, rect, color):
    """Screen points of a rectangle that show exactly this colour."""
    rows = harness.pixels(shot, rect)
    return {(rect["x"] + x, rect["y"] + y) for y, row in enumerate(rows) for x, c in enumerate(row) if c == color}


def longest_run(points):
    """The longest horizontal run of points on one row: an underline is one, glyphs are not."""
    best = 0
    for x, y in points:
        if (x - 1, y) not in points:
            length = 1
            while (x + length, y) in points:
                length += 1
            best = max(best, length)
    return best


def bbox(points):
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def inner(rect, margin=1):
    """A rectangle less its one-pixel frame."""
    return {"x": rect["x"] + margin, "y": rect["y"] + margin, "w": rect["w"] - 2 * margin, "h": rect["h"] - 2 * margin}


def open_about(test, s, main):
    """The About window, opened from the popup menu of the floating window."""
    s.choose(s.open_menu(s.children(main)[CTRL_ID]["screen"]), INFO_ITEM)
    found = s.probe("wait-window", ABOUT_CLASS, 5000, check=False)
    test.assertTrue(found["found"], "no About window")
    return found["windows"][0]


def about_parts(s, about):
    """The link WebInfo(0), the link WebInfo(1) and the close button, as the probe sees them."""
    kids = s.probe("children", about["hwnd"])["children"]
    panel = next(k for k in kids if k["class"] == PART_CLASS and k["parent"] == about["hwnd"])
    inside = [k for k in kids if k["class"] == PART_CLASS and k["parent"] == panel["hwnd"]]
    web, mail, close = sorted(inside, key=lambda k: k["rect"]["y"])
    return web["screen"], mail["screen"], close["screen"], kids


def build_stand_in(s, dll):
    compiler = "x86_64-w64-mingw32-gcc" if s.bits == 64 else "i686-w64-mingw32-gcc"
    source = dll + ".c"
    with open(source, "w") as f:
        f.write(STAND_IN_SOURCE)
    subprocess.run([compiler, "-shared", "-s", "-o", dll, source], check=True, timeout=120)


class AboutWindow(unittest.TestCase):
    def setUp(self):
        self.s = Session("about").__enter__()
        self.addCleanup(self.s.__exit__, None, None, None)
        main = self.s.main_window()
        # Out of the About window's way, which opens in the middle of the screen.
        self.s.set_pos(main["hwnd"], 20, 600, 266, 53)
        self.main = main["hwnd"]

    def open_about(self):
        return open_about(self, self.s, self.main)

    def parts(self, about):
        return about_parts(self.s, about)

    def shot(self, name, about, settle=0.3):
        time.sleep(settle)  # a few hover ticks
        path = self.s.screenshot(name)
        harness.crop(path, about["rect"], name.replace(".png", "-window.png"), margin=8)
        return path

    def test_window_texts_looks_links_and_keys(self):
        s = self.s
        about = self.open_about()
        self.open_about()
        windows = s.probe("find", ABOUT_CLASS)["windows"]
        self.assertEqual([w["hwnd"] for w in windows], [about["hwnd"]], "chosen twice, still one About window")
        self.assertEqual((about["rect"]["w"], about["rect"]["h"]), (445, 172))
        self.assertEqual(about["title"], "バージョン情報")
        self.assertFalse(about["style"] & WS_CAPTION, "no title bar")
        self.assertTrue(about["exstyle"] & WS_EX_TOPMOST, "always on top")
        main = s.window(self.main)
        self.assertTrue(main["visible"] and not main["style"] & WS_DISABLED, "the main window stays as it was")

        web, mail, close, kids = self.parts(about)
        texts = [k["text"] for k in kids if k["class"].lower() == "static" and k["text"]]
        self.assertEqual(texts, ABOUT_TEXTS)

        # Normal look: links not underlined, close label light grey.
        s.point_to(about["rect"]["x"] + 60, about["rect"]["y"] + 150)  # on the panel, on none of the items
        path = self.shot("about-normal.png", about)
        self.assertTrue(color_points(path, web, WEB_COLOR))
        self.assertLess(longest_run(color_points(path, mail, MAIL_COLOR)), 20)
        self.assertTrue(color_points(path, inner(close), CLOSE_NORMAL))
        self.assertFalse(color_points(path, inner(close), CLOSE_HOT))

        # Hover: the mail link underlined in its own colour; the web link stays as it was.
        s.point_to(*s.center(mail))
        path = self.shot("about-link-hover.png", about)
        self.assertGreater(longest_run(color_points(path, mail, MAIL_COLOR)), 60, "underline under the address")
        self.assertLess(longest_run(color_points(path, web, WEB_COLOR)), 20)

        # Close button: hover grey, pressed grey one pixel right and down; released off it, no close.
        s.point_to(*s.center(close))
        path = self.shot("about-close-hover.png", about)
        hover = color_points(path, inner(close), CLOSE_HOT)
        self.assertTrue(hover)
        self.assertFalse(color_points(path, inner(close), CLOSE_NORMAL))
        s.xdotool("mousedown", 1)
        try:
            path = self.shot("about-close-pressed.png", about)
            pressed = color_points(path, inner(close), CLOSE_HOT)
            x0, y0, x1, y1 = bbox(hover)
            self.assertEqual(bbox(pressed), (x0 + 1, y0 + 1, x1 + 1, y1 + 1))
            s.point_to(about["rect"]["x"] + 60, about["rect"]["y"] + 150)
        finally:
            s.xdotool("mouseup", 1)
        path = self.shot("about-close-released-outside.png", about)
        self.assertTrue(color_points(path, inner(close), CLOSE_NORMAL), "back to the normal look")
        self.assertEqual(s.probe("find", ABOUT_CLASS)["count"], 1, "a release off the button does not close")

        # Right click on the mail link: the copy menu, and the bare address on the clipboard.
        menu = s.open_menu(mail)
        self.assertEqual([i["caption"] for i in menu["menu"]["items"]], [f'"{MAIL}"をコピー'])
        s.choose(menu, f'"{MAIL}"をコピー')
        self.assertEqual(s.probe("clipboard")["text"], MAIL)

        self.assert_mailto_handed_to_shell(mail)

        # Dragging the black frame moves the window; dragging the panel does not.
        r = s.window_of_class(ABOUT_CLASS)["rect"]
        s.drag((r["x"] + 3, r["y"] + 8), (r["x"] + 43, r["y"] + 38))
        def moved_by_the_drag():
            rect = s.window_of_class(ABOUT_CLASS)["rect"]
            return rect if (rect["x"], rect["y"]) == (r["x"] + 40, r["y"] + 30) else None
        moved = wait_until("the About window moved by the drag", moved_by_the_drag, timeout=5)
        s.drag((moved["x"] + 25, moved["y"] + 116), (moved["x"] + 65, moved["y"] + 146))
        self.assertEqual(s.window_of_class(ABOUT_CLASS)["rect"], moved)

        # Pushed off the screen and back: what was printed is painted again.
        s.set_pos(about["hwnd"], -440, moved["y"], 445, 172)
        s.set_pos(about["hwnd"], moved["x"], moved["y"], 445, 172)
        web, mail, close, _ = self.parts(about)
        s.point_to(moved["x"] + 60, moved["y"] + 150)
        path = self.shot("about-uncovered.png", s.window_of_class(ABOUT_CLASS))
        self.assertTrue(color_points(path, web, WEB_COLOR))
        self.assertTrue(color_points(path, mail, MAIL_COLOR))
        self.assertTrue(color_points(path, inner(close), CLOSE_NORMAL))
        heading = {"x": moved["x"] + 5, "y": moved["y"], "w": 435, "h": 16}
        self.assertGreater(len(color_points(path, heading, (255, 255, 255))), 100, "the heading line")

        # Escape closes it.
        s.focus_window(about["xid"])
        s.xdotool("key", "Escape")
        wait_until("the About window to close", lambda: s.probe("find", ABOUT_CLASS)["count"] == 0, timeout=5)
        self.assertIsNone(s.app.poll(), "closing the About window leaves the program running")

    def assert_mailto_handed_to_shell(self, mail):
        s = self.s
        record = os.path.join(s.folder, "mailto.json")
        handler = f'"{s.wine_path(s.probe_exe)}" record "{s.wine_path(record)}" "%1"'
        original = s.registry_default(MAILTO_KEY)
        s.set_registry_default(MAILTO_KEY, handler)
        try:
            self.assertEqual(s.registry_default(MAILTO_KEY), handler)
            s.click(mail)
            wait_until("the stand-in mail handler to run", lambda: os.path.exists(record), timeout=15)
            with open(record, encoding="utf-8") as f:
                seen = json.loads(f.readline())
        finally:
            s.set_registry_default(MAILTO_KEY, original)
        self.assertEqual(seen["args"], [f"mailto:{MAIL}"])


class DllBesideTheExe(unittest.TestCase):
    def test_a_comctl32_beside_the_exe_is_never_loaded(self):
        # Told to prefer a native comctl32, Wine looks for it as Windows does: the program's folder first.
        with Session("dll-search", start_app=False, dll_overrides="comctl32=n,b") as s:
            build_stand_in(s, os.path.join(s.folder, "comctl32.dll"))
            marker = os.path.join(s.folder, "stand-in-was-loaded")
            main = s.start_program()["hwnd"]
            s.set_pos(main, 20, 600, 266, 53)
            about = open_about(self, s, main)
            close = about_parts(s, about)[2]
            # The first tooltip is what loads the common controls; a one-pixel move starts its wait.
            s.point_to(*s.center(close))
            s.point_to(s.center(close)[0] + 1, s.center(close)[1])
            tip = s.tooltip()
            self.assertFalse(os.path.exists(marker), "the comctl32.dll beside the exe was loaded")
            self.assertIsNotNone(tip, "no tooltip over the close button")
            self.assertEqual(tip["text"], CLOSE_TIP)
            harness.crop(s.screenshot("about-tooltip.png"), about["rect"], "about-tooltip-window.png", margin=100)
            s.focus_window(about["xid"])
            s.xdotool("key", "Escape")
            wait_until("the About window to close", lambda: s.probe("find", ABOUT_CLASS)["count"] == 0, timeout=5)
            self.assertIsNone(s.app.poll())
            self.assertFalse(os.path.exists(marker))


class HelpWindow(unittest.TestCase):
    def assert_help_at_contents(self, s, shot_name):
        found = s.probe("wait-window", HELP_CLASS, 5000, check=False)
        self.assertTrue(found["found"], "no help window")
        window = found["windows"][0]
        topics = help_topics()
        self.assertEqual(window["title"], "ModLatch ヘルプ - 目次")
        kids = {k["class"].lower(): k for k in s.probe("children", window["hwnd"])["children"]}
        listed = s.probe("listbox", kids["listbox"]["hwnd"])
        self.assertEqual([i["text"] for i in listed["items"]], [t for t, _ in topics])
        self.assertEqual(listed["selected"], 0)
        self.assertEqual(s.probe("text", kids["edit"]["hwnd"])["text"], topics[0][1])
        time.sleep(0.3)
        harness.crop(s.screenshot(shot_name), window["rect"], shot_name.replace(".png", "-window.png"))

        # One click to another topic.
        s.click(listed["items"][1]["rect"])
        wait_until("the second topic", lambda: s.window_of_class(HELP_CLASS)["title"] == f"ModLatch ヘルプ - {topics[1][0]}",
                   timeout=5)
        self.assertEqual(s.probe("text", kids["edit"]["hwnd"])["text"], topics[1][1])
        return window

    def test_float_mode_opens_the_help_at_its_contents(self):
        with Session("help-float") as s:
            main = s.main_window()["hwnd"]
            s.choose(s.open_menu(s.children(main)[CTRL_ID]["screen"]), HELP_ITEM)
            self.assert_help_at_contents(s, "help-float.png")
            self.assertIsNone(s.app.poll())

    def test_compact_mode_opens_the_help_at_its_contents(self):
        with Session("help-compact", start_app=False) as s:
            s.write_ini("[Option]\nWindowType=0\n")
            s.app = s.launch()
            icon = s.wait_tray_icons(1, timeout=20)[0]
            hidden = s.probe("find", harness.MAIN_CLASS)["windows"][0]
            self.assertFalse(hidden["visible"])
            self.assertNotEqual(s.probe("focus")["foreground"], hidden["hwnd"], "a hidden window never takes the keyboard")
            s.choose(s.open_compact_menu(icon), HELP_ITEM)
            self.assert_help_at_contents(s, "help-compact.png")
            self.assertIsNone(s.app.poll())

    def test_missing_help_file_names_the_path_it_looked_for(self):
        with Session("help-missing") as s:
            os.remove(os.path.join(s.folder, "ModLatch.hlp"))
            main = s.main_window()["hwnd"]
            s.choose(s.open_menu(s.children(main)[CTRL_ID]["screen"]), HELP_ITEM)
            found = s.probe("wait-window", MESSAGE_CLASS, 5000, check=False)
            self.assertTrue(found["found"], "no message")
            box = found["windows"][0]
            texts = "\n".join(k["text"] for k in s.probe("children", box["hwnd"])["children"])
            self.assertIn("ヘルプファイルが見つからないか、読み込めません。", texts)
            self.assertIn(s.wine_path(os.path.join(s.folder, "ModLatch.hlp")), texts)
            time.sleep(0.3)
            harness.crop(s.screenshot("help-missing.png"), box["rect"], "help-missing-message.png")
            s.probe("click", box["hwnd"], IDOK)
            wait_until("the message to close", lambda: s.probe("find", MESSAGE_CLASS)["count"] == 0, timeout=5)
            self.assertEqual(s.probe("find", HELP_CLASS)["count"], 0, "no help window without a help file")
            self.assertIsNone(s.app.poll())

    def test_drive_root_and_a_folder_outside_the_code_page(self):
        with Session("help-places", start_app=False) as s:
            # An executable in the root of a drive: X:\ModLatch.ini and X:\ModLatch.hlp, one backslash.
            root = os.path.join(s.folder, "drive")
            os.makedirs(root)
            for name in ("ModLatch.exe", "ModLatch.hlp"):
                shutil.copy2(os.path.join(s.folder, name), root)
            with open(os.path.join(root, "ModLatch.ini"), "wb") as f:
                f.write(b"[Option]\r\nWidth=4500\r\nHeight=900\r\n")
            drive = s.map_drive(root)
            s.app = s.launch(drive + "\\ModLatch.exe")
            main = s.main_window()["hwnd"]
            self.assertEqual((s.window(main)["rect"]["w"], s.window(main)["rect"]["h"]), (300, 60), "the INI was read")

            # The size lock holds across a round trip through Compact mode.
            def menu():
                return s.open_menu(s.children(main)[CTRL_ID]["screen"])
            s.choose(menu(), LOCK_ITEM)
            s.choose(menu(), COMPACT_ITEM)
            s.choose(s.open_compact_menu(s.wait_tray_icons(1, timeout=20)[0]), FLOAT_ITEM)
            wait_until("the floating window", lambda: s.window(main)["visible"], timeout=10)
            minmax = s.probe("minmax", main)
            self.assertEqual([(minmax[k]["x"], minmax[k]["y"]) for k in ("min_track", "max_track")], [(300, 60)] * 2)
            rect = s.set_pos(main, 0, 0, 500, 100, SWP_NOMOVE)["rect"]
            self.assertEqual((rect["w"], rect["h"]), (300, 60), "still locked after Compact mode and back")

            s.choose(menu(), HELP_ITEM)
            self.assert_help_at_contents(s, "help-drive-root.png")
            s.close_app(main)
            with open(os.path.join(root, "ModLatch.ini"), "rb") as f:
                saved = f.read().decode("cp932")
            self.assertIn("SizeLock=True", saved)
            self.assertIn("Width=4500", saved)

            # A folder named with a Hangul syllable: the program's own help file still opens.
            hangul = os.path.join(s.folder, "도움")
            os.makedirs(hangul)
            for name in ("ModLatch.exe", "ModLatch.hlp"):
                shutil.copy2(os.path.join(s.folder, name), hangul)
            s.app = s.launch(os.path.join(hangul, "ModLatch.exe"))
            main = s.main_window()["hwnd"]
            s.choose(s.open_menu(s.children(main)[CTRL_ID]["screen"]), HELP_ITEM)
            self.assert_help_at_contents(s, "help-hangul-folder.png")
            self.assertEqual(s.probe("find", MESSAGE_CLASS)["count"], 0, "no 'missing file' message")
            self.assertIsNone(s.app.poll())


if __name__ == "__main__":
    unittest.main(verbosity=2)
