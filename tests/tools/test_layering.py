"""Includes run one way: app uses the subsystems, the subsystems use form and platform.

Run: python3 -m unittest discover -s tests/tools
"""

import re
import unittest
from pathlib import Path

SRC = Path(__file__).resolve().parents[2] / "src"
SUBSYSTEMS = ["latch", "tray", "mainwindow", "settings", "about"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z0-9_]+)/', re.M)


def folders_included(folder):
    found = {}
    for path in sorted((SRC / folder).glob("*.[ch]*")):
        for used in INCLUDE.findall(path.read_text(encoding="utf-8")):
            found.setdefault(used, []).append(path.name)
    return found


class Layering(unittest.TestCase):
    def test_subsystems_never_include_app(self):
        for folder in SUBSYSTEMS:
            with self.subTest(folder=folder):
                self.assertNotIn("app", folders_included(folder))

    def test_form_includes_only_itself_and_platform(self):
        used = folders_included("form")
        self.assertTrue(used, "src/form has no includes: the pattern no longer matches")
        self.assertLessEqual(set(used), {"form", "platform"}, used)


if __name__ == "__main__":
    unittest.main()
