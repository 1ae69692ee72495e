#!/usr/bin/env python3
"""What ModLatch's keyboard hook adds to each key event under Wine, as a whole: the time a
sender's SendInput takes per key event (Wine returns only after every low-level keyboard
hook has seen it) with no hook, with a hook that only passes events on (the yardstick),
and with ModLatch running with OneShot off and on. All in one run, in alternating rounds.

Usage: MODLATCH_E2E_DIR=build/windows-x64 python3 bench/wine_hook_cost.py [rounds] [batches] [per_batch]
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402

CONFIGS = ("no hook", "yardstick hook", "ModLatch, OneShot off", "ModLatch, OneShot on")


def measure(s, config, batches, per_batch):
    def cost():
        return s.probe("key-cost", batches, per_batch, timeout=300)["median_us"]

    if config == "no hook":
        return cost()
    if config == "yardstick hook":
        hook = s.start_probe("bare-hook", 300000)
        try:
            return cost()
        finally:
            s.stop(hook)
    s.write_ini("[Option]\nOneShot=True\n" if config.endswith("on") else "[Option]\n")
    window = s.start_program()
    try:
        return cost()
    finally:
        s.probe("post", window["hwnd"], harness.WM_CLOSE, 0, 0)
        if not s.app_exited(timeout=20):
            raise harness.HarnessError("ModLatch did not close")


def main():
    rounds, batches, per_batch = (int(a) for a in (sys.argv[1:] + ["3", "20", "100"][len(sys.argv) - 1:])[:3])
    results = {config: [] for config in CONFIGS}
    with harness.Session("bench-hook-cost", start_app=False) as s:
        s.keep_wineserver(1800)
        for _ in range(rounds):
            for config in CONFIGS:
                results[config].append(measure(s, config, batches, per_batch))
    base = statistics.median(results["no hook"])
    print(f"SendInput per key event under Wine, median of {batches} batches of {2 * per_batch} events, "
          f"{rounds} rounds")
    print(f"{'configuration':<24}{'median us':>10}{'added us':>10}  rounds")
    for config in CONFIGS:
        median = statistics.median(results[config])
        print(f"{config:<24}{median:>10.0f}{median - base:>10.0f}  {results[config]}")


if __name__ == "__main__":
    main()
