"""What ModLatch leaves behind when it dies abnormally, and how it tells a second start of
the same executable file from another program, under 64-bit Wine."""

import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import COMPACT, Session, click_icon, leave_float_mode, point_at, wait_until  # noqa: E402

VK_SHIFT, VK_CONTROL = 0x10, 0x11
ACCESS_VIOLATION = 0xC0000005


class FaultRelease(unittest.TestCase):
    def test_a_fault_with_both_keys_latched_sends_both_key_ups_and_removes_the_icon(self):
        with Session("fault") as s:
            main = s.main_window()
            keeper = s.keep_wineserver()
            icon = leave_float_mode(s, main["hwnd"], COMPACT, 1)[0]
            point_at(s, icon)  # entering Wine's window re-reads the keys: do it before latching
            click_icon(s, icon)
            click_icon(s, icon, button=3)
            s.wait_keys(shift=True, ctrl=True)

            # The window's death moves the X focus, which makes Wine drop the latch by itself;
            # so what counts is the key-ups the program sends, seen by a keyboard hook.
            log = s.start_probe("key-log", 12000)
            crash = s.probe("crash", main["pid"], 10000)
            events = s.finish_probe(log)["events"]

            self.assertTrue(crash["ended"], crash)
            self.assertEqual(crash["exit_code"], ACCESS_VIOLATION, "the fault ends the process")
            sent = [(e["vk"], e["up"]) for e in events if e["injected"]]
            self.assertEqual(sent, [(VK_SHIFT, True), (VK_CONTROL, True)], events)
            self.assertEqual(s.wait_tray_icons(0), [], "no icon outlives the program")
            keys = s.keys()
            self.assertEqual((keys["shift"], keys["ctrl"]), (False, False), keys)
            self.assertTrue(s.app_exited(timeout=5))
            self.assertIsNone(keeper.poll(), "keys were read from the same wineserver")


class OneInstancePerFile(unittest.TestCase):
    def test_the_same_file_by_another_path_exits_at_once_a_copy_runs(self):
        with Session("instance", start_app=False) as s:
            # Wine numbers a volume after the drive letter that covers the file when asked, so
            # the second letter is there before the first start, as a mapped drive would be.
            runs, folder = os.path.split(s.folder)
            drive = s.map_drive(runs)
            linked = os.path.join(s.folder, "linked")
            os.symlink(s.folder, linked)
            copy = os.path.join(s.folder, "copy")
            os.mkdir(copy)
            shutil.copy2(s.exe, copy)
            s.app = s.launch()
            s.main_window()

            for how, exe in [("another drive letter", f"{drive}\\{folder}\\ModLatch.exe"),
                             ("a symlinked folder", os.path.join(linked, "ModLatch.exe")),
                             ("the short name", s.dos_path(os.path.join(linked, "ModLatch.exe"), short=True)),
                             ("another case", f"{drive.lower()}\\{folder.upper()}\\MODLATCH.EXE")]:
                with self.subTest(how, exe=exe):
                    started = time.monotonic()
                    second = s.launch(exe)
                    exited = s.app_exited(timeout=10, proc=second)
                    if not exited:
                        s.stop(second)
                    self.assertTrue(exited, "the second start should exit")
                    self.assertLess(time.monotonic() - started, 5.0)
                    self.assertEqual(s.probe("find", harness.MAIN_CLASS)["count"], 1)
            self.assertIsNone(s.app.poll(), "the first instance keeps running")

            # A copy in another folder is another program, with its own settings file.
            other = s.launch(os.path.join(copy, "ModLatch.exe"))
            wait_until("the copy's window", lambda: s.probe("find", harness.MAIN_CLASS)["count"] == 2,
                       timeout=20)
            self.assertIsNone(other.poll())
            self.assertIsNone(s.app.poll())


if __name__ == "__main__":
    unittest.main(verbosity=2)
