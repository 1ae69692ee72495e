"""Includes run one way, down this order; windows.h is seen only by the adapter.

    win32 -> app -> settings -> latch -> mainwindow, tray, about -> form -> platform

Run: python3 -m unittest discover -s tests/tools
"""

import re
import unittest
from pathlib import Path

SRC = Path(__file__).resolve().parents[2] / "src"
TIERS = [["win32"], ["app"], ["settings"], ["latch"], ["mainwindow", "tray", "about"], ["form"], ["platform"]]
# The About window is laid out in the main window's units and design records.
SIDEWAYS = {("about", "mainwindow")}
INCLUDE = re.compile(r'^\s*#\s*include\s+[<"]([^>"]+)[>"]', re.M)


def includes(folder):
    """(file, included path) for every include in the folder's sources."""
    for path in sorted((SRC / folder).glob("*.[ch]*")):
        for used in INCLUDE.findall(path.read_text(encoding="utf-8")):
            yield path.name, used


def allowed(folder):
    tier = next(i for i, names in enumerate(TIERS) if folder in names)
    below = {name for names in TIERS[tier + 1:] for name in names}
    return below | {folder} | {to for frm, to in SIDEWAYS if frm == folder}


class Layering(unittest.TestCase):
    def test_every_folder_is_in_the_order(self):
        folders = {p.name for p in SRC.iterdir() if p.is_dir()}
        self.assertEqual(folders, {name for names in TIERS for name in names})

    def test_includes_run_only_down_the_order(self):
        for names in TIERS:
            for folder in names:
                with self.subTest(folder=folder):
                    used = {path.split("/")[0] for _, path in includes(folder) if "/" in path}
                    self.assertTrue(used, f"src/{folder}: the pattern matches no include")
                    self.assertLessEqual(used, allowed(folder))

    def test_only_the_adapter_sees_windows_h(self):
        for names in TIERS:
            for folder in names:
                seen = [f for f, path in includes(folder) if path.lower() in ("windows.h", "windowsx.h")]
                if folder == "win32":
                    self.assertTrue(seen, "src/win32 no longer includes windows.h: the pattern is stale")
                else:
                    self.assertEqual(seen, [], f"src/{folder}")


if __name__ == "__main__":
    unittest.main()
