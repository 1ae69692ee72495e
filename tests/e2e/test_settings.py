"""The settings file beside ModLatch.exe, seen from outside under 64-bit Wine:
what a normal exit writes, what the next start restores, hand edits that must
survive and show, and files that must never stop the program from starting.

The file is written and read here in code page 932, as a Japanese system keeps it.
"""

import glob
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session, wait_until  # noqa: E402
from test_tray import icon_differences  # noqa: E402

CTRL_ID, SHIFT_ID = 1000, 1001
WS_EX_TOPMOST = 0x8
SAVED_KEYS = ["MiddleButton", "WindowType", "zPos", "xPos", "yPos", "Height", "Width", "SizeLock"]
HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "fuzz", "corpus")
ICONS = os.path.join(HERE, "..", "..", "resources", "icons")


def sections(data):
    """Section name -> list of (key, value) in file order, from the INI bytes."""
    out, current = {}, None
    for line in data.decode("cp932").splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = out.setdefault(line[1:-1], [])
        elif "=" in line and current is not None:
            key, value = line.split("=", 1)
            current.append((key, value))
    return out


def lines_with(data, keys):
    """The raw lines of the given keys, byte for byte."""
    return [line for line in data.split(b"\r\n") if line.split(b"=", 1)[0].decode("cp932") in keys]


def restart(s):
    s.app = s.launch()
    return s.main_window()["hwnd"]


class SavedAndRestored(unittest.TestCase):
    def test_first_exit_writes_the_nine_keys_and_the_next_start_restores_them(self):
        with Session("settings-first") as s:
            self.assertFalse(os.path.exists(s.ini_path))
            s.close_app(s.main_window()["hwnd"])
            saved = sections(s.read_ini())
            self.assertEqual(list(saved), ["General", "Option"])
            self.assertEqual(saved["General"], [("Version", "01.03.00")])
            self.assertEqual([k for k, _ in saved["Option"]], SAVED_KEYS)
            values = dict(saved["Option"])
            self.assertEqual((values["MiddleButton"], values["WindowType"], values["zPos"], values["SizeLock"]),
                             ("False", "2", "False", "False"))
            # Half the 1024 x 768 screen, 266 x 53 pixels at 15 twips each.
            self.assertEqual([values[k] for k in ("xPos", "yPos", "Width", "Height")],
                             ["7680", "5760", "3990", "795"])

            s.write_ini("[Option]\nxPos=1500\nyPos=3000\nWidth=5010\nHeight=1200\nzPos=True\n"
                        "SizeLock=True\nMiddleButton=True\nWindowType=2\n")
            hwnd = restart(s)
            window = s.window(hwnd)
            self.assertEqual(window["rect"], {"x": 100, "y": 200, "w": 334, "h": 80})
            self.assertTrue(window["exstyle"] & WS_EX_TOPMOST, "zPos=True puts it on top")
            limits = s.probe("minmax", hwnd)
            self.assertEqual((limits["min_track"], limits["max_track"]), ({"x": 334, "y": 80},) * 2,
                             "locked at the restored size")
            # The user moves it; the exit records the new place.
            s.set_pos(hwnd, 300, 150, 334, 80, 0x15)  # no size, no z-order, no activation
            s.close_app(hwnd)
            values = dict(sections(s.read_ini())["Option"])
            self.assertEqual([values[k] for k in ("xPos", "yPos", "Width", "Height")],
                             ["4500", "2250", "5010", "1200"])
            self.assertEqual((values["zPos"], values["SizeLock"], values["MiddleButton"]), ("True",) * 3)

    def test_a_place_no_screen_shows_opens_inside_the_work_area(self):
        with Session("settings-offscreen", ini="[Option]\nxPos=200000\nyPos=150000\n") as s:
            rect = s.window(s.main_window()["hwnd"])["rect"]
            area = s.work_area()
            self.assertGreaterEqual(rect["x"], area["x"])
            self.assertGreaterEqual(rect["y"], area["y"])
            self.assertLessEqual(rect["x"] + rect["w"], area["x"] + area["w"])
            self.assertLessEqual(rect["y"] + rect["h"], area["y"] + area["h"])


HAND_EDITS = """[Icon]
W_Ctrl0=
[Option]
ShiftBgColor_0=00FF00
ShiftBgColor_1=FF0000
CtrlBgColor_0=0000FF
ShiftForeColor_0=FFFFFF
CtrlForeColor_0=FFFF00
ShiftChr_0=シフト
ShiftChr_1=ｼﾌﾄ ON
CtrlChr_0=コントロール
CtrlChr_1=
Timer=50
NoProc=1
TaskTop=yes
"""
HAND_KEYS = ["W_Ctrl0", "ShiftBgColor_0", "ShiftBgColor_1", "CtrlBgColor_0", "ShiftForeColor_0",
             "CtrlForeColor_0", "ShiftChr_0", "ShiftChr_1", "CtrlChr_0", "CtrlChr_1", "Timer", "NoProc", "TaskTop"]


class HandEdits(unittest.TestCase):
    def test_colours_captions_and_flags_show_and_survive_runs_byte_for_byte(self):
        with Session("settings-hand-edits", ini=HAND_EDITS) as s:
            before = lines_with(s.read_ini(), HAND_KEYS)
            self.assertEqual(len(before), len(HAND_KEYS))
            hwnd = s.main_window()["hwnd"]
            for run in range(2):
                children = s.children(hwnd)
                self.assertEqual(children[SHIFT_ID]["text"], "シフト")
                self.assertEqual(children[CTRL_ID]["text"], "コントロール")
                shot = s.screenshot(f"settings-hand-edits-{run}.png")
                shift, ctrl = children[SHIFT_ID]["screen"], children[CTRL_ID]["screen"]
                # A corner of each face, clear of the border and the caption.
                self.assertEqual(harness.pixel(shot, shift["x"] + 4, shift["y"] + 4), (0, 255, 0))
                self.assertEqual(harness.pixel(shot, ctrl["x"] + 4, ctrl["y"] + 4), (0, 0, 255))
                harness.crop(shot, s.window(hwnd)["rect"], f"settings-hand-edits-{run}-window.png")
                if run == 0:
                    s.press_button(hwnd, SHIFT_ID)
                    wait_until("SHIFT caption on", lambda: s.children(hwnd)[SHIFT_ID]["text"] == "ｼﾌﾄ ON")
                    s.press_button(hwnd, SHIFT_ID)
                    wait_until("SHIFT caption off", lambda: s.children(hwnd)[SHIFT_ID]["text"] == "シフト")
                s.close_app(hwnd)
                self.assertEqual(lines_with(s.read_ini(), HAND_KEYS), before, f"after run {run + 1}")
                if run == 0:
                    hwnd = restart(s)

    def test_a_read_only_file_is_left_as_it_was(self):
        with Session("settings-read-only", start_app=False, ini=HAND_EDITS + "xPos=1500\nyPos=1500\n") as s:
            before = s.read_ini()
            # Immutable even for root, who would otherwise write through the permission bits.
            subprocess.run(["chattr", "+i", s.ini_path], check=True)
            try:
                hwnd = restart(s)
                self.assertEqual(s.window(hwnd)["rect"]["x"], 100, "the file is still read")
                s.press_button(hwnd, SHIFT_ID)
                s.wait_keys(shift=True, ctrl=False)
                s.close_app(hwnd)
                self.assertEqual(s.read_ini(), before)
            finally:
                subprocess.run(["chattr", "-i", s.ini_path], check=True)


class CustomIcons(unittest.TestCase):
    def test_icon_files_replace_tray_pictures_and_a_directory_leaves_the_built_in(self):
        with Session("settings-icons", start_app=False) as s:
            # A picture of another state, under a Japanese file name, stands in for "both off".
            custom = os.path.join(s.folder, "アイコン.ico")
            shutil.copy(os.path.join(ICONS, "double3.ico"), custom)
            s.write_ini(f"[Icon]\nS_Shift0_Ctrl0={s.wine_path(custom)}\nS_Shift1_Ctrl0=C:\\windows\n"
                        "[Option]\nWindowType=0\n")
            s.app = s.launch()
            keeper = s.keep_wineserver()
            icon = s.wait_tray_icons(1)[0]
            self.assert_icon(s, icon, "double3", "settings-icons-custom.png")
            s.click_at(*s.center(icon["screen"]))
            s.wait_keys(shift=True, ctrl=False)
            self.assert_icon(s, icon, "compact2", "settings-icons-built-in.png")
            s.close_app(s.probe("find", harness.MAIN_CLASS)["windows"][0]["hwnd"])
            self.assertEqual(s.tray_icons(), [])
            self.assertIsNone(keeper.poll())

    def assert_icon(self, s, icon, source, shot_name):
        last = {}

        def shows():
            last["diff"] = icon_differences(s.screenshot(shot_name), icon, source)
            return not last["diff"]
        try:
            wait_until(f"tray showing {source}", shows, timeout=3.0, interval=0.2)
        except harness.HarnessError:
            self.fail(f"{shot_name}: differs from {source}: {last['diff'][:4]}")


class HostileFiles(unittest.TestCase):
    def test_every_file_of_the_corpus_starts_and_closes_the_program(self):
        files = sorted(glob.glob(os.path.join(CORPUS, "*.ini")))
        self.assertGreaterEqual(len(files), 8)
        with Session("settings-hostile", start_app=False) as s:
            cases = []
            for path in files:
                with open(path, "rb") as f:
                    cases.append((os.path.basename(path), f.read()))
            cases.append(("one-megabyte-line", b"[Option]\r\nCtrlChr_0=" + b"\x82\xa0" * (1 << 19) + b"\r\n"))
            for name, data in cases:
                with self.subTest(name):
                    s.write_ini(data)
                    s.app = s.launch()
                    found = wait_until("the main window", lambda: s.probe("find", harness.MAIN_CLASS)["windows"],
                                       timeout=20)
                    self.assertIsNone(s.app.poll(), "still running")
                    s.close_app(found[0]["hwnd"])


if __name__ == "__main__":
    unittest.main()
