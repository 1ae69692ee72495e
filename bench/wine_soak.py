#!/usr/bin/env python3
"""Soak run under Wine (not part of the test suite): ModLatch takes 1,000 toggles by real
clicks, 100 display-mode switches through its real popup menu, then idles for 10 minutes.
Along the way it samples the program's GDI objects (the used entries of its GDI handle table,
since Wine has no GetGuiResources), its windows and its resident memory.
Everything must end where it stood after the first round of each kind (the first menu and
the first tray icon load what they need once).

It runs in a Wine prefix of its own, so the test suite can run meanwhile.

Usage: MODLATCH_E2E_DIR=build/windows-x64 python3 bench/wine_soak.py [toggles] [switches] [idle seconds]
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402
from harness import COMPACT, DOUBLE, FLOAT, wait_until  # noqa: E402

CTRL_ID, SHIFT_ID = 1000, 1001
NEXT_MODE = {FLOAT: COMPACT, COMPACT: DOUBLE, DOUBLE: FLOAT}
ICONS = {FLOAT: 0, COMPACT: 1, DOUBLE: 2}


class Soak:
    def __init__(self, session):
        self.s = session
        main = session.main_window()
        self.hwnd, self.pid = main["hwnd"], main["pid"]
        self.mode = FLOAT
        self.item_offsets = None  # where each caption sits in the menu window
        self.t0 = time.monotonic()
        self.samples = []

    def sample(self, label):
        res = self.s.probe("resources", self.pid)
        with open(f"/proc/{self.s.app.pid}/status") as f:
            rss = next(int(line.split()[1]) for line in f if line.startswith("VmRSS:")) / 1024.0
        row = {"label": label, "gdi": res["gdi"], "windows": res["windows"], "rss_mb": round(rss, 1),
               "t": round(time.monotonic() - self.t0)}
        self.samples.append(row)
        print(f"{row['t']:5d} s  {label:28s} GDI {row['gdi']:4d}  windows {row['windows']:3d}  "
              f"resident {row['rss_mb']:6.1f} MB", flush=True)

    # --- toggles -----------------------------------------------------------

    def toggles(self, count, every):
        kids = self.s.children(self.hwnd)
        buttons = [kids[SHIFT_ID]["screen"], kids[CTRL_ID]["screen"]]
        for i in range(1, count + 1):
            self.s.click(buttons[i % 2])
            if i % every == 0:
                self.sample(f"after {i} toggles")
        # Every click toggled its key: SHIFT took count // 2 clicks, CTRL the rest.
        self.s.wait_keys(shift=(count // 2) % 2 == 1, ctrl=(count - count // 2) % 2 == 1)

    # --- mode switches through the menu ------------------------------------

    def open_menu(self):
        if self.mode == FLOAT:
            self.s.click(self.s.children(self.hwnd)[SHIFT_ID]["screen"], button=3)
        elif self.mode == DOUBLE:
            harness.click_icon(self.s, self.s.wait_tray_icons(2)[0], button=3)
        else:  # Compact: the left button held, the right one clicked
            icon = self.s.wait_tray_icons(1)[0]
            harness.point_at(self.s, icon)
            self.s.xdotool("mousedown", 1)
            time.sleep(0.05)
            harness.click_icon(self.s, icon, button=3)
            wait_until("the popup menu", lambda: harness.menu_window(self.s), timeout=5)
            self.s.xdotool("mouseup", 1)

    def switch_mode(self):
        target = NEXT_MODE[self.mode]
        self.open_menu()
        harness.click_menu_item(self.s, self.item_offsets, target)
        self.mode = target
        self.s.wait_tray_icons(ICONS[target], timeout=10)
        if target == FLOAT:
            self.s.main_window(timeout=10)

    def switches(self, count, every):
        for i in range(1, count + 1):
            self.switch_mode()
            if i % every == 0:
                self.sample(f"after {i} switches ({self.mode})")

    # --- idle --------------------------------------------------------------

    def idle(self, seconds, every):
        self.s.point_to(700, 650)
        for elapsed in range(every, seconds + 1, every):
            time.sleep(every)
            self.sample(f"idle {elapsed} s ({self.mode})")


def flat(rows, key, allowance):
    return rows[-1][key] - rows[0][key] <= allowance


def main():
    toggles = int(sys.argv[1]) if len(sys.argv) > 1 else 1000
    switches = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    idle = int(sys.argv[3]) if len(sys.argv) > 3 else 600
    with harness.Session("soak", prefix="soak-wineprefix") as session:
        soak = Soak(session)
        soak.sample("started")
        soak.toggles(toggles, every=max(1, toggles // 10))
        soak.item_offsets = harness.menu_offsets(session, soak.hwnd)
        soak.sample("menu read once")
        soak.switches(switches, every=max(1, switches // 10))
        soak.idle(idle, every=60)
        session.screenshot("soak-end.png")
        keys = session.keys()
        assert session.app.poll() is None, "ModLatch ended during the soak"

    rows = soak.samples
    phases = {
        "toggles": [r for r in rows if "toggles" in r["label"]],
        "switches": [r for r in rows if "switches" in r["label"]],
        "idle": [r for r in rows if r["label"].startswith("idle")],
    }
    print(f"\nkeys at the end: SHIFT {'down' if keys['shift'] else 'up'}, CTRL {'down' if keys['ctrl'] else 'up'}")
    verdict = True
    for phase, samples in phases.items():
        if len(samples) < 2:
            continue
        # Exact for GDI objects and windows; the heap may settle by a few pages.
        checks = {"gdi": flat(samples, "gdi", 0), "windows": flat(samples, "windows", 0),
                  "rss_mb": flat(samples, "rss_mb", 0.5)}
        verdict &= all(checks.values())
        first, last = samples[0], samples[-1]
        print(f"{phase:9s} from '{first['label']}' to '{last['label']}': " + ", ".join(
            f"{k} {first[k]} -> {last[k]} ({'flat' if ok else 'GROWS'})" for k, ok in checks.items()))
    print("verdict:", "flat" if verdict else "NOT FLAT")
    return 0 if verdict else 1


if __name__ == "__main__":
    sys.exit(main())
