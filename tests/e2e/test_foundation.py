"""ModLatch's main window, latching, popup menu and ways to end, seen from
outside the program under 64-bit Wine. Each test runs in its own Session:
its own Xvfb display and a fresh copy of ModLatch.exe."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session, wait_until  # noqa: E402

CTRL_ID, SHIFT_ID, STRIP_ID, CLOSE_ID = 1000, 1001, 1002, 1003
HOLDER_IDS = (1010, 1011)

MENU_CAPTIONS = [
    "SHIFTｷｰ", "CTRLｷｰ", "元に戻す", None,
    "常に手前に表示する", "中央ボタンでもポップアップ", "サイズ固定(フロートモード時)", "オプション", None,
    "コンパクトモード", "ダブルモード", "フロートモード", None,
    "ヘルプ", "当ソフトは・・・", None,
    "ｷｬﾝｾﾙ", "終了",
]
UNDO_INDEX = 2

# Where the design puts the controls at the default size: class and bounds in the parent.
DEFAULT_CONTROLS = {
    STRIP_ID: ("ModLatchPicture", (2, 0, 17, 45)),
    SHIFT_ID: ("Button", (24, 0, 117, 45)),
    CTRL_ID: ("Button", (140, 0, 117, 45)),
}


def wait_check(session, hwnd, control_id, value, timeout=5.0):
    wait_until(f"control {control_id} check state {value}",
               lambda: session.check_state(hwnd, control_id) == value, timeout)


def latch_by_click(session, hwnd, control_id):
    session.click(session.children(hwnd)[control_id]["screen"])
    wait_check(session, hwnd, control_id, 1)


def open_menu(session, hwnd, control_id=SHIFT_ID):
    session.click(session.children(hwnd)[control_id]["screen"], button=3)
    menu = session.probe("menu", 5000)
    return menu["menu"]["items"]


class MainWindowLooks(unittest.TestCase):
    def test_floats_at_half_screen_borderless_with_its_controls(self):
        with Session("window") as s:
            win = s.main_window()
            time.sleep(0.3)  # let the first paint land before the picture
            s.screenshot("foundation-window.png")
            self.assertEqual(win["title"], "")
            self.assertEqual(win["owner"], 0, "a top-level window, not owned")
            self.assertEqual((win["rect"]["x"], win["rect"]["y"]),
                             (harness.SCREEN[0] // 2, harness.SCREEN[1] // 2))
            self.assertEqual((win["rect"]["w"], win["rect"]["h"]), (266, 53))
            self.assertNotEqual(win["style"] & harness.WS_CAPTION, harness.WS_CAPTION,
                                "the window must have no title bar")
            self.assertLess(win["client"]["y"] - win["rect"]["y"], 8, "no title bar above the client area")

            kids = s.children(win["hwnd"])
            for control_id, (cls, bounds) in DEFAULT_CONTROLS.items():
                with self.subTest(control=control_id):
                    child = kids[control_id]
                    self.assertEqual(child["class"], cls)
                    self.assertTrue(child["visible"])
                    self.assertEqual(child["parent"], win["hwnd"])
                    r = child["rect"]
                    self.assertEqual((r["x"], r["y"], r["w"], r["h"]), bounds)
            self.assertEqual((kids[SHIFT_ID]["text"], kids[CTRL_ID]["text"]), ("SHIFT", "CTRL"))
            for toggle in (SHIFT_ID, CTRL_ID):
                self.assertEqual(kids[toggle]["style"] & 0xF, 3, "BS_AUTOCHECKBOX")
                self.assertTrue(kids[toggle]["style"] & 0x1000, "BS_PUSHLIKE")
                self.assertEqual(kids[toggle]["check"], 0, "nothing latched at start")
            self.assertEqual(kids[CLOSE_ID]["class"], "Button")
            self.assertEqual(kids[CLOSE_ID]["parent"], kids[STRIP_ID]["hwnd"], "close button sits on the strip")
            self.assertTrue(kids[CLOSE_ID]["visible"])
            for holder in HOLDER_IDS:
                self.assertEqual(kids[holder]["class"], "ModLatchPicture")
                self.assertFalse(kids[holder]["visible"])
            keys = s.keys()
            self.assertEqual((keys["shift"], keys["ctrl"]), (False, False))


class Latching(unittest.TestCase):
    def test_real_clicks_latch_then_release_shift(self):
        with Session("clicks") as s:
            hwnd = s.main_window()["hwnd"]
            shift = s.children(hwnd)[SHIFT_ID]["screen"]
            s.click(shift)
            s.wait_keys(shift=True, ctrl=False)
            wait_check(s, hwnd, SHIFT_ID, 1)
            s.click(shift)
            s.wait_keys(shift=False, ctrl=False)
            wait_check(s, hwnd, SHIFT_ID, 0)

    def test_latched_shift_capitalises_letters_typed_elsewhere(self):
        # Wine drops an injected modifier when X focus moves, so the latch is
        # made with BM_CLICK while the typebox keeps the X focus.
        with Session("typing") as s:
            hwnd = s.main_window()["hwnd"]
            box = s.typebox(seconds=12)
            s.focus_window(box.xid)
            s.type_text("a")
            s.press_button(hwnd, SHIFT_ID)
            s.wait_keys(shift=True, ctrl=False)
            s.type_text("b")
            s.press_button(hwnd, SHIFT_ID)
            s.wait_keys(shift=False, ctrl=False)
            s.type_text("c")
            self.assertEqual(box.text(), "aBc")


class PopupMenu(unittest.TestCase):
    def test_right_click_on_a_toggle_opens_the_menu(self):
        with Session("menu") as s:
            hwnd = s.main_window()["hwnd"]
            items = open_menu(s, hwnd, CTRL_ID)
            s.screenshot("foundation-menu.png")
            self.assertEqual([None if i["separator"] else i["caption"] for i in items], MENU_CAPTIONS)
            self.assertEqual([i["caption"] for i in items if i["checked"]], ["フロートモード"])
            self.assertEqual([i["caption"] for i in items if i["grayed"] and not i["separator"]], [])
            self.assertEqual(s.check_state(hwnd, CTRL_ID), 0, "a right click does not latch")

    def test_undo_item_releases_both_keys(self):
        with Session("undo") as s:
            hwnd = s.main_window()["hwnd"]
            latch_by_click(s, hwnd, SHIFT_ID)
            latch_by_click(s, hwnd, CTRL_ID)
            items = open_menu(s, hwnd)
            checked = [i["caption"] for i in items if i["checked"]]
            self.assertIn("SHIFTｷｰ", checked)
            self.assertIn("CTRLｷｰ", checked)
            # Under Wine the latch survives the menu opening only while X focus
            # stays put; without it this test would prove nothing.
            s.wait_keys(shift=True, ctrl=True, timeout=1)
            self.assertEqual(items[UNDO_INDEX]["caption"], "元に戻す")
            s.click(items[UNDO_INDEX]["rect"])
            s.wait_keys(shift=False, ctrl=False)
            wait_check(s, hwnd, SHIFT_ID, 0)
            wait_check(s, hwnd, CTRL_ID, 0)
            self.assertIsNone(s.app.poll(), "the program keeps running")


class Ending(unittest.TestCase):
    """Every way out releases a latched key first; a killed program would
    leave it down in Wine's key state, which the keeper process preserves."""

    def latched_session(self, name, control_id):
        s = Session(name).__enter__()
        self.addCleanup(s.__exit__, None, None, None)
        hwnd = s.main_window()["hwnd"]
        self.keeper = s.keep_wineserver()
        latch_by_click(s, hwnd, control_id)
        s.wait_keys(shift=control_id == SHIFT_ID, ctrl=control_id == CTRL_ID)
        return s, hwnd

    def assert_ended_with_keys_up(self, s):
        self.assertTrue(s.app_exited(timeout=15), "the program should have ended")
        self.assertEqual(s.probe("find", harness.MAIN_CLASS)["count"], 0)
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), keys)
        self.assertIsNone(self.keeper.poll(), "keys were read from the same wineserver")

    def test_close_button(self):
        s, hwnd = self.latched_session("close-button", SHIFT_ID)
        s.click(s.children(hwnd)[CLOSE_ID]["screen"])
        self.assert_ended_with_keys_up(s)

    def test_wm_close(self):
        s, hwnd = self.latched_session("wm-close", CTRL_ID)
        s.probe("send", hwnd, harness.WM_CLOSE, 0, 0, check=False)
        self.assert_ended_with_keys_up(s)

    def test_session_end_messages(self):
        s, hwnd = self.latched_session("end-session", SHIFT_ID)
        query = s.probe("send", hwnd, harness.WM_QUERYENDSESSION, 0, 0)
        self.assertEqual(query["result"], 1, "the program agrees to end the session")
        self.assertIsNone(s.app.poll(), "asking alone does not end it")
        # The window is gone before the call returns, so the send itself may report failure.
        s.probe("send", hwnd, harness.WM_ENDSESSION, 1, 0, check=False)
        self.assert_ended_with_keys_up(s)

    def test_wineboot_end_session(self):
        s, _ = self.latched_session("wineboot-end", CTRL_ID)
        s.run_wine("wineboot", "--end-session")
        self.assert_ended_with_keys_up(s)

    def test_second_instance_exits_at_once_and_the_first_shows_itself(self):
        with Session("second") as s:
            window = s.main_window()
            hwnd, rect = window["hwnd"], window["rect"]
            centre = s.center(rect)
            # Another window covers the floating window entirely.
            box = s.typebox(seconds=120)
            s.set_pos(box.hwnd, rect["x"] - 30, rect["y"] - 30, rect["w"] + 60, rect["h"] + 60)
            wait_until("the typebox in front", lambda: s.probe("window-at", *centre)["root"] == box.hwnd)
            s.screenshot("second-start-covered.png")

            started = time.monotonic()
            second = s.launch()
            self.assertTrue(s.app_exited(timeout=10, proc=second), "the second instance should exit")
            self.assertLess(time.monotonic() - started, 5.0)
            wait_until("the floating window in front", lambda: s.probe("window-at", *centre)["root"] == hwnd)
            self.assertEqual(s.probe("focus")["foreground"], hwnd, "without NoActivate it takes the foreground")
            s.screenshot("second-start-float-in-front.png")

            # In Compact mode the icon may sit where the user cannot see it: it shows a balloon.
            s.choose(s.open_menu(s.children(hwnd)[SHIFT_ID]["screen"]), "コンパクトモード")
            s.wait_tray_icons(1)
            self.assertIsNone(s.tooltip(500), "no tooltip shows before the second start")
            second = s.launch()
            self.assertTrue(s.app_exited(timeout=10, proc=second), "the second instance should exit")
            balloon = s.tooltip(5000)
            s.screenshot("second-start-compact-balloon.png")
            self.assertIsNotNone(balloon, "the tray icon should show a balloon")
            self.assertIn("ModLatch は実行中です", balloon["text"])

            self.assertIsNone(s.app.poll(), "the first instance keeps running")
            self.assertEqual(s.probe("find", harness.MAIN_CLASS)["count"], 1)
            s.stop(box.proc)


if __name__ == "__main__":
    unittest.main(verbosity=2)
