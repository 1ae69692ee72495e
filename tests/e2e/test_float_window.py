"""The floating window's layout, size limits, dragging, stacking and popup
menu, driven with real X input under 64-bit Wine. One Session serves the
whole file; each test starts from the default position and size."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session, box, crop, pixel, wait_until  # noqa: E402

CTRL_ID, SHIFT_ID, STRIP_ID, CLOSE_ID = 1000, 1001, 1002, 1003
DEFAULT_RECT = (512, 384, 266, 53)
MIN_SIZE, MAX_SIZE = (120, 25), (1000, 1000)
WS_EX_TOPMOST = 0x8
SWP_NOMOVE = 0x2

TOP_ITEM = "常に手前に表示する"
CENTER_ITEM = "中央ボタンでもポップアップ"
LOCK_ITEM = "サイズ固定(フロートモード時)"
CANCEL_ITEM = "ｷｬﾝｾﾙ"


def size(rect):
    return rect["w"], rect["h"]


def limits(minmax):
    """(min, max) tracking sizes from the probe's WM_GETMINMAXINFO answer."""
    return tuple((minmax[k]["x"], minmax[k]["y"]) for k in ("min_track", "max_track"))


def expected_layout(w, h):
    """Child bounds in the window's client area for an outer size of w x h."""
    width = (w - 24) // 2 - 4
    return {
        STRIP_ID: (2, 0, 17, h - 8),
        SHIFT_ID: (24, 0, width, h - 8),
        CTRL_ID: (24 + width - 1, 0, width, h - 8),
    }


class FloatWindow(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = Session("float-window").__enter__()
        cls.addClassCleanup(cls.s.__exit__, None, None, None)
        cls.win = cls.s.main_window()
        cls.hwnd = cls.win["hwnd"]

    def setUp(self):
        if self.s.probe("find", "#32768")["count"]:
            self.close_menu()
        minmax = self.s.probe("minmax", self.hwnd)
        self.assertEqual(limits(minmax), (MIN_SIZE, MAX_SIZE),
                         "a test left the size locked")
        self.s.set_pos(self.hwnd, *DEFAULT_RECT)

    # --- helpers ------------------------------------------------------------

    def rect(self):
        return self.s.window(self.hwnd)["rect"]

    def kids(self):
        return self.s.children(self.hwnd)

    def click(self, rect, button=1, hold=0.05):
        self.s.click_at(*Session.center(rect), button=button, hold=hold)

    def open_menu(self, control_id=CTRL_ID):
        self.click(self.kids()[control_id]["screen"], button=3)
        return self.s.probe("menu", 5000)

    def item(self, menu, caption):
        return next(i for i in menu["menu"]["items"] if i["caption"] == caption)

    def choose(self, caption):
        """Opens the menu on a toggle button and clicks one item; returns the item as it was."""
        item = self.item(self.open_menu(), caption)
        self.click(item["rect"])
        wait_until("the menu to close", lambda: self.s.probe("find", "#32768")["count"] == 0, timeout=5)
        return item

    def close_menu(self):
        self.click(self.item(self.s.probe("menu", 5000), CANCEL_ITEM)["rect"])
        wait_until("the menu to close", lambda: self.s.probe("find", "#32768")["count"] == 0, timeout=5)

    def strip_grip(self):
        """A point on the strip below its close button."""
        strip = self.kids()[STRIP_ID]["screen"]
        return strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6

    def assert_layout(self, w, h):
        kids = self.kids()
        for control_id, bounds in expected_layout(w, h).items():
            self.assertEqual(box(kids[control_id]["rect"]), bounds, f"control {control_id} at {w} x {h}")

    # --- tests --------------------------------------------------------------

    def test_children_follow_the_window_size(self):
        s = self.s
        self.assertEqual(size(self.rect()), (266, 53))
        self.assert_layout(266, 53)
        self.assertEqual(expected_layout(266, 53)[CTRL_ID], (140, 0, 117, 45))  # the rule, checked once
        for w, h in ((400, 80), (267, 53), (300, 60)):
            with self.subTest(size=(w, h)):
                self.assertEqual(size(s.set_pos(self.hwnd, 0, 0, w, h, SWP_NOMOVE)["rect"]), (w, h))
                self.assert_layout(w, h)

        # A real resize with the bottom-right corner of the border.
        s.set_pos(self.hwnd, *DEFAULT_RECT)
        r = self.rect()
        corner = (r["x"] + r["w"] - 2, r["y"] + r["h"] - 2)
        s.drag(corner, (corner[0] + 100, corner[1] + 30))
        self.assertEqual(size(self.rect()), (366, 83))
        self.assert_layout(366, 83)

    def test_extreme_sizes_fill_the_window(self):
        s = self.s
        colors = s.sys_colors()
        captions = {tuple(colors[k][c] for c in "rgb") for k in ("active_caption", "inactive_caption")}
        for name, (w, h) in (("smallest", MIN_SIZE), ("large", (900, 200))):
            with self.subTest(size=name):
                win = s.set_pos(self.hwnd, 50, 50, w, h)
                self.assertEqual(size(win["rect"]), (w, h))
                self.assert_layout(w, h)
                time.sleep(0.3)
                shot = s.screenshot(f"float-{name}.png")
                crop(shot, win["rect"], f"float-{name}-window.png")
                # The strip is painted down to its last row, and CTRL reaches the right border.
                strip = self.kids()[STRIP_ID]["screen"]
                self.assertIn(pixel(shot, strip["x"] + strip["w"] - 2, strip["y"] + strip["h"] - 1), captions)
                ctrl = self.kids()[CTRL_ID]["screen"]
                client = win["client"]
                self.assertLessEqual(client["x"] + client["w"] - (ctrl["x"] + ctrl["w"]), 4,
                                     "CTRL must end near the right border")

    def test_size_limits_and_size_lock(self):
        s = self.s
        self.assertEqual(size(s.set_pos(self.hwnd, 0, 0, 50, 10, SWP_NOMOVE)["rect"]), MIN_SIZE)
        self.assertEqual(size(s.set_pos(self.hwnd, 0, 0, 1200, 1200, SWP_NOMOVE)["rect"]), MAX_SIZE)
        s.set_pos(self.hwnd, 100, 100, 300, 60)

        self.assertFalse(self.choose(LOCK_ITEM)["checked"])
        try:
            minmax = s.probe("minmax", self.hwnd)
            self.assertEqual(limits(minmax), ((300, 60), (300, 60)))
            self.assertEqual(size(s.set_pos(self.hwnd, 0, 0, 500, 100, SWP_NOMOVE)["rect"]), (300, 60))
            r = self.rect()
            corner = (r["x"] + r["w"] - 2, r["y"] + r["h"] - 2)
            s.drag(corner, (corner[0] + 100, corner[1] + 30))
            self.assertEqual(box(self.rect()), (100, 100, 300, 60), "a locked window neither grows nor moves")
            # Moving still works.
            grip = self.strip_grip()
            s.drag(grip, (grip[0] + 40, grip[1] + 20))
            self.assertEqual(box(self.rect()), (140, 120, 300, 60))
        finally:
            self.assertTrue(self.choose(LOCK_ITEM)["checked"])
        minmax = s.probe("minmax", self.hwnd)
        self.assertEqual(limits(minmax), (MIN_SIZE, MAX_SIZE))

    def test_strip_drag_moves_the_window_and_stays_in_the_work_area(self):
        s = self.s
        area = s.work_area()
        start = self.rect()
        grip = self.strip_grip()
        s.drag(grip, (grip[0] - 100, grip[1] - 50))
        self.assertEqual(box(self.rect()), (start["x"] - 100, start["y"] - 50, 266, 53))

        # The pointer goes to the screen's corner, which would put the window's
        # left and top edges outside; the window stops at the work area's edges.
        s.drag(self.strip_grip(), (0, 0))
        self.assertEqual(box(self.rect()), (area["x"], area["y"], 266, 53))
        s.drag(self.strip_grip(), (harness.SCREEN[0] - 1, harness.SCREEN[1] - 1))
        self.assertEqual(box(self.rect()), (area["x"] + area["w"] - 266, area["y"] + area["h"] - 53, 266, 53))

    def test_right_click_on_the_strip_opens_the_menu_in_place(self):
        before = self.rect()
        x, y = self.strip_grip()
        self.s.click_at(x, y, button=3)
        menu = self.s.probe("menu", 5000)
        self.assertEqual(menu["pid"], self.win["pid"], "the menu is ModLatch's")
        self.assertEqual(self.rect(), before)
        self.close_menu()
        self.assertEqual(self.rect(), before)

    def test_always_on_top_item_toggles_topmost(self):
        self.assertFalse(self.s.window(self.hwnd)["exstyle"] & WS_EX_TOPMOST)
        self.assertFalse(self.choose(TOP_ITEM)["checked"])
        try:
            self.assertTrue(self.item(self.open_menu(), TOP_ITEM)["checked"])
            self.close_menu()
            self.assertTrue(self.s.window(self.hwnd)["exstyle"] & WS_EX_TOPMOST, "the item must make it topmost")
        finally:
            self.assertTrue(self.choose(TOP_ITEM)["checked"])
        self.assertFalse(self.s.window(self.hwnd)["exstyle"] & WS_EX_TOPMOST)

    def test_middle_button_anywhere_opens_the_menu_when_chosen(self):
        # Wine sees no X input on the bare root window, so "elsewhere" is
        # another program's window. The button is held across a tick: each
        # poll reads and drops the button's press bit just before the popup
        # test, so only a button still down at a tick counts.
        s = self.s
        other = s.typebox(seconds=20)
        self.addCleanup(s.stop, other.proc)
        spot = (other.rect["x"] + other.rect["w"] // 2, other.rect["y"] + other.rect["h"] - 20)

        def middle_click():
            watcher = s.start_probe("watch-window", "#32768", 1000)
            s.click_at(*spot, button=2, hold=0.25)
            return s.finish_probe(watcher)

        self.assertFalse(middle_click()["found"], "without the option a middle click opens nothing")
        self.assertFalse(self.choose(CENTER_ITEM)["checked"])
        try:
            opened = middle_click()
            self.assertTrue(opened["found"], "the middle button must open the menu")
            self.assertLess(opened["elapsed_ms"], 450, "within a tick or two of the press")
            menu = s.probe("menu", 2000)
            self.assertEqual(menu["pid"], self.win["pid"])
            self.assertTrue(self.item(menu, CENTER_ITEM)["checked"])
            self.close_menu()
            time.sleep(0.3)
            self.assertEqual(s.probe("find", "#32768")["count"], 0, "a released button does not reopen it")
        finally:
            self.assertTrue(self.choose(CENTER_ITEM)["checked"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
