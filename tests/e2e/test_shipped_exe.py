"""The shipped 32-bit ModLatch.exe under 32-bit Wine, observed by the 32-bit probe.

Every other end-to-end test drives the x86-64 build. What differs between the two
builds is what this smoke test walks through once: the replacement window procedure
and the records its messages point to, the callbacks, the 88-byte tray record that a
32-bit build hands to the shell as it is, and the ways out; and one start at 144 DPI.
Each start costs several seconds where 32-bit Wine runs under an emulator, so there are
only three.
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session, box, crop, wait_until  # noqa: E402
from test_foundation import (  # noqa: E402
    CLOSE_ID, CTRL_ID, DEFAULT_CONTROLS, MENU_CAPTIONS, SHIFT_ID, STRIP_ID, latch_by_click, open_menu,
    wait_check)
from test_dpi import GEOMETRY, INI, expected_layout, geometry  # noqa: E402
from test_tray import FLOAT, TrayTest, click_icon, point_at  # noqa: E402

CANCEL = "ｷｬﾝｾﾙ"


class Shipped32BitExe(TrayTest):
    def assert_ended_with_keys_up(self, s, keeper):
        self.assertTrue(s.app_exited(timeout=20), "the program should have ended")
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), keys)
        self.assertIsNone(keeper.poll(), "keys were read from the same wineserver")

    def test_float_window_latch_menu_and_close(self):
        with Session("shipped32-float", bits=32) as s:
            win = s.main_window()
            hwnd = win["hwnd"]
            keeper = s.keep_wineserver()
            time.sleep(0.3)  # let the first paint land before the picture
            crop(s.screenshot("shipped32-float.png"), win["rect"], "shipped32-float-window.png")
            self.assertEqual(box(win["rect"]), (harness.SCREEN[0] // 2, harness.SCREEN[1] // 2, 266, 53))
            kids = s.children(hwnd)
            self.assertEqual({i: (kids[i]["class"], box(kids[i]["rect"])) for i in DEFAULT_CONTROLS},
                             DEFAULT_CONTROLS)
            self.assertEqual(kids[CLOSE_ID]["parent"], kids[STRIP_ID]["hwnd"], "close button sits on the strip")

            # The replacement window procedure fills the record WM_GETMINMAXINFO points to...
            minmax = s.probe("minmax", hwnd)
            self.assertEqual((minmax["min_track"], minmax["max_track"]),
                             ({"x": 120, "y": 25}, {"x": 1000, "y": 1000}))
            # ...and keeps a dragged window inside the work area through WM_MOVING's rectangle.
            strip = kids[STRIP_ID]["screen"]
            s.drag((strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6), (0, 0))
            area = s.work_area()
            self.assertEqual(box(s.window(hwnd)["rect"]), (area["x"], area["y"], 266, 53))
            kids = s.children(hwnd)

            shift = kids[SHIFT_ID]["screen"]
            s.click(shift)
            s.wait_keys(shift=True, ctrl=False)
            wait_check(s, hwnd, SHIFT_ID, 1)
            s.click(shift)
            s.wait_keys(shift=False, ctrl=False)
            wait_check(s, hwnd, SHIFT_ID, 0)

            items = open_menu(s, hwnd, CTRL_ID)
            s.screenshot("shipped32-menu.png")
            self.assertEqual([None if i["separator"] else i["caption"] for i in items], MENU_CAPTIONS)
            self.assertEqual([i["caption"] for i in items if i["checked"]], [FLOAT])
            s.click(next(i for i in items if i["caption"] == CANCEL)["rect"])
            wait_until("the menu to close", lambda: not harness.menu_window(s))

            latch_by_click(s, hwnd, SHIFT_ID)
            latch_by_click(s, hwnd, CTRL_ID)
            s.wait_keys(shift=True, ctrl=True)
            s.probe("send", hwnd, harness.WM_CLOSE, 0, 0, check=False)
            self.assert_ended_with_keys_up(s, keeper)

    def test_compact_icon_toggles_keys_and_alt_click_ends(self):
        # The ALT latch is on: Compact mode reaches it through the menu.
        with Session("shipped32-compact", bits=32, ini="[Option]\nLatchAlt=True\n") as s:
            keeper, icons = self.compact_then_latch_both(s, "shipped32-compact")
            icon = icons[0]
            s.choose(s.open_compact_menu(icon), "ALTｷｰ")
            wait_until("ALT latched", lambda: s.keys()["lalt"], timeout=10)
            s.choose(s.open_compact_menu(icon), "元に戻す")
            wait_until("ALT released", lambda: not s.keys()["lalt"], timeout=10)
            point_at(s, icon)  # X keys reach Wine only with a Wine window under the pointer

            s.xdotool("keydown", "alt")
            try:
                wait_until("Wine to see ALT down", lambda: s.keys()["alt"])
                click_icon(s, icon)
                self.assertTrue(s.app_exited(timeout=20), "ALT + left click should end the program")
            finally:
                s.xdotool("keyup", "alt")
            self.assert_ended_with_keys_up(s, keeper)
            self.assertEqual(s.tray_icons(), [], "the icon leaves with the program")

    def test_window_at_144_dpi_follows_its_twips_and_saves_them_back(self):
        with Session("shipped32-144dpi", bits=32, dpi=144, ini=INI) as s:
            win = s.main_window()
            (w, h), shift, ctrl = expected_layout(144)
            self.assertEqual(box(win["rect"]), (150, 150, w, h))
            kids = s.children(win["hwnd"])
            self.assertEqual((box(kids[SHIFT_ID]["rect"]), box(kids[CTRL_ID]["rect"])), (shift, ctrl))
            s.close_app(win["hwnd"], timeout=30)
            self.assertEqual(geometry(s.read_ini()), GEOMETRY)


if __name__ == "__main__":
    unittest.main(verbosity=2)
