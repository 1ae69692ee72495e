"""The floating window's indicators follow the real keyboard and the
foreground window, seen from outside ModLatch under 64-bit Wine. One Session
serves the whole file; every test leaves both keys up."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Session, crop, pixel, wait_until  # noqa: E402

CTRL_ID, SHIFT_ID, STRIP_ID = 1000, 1001, 1002
VK_SHIFT, VK_CONTROL = 0x10, 0x11
WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK = 0x02B1, 7
# One poll is 100 ms; the rest is slack for a loaded machine.
POLL_LAG_LIMIT_MS = 350


def rgb(color):
    return color["r"], color["g"], color["b"]


class Indicators(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.s = Session("indicators").__enter__()
        cls.addClassCleanup(cls.s.__exit__, None, None, None)
        cls.win = cls.s.main_window()
        cls.hwnd = cls.win["hwnd"]

    def setUp(self):
        keys = self.s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), "a test left a key down")
        self.focus_modlatch()

    def focus_modlatch(self):
        # Without a window manager X focus alone does not activate a Wine
        # window; a click does. The gap between the strip and SHIFT takes no input.
        if self.foreground() != self.hwnd:
            strip = self.s.children(self.hwnd)[STRIP_ID]["screen"]
            self.s.click_at(strip["x"] + strip["w"] + 2, strip["y"] + strip["h"] // 2)
        self.s.focus_window(self.win["xid"])
        wait_until("ModLatch in the foreground", lambda: self.foreground() == self.hwnd, timeout=5)

    def foreground(self):
        return self.s.probe("focus")["foreground"]

    def checks(self):
        kids = self.s.children(self.hwnd)
        return kids[SHIFT_ID]["check"], kids[CTRL_ID]["check"]

    def click(self, control_id):
        self.s.click_at(*Session.center(self.s.children(self.hwnd)[control_id]["screen"]))

    def key_log(self, ms):
        """Starts logging every key event; `finish_probe` on it gives the list."""
        return self.s.start_probe("key-log", ms)

    def watch_shift(self, value, action):
        """Runs action, returns how long the SHIFT button took to follow the key."""
        watcher = self.s.start_probe("watch-check", self.hwnd, SHIFT_ID, VK_SHIFT, value, 3000)
        action()
        result = self.s.finish_probe(watcher)
        self.assertTrue(result["key_seen"], f"Wine never saw SHIFT {'down' if value else 'up'}: {result}")
        self.assertTrue(result["check_seen"], f"the SHIFT button never followed: {result}")
        return result["lag_ms"]

    def test_held_physical_shift_moves_the_button_without_a_key_event(self):
        s = self.s
        log = self.key_log(2500)
        down_lag = self.watch_shift(1, lambda: s.xdotool("keydown", "Shift_L"))
        try:
            time.sleep(0.3)
            keys = s.keys()
            self.assertTrue(keys["shift"], keys)
            self.assertEqual(self.checks(), (1, 0))
        finally:
            up_lag = self.watch_shift(0, lambda: s.xdotool("keyup", "Shift_L"))
        time.sleep(0.3)
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["lshift"], keys["rshift"]), (False, False, False),
                         f"SHIFT must stay up once released: {keys}")
        self.assertEqual(self.checks(), (0, 0))
        self.assertLess(down_lag, POLL_LAG_LIMIT_MS)
        self.assertLess(up_lag, POLL_LAG_LIMIT_MS)
        events = s.finish_probe(log)["events"]
        self.assertEqual([e for e in events if e["injected"]], [], "ModLatch must send no key")
        self.assertEqual([e["up"] for e in events if e["vk"] in (0x10, 0xA0)], [False, True],
                         f"the log must hold the physical press and release: {events}")

    def test_physical_ctrl_releases_a_latched_ctrl(self):
        # The latch is sent with the extended-key flag, which makes it the
        # right-hand CTRL; that is the physical key that takes it back.
        s = self.s
        log = self.key_log(3000)
        self.click(CTRL_ID)
        keys = self.s.wait_keys(shift=False, ctrl=True)
        self.assertTrue(keys["rctrl"], keys)
        time.sleep(0.3)
        self.assertTrue(s.keys()["ctrl"], "the latch must hold until the key is pressed")
        self.assertEqual(self.checks(), (0, 1))
        s.xdotool("keydown", "Control_R")
        time.sleep(0.15)
        s.xdotool("keyup", "Control_R")
        self.s.wait_keys(shift=False, ctrl=False)
        wait_until("CTRL button up", lambda: self.checks() == (0, 0), timeout=3)
        time.sleep(0.3)
        self.assertFalse(s.keys()["ctrl"], "nothing may latch CTRL again")
        self.assertEqual(self.checks(), (0, 0))
        events = s.finish_probe(log)["events"]
        self.assertEqual([(e["vk"], e["up"], e["extended"]) for e in events if e["injected"]], [(0x11, False, True)],
                         f"the click sends one extended CTRL key-down and nothing more: {events}")
        self.assertEqual([e["up"] for e in events if e["vk"] == 0xA3], [False, True],
                         f"the log must hold the physical press and release: {events}")

    def test_caption_strip_colour_follows_the_foreground_window(self):
        s = self.s
        colors = s.sys_colors()
        active, inactive = rgb(colors["active_caption"]), rgb(colors["inactive_caption"])
        self.assertNotEqual(active, inactive, "the two caption colours must differ for this test to mean anything")
        strip = s.children(self.hwnd)[STRIP_ID]["screen"]
        # Below the close button, in the strip's own paint.
        spot = (strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6)

        def strip_color(name):
            time.sleep(0.35)  # the strip repaints after the activation message
            return pixel(s.screenshot(name), *spot)

        self.assertEqual(strip_color("indicators-strip-active.png"), active)
        box = s.typebox(seconds=15)
        wait_until("the typebox in the foreground", lambda: self.foreground() == box.hwnd, timeout=5)
        self.assertEqual(strip_color("indicators-strip-inactive.png"), inactive)
        self.focus_modlatch()
        self.assertEqual(strip_color("indicators-strip-active-again.png"), active)

    def test_latched_shift_is_drawn_pressed(self):
        s = self.s
        kids = s.children(self.hwnd)
        self.click(SHIFT_ID)
        self.s.wait_keys(shift=True, ctrl=False)
        wait_until("SHIFT button down", lambda: self.checks() == (1, 0), timeout=3)
        try:
            time.sleep(0.3)
            shot = s.screenshot("indicators-shift-latched.png")
            crop(shot, s.window(self.hwnd)["rect"], "indicators-shift-latched-window.png")
            shift, ctrl = kids[SHIFT_ID]["screen"], kids[CTRL_ID]["screen"]
            # A pressed toggle has a dark top-left edge and a dithered face; a
            # raised one a light edge and a flat face. Sampled left of the caption.
            def edge(r):
                return pixel(shot, r["x"] + 10, r["y"])

            def face(r):
                y = r["y"] + r["h"] // 2
                return pixel(shot, r["x"] + 8, y), pixel(shot, r["x"] + 9, y)

            self.assertLess(sum(edge(shift)), sum(edge(ctrl)), "the pressed button's top edge must be the darker")
            self.assertNotEqual(*face(shift), "the pressed face is dithered")
            self.assertEqual(*face(ctrl), "the raised face is flat")
        finally:
            self.click(SHIFT_ID)
            self.s.wait_keys(shift=False, ctrl=False)

    def test_a_session_lock_releases_a_latched_shift_as_the_reset_does(self):
        s = self.s
        self.click(SHIFT_ID)
        s.wait_keys(shift=True, ctrl=False)
        wait_until("SHIFT button down", lambda: self.checks() == (1, 0), timeout=3)
        log = self.key_log(2000)
        # As the system sends it to a window registered for this session's changes.
        self.assertTrue(s.probe("post", self.hwnd, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0)["ok"])
        wait_until("SHIFT button up", lambda: self.checks() == (0, 0), timeout=3)
        s.screenshot("indicators-after-lock.png")
        s.wait_keys(shift=False, ctrl=False)
        events = s.finish_probe(log)["events"]
        # The tick saw no change since SHIFT went down, so, as the reset, both keys get a key-up.
        sent = [(e["vk"], e["up"]) for e in events if e["injected"]]
        self.assertEqual(sent, [(VK_SHIFT, True), (VK_CONTROL, True)], events)


if __name__ == "__main__":
    unittest.main(verbosity=2)
