"""The floating window that never takes the focus (NoActivate) and one-shot latches
(OneShot), with real X input under 64-bit Wine while a probe's edit box holds the focus.
Each class writes ModLatch.ini before it starts the program and keeps one Session.

Wine runs every program as administrator, ModLatch and the probe alike: no administrator
notice shows, the restart as administrator is greyed and the strip says "(管理者)".

Wine re-reads the modifiers from X whenever the X focus moves, so these tests also show
why the options matter there: a latch made without moving the focus survives typing."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Session, crop, pixel, pixels, wait_until  # noqa: E402

CTRL_ID, SHIFT_ID, STRIP_ID, CLOSE_ID = 1000, 1001, 1002, 1003
WS_EX_NOACTIVATE = 0x08000000
CANCEL_ITEM = "ｷｬﾝｾﾙ"
RESTART_ITEM = "管理者として再起動"
ADMIN_MARK = " (管理者)"
# Separate clicks on one button must lie further apart than Wine's 500 ms double-click time.
APART = 0.7


def rgb(color):
    return color["r"], color["g"], color["b"]


class _DocumentHasTheFocus(unittest.TestCase):
    """A session with the program started from INI and a typebox that has the focus."""

    NAME = ""
    INI = ""

    @classmethod
    def setUpClass(cls):
        cls.s = Session(cls.NAME, start_app=False).__enter__()
        cls.addClassCleanup(cls.s.__exit__, None, None, None)
        cls.s.write_ini(cls.INI)
        cls.win = cls.s.start_program()
        cls.hwnd = cls.win["hwnd"]
        cls.box = cls.s.typebox(seconds=300)
        cls.s.focus_window(cls.box.xid)

    def setUp(self):
        keys = self.s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), "a test left a key down")
        wait_until("the typebox's edit box focused", lambda: self.document_focused(), timeout=5)
        self.x_focus = self.s.x_focus()
        self.assertEqual(self.x_focus, self.box.xid)

    def document_focused(self):
        focus = self.s.probe("focus")
        return focus["foreground"] == self.box.hwnd and focus["focus"] == self.box.edit

    def assert_focus_unmoved(self, what):
        self.assertTrue(self.document_focused(), f"{what} took the focus: {self.s.probe('focus')}")
        self.assertEqual(self.s.x_focus(), self.x_focus, f"{what} moved the X focus")

    def screen(self, control_id):
        return self.s.children(self.hwnd)[control_id]["screen"]

    def click(self, control_id):
        self.s.click(self.screen(control_id))
        time.sleep(APART)

    def double_click(self, control_id):
        self.s.double_click_at(*Session.center(self.screen(control_id)))
        time.sleep(APART)

    def typed(self, text):
        """Types on the X keyboard; returns what the edit box gained."""
        before = self.s.text(self.box.edit)
        self.s.type_text(text)
        wait_until(f"{text!r} typed", lambda: len(self.s.text(self.box.edit)) == len(before) + len(text), timeout=5)
        return self.s.text(self.box.edit)[len(before):]


class NoActivateWindow(_DocumentHasTheFocus):
    NAME = "no-activate"
    INI = "[Option]\nNoActivate=True\n"

    def test_a_click_on_a_toggle_button_latches_and_leaves_the_focus(self):
        s = self.s
        self.assertTrue(s.window(self.hwnd)["exstyle"] & WS_EX_NOACTIVATE)
        self.click(SHIFT_ID)
        try:
            self.assert_focus_unmoved("a click on SHIFT")
            self.assertEqual(s.check_state(self.hwnd, SHIFT_ID), 1)
            self.assertIsNone(s.tooltip(1500), "no notice: the typebox is no higher than ModLatch")
            # The X focus never moved, so Wine kept the latch: without OneShot it holds.
            self.assertEqual(self.typed("ab"), "AB")
            self.assertTrue(s.keys()["shift"])
        finally:
            self.click(SHIFT_ID)
        s.wait_keys(shift=False, ctrl=False)
        self.assert_focus_unmoved("the second click")
        self.assertEqual(self.typed("ab"), "ab")

    def test_dragging_the_strip_moves_the_window_only(self):
        s = self.s
        before = s.window(self.hwnd)["rect"]
        strip = self.screen(STRIP_ID)
        grip = (strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6)
        s.drag(grip, (grip[0] - 60, grip[1] + 40))
        after = s.window(self.hwnd)["rect"]
        self.assertEqual((after["x"], after["y"]), (before["x"] - 60, before["y"] + 40))
        self.assert_focus_unmoved("a drag")

    def test_the_menu_borrows_the_foreground_and_gives_it_back(self):
        s = self.s
        strip = self.screen(STRIP_ID)
        s.click_at(strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6, button=3)
        menu = s.probe("menu", 5000)
        self.assertEqual(menu["pid"], self.win["pid"])
        options = next(i for i in menu["menu"]["items"] if i["submenu"])["items"]
        self.assertEqual((options[-1]["caption"], options[-1]["grayed"]), (RESTART_ITEM, True))
        cancel = next(i for i in menu["menu"]["items"] if i["caption"] == CANCEL_ITEM)
        s.click(cancel["rect"])
        wait_until("the menu to close", lambda: s.probe("find", "#32768")["count"] == 0, timeout=5)
        wait_until("the typebox focused again", self.document_focused, timeout=5)
        wait_until("the X focus back", lambda: s.x_focus() == self.x_focus, timeout=5)

    def test_the_strip_looks_inactive_and_its_tip_shows(self):
        s = self.s
        colors = s.sys_colors()
        self.assertNotEqual(rgb(colors["active_caption"]), rgb(colors["inactive_caption"]))
        strip = self.screen(STRIP_ID)
        s.point_to(strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6)
        tip = s.tooltip()
        self.assertIsNotNone(tip, "hovering the strip shows its tip")
        self.assertEqual(tip["text"], " [SHIFT OFF]  [CTRL OFF] " + ADMIN_MARK)
        self.assertEqual(s.children(self.hwnd)[STRIP_ID]["text"], "ModLatch" + ADMIN_MARK)
        shot = s.screenshot("no-activate.png")
        crop(shot, s.window(self.hwnd)["rect"], "no-activate-window.png")
        self.assertEqual(pixel(shot, strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 3),
                         rgb(colors["inactive_caption"]))
        self.assert_focus_unmoved("hovering")


class OneShotLatches(_DocumentHasTheFocus):
    NAME = "one-shot"
    INI = "[Option]\nNoActivate=True\nOneShot=True\n"

    def test_one_click_gives_one_capital(self):
        s = self.s
        log = s.start_probe("key-log", 4000)
        self.click(SHIFT_ID)
        self.assert_focus_unmoved("a click on SHIFT")
        # The release follows the key that used the latch; a loaded machine may take longer to
        # make it than a typist takes to reach the next key, so the next key waits for it.
        self.assertEqual(self.typed("a"), "A")
        s.wait_keys(shift=False, ctrl=False)
        self.assertEqual(self.typed("bc"), "bc")
        events = [(e["vk"], e["up"]) for e in s.finish_probe(log)["events"] if e["injected"]]
        self.assertEqual(events, [(0x10, False), (0x10, True)], "one latch, one release")

    def test_modifier_keys_leave_the_latch_for_the_next_key(self):
        s = self.s
        self.click(CTRL_ID)
        s.xdotool("key", "Shift_L", "Super_L")
        time.sleep(0.3)
        self.assertTrue(s.keys()["ctrl"], "CTRL waits for a key that is not a modifier")
        s.xdotool("key", "a")  # CTRL+A: selects, types nothing
        s.wait_keys(shift=False, ctrl=False)

    def test_a_click_in_the_document_uses_the_latch(self):
        s = self.s
        self.click(SHIFT_ID)
        self.assertTrue(s.keys()["shift"])
        edit = self.box.rect
        s.click_at(edit["x"] + 60, edit["y"] + edit["h"] // 2)
        s.wait_keys(shift=False, ctrl=False)
        self.assert_focus_unmoved("a click in the document")

    def test_a_double_click_locks_until_the_next_click(self):
        s = self.s
        self.double_click(SHIFT_ID)
        try:
            self.assertEqual(self.typed("ab"), "AB")
            self.assertTrue(s.keys()["shift"], "a locked SHIFT outlasts the keys")
            self.assert_focus_unmoved("a double click")
            strip = self.screen(STRIP_ID)
            s.point_to(strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6)
            self.assertEqual(s.tooltip()["text"], " [SHIFT LOCK]  [CTRL OFF] " + ADMIN_MARK)
            time.sleep(0.3)
            shot = s.screenshot("one-shot-locked.png")
            crop(shot, s.window(self.hwnd)["rect"], "one-shot-locked-window.png")
            # The lock mark: dark pixels at the right end of the SHIFT face, none on CTRL's.
            self.assertTrue(self.has_lock_mark(shot, SHIFT_ID))
            self.assertFalse(self.has_lock_mark(shot, CTRL_ID))
        finally:
            self.click(SHIFT_ID)
        s.wait_keys(shift=False, ctrl=False)
        self.assertEqual(self.typed("ab"), "ab")

    def has_lock_mark(self, shot, control_id):
        r = self.screen(control_id)
        area = {"x": r["x"] + r["w"] - 18, "y": r["y"] + 4, "w": 14, "h": r["h"] - 8}
        return any(sum(p) < 150 for row in pixels(shot, area) for p in row)


class ExitReleasesEverything(_DocumentHasTheFocus):
    NAME = "one-shot-exit"
    INI = "[Option]\nNoActivate=True\nOneShot=True\n"

    def test_the_close_button_releases_a_locked_and_a_latched_key(self):
        s = self.s
        self.double_click(SHIFT_ID)
        self.click(CTRL_ID)
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"]), (True, True))
        log = s.start_probe("key-log", 8000)
        s.click(self.screen(CLOSE_ID))
        self.assertTrue(s.app_exited(timeout=15), "the close button ends the program")
        # The typebox keeps Wine's key state alive past the program.
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), f"keys left down: {keys}")
        ups = [e["vk"] for e in s.finish_probe(log)["events"] if e["injected"] and e["up"]]
        self.assertEqual(ups, [0x10, 0x11])
        self.assertTrue(self.document_focused(), "the document kept the focus to the end")


if __name__ == "__main__":
    unittest.main(verbosity=2)
