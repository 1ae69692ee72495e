#!/usr/bin/env python3
"""Idle cost under Wine, side by side in one run: ModLatch at rest in Float and in Compact mode
against minimal_window (a window that polls the same four keys every 100 ms), and Wine with no
program at all. Each sample runs one program alone for SECONDS and reads, from /proc:

- CPU of the program (all its threads, schedstat nanoseconds) and of the prefix's wineserver;
- wake-ups per second: voluntary context switches of the program's threads and the server's;
- resident memory (VmRSS) of the program at the end of the sample.

Rounds rotate the order so that drift on a shared machine falls on every program alike.
At the end, bench/tick_calls times each call of ModLatch's idle tick in the same Wine.

Usage: MODLATCH_E2E_DIR=build/windows-x64 python3 bench/wine_idle.py [rounds] [seconds] [programs]
programs: a comma-separated choice of minimal, float, compact, wine (default: all four), so that
long samples of the pair that matters fit in one sitting.
"""
import glob
import os
import shutil
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402

SETTLE = 5.0  # after start-up or a mode switch, before sampling
PROGRAMS = {"minimal": "minimal_window", "float": "ModLatch Float", "compact": "ModLatch Compact",
            "wine": "Wine alone"}


def task_sum(pid, read):
    total = 0
    for task in glob.glob(f"/proc/{pid}/task/*"):
        try:
            total += read(task)
        except OSError:
            pass  # a thread that ended meanwhile
    return total


def cpu_ns(task):
    with open(f"{task}/schedstat") as f:
        return int(f.read().split()[0])


def wakeups(task):
    with open(f"{task}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("voluntary_ctxt_switches"))


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:")) / 1024.0


def wineserver_pid(prefix):
    """The server of this prefix: it works in a folder named after the prefix's device and inode
    (a `wineserver -w` waiter does too, but has the option on its command line)."""
    st = os.stat(prefix)
    wanted = f"/server-{st.st_dev:x}-{st.st_ino:x}"
    for proc in glob.glob("/proc/[0-9]*"):
        try:
            with open(f"{proc}/cmdline", "rb") as f:
                args = f.read().split(b"\0")
            if os.readlink(f"{proc}/cwd").endswith(wanted) and b"wineserver" in args[0] and b"-w" not in args:
                return int(os.path.basename(proc))
        except OSError:
            continue
    raise harness.HarnessError(f"no wineserver working in a folder ending {wanted}")


def sample(pid, server, seconds):
    pids = [p for p in (pid, server) if p]
    before = {p: (task_sum(p, cpu_ns), task_sum(p, wakeups)) for p in pids}
    time.sleep(seconds)
    after = {p: (task_sum(p, cpu_ns), task_sum(p, wakeups)) for p in pids}
    per_minute = 60.0 / seconds
    result = {
        "server_cpu_ms": (after[server][0] - before[server][0]) / 1e6 * per_minute,
        "server_wakeups": (after[server][1] - before[server][1]) / seconds,
    }
    if pid:
        result.update({
            "cpu_ms": (after[pid][0] - before[pid][0]) / 1e6 * per_minute,
            "wakeups": (after[pid][1] - before[pid][1]) / seconds,
            "rss_mb": rss_mb(pid),
        })
    return result


def start(session, exe, folder):
    return session._spawn([harness.WINE64, exe], cwd=folder, stdout=harness.subprocess.DEVNULL,
                          stderr=harness.subprocess.DEVNULL)


def close(session, proc, hwnd):
    """Asks the program to close, as a user would, so that no tray icon stays behind."""
    session.probe("send", hwnd, harness.WM_CLOSE, 0, 0, check=False)
    proc.wait(timeout=20)
    session._started.remove(proc)


def run_modlatch(session, folder, mode, seconds, server, offsets):
    # A fresh copy each time, so no settings file carries a mode from one run to the next.
    os.makedirs(folder, exist_ok=True)
    exe = os.path.join(folder, "ModLatch.exe")
    shutil.copy2(session.exe_source, exe)
    proc = start(session, exe, folder)
    hwnd = session.main_window()["hwnd"]
    if mode == "Compact":
        # Through the menu by its offsets: reading it would load a DLL into the program.
        session.click(session.children(hwnd)[harness.SHIFT_ID]["screen"], button=3)
        harness.click_menu_item(session, offsets, harness.COMPACT)
        session.wait_tray_icons(1)
    session.point_to(700, 650)  # off every Wine window
    time.sleep(SETTLE)
    result = sample(proc.pid, server, seconds)
    close(session, proc, hwnd)
    return result


def run_minimal(session, seconds, server):
    proc = start(session, os.path.join(session.root, "minimal_window.exe"), session.folder)
    hwnd = session.probe("wait-window", "MinimalWindow", 20000, timeout=30)["windows"][0]["hwnd"]
    session.point_to(700, 650)
    time.sleep(SETTLE)
    result = sample(proc.pid, server, seconds)
    close(session, proc, hwnd)
    return result


def tick_calls(session):
    """What each call of the idle tick costs in this Wine (bench/tick_calls)."""
    output = harness.tempfile.TemporaryFile()
    proc = session._spawn([harness.WINE64, os.path.join(session.root, "tick_calls.exe")], cwd=session.folder,
                          stdout=output, stderr=harness.subprocess.DEVNULL)
    proc.wait(timeout=120)
    session._started.remove(proc)
    output.seek(0)
    return output.read().decode("utf-8", "replace")


def describe(values, unit, digits=0):
    return (f"{statistics.median(values):8.{digits}f} {unit} ({min(values):.{digits}f} to "
            f"{max(values):.{digits}f})")


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 3
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
    names = [PROGRAMS[key] for key in (sys.argv[3].split(",") if len(sys.argv) > 3 else PROGRAMS)]
    results = {name: [] for name in names}
    with harness.Session("idle-bench", start_app=False) as session:
        session.keep_wineserver(24 * 3600)  # warm: one server for the whole run
        server = wineserver_pid(session.prefix)
        learner = start(session, session.exe, session.folder)
        hwnd = session.main_window()["hwnd"]
        offsets = harness.menu_offsets(session, hwnd)
        close(session, learner, hwnd)
        for r in range(rounds):
            order = names[r % len(names):] + names[:r % len(names)]
            for name in order:
                if name == "minimal_window":
                    res = run_minimal(session, seconds, server)
                elif name == "Wine alone":
                    time.sleep(SETTLE)
                    res = sample(None, server, seconds)
                else:
                    res = run_modlatch(session, os.path.join(session.folder, f"r{r}-{name[9:]}"), name[9:],
                                       seconds, server, offsets)
                results[name].append(res)
                print(f"round {r + 1} {name}: " + ", ".join(f"{k} {v:.1f}" for k, v in res.items()), flush=True)
        calls = tick_calls(session)

    print(f"\nIdle under Wine, {rounds} rounds of {seconds:.0f} s each, median (range):")
    for name in names:
        rows = results[name]
        print(f"  {name}")
        if name != "Wine alone":
            print(f"    program CPU    {describe([x['cpu_ms'] for x in rows], 'ms/min')}")
            print(f"    wake-ups       {describe([x['wakeups'] for x in rows], '/s', 1)}")
            print(f"    resident       {describe([x['rss_mb'] for x in rows], 'MB', 1)}")
        print(f"    wineserver CPU {describe([x['server_cpu_ms'] for x in rows], 'ms/min')}")
        print(f"    server wake-ups{describe([x['server_wakeups'] for x in rows], '/s', 1)}")
    base = results.get("minimal_window")
    for name in [n for n in ("ModLatch Float", "ModLatch Compact") if base and n in results]:
        rows = results[name]
        cpu = [x["cpu_ms"] / b["cpu_ms"] for x, b in zip(rows, base)]
        total = [(x["cpu_ms"] + x["server_cpu_ms"]) / (b["cpu_ms"] + b["server_cpu_ms"]) for x, b in zip(rows, base)]
        rss = [x["rss_mb"] / b["rss_mb"] for x, b in zip(rows, base)]
        print(f"  {name} / minimal_window, per round: program CPU {describe(cpu, 'x', 2)}; "
              f"with wineserver {describe(total, 'x', 2)}; resident {describe(rss, 'x', 2)}")
    print("\nOne tick's calls, timed every 100 ms as the timer runs them (wall time, server included):")
    print(calls)


if __name__ == "__main__":
    main()
