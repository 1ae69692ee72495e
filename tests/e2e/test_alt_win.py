"""The ALT and WIN latches (LatchAlt, LatchWin) under 64-bit Wine, in one start: the program
runs with NoActivate so that a probe's edit box keeps the focus and receives the keys. The
probe's box notes the system keys and menu messages it gets; its low-level hook lists the key
events the program injects. The steps run in the order of their names."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import DOUBLE, FLOAT, click_icon, crop, leave_float_mode, point_at, wait_until  # noqa: E402
from test_focus_one_shot import CLOSE_ID, CTRL_ID, SHIFT_ID, STRIP_ID, _DocumentHasTheFocus  # noqa: E402
from test_tray import TrayTest  # noqa: E402

ALT_ID, WIN_ID = 1004, 1005
VK_LALT, VK_LWIN, VK_MASK = 0xA4, 0x5B, 0xE8
CANCEL = "ｷｬﾝｾﾙ"
LATCH_ITEMS = ["SHIFTｷｰ", "CTRLｷｰ", "ALTｷｰ", "WINｷｰ", "元に戻す"]


def box_messages(s, box):
    return s.text(box.log).split()


class AltAndWinLatches(_DocumentHasTheFocus):
    NAME = "alt-win"
    INI = "[Option]\nNoActivate=True\nLatchAlt=True\nLatchWin=True\n"

    def wait_alt(self, down):
        wait_until(f"ALT {'down' if down else 'up'}", lambda: self.s.keys()["lalt"] == down, timeout=5)

    def test_1_four_buttons_share_the_row_in_order(self):
        s = self.s
        kids = s.children(self.hwnd)
        buttons = [kids[i] for i in (SHIFT_ID, CTRL_ID, ALT_ID, WIN_ID)]
        self.assertEqual([b["text"] for b in buttons], ["SHIFT", "CTRL", "ALT", "WIN"])
        self.assertEqual({b["class"] for b in buttons}, {"Button"})
        lefts = [b["rect"]["x"] for b in buttons]
        self.assertEqual(lefts, sorted(lefts))
        widths = {b["rect"]["w"] for b in buttons}
        self.assertEqual(len(widths), 1, "the buttons share the width")
        # The default 266 pixels: 59 each, every caption readable.
        self.assertEqual(widths, {59})
        self.assertEqual(s.probe("minmax", self.hwnd)["min_track"]["x"], 222)
        time.sleep(0.3)
        shot = s.screenshot("alt-win-float.png")
        crop(shot, s.window(self.hwnd)["rect"], "alt-win-float-window.png")
        # At the smallest width each button keeps 48 pixels for its caption.
        rect = s.window(self.hwnd)["rect"]
        s.set_pos(self.hwnd, rect["x"], rect["y"], 222, rect["h"])
        self.assertEqual({c["rect"]["w"] for i, c in s.children(self.hwnd).items() if i in (ALT_ID, WIN_ID)}, {48})
        time.sleep(0.3)
        crop(s.screenshot("alt-win-narrow.png"), s.window(self.hwnd)["rect"], "alt-win-narrow-window.png")
        s.set_pos(self.hwnd, rect["x"], rect["y"], rect["w"], rect["h"])
        strip = self.screen(STRIP_ID)
        s.point_to(strip["x"] + strip["w"] // 2, strip["y"] + strip["h"] - 6)
        # Wine runs every program as administrator: the tip says so.
        self.assertEqual(s.tooltip()["text"], " [SHIFT OFF]  [CTRL OFF]  [ALT OFF]  [WIN OFF]  (管理者)")

    def test_2_alt_with_a_key_reaches_the_document_and_a_lone_alt_opens_no_menu(self):
        s = self.s
        log = s.start_probe("key-log", 12000)
        self.click(ALT_ID)
        self.wait_alt(True)
        self.assert_focus_unmoved("a click on ALT")
        self.assertEqual(s.check_state(self.hwnd, ALT_ID), 1)
        s.type_text("x")
        wait_until("ALT+x in the box", lambda: "SYSCHAR:78" in box_messages(s, self.box), timeout=5)
        self.assertIn("SYSKEYDOWN:58", box_messages(s, self.box))
        seen = len(box_messages(s, self.box))
        self.click(ALT_ID)
        self.wait_alt(False)
        time.sleep(0.3)
        after_used = box_messages(s, self.box)[seen:]

        # A lone ALT: latched and released with nothing between.
        self.click(ALT_ID)
        self.wait_alt(True)
        seen = len(box_messages(s, self.box))
        self.click(ALT_ID)
        self.wait_alt(False)
        time.sleep(0.3)
        after_bare = box_messages(s, self.box)[seen:]

        events = [(e["vk"], e["up"], e["extended"]) for e in s.finish_probe(log)["events"] if e["injected"]]
        print(f"\nkeys seen by the probe's hook: {events}\nafter ALT+x: {after_used}\nafter a lone ALT: {after_bare}")
        self.assertEqual(events, [(VK_LALT, False, False), (VK_LALT, True, False),
                                  (VK_LALT, False, False), (VK_MASK, False, False), (VK_MASK, True, False),
                                  (VK_LALT, True, False)])
        for messages in (after_used, after_bare):
            self.assertFalse([m for m in messages if m.startswith(("KEYMENU", "ENTERMENULOOP"))], messages)
        self.assertIn(f"SYSKEYDOWN:{VK_MASK:x}", after_bare)
        self.assert_focus_unmoved("the ALT clicks")

    def test_3_physical_keys_light_the_buttons_and_check_the_menu(self):
        s = self.s
        s.xdotool("keydown", "alt", "super")
        try:
            wait_until("the ALT and WIN buttons pressed",
                       lambda: (s.check_state(self.hwnd, ALT_ID), s.check_state(self.hwnd, WIN_ID)) == (1, 1),
                       timeout=5)
            menu = s.open_menu(self.screen(CTRL_ID))
            items = menu["menu"]["items"]
            s.screenshot("alt-win-menu.png")
            captions = [i["caption"] for i in items if not i["separator"]]
            self.assertEqual(captions[:5], LATCH_ITEMS)
            self.assertEqual([i["caption"] for i in items if i["checked"]], ["ALTｷｰ", "WINｷｰ", FLOAT])
            s.choose(menu, CANCEL)
            # Another key first, so that the X-level ALT coming up opens no menu in the box.
            s.xdotool("key", "shift")
        finally:
            s.xdotool("keyup", "super", "alt")
        wait_until("the ALT and WIN buttons up",
                   lambda: (s.check_state(self.hwnd, ALT_ID), s.check_state(self.hwnd, WIN_ID)) == (0, 0), timeout=5)
        s.focus_window(self.box.xid)

    def test_3a_a_click_latches_alt_or_win_after_the_key_was_pressed_on_the_keyboard(self):
        # The keyboard's key leaves its "pressed since the last query" bit set: the click must
        # read the key as up all the same.
        s = self.s
        s.xdotool("keydown", "alt", "super")
        s.xdotool("key", "shift")
        s.xdotool("keyup", "super", "alt")
        s.focus_window(self.box.xid)
        time.sleep(1.0)
        for control, key in ((ALT_ID, "lalt"), (WIN_ID, "win")):
            self.click(control)
            wait_until(f"{key} down after a click", lambda: s.keys()[key], timeout=5)
            self.click(control)
            wait_until(f"{key} up again", lambda: not s.keys()[key], timeout=5)

    def test_4_double_mode_shows_an_icon_per_key_and_a_click_toggles_alt(self):
        s = self.s
        icons = leave_float_mode(s, self.hwnd, DOUBLE, 4)
        tray = TrayTest()
        tray.assert_tray_shows(s, icons, ["double2", "double0", "double4", "double6"], "alt-win-double.png")
        alt = icons[2]
        point_at(s, alt)  # entering Wine's window re-reads the keys: do it before latching
        click_icon(s, alt)
        self.wait_alt(True)
        tray.assert_tray_shows(s, icons, ["double2", "double0", "double5", "double6"], "alt-win-double-alt.png")
        # Our ALT is not the user's: ALT + right click would end the program; this opens the menu.
        # The same icon, so the pointer enters no other window (which makes Wine drop the latch).
        self.assertTrue(s.keys()["lalt"])
        click_icon(s, alt, button=3)
        menu = s.probe("menu", 5000)
        s.choose(menu, CANCEL)
        self.assertIsNone(s.app.poll(), "a right click while we hold ALT must not end the program")
        point_at(s, alt)
        if s.keys()["lalt"]:  # the menu made Wine read the keys again, which drops an injected ALT
            click_icon(s, alt)
        self.wait_alt(False)
        tray.assert_tray_shows(s, icons, ["double2", "double0", "double4", "double6"], "alt-win-double-up.png")
        s.choose(s.open_menu(icons[0]["screen"]), FLOAT)
        wait_until("the floating window back", lambda: s.window(self.hwnd)["visible"], timeout=10)
        s.focus_window(self.box.xid)

    def test_5_exit_with_all_four_latched_releases_all_four(self):
        s = self.s
        log = s.start_probe("key-log", 12000)
        for control in (SHIFT_ID, CTRL_ID, ALT_ID, WIN_ID):
            self.click(control)
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"], keys["lalt"], keys["win"]), (True, True, True, True), keys)
        s.click(self.screen(CLOSE_ID))
        self.assertTrue(s.app_exited(timeout=15), "the close button ends the program")
        keys = s.keys()
        self.assertEqual((keys["shift"], keys["ctrl"], keys["alt"], keys["win"]), (False,) * 4, keys)
        sent = [(e["vk"], e["up"], e["scan"], e["extended"]) for e in s.finish_probe(log)["events"] if e["injected"]]
        print(f"\nkeys seen by the probe's hook: {sent}")
        # Each goes as the physical key it stands for: right SHIFT, right CTRL, left ALT, left
        # Windows key, with its scan code; the mask key has none. Wine passes them on as sent.
        physical = {0x10: (0x36, False), 0x11: (0x1D, True), VK_LALT: (0x38, False), VK_LWIN: (0x5B, True),
                    VK_MASK: (0, False)}
        self.assertEqual([(vk, scan, extended) for vk, _, scan, extended in sent],
                         [(vk, *physical[vk]) for vk, _, _, _ in sent])
        self.assertEqual([vk for vk, up, _, _ in sent if not up][:4], [0x10, 0x11, VK_LALT, VK_LWIN])
        events = [(vk, up) for vk, up, _, _ in sent][4:]
        ups = [vk for vk, up in events if up]
        self.assertEqual(ups, [0x10, 0x11, VK_MASK, VK_LALT, VK_LWIN])
        self.assertNotIn((VK_LALT, False), events, "ALT only comes up")


if __name__ == "__main__":
    unittest.main(verbosity=2)
