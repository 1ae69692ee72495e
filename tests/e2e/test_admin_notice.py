"""The administrator notice and the restart as administrator, under 64-bit Wine.

Wine runs every program as administrator, so nothing there is above ModLatch and the shipped
exe never gives the notice (test_focus_one_shot checks that). These tests run
ModLatchFrontHigher.exe instead: the same sources with only the reading of integrity levels
replaced (tests/e2e/front_higher), so that another program's window in front counts as elevated
and ModLatch as not. What they leave to Windows: the levels read from real tokens, keys actually
refused, and the system's prompt (Wine starts a "runas" program without one)."""

import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import MAIN_CLASS, WM_CLOSE, Session, click_icon, wait_until  # noqa: E402

SHIFT_ID = 1001
TOOLTIP_CLASS = "tooltips_class32"
NOTICE_TAIL = "」は管理者として実行されているため、ModLatch からキーを送れません。"
NOTICE = "「probe typebox" + NOTICE_TAIL
RESTART = "管理者として再起動"
APART = 0.7  # further apart than Wine's double-click time


class AdminNotice(unittest.TestCase):
    def start(self, ini):
        self.s = Session("admin-notice", start_app=False, ini=ini).__enter__()
        self.addCleanup(self.s.__exit__, None, None, None)
        # A copy started by the restart is not the session's own child: closed before it ends.
        self.addCleanup(self.close_every_copy)
        shutil.copy2(os.path.join(self.s.root, "probe", "ModLatchFrontHigher.exe"), self.s.exe)
        self.s.app = self.s.launch()

    def close_every_copy(self):
        for window in self.s.probe("find", MAIN_CLASS)["windows"]:
            self.s.probe("send", window["hwnd"], WM_CLOSE, 0, 0, check=False)
        wait_until("every ModLatch closed", lambda: self.s.probe("find", MAIN_CLASS)["count"] == 0, timeout=20)

    def typebox_in_front(self):
        box = self.s.typebox(seconds=120)
        self.s.focus_window(box.xid)
        wait_until("the typebox in front", lambda: self.s.probe("focus")["foreground"] == box.hwnd, timeout=5)
        return box

    def notice(self, timeout_ms):
        """The visible tip that holds the notice, with its rectangle, or None."""
        deadline = time.monotonic() + timeout_ms / 1000
        while True:
            for tip in self.s.probe("find", TOOLTIP_CLASS)["windows"]:
                if tip["visible"] and NOTICE_TAIL in self.s.text(tip["hwnd"]):
                    return dict(tip, text=self.s.text(tip["hwnd"]))
            if time.monotonic() >= deadline:
                return None
            time.sleep(0.1)

    def test_a_balloon_at_the_button_once_per_window_without_taking_the_focus(self):
        self.start("[Option]\nNoActivate=True\n")
        s = self.s
        hwnd = s.main_window()["hwnd"]
        box = self.typebox_in_front()
        button = s.children(hwnd)[SHIFT_ID]["screen"]
        s.click(button)
        balloon = self.notice(3000)
        self.assertIsNotNone(balloon, "a click over an elevated window shows the notice")
        self.assertIn(NOTICE, balloon["text"])
        # Its stem points at the middle of the button's lower edge; the typebox keeps the focus.
        x, bottom = Session.center(button)[0], button["y"] + button["h"]
        rect = balloon["rect"]
        self.assertTrue(rect["x"] <= x <= rect["x"] + rect["w"] and bottom - 2 <= rect["y"] <= bottom + 20,
                        (rect, button))
        self.assertEqual(s.probe("focus")["foreground"], box.hwnd)
        s.screenshot("admin-notice-float.png")
        time.sleep(APART)
        s.click(button)  # the release: the balloon goes, and the same window gets no second one
        self.assertIsNone(self.notice(1500))
        s.wait_keys(shift=False, ctrl=False)

    def tray_notice(self, window_type, count, name):
        self.start(f"[Option]\nWindowType={window_type}\n")
        s = self.s
        icons = s.wait_tray_icons(count)
        self.typebox_in_front()
        click_icon(s, icons[0])  # SHIFT's icon, or the left button on the Compact icon
        # Wine's tray window takes the foreground at a click: that is the window in front.
        title = s.window_of_class(s.probe("focus")["foreground_class"])["title"]
        balloon = self.notice(5000)
        s.screenshot(f"admin-notice-{name}.png")
        self.assertIsNotNone(balloon, f"{name}: the tray icon shows the notice")
        self.assertIn(f"「{title}{NOTICE_TAIL}", balloon["text"])
        time.sleep(APART)
        click_icon(s, icons[0])
        s.wait_keys(shift=False, ctrl=False)

    def test_a_balloon_on_the_double_mode_icon_names_the_window_in_front_at_the_click(self):
        self.tray_notice(1, 2, "double")

    def test_a_balloon_on_the_compact_icon_names_the_window_in_front_at_the_click(self):
        self.tray_notice(0, 1, "compact")

    def test_restart_as_administrator_hands_over_to_a_copy_with_the_same_settings(self):
        self.start("[Option]\nNoActivate=True\n")
        s = self.s
        before = s.main_window()
        # Options, Right, then down past the options and the two languages to the restart.
        items = s.open_menu(s.children(before["hwnd"])[SHIFT_ID]["screen"])["menu"]["items"]
        options = [i["caption"] for i in next(i for i in items if i["submenu"])["items"] if not i["separator"]]
        self.assertEqual(options[-1], RESTART)
        captions = [i["caption"] for i in items if not i["separator"]]
        keys = ["Down"] * (captions.index("オプション") + 1) + ["Right"] + ["Down"] * options.index(RESTART)
        for key in keys + ["Return"]:
            s.xdotool("key", key)
        self.assertTrue(s.app_exited(timeout=15), "the old copy closes once the new one has started")

        def successor():
            found = [w for w in s.probe("find", MAIN_CLASS)["windows"] if w["pid"] != before["pid"]]
            return found[0] if found and found[0]["visible"] else None
        after = wait_until("the copy started as administrator", successor, timeout=20)
        # It waited for the old copy instead of ending as a second start, and read what it saved.
        self.assertEqual(s.probe("find", MAIN_CLASS)["count"], 1)
        self.assertEqual(after["rect"], before["rect"])
        self.assertIn(b"NoActivate=True", s.read_ini())
        self.assertTrue(s.window(after["hwnd"])["exstyle"] & 0x08000000, "NoActivate holds in the new copy")


if __name__ == "__main__":
    unittest.main(verbosity=2)
