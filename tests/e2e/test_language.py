"""ModLatch on an English system under 64-bit Wine (LANG=C.UTF-8: interface language 0x0409,
code page 1252, in a prefix made under that locale): the menu, the About window and the help
window in English, read from inside the process; [Option] Language=ja brings the Japanese menu
back. Screenshots: english-menu.png, english-about-window.png, english-help-window.png.
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session, wait_until  # noqa: E402
from test_about_help import ABOUT_CLASS, CTRL_ID, HELP_CLASS, PART_CLASS, RESOURCES, about_parts, help_topics  # noqa: E402
from test_foundation import CLOSE_ID, MENU_CAPTIONS  # noqa: E402

# What an English system shows.
ENGLISH_MENU = [
    "SHIFT key", "CTRL key", "Reset", None,
    "Always on top", "Pop up with the middle button too", "Fixed size (Float mode)", "Options", None,
    "Compact mode", "Double mode", "Float mode", None,
    "Help", "About ModLatch...", None,
    "Cancel", "Exit",
]
ENGLISH_ABOUT_TEXTS = [
    "Mod Latch!",
    "Copyright (C) 2003 ZQ5's software",
    "Version : 01.03.00",
    "Released : July 2, 2003",
    "- Thank you very much for downloading this software.\r\n"
    "- This software is freeware.\r\n"
    "- It was made with care, but if you find a bug, please let the author know.\r\n",
]


class EnglishSystem(unittest.TestCase):
    def test_menu_about_and_help_in_english(self):
        # With the ALT latch on, its item comes in after "CTRL key".
        with Session("english", lang=harness.ENGLISH, ini="[Option]\nLatchAlt=True\n") as s:
            main = s.main_window()["hwnd"]
            s.set_pos(main, 20, 600, 266, 53)  # out of the way of the About window
            controls = s.children(main)
            self.assertEqual(controls[CLOSE_ID]["text"], "Close", "the close button's accessible name")
            menu = s.open_menu(controls[CTRL_ID]["screen"])
            items = menu["menu"]["items"]
            self.assertEqual([None if i["separator"] else i["caption"] for i in items],
                             ENGLISH_MENU[:2] + ["ALT key"] + ENGLISH_MENU[2:])
            time.sleep(0.3)
            rects = [i["rect"] for i in items]
            box = {"x": min(r["x"] for r in rects), "y": min(r["y"] for r in rects)}
            box.update(w=max(r["x"] + r["w"] for r in rects) - box["x"], h=max(r["y"] + r["h"] for r in rects) - box["y"])
            harness.crop(s.screenshot("english.png"), box, "english-menu.png", margin=8)

            s.choose(menu, "About ModLatch...")
            found = s.probe("wait-window", ABOUT_CLASS, 5000, check=False)
            self.assertTrue(found["found"], "no About window")
            about = found["windows"][0]
            self.assertEqual(about["title"], "About ModLatch")
            web, mail, close, kids = about_parts(s, about)
            self.assertEqual([k["text"] for k in kids if k["class"].lower() == "static" and k["text"]],
                             ENGLISH_ABOUT_TEXTS)
            self.assertIn("Close window", [k["text"] for k in kids if k["class"] == PART_CLASS], "the close button's name")
            s.point_to(about["rect"]["x"] + 60, about["rect"]["y"] + 150)
            time.sleep(0.3)
            harness.crop(s.screenshot("english-about.png"), about["rect"], "english-about-window.png", margin=8)
            s.click(close)
            wait_until("the About window to close", lambda: s.probe("find", ABOUT_CLASS)["count"] == 0, timeout=5)

            s.choose(s.open_menu(controls[CTRL_ID]["screen"]), "Help")
            found = s.probe("wait-window", HELP_CLASS, 5000, check=False)
            self.assertTrue(found["found"], "no help window")
            window = found["windows"][0]
            self.assertEqual(window["title"], "ModLatch Help - Contents")
            help_kids = {k["class"].lower(): k for k in s.probe("children", window["hwnd"])["children"]}
            topics = help_topics(os.path.join(RESOURCES, "ModLatch.en.hlp"), "Contents")
            listed = s.probe("listbox", help_kids["listbox"]["hwnd"])
            self.assertEqual([i["text"] for i in listed["items"]], [t for t, _ in topics])
            self.assertEqual(s.probe("text", help_kids["edit"]["hwnd"])["text"], topics[0][1])
            time.sleep(0.3)
            harness.crop(s.screenshot("english-help.png"), window["rect"], "english-help-window.png")
            self.assertIsNone(s.app.poll())

    def test_language_ja_gives_the_japanese_menu_on_an_english_system(self):
        with Session("english-ja", lang=harness.ENGLISH, ini="[Option]\nLanguage=ja\n") as s:
            main = s.main_window()["hwnd"]
            menu = s.open_menu(s.children(main)[CTRL_ID]["screen"])
            self.assertEqual([None if i["separator"] else i["caption"] for i in menu["menu"]["items"]], MENU_CAPTIONS)
            s.choose(menu, "ｷｬﾝｾﾙ")


if __name__ == "__main__":
    unittest.main(verbosity=2)
