"""The floating window, the About and help windows and the tray at 96, 144 and 192 DPI.

Wine takes the DPI from LogPixels in its prefix and applies it when its server starts;
each DPI has a prefix of its own (the harness's `dpi`). Wine gives every program that DPI
whether it declares awareness or not, so the geometry is tested for real here; that the
manifest's awareness makes Windows stop stretching the window only Windows can show.
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import COMPACT, Session, box, crop, leave_float_mode, wait_until  # noqa: E402
from test_about_help import ABOUT_CLASS, HELP_CLASS, HELP_ITEM, INFO_ITEM, PART_CLASS  # noqa: E402
from test_foundation import CLOSE_ID, CTRL_ID, SHIFT_ID, STRIP_ID  # noqa: E402

GEOMETRY = {"xPos": "1500", "yPos": "1500", "Width": "4000", "Height": "800"}
INI = "[Option]\n" + "".join(f"{k}={v}\n" for k, v in GEOMETRY.items())


def factor(dpi):
    """Twips per pixel: rounded only where rounding keeps the window as large."""
    exact = 1440 / dpi
    return round(exact) if round(exact) <= exact else exact


def pixels(twips, dpi):
    f = factor(dpi)
    return int(twips // f) if f == int(f) else round(twips / f)


def scaled(n, dpi):
    return round(n * dpi / 96)


def expected_layout(dpi):
    """Outer size and the SHIFT and CTRL buttons' (x, y, w, h) for the 4000 x 800 twips window."""
    w, h = pixels(4000, dpi), pixels(800, dpi)
    left = pixels(360, dpi)
    width = (w - left) // 2 - scaled(4, dpi)
    height = h - scaled(8, dpi)
    return (w, h), (left, 0, width, height), (left + width - 1, 0, width, height)


def geometry(ini_bytes):
    lines = ini_bytes.decode("cp932").splitlines()
    return {k: v for k, _, v in (line.partition("=") for line in lines) if k in GEOMETRY}


class ScaledWindow(unittest.TestCase):
    def assert_layout(self, s, hwnd, dpi, where):
        (w, h), shift, ctrl = expected_layout(dpi)
        self.assertEqual(box(s.window(hwnd)["rect"])[2:], (w, h), where)
        kids = s.children(hwnd)
        self.assertEqual((box(kids[SHIFT_ID]["rect"]), box(kids[CTRL_ID]["rect"])), (shift, ctrl), where)
        strip = kids[STRIP_ID]["rect"]
        self.assertEqual((strip["x"], strip["w"], strip["h"]), (pixels(30, dpi), pixels(255, dpi), shift[3]), where)
        return kids

    def restarts_keep_the_geometry(self, s, hwnd, dpi):
        """Two more starts after the first; returns the INI geometry the last one saved."""
        s.close_app(hwnd)
        first = geometry(s.read_ini())
        for start in (2, 3):
            s.app = s.launch()
            hwnd = s.main_window()["hwnd"]
            self.assertEqual(box(s.window(hwnd)["rect"]), (pixels(1500, dpi), pixels(1500, dpi)) +
                             expected_layout(dpi)[0], f"start {start}")
            s.close_app(hwnd)
            self.assertEqual(geometry(s.read_ini()), first, f"INI after start {start}")
        print(f"\n{dpi} DPI: window {expected_layout(dpi)[0]}, INI after three starts {first}")
        return first

    def test_96_and_144_dpi_windows_follow_their_twips_and_restart_unchanged(self):
        # 266 x 53 pixels are saved as 3990 x 795 twips at 96 DPI, as they always were.
        saved = {96: {**GEOMETRY, "Width": "3990", "Height": "795"}, 144: GEOMETRY}
        for dpi, place in ((96, (100, 100, 266, 53)), (144, (150, 150, 400, 80))):
            with self.subTest(dpi=dpi), Session(f"dpi{dpi}", ini=INI, dpi=dpi) as s:
                hwnd = s.main_window()["hwnd"]
                self.assertEqual(box(s.window(hwnd)["rect"]), place)
                self.assert_layout(s, hwnd, dpi, f"{dpi} DPI")
                self.assertEqual(self.restarts_keep_the_geometry(s, hwnd, dpi), saved[dpi])

    def test_192_dpi_window_relayout_names_about_help_and_restarts(self):
        with Session("dpi192", ini=INI, dpi=192) as s:
            win = s.main_window()
            hwnd = win["hwnd"]
            self.assertEqual(box(win["rect"]), (200, 200, 533, 107), "twice the 96-DPI window")
            kids = self.assert_layout(s, hwnd, 192, "192 DPI")
            close = kids[CLOSE_ID]["rect"]
            self.assertEqual((close["w"], close["h"]), (pixels(210, 192), pixels(195, 192)))
            time.sleep(0.3)
            crop(s.screenshot("dpi192-float.png"), s.window(hwnd)["rect"], "dpi192-float-window.png")

            # Names through the standard proxies; Wine answers them from the window texts but gives
            # every control the client role and no checked state, so only the names are checked.
            self.assert_names(s, hwnd)
            s.press_button(hwnd, SHIFT_ID)
            wait_until("SHIFT latched", lambda: s.check_state(hwnd, SHIFT_ID) == 1)
            self.assert_names(s, hwnd)
            s.press_button(hwnd, SHIFT_ID)

            # The window moved to a 96-DPI monitor and back: re-laid out each time, same twips.
            self.assertTrue(s.probe("dpichanged", hwnd, 96, 300, 300, 566, 353)["sent"])
            self.assert_layout(s, hwnd, 96, "after a change to 96 DPI")
            self.assertEqual(box(s.window(hwnd)["rect"])[:2], (300, 300))
            self.assertEqual(s.probe("minmax", hwnd)["min_track"], {"x": 120, "y": 25})
            s.probe("dpichanged", hwnd, 192, 200, 200, 733, 307)
            self.assert_layout(s, hwnd, 192, "back at 192 DPI")
            self.assertEqual(s.probe("minmax", hwnd)["min_track"], {"x": 240, "y": 50})

            self.about_and_help(s, hwnd)
            self.assertEqual(self.restarts_keep_the_geometry(s, hwnd, 192), {**GEOMETRY, "Width": "3998",
                                                                              "Height": "802"})

    def assert_names(self, s, hwnd):
        controls = {c["hwnd"]: c for c in s.probe("accessible", hwnd)["controls"]}
        kids = s.children(hwnd)
        names = {i: controls[kids[i]["hwnd"]].get("name") for i in (CTRL_ID, SHIFT_ID, CLOSE_ID, STRIP_ID)}
        # Wine runs every program as administrator: the strip's name says so.
        self.assertEqual(names, {CTRL_ID: "CTRL", SHIFT_ID: "SHIFT", CLOSE_ID: "閉じる", STRIP_ID: "ModLatch (管理者)"})

    def about_and_help(self, s, hwnd):
        s.set_pos(hwnd, 20, 640, 533, 107)  # out of the way of the windows opened in the middle
        s.choose(s.open_menu(s.children(hwnd)[CTRL_ID]["screen"]), INFO_ITEM)
        about = s.probe("wait-window", ABOUT_CLASS, 5000)["windows"][0]
        self.assertEqual(box(about["rect"])[2:], (890, 344), "twice the 445 x 172 of 96 DPI")
        parts = s.probe("accessible", about["hwnd"])["controls"]
        named = sorted(p.get("name", "") for p in parts if p["class"] == PART_CLASS)
        self.assertEqual(named, ["", "https://example.org/", "modlatch@example.org", "ウィンドウを閉じる"])
        time.sleep(0.5)
        crop(s.screenshot("dpi192-about.png"), about["rect"], "dpi192-about-window.png")
        # Moved to a 96-DPI monitor: made anew at that DPI, the size it has there at once.
        x, y = about["rect"]["x"], about["rect"]["y"]
        self.assertTrue(s.probe("dpichanged", about["hwnd"], 96, x, y, x + 445, y + 172)["sent"])
        moved = s.window_of_class(ABOUT_CLASS)
        self.assertEqual(box(moved["rect"]), (x, y, 445, 172))
        parts = s.probe("accessible", about["hwnd"])["controls"]
        self.assertEqual(sorted(p.get("name", "") for p in parts if p["class"] == PART_CLASS), named)
        time.sleep(0.5)
        crop(s.screenshot("dpi192-about-at-96.png"), moved["rect"], "dpi192-about-at-96-window.png")
        s.probe("send", about["hwnd"], harness.WM_CLOSE, 0, 0, check=False)
        wait_until("the About window to close", lambda: s.probe("find", ABOUT_CLASS)["count"] == 0)

        s.choose(s.open_menu(s.children(hwnd)[CTRL_ID]["screen"]), HELP_ITEM)
        help_window = s.probe("wait-window", HELP_CLASS, 5000)["windows"][0]
        area = s.work_area()
        self.assertEqual(box(help_window["rect"])[2:], (min(1440, area["w"]), min(960, area["h"])),
                         "twice 720 x 480, within the work area")
        time.sleep(0.5)
        crop(s.screenshot("dpi192-help.png"), help_window["rect"], "dpi192-help-window.png")
        self.assertTrue(s.probe("dpichanged", help_window["hwnd"], 96, 10, 10, 730, 490)["sent"])
        self.assertEqual(box(s.window_of_class(HELP_CLASS)["rect"]), (10, 10, 720, 480))
        s.probe("send", help_window["hwnd"], harness.WM_CLOSE, 0, 0, check=False)
        s.set_pos(hwnd, 200, 200, 533, 107)

    def test_192_dpi_tray_picture_is_drawn_at_the_size_the_shell_asks(self):
        with Session("dpi192-tray", ini=INI, dpi=192) as s:
            hwnd = s.main_window()["hwnd"]
            size = s.probe("smicon")["cx"]
            self.assertEqual(size, 32, "Wine's small icon at 192 DPI")
            icon = leave_float_mode(s, hwnd, COMPACT, 1)[0]
            time.sleep(0.5)
            shot = s.screenshot("dpi192-tray.png")
            crop(shot, icon["screen"], "dpi192-tray-icon.png")
            seen = harness.pixels(shot, icon["screen"])
            # The Compact picture is opaque: where it differs from the tray's ground is its size.
            ground = seen[0][0]
            painted = [(x, y) for y, row in enumerate(seen) for x, p in enumerate(row) if p != ground]
            xs, ys = [x for x, _ in painted], [y for _, y in painted]
            self.assertEqual((max(xs) - min(xs) + 1, max(ys) - min(ys) + 1), (size, size))
            # A 16-pixel picture blown up to 32 is made of 2 x 2 blocks; one drawn at 32 is not.
            x0, y0 = min(xs), min(ys)
            blocky = all(seen[y0 + y][x0 + x] == seen[y0 + y - y % 2][x0 + x - x % 2]
                         for y in range(size) for x in range(size))
            self.assertFalse(blocky, "the tray picture is a stretched 16-pixel one")
            s.close_app(hwnd)


if __name__ == "__main__":
    unittest.main()
