"""ModLatch's Compact and Double modes seen from outside under 64-bit Wine:
real X clicks on the icon windows of Wine's standalone tray, key states read
by the probe, and the icons' pixels compared with their sources.

Wine facts these tests work around (tests/e2e and the Wine notes):
- the pointer entering a Wine window makes Wine re-read the modifiers from X,
  which drops an injected latch; so a latch is made and checked without the
  pointer crossing into another window in between;
- a popup menu opening does the same, so the menu steps run with keys up;
- deleting the last tray icon takes Wine about 2 s.
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import (COMPACT, DOUBLE, FLOAT, Session, click_icon, leave_float_mode, point_at,  # noqa: E402
                     wait_until)

HOLDER_IDS = (1010, 1011)  # icon holders: record 0 (Compact, Double CTRL), record 1 (Double SHIFT)

ICONS_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "icons")
PALETTE = {  # the 16 colours the icon sources are drawn in
    "0": (0, 0, 0), "1": (128, 0, 0), "2": (0, 128, 0), "3": (128, 128, 0),
    "4": (0, 0, 128), "5": (128, 0, 128), "6": (0, 128, 128), "7": (192, 192, 192),
    "8": (128, 128, 128), "9": (255, 0, 0), "A": (0, 255, 0), "B": (255, 255, 0),
    "C": (0, 0, 255), "D": (255, 0, 255), "E": (0, 255, 255), "F": (255, 255, 255),
}
ICON_SIZE = 16


def icon_source(name):
    """The 16 x 16 pixels an icon is made from; None where it is transparent."""
    with open(os.path.join(ICONS_DIR, name + ".txt")) as f:
        rows = [line.strip() for line in f if line.strip() and not line.startswith("#")]
    assert len(rows) == ICON_SIZE and all(len(r) == ICON_SIZE for r in rows), name
    return [[None if c == "." else PALETTE[c] for c in row] for row in rows]


def icon_differences(shot, icon, name):
    """Pixels where the tray icon window differs from the source (the image sits centred in it)."""
    screen = icon["screen"]
    rect = {"x": screen["x"] + (screen["w"] - ICON_SIZE) // 2, "y": screen["y"] + (screen["h"] - ICON_SIZE) // 2,
            "w": ICON_SIZE, "h": ICON_SIZE}
    seen = harness.pixels(shot, rect)
    return [(x, y, want, seen[y][x]) for y, row in enumerate(icon_source(name)) for x, want in enumerate(row)
            if want is not None and seen[y][x] != want]


def checked_mode(items):
    return [i["caption"] for i in items if i["checked"] and i["caption"] in (COMPACT, DOUBLE, FLOAT)]


def main_visible(s):
    return s.probe("find", harness.MAIN_CLASS)["windows"][0]["visible"]


class TrayTest(unittest.TestCase):
    def assert_tray_shows(self, s, icons, names, shot_name):
        """Waits for the tray to show these icon sources, left to right; keeps the last picture."""
        last = {}

        def matches():
            shot = s.screenshot(shot_name)
            last["diff"] = {n: icon_differences(shot, icon, n)[:4] for icon, n in zip(icons, names)}
            return not any(last["diff"].values())
        try:
            wait_until(f"tray showing {names}", matches, timeout=3.0, interval=0.2)
        except harness.HarnessError:
            self.fail(f"{shot_name}: pixels differ from {names} (x, y, want, seen): {last['diff']}")
        harness.crop(os.path.join(s.artifacts, shot_name), icons[0]["screen"] | {"w": 20 * len(icons)},
                     shot_name.replace(".png", "-icons.png"))

    def compact_then_latch_both(self, s, shot_prefix):
        """From Float to Compact through the menu, then a left and a right click on the icon,
        each checked by key state, pixels and tooltip; returns the key keeper and the icons."""
        hwnd = s.main_window()["hwnd"]
        keeper = s.keep_wineserver()
        icons = leave_float_mode(s, hwnd, COMPACT, 1)
        self.assertFalse(main_visible(s), "the floating window hides in Compact mode")
        icon = icons[0]
        point_at(s, icon)  # entering Wine's window re-reads the keys: do it before latching
        self.assert_tray_shows(s, icons, ["compact0"], f"{shot_prefix}-up.png")

        click_icon(s, icon)
        s.wait_keys(shift=True, ctrl=False)
        self.assert_tray_shows(s, icons, ["compact2"], f"{shot_prefix}-shift.png")
        self.assert_tooltip(s, icon, " [SHIFT ON]  [CTRL OFF]  [L + RClick = Menu]")
        click_icon(s, icon, button=3)
        s.wait_keys(shift=True, ctrl=True)
        self.assert_tray_shows(s, icons, ["compact3"], f"{shot_prefix}-both.png")
        return keeper, icons

    def assert_tooltip(self, s, icon, text):
        # A tooltip shows after the pointer rests on the icon; a one-pixel move starts the wait.
        point_at(s, icon, dx=1)
        tip = s.tooltip(3000)
        point_at(s, icon)
        self.assertIsNotNone(tip, "no tooltip over the icon")
        self.assertEqual(tip["text"], text)


class CompactMode(TrayTest):
    def test_clicks_latch_open_the_menu_and_alt_click_ends(self):
        with Session("tray-compact") as s:
            keeper, icons = self.compact_then_latch_both(s, "tray-compact")
            icon = icons[0]
            click_icon(s, icon)
            s.wait_keys(shift=False, ctrl=True)
            click_icon(s, icon, button=3)
            s.wait_keys(shift=False, ctrl=False)
            self.assert_tray_shows(s, icons, ["compact0"], "tray-compact-released.png")

            # The shell's "TaskbarCreated": Wine's tray still has the icon and must
            # not get a second one, nor lose the one it has.
            self.assertTrue(s.taskbar_created()["ok"])
            time.sleep(0.3)
            self.assertEqual([i["hwnd"] for i in s.tray_icons()], [icon["hwnd"]])

            # Left held, right clicked: the menu, and no CTRL toggle.
            menu = s.open_compact_menu(icon)
            self.assertEqual(menu["pid"], s.probe("find", harness.MAIN_CLASS)["windows"][0]["pid"])
            self.assertEqual(checked_mode(menu["menu"]["items"]), [COMPACT])
            rect = harness.menu_window(s)
            s.point_to(rect["x"] + 4, rect["y"] + 4)  # keys go to the Wine window under the pointer
            s.xdotool("key", "Escape")
            wait_until("the menu to close", lambda: not harness.menu_window(s))
            s.wait_keys(shift=False, ctrl=False, timeout=1)
            self.assertIsNone(s.app.poll())

            # ALT + left click ends the program and releases what was latched.
            point_at(s, icon)
            click_icon(s, icon)
            click_icon(s, icon, button=3)
            s.wait_keys(shift=True, ctrl=True)
            s.xdotool("keydown", "alt")
            try:
                wait_until("Wine to see ALT down", lambda: s.keys()["alt"])
                s.wait_keys(shift=True, ctrl=True, timeout=1)  # the latch survived the ALT press
                click_icon(s, icon)
                self.assertTrue(s.app_exited(timeout=15), "ALT + left click should end the program")
            finally:
                s.xdotool("keyup", "alt")
            keys = s.keys()
            self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), keys)
            self.assertEqual(s.tray_icons(), [], "the icon leaves with the program")
            self.assertIsNone(keeper.poll(), "keys were read from the same wineserver")


class DoubleMode(TrayTest):
    def test_an_icon_per_key_survives_taskbar_recreation_then_float_again(self):
        with Session("tray-double") as s:
            hwnd = s.main_window()["hwnd"]
            holders = [s.children(hwnd)[i]["hwnd"] for i in HOLDER_IDS]
            # From Compact, so the icon that is there already must make way for SHIFT's.
            compact_icon = leave_float_mode(s, hwnd, COMPACT, 1)[0]
            s.choose(s.open_compact_menu(compact_icon), DOUBLE)
            icons = s.wait_tray_icons(2)
            self.assertFalse(main_visible(s), "the floating window stays hidden in Double mode")
            shift_icon, ctrl_icon = icons  # SHIFT is added first
            point_at(s, shift_icon)
            self.assert_tray_shows(s, icons, ["double2", "double0"], "tray-double-up.png")

            click_icon(s, shift_icon)
            s.wait_keys(shift=True, ctrl=False)
            self.assert_tray_shows(s, icons, ["double3", "double0"], "tray-double-shift.png")
            self.assert_tooltip(s, shift_icon, " [SHIFT ON]  [CTRL OFF]  [RClick = Menu]")
            click_icon(s, shift_icon)
            s.wait_keys(shift=False, ctrl=False)

            point_at(s, ctrl_icon)
            time.sleep(0.2)  # entering it makes Wine re-read the keys; let that pass first
            click_icon(s, ctrl_icon)
            s.wait_keys(shift=False, ctrl=True)
            self.assert_tray_shows(s, icons, ["double2", "double1"], "tray-double-ctrl.png")

            # Re-adding while Wine's tray still has both icons changes nothing.
            self.assertTrue(s.taskbar_created()["ok"])
            time.sleep(0.3)
            self.assertEqual([i["hwnd"] for i in s.tray_icons()], [shift_icon["hwnd"], ctrl_icon["hwnd"]])
            click_icon(s, ctrl_icon)
            s.wait_keys(shift=False, ctrl=False)
            click_icon(s, ctrl_icon)
            s.wait_keys(shift=False, ctrl=True)

            # A restarted shell knows no icons. Wine's shell process cannot be
            # restarted in a running session, so the tray is made to forget the
            # icons instead, and then the new taskbar is announced.
            s.point_to(600, 600)  # off Wine's windows, so the latch stays
            for holder in holders:
                s.tray_delete(holder)
            self.assertEqual(s.wait_tray_icons(0), [])
            s.wait_keys(shift=False, ctrl=True, timeout=1)
            self.assertTrue(s.taskbar_created()["ok"])
            icons = s.wait_tray_icons(2)
            # Back in the same order, with the images of the current state.
            self.assert_tray_shows(s, icons, ["double2", "double1"], "tray-double-recovered.png")
            shift_icon, ctrl_icon = icons
            point_at(s, shift_icon)  # Wine may drop the latch here; read what is left
            time.sleep(0.3)
            ctrl_before = s.keys()["ctrl"]
            click_icon(s, shift_icon)
            s.wait_keys(shift=True, ctrl=ctrl_before)
            click_icon(s, shift_icon)
            s.wait_keys(shift=False, ctrl=ctrl_before)

            # Right click opens the menu in Double mode; back to Float.
            click_icon(s, shift_icon, button=3)
            menu = s.probe("menu", 5000)
            self.assertEqual(checked_mode(menu["menu"]["items"]), [DOUBLE])
            s.choose(menu, FLOAT)
            self.assertEqual(s.wait_tray_icons(0, timeout=10), [])
            s.main_window(timeout=10)
            self.assertFalse([t for t in s.probe("tray")["trays"] if t["visible"]], "no tray window left")
            self.assertTrue(s.taskbar_created()["ok"])
            time.sleep(0.5)
            self.assertEqual(s.tray_icons(), [], "no icon comes back in Float mode")
            self.assertIsNone(s.app.poll())


if __name__ == "__main__":
    unittest.main(verbosity=2)
