"""The options submenu under 64-bit Wine, driven from the keyboard as a user without a second
key would: ALT chosen applies at once, is in the INI file before the program ends and is checked
after a restart. Wine has no sound device here, so its own trace of the audio calls shows which
tone each click asked for. "Start when I sign in" writes the Run entry that a sign-in (wineboot
without flags) runs."""

import glob
import os
import re
import signal
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import MAIN_CLASS, WM_CLOSE, Session, crop, wait_until  # noqa: E402
from test_about_help import ABOUT_CLASS  # noqa: E402
from test_foundation import CLOSE_ID, MENU_CAPTIONS  # noqa: E402
from test_language import ENGLISH_MENU  # noqa: E402
from test_settings import sections  # noqa: E402

SHIFT_ID, ALT_ID = 1001, 1004
OPTIONS = "オプション"
OPTION_ITEMS = ["フォーカスを奪わない", "ワンショット(次のキーで解除)", "ALTｷｰを使う", "WINｷｰを使う", "効果音を鳴らす",
                "1分間入力がなければ解除"]
ALT_ITEM = OPTION_ITEMS.index("ALTｷｰを使う")
SIGN_IN_ITEM = len(OPTION_ITEMS)  # "サインイン時に起動する", after them
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
APPROVED_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
SWITCHED_OFF = "03" + "00" * 11  # as Task Manager leaves it (it adds the time it was switched off)
SWITCHED_ON = "02" + "00" * 11
HAND_WRITTEN = "[Option]\n; written by hand\nUnknownKey=kept\nOneShot=True\nSounds=True\n"
# The data chunk of each tone in bytes (22050 8-bit samples a second): 70 ms, 170 ms, 90 ms.
TONES = {0x607: "latch", 0xEA4: "lock", 0x7C0: "release"}


def registry_value(s, key):
    """The data of the value ModLatch under a key of the prefix, as `reg query` prints it; None without one."""
    for line in s.wine_output("reg", "query", key, "/v", "ModLatch").splitlines():
        if line.strip().startswith("ModLatch"):
            return line.split(None, 2)[2].strip()
    return None


def pid_of(dos_path):
    """The Unix pid of a Wine process started from that exe, which Wine names by its DOS path."""
    path = dos_path.encode()
    for cmdline in glob.glob("/proc/[0-9]*/cmdline"):
        try:
            with open(cmdline, "rb") as f:
                if f.read().split(b"\0")[0] == path:
                    return int(cmdline.split("/")[2])
        except OSError:
            pass
    return None


class OptionsMenu(unittest.TestCase):
    def choose_option(self, s, hwnd, index, screenshot=None):
        """Right click on SHIFT, Down to the submenu, Right (to its first item), Down to item `index`, Return."""
        menu = s.open_menu(s.children(hwnd)[SHIFT_ID]["screen"])
        captions = [i["caption"] for i in menu["menu"]["items"] if not i["separator"]]
        for key in ["Down"] * (captions.index(OPTIONS) + 1) + ["Right"] + ["Down"] * index:
            s.xdotool("key", key)
        if screenshot:
            time.sleep(0.3)
            s.screenshot(screenshot)
        s.xdotool("key", "Return")
        return menu["menu"]["items"], next(i for i in menu["menu"]["items"] if i["caption"] == OPTIONS)["items"]

    def test_alt_from_the_submenu_applies_at_once_is_kept_and_its_clicks_sound(self):
        with Session("options-menu", start_app=False, ini=HAND_WRITTEN) as s, \
                open(os.path.join(s.artifacts, "options-winmm.log"), "w+") as trace:
            s.app = s.launch(trace=("+winmm", trace))
            hwnd = s.main_window()["hwnd"]
            _, options = self.choose_option(s, hwnd, ALT_ITEM, screenshot="options-submenu.png")
            self.assertEqual([(i["caption"], i["checked"]) for i in options[:6]],
                             list(zip(OPTION_ITEMS, [False, True, False, False, True, False])))
            wait_until("the ALT button", lambda: ALT_ID in s.children(hwnd), timeout=5)
            time.sleep(0.3)
            crop(s.screenshot("options-alt-added.png"), s.window(hwnd)["rect"], "options-alt-added-window.png")
            data = s.read_ini()
            self.assertIn(b"; written by hand", data)
            self.assertEqual(sections(data)["Option"],
                             [("UnknownKey", "kept"), ("OneShot", "True"), ("Sounds", "True"), ("LatchAlt", "True")])

            # Click, click, double click, click: latch, release, latch and lock, release.
            alt = s.center(s.children(hwnd)[ALT_ID]["screen"])
            for step, down in ((s.click_at, True), (s.click_at, False), (s.double_click_at, True), (s.click_at, False)):
                step(*alt)
                wait_until(f"ALT {'down' if down else 'up'}", lambda: s.keys()["lalt"] == down, timeout=5)
                time.sleep(0.7)  # longer than a double click
            s.xdotool("key", "shift")  # a key on the keyboard makes no sound
            time.sleep(0.5)
            s.close_app(hwnd)
            trace.seek(0)
            log = trace.read()
            flags = set(re.findall(r"MULTIMEDIA_PlaySound .*fdwSound=([0-9A-F]+)", log))
            tones = [TONES.get(int(n, 16), n) for n in re.findall(r"ckid=data .*cksize=([0-9A-F]+)", log)]
            print(f"\nPlaySound flags {flags}; tones asked for: {tones}")
            self.assertEqual(flags, {"00000007"}, "SND_ASYNC | SND_NODEFAULT | SND_MEMORY")
            self.assertEqual(tones, ["latch", "release", "latch", "lock", "release"])

            # Restarted: the button is there and the item checked; chosen again, both are gone.
            s.app = s.launch()
            hwnd = s.main_window()["hwnd"]
            self.assertIn(ALT_ID, s.children(hwnd))
            items, options = self.choose_option(s, hwnd, ALT_ITEM)
            self.assertIn("ALTｷｰ", [i["caption"] for i in items])
            self.assertTrue(options[OPTION_ITEMS.index("ALTｷｰを使う")]["checked"])
            wait_until("the ALT button gone", lambda: ALT_ID not in s.children(hwnd), timeout=5)
            self.assertIn(("LatchAlt", "False"), sections(s.read_ini())["Option"])
            s.close_app(hwnd)

    def test_english_chosen_from_the_submenu_applies_at_once_closes_about_and_is_written(self):
        with Session("options-language") as s:
            hwnd = s.main_window()["hwnd"]
            s.set_pos(hwnd, 20, 600, 266, 53)  # out of the way of the About window
            shift = s.children(hwnd)[SHIFT_ID]["screen"]
            s.choose(s.open_menu(shift), MENU_CAPTIONS[-4])
            wait_until("the About window", lambda: s.probe("find", ABOUT_CLASS)["count"] == 1, timeout=5)
            # Down to the submenu, Right, Down past the seven check items and the separator to "English".
            s.open_menu(shift)
            for key in ["Down"] * ([c for c in MENU_CAPTIONS if c].index(OPTIONS) + 1) + ["Right"] + ["Down"] * 8:
                s.xdotool("key", key)
            time.sleep(0.3)
            s.screenshot("options-language-submenu.png")
            s.xdotool("key", "Return")
            wait_until("the About window closed", lambda: s.probe("find", ABOUT_CLASS)["count"] == 0, timeout=5)
            self.assertIn(("Language", "en"), sections(s.read_ini())["Option"])
            self.assertEqual(s.children(hwnd)[CLOSE_ID]["text"], "Close", "the close button's accessible name")
            menu = s.open_menu(shift)
            items = menu["menu"]["items"]
            self.assertEqual([None if i["separator"] else i["caption"] for i in items], ENGLISH_MENU)
            options = next(i for i in items if i["caption"] == "Options")["items"]
            self.assertEqual([(i["caption"], i["radio"], i["checked"]) for i in options[7:10]],
                             [("", False, False), ("日本語", True, False), ("English", True, True)])
            # Wine runs every program as administrator: restarting as one has nothing to add.
            self.assertEqual([None if i["separator"] else (i["caption"], i["grayed"]) for i in options[10:]],
                             [None, ("Restart as administrator", True)])
            s.choose(menu, "Cancel")

    def test_start_when_i_sign_in_writes_the_run_entry_and_a_sign_in_runs_it_until_unchecked(self):
        with Session("options-sign-in", start_app=False) as s:
            exe = s.dos_path(s.exe)
            try:
                # Left over from Task Manager's Startup page (which Wine itself ignores): choosing the
                # item switches the entry on again.
                s.run_wine("reg", "add", APPROVED_KEY, "/v", "ModLatch", "/t", "REG_BINARY", "/d", SWITCHED_OFF, "/f")
                hwnd = s.start_program()["hwnd"]
                _, options = self.choose_option(s, hwnd, SIGN_IN_ITEM, screenshot="options-sign-in-submenu.png")
                self.assertEqual((options[SIGN_IN_ITEM]["caption"], options[SIGN_IN_ITEM]["checked"]),
                                 ("サインイン時に起動する", False))
                quoted = f'"{exe}"'
                wait_until("the Run entry", lambda: registry_value(s, RUN_KEY) == quoted, timeout=5)
                self.assertEqual(registry_value(s, APPROVED_KEY).upper(), SWITCHED_ON)
                s.close_app(hwnd)

                # A sign-in starts it; there it is checked, and chosen again it removes the entry.
                started = time.monotonic()
                self.assertEqual(s.run_wine("wineboot"), 0)
                hwnd = s.main_window()["hwnd"]
                print(f"\nsign-in to the window: {(time.monotonic() - started) * 1000:.0f} ms")
                self.assertIsNotNone(pid_of(exe), "the signed-in ModLatch")
                _, options = self.choose_option(s, hwnd, SIGN_IN_ITEM, screenshot="options-sign-in-checked.png")
                self.assertTrue(options[SIGN_IN_ITEM]["checked"])
                wait_until("the Run entry gone", lambda: registry_value(s, RUN_KEY) is None, timeout=5)
                s.probe("send", hwnd, WM_CLOSE, 0, 0, check=False)
                wait_until("the signed-in ModLatch to end", lambda: pid_of(exe) is None, timeout=15)

                # Unchecked, the next sign-in starts nothing.
                self.assertEqual(s.run_wine("wineboot"), 0)
                self.assertFalse(s.probe("wait-window", MAIN_CLASS, 5000, timeout=20, check=False).get("found"))
            finally:
                # The sign-in started it, so the session does not know it: ended here, by its pid.
                pid = pid_of(exe)
                if pid:
                    os.kill(pid, signal.SIGKILL)
                for key in (RUN_KEY, APPROVED_KEY):
                    s.run_wine("reg", "delete", key, "/v", "ModLatch", "/f")

if __name__ == "__main__":
    unittest.main(verbosity=2)
