"""The options submenu under 64-bit Wine, driven from the keyboard as a user without a second
key would: an option chosen applies at once, is in the INI file before the program ends and is
checked after a restart; a file that cannot be written still lets it apply and says so once.
The sounds are checked by Wine's own trace of the audio calls (there is no sound device)."""

import os
import re
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Session, crop, wait_until  # noqa: E402
from test_settings import sections  # noqa: E402

SHIFT_ID, ALT_ID = 1001, 1004
OPTIONS = "オプション"
OPTION_ITEMS = ["フォーカスを奪わない", "ワンショット(次のキーで解除)", "ALTｷｰを使う", "WINｷｰを使う", "効果音を鳴らす"]
HAND_WRITTEN = "[Option]\n; written by hand\nUnknownKey=kept\n"
# The data chunk of each generated tone, in bytes (22050 samples a second, 8-bit mono).
TONE_BYTES = {"latch": 0x607, "lock": 0xEA4, "release": 0x7C0}


def option_items(menu):
    item = next(i for i in menu["menu"]["items"] if i["caption"] == OPTIONS)
    return item["items"]


class OptionsMenu(unittest.TestCase):
    def choose_option(self, s, hwnd, caption, screenshot=None):
        """Right click on SHIFT, then Down to the submenu, Right, Down to the item, Return."""
        menu = s.open_menu(s.children(hwnd)[SHIFT_ID]["screen"])
        captions = [i["caption"] for i in menu["menu"]["items"] if not i["separator"]]
        for _ in range(captions.index(OPTIONS) + 1):
            s.xdotool("key", "Down")
        s.xdotool("key", "Right")
        for _ in range(OPTION_ITEMS.index(caption)):
            s.xdotool("key", "Down")
        if screenshot:
            time.sleep(0.3)
            shot = s.screenshot(screenshot)
            rect = s.window(hwnd)["rect"]
            crop(shot, {"x": rect["x"], "y": rect["y"], "w": 520, "h": 340}, "options-submenu-crop.png")
        s.xdotool("key", "Return")
        return menu

    def test_alt_from_the_submenu_applies_at_once_and_is_kept(self):
        with Session("options-menu", start_app=False, ini=HAND_WRITTEN) as s:
            s.app = s.launch()
            hwnd = s.main_window()["hwnd"]
            menu = self.choose_option(s, hwnd, "ALTｷｰを使う", screenshot="options-submenu.png")
            items = menu["menu"]["items"]
            captions = [i["caption"] for i in items if not i["separator"]]
            self.assertEqual(len(captions), 14, "the 13 captioned items of the menu and this one")
            self.assertEqual(captions[captions.index(OPTIONS) - 1], "サイズ固定(フロートモード時)")
            self.assertEqual([(i["caption"], i["checked"]) for i in option_items(menu)],
                             [(c, False) for c in OPTION_ITEMS])

            wait_until("the ALT button", lambda: ALT_ID in s.children(hwnd), timeout=5)
            time.sleep(0.3)
            crop(s.screenshot("options-alt-added.png"), s.window(hwnd)["rect"], "options-alt-added-window.png")
            self.assertEqual(s.window(hwnd)["rect"]["h"], 53, "the window keeps its height")
            data = s.read_ini()
            self.assertEqual(sections(data)["Option"], [("UnknownKey", "kept"), ("LatchAlt", "True")])
            self.assertIn(b"; written by hand", data)
            s.close_app(hwnd)

            # Restarted: the button is there and the item checked; chosen again, both are gone.
            s.app = s.launch()
            hwnd = s.main_window()["hwnd"]
            self.assertIn(ALT_ID, s.children(hwnd))
            menu = self.choose_option(s, hwnd, "ALTｷｰを使う")
            self.assertIn("ALTｷｰ", [i["caption"] for i in menu["menu"]["items"]])
            self.assertEqual([i["caption"] for i in option_items(menu) if i["checked"]], ["ALTｷｰを使う"])
            wait_until("the ALT button gone", lambda: ALT_ID not in s.children(hwnd), timeout=5)
            self.assertIn(("LatchAlt", "False"), sections(s.read_ini())["Option"])

            s.close_app(hwnd)

    def test_a_file_that_cannot_be_written_still_lets_the_option_apply_and_says_so_once(self):
        # Root writes a file whatever its mode, and so does Wine run by root: only an immutable
        # file refuses every writer.
        with Session("options-read-only", start_app=False, ini=HAND_WRITTEN) as s:
            if subprocess.run(["chattr", "+i", s.ini_path], capture_output=True).returncode != 0:
                self.skipTest("chattr +i is not permitted here")
            try:
                s.app = s.launch()
                hwnd = s.main_window()["hwnd"]
                self.choose_option(s, hwnd, "ALTｷｰを使う")
                notice = wait_until("the notice", lambda: s.probe("find", "#32770")["windows"], timeout=5)[0]
                texts = [c["text"] for c in s.children(notice["hwnd"]).values()]
                message = next(t for t in texts if "ModLatch.ini" in t)
                s.screenshot("options-not-saved.png")
                print(f"\nthe notice, titled {notice['title']!r}: {message!r}")
                self.assertEqual(notice["title"], "ModLatch")
                self.assertEqual(message, "設定を保存できませんでした。\n" + s.wine_path(s.ini_path) +
                                 "\nこのファイルに書き込めないため、この設定は ModLatch を終了するまで有効です。")
                wait_until("the ALT button", lambda: ALT_ID in s.children(hwnd), timeout=5)
                s.xdotool("key", "Return")
                wait_until("the notice closed", lambda: not s.probe("find", "#32770")["windows"], timeout=5)
                self.choose_option(s, hwnd, "ALTｷｰを使う")
                wait_until("the ALT button gone", lambda: ALT_ID not in s.children(hwnd), timeout=5)
                time.sleep(0.5)
                self.assertFalse(s.probe("find", "#32770")["windows"], "told only once")
                self.assertEqual(s.read_ini(), HAND_WRITTEN.replace("\n", "\r\n").encode("cp932"))
            finally:
                subprocess.run(["chattr", "-i", s.ini_path], check=True)
            s.close_app(hwnd)

    def test_sounds_follow_the_latches_modlatch_makes(self):
        ini = "[Option]\nLatchAlt=True\nOneShot=True\n"
        with Session("options-sounds", start_app=False, ini=ini) as s, \
                open(os.path.join(s.artifacts, "options-winmm.log"), "w+") as log:
            s.app = s.launch(trace=("+winmm", log))
            hwnd = s.main_window()["hwnd"]
            self.choose_option(s, hwnd, "効果音を鳴らす")
            wait_until("Sounds=True written", lambda: ("Sounds", "True") in sections(s.read_ini())["Option"],
                       timeout=5)
            alt = s.children(hwnd)[ALT_ID]["screen"]
            s.click(alt)  # latched: rising
            wait_until("ALT down", lambda: s.keys()["lalt"], timeout=5)
            time.sleep(0.7)  # not a double click
            s.click(alt)  # released: falling
            wait_until("ALT up", lambda: not s.keys()["lalt"], timeout=5)
            time.sleep(0.7)
            x, y = s.center(alt)
            s.double_click_at(x, y)  # latched, then locked: rising, two notes
            wait_until("ALT down", lambda: s.keys()["lalt"], timeout=5)
            time.sleep(0.7)
            s.click(alt)  # released: falling
            wait_until("ALT up", lambda: not s.keys()["lalt"], timeout=5)
            s.xdotool("keydown", "shift")  # a key on the keyboard makes no sound
            s.xdotool("keyup", "shift")
            time.sleep(1.0)
            s.close_app(hwnd)
            log.seek(0)
            trace = log.read()
        asked = re.findall(r"MULTIMEDIA_PlaySound .*fdwSound=([0-9A-Fa-f]+)", trace)
        played = [int(n, 16) for n in re.findall(r"Chunk Found ckid=data .*cksize=([0-9A-Fa-f]+)", trace)]
        names = {v: k for k, v in TONE_BYTES.items()}
        print(f"\nPlaySound calls: {len(asked)}, flags {set(asked)}; tones: {[names.get(n, n) for n in played]}")
        # SND_ASYNC | SND_NODEFAULT | SND_MEMORY
        self.assertEqual(set(asked), {"00000007"})
        self.assertEqual([names.get(n, n) for n in played], ["latch", "release", "latch", "lock", "release"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
