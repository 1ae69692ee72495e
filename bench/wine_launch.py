#!/usr/bin/env python3
"""Whole-process figures under Wine: launch to window mapped, against a program that only
shows a window, in the same run; ModLatch's resident memory and idle CPU; the exe sizes.

Usage: MODLATCH_E2E_DIR=build/windows-x64 python3 bench/wine_launch.py [rounds] [shipped exe]
With MODLATCH_E2E_BITS=32 it measures the 32-bit builds in build/windows under 32-bit Wine.
"""
import ctypes
import os
import select
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class MapWatcher:
    """Waits for the X server to map a top-level window of a given width."""

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        self.dpy = self.x.XOpenDisplay(display.encode())
        self.x.XSelectInput(self.dpy, self.x.XDefaultRootWindow(self.dpy), SUBSTRUCTURE_NOTIFY_MASK)
        self.fd = self.x.XConnectionNumber(self.dpy)

    def width_of(self, window):
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        self.x.XGetGeometry(self.dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                            ctypes.byref(w), ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth))
        return w.value

    def wait_for_width(self, width, timeout):
        deadline = time.monotonic() + timeout
        event = XEvent()
        while time.monotonic() < deadline:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, ctypes.byref(event))
                if event.type == MAP_NOTIFY and self.width_of(event.xmap.window) == width:
                    return time.monotonic()
            select.select([self.fd], [], [], 0.01)
        raise harness.HarnessError(f"no {width}-pixel-wide window mapped within {timeout} s")


def launch_time(session, watcher, exe, folder):
    start = time.monotonic()
    proc = session._spawn([session.loader, exe], cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = watcher.wait_for_width(266, timeout=60)
    return proc, (mapped - start) * 1000.0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def main():
    rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 9
    shipped = sys.argv[2] if len(sys.argv) > 2 else None
    times = {"minimal_window": [], "ModLatch": []}
    with harness.Session("launch-bench", start_app=False) as session:
        session.keep_wineserver(600)  # warm: the server outlives each program
        watcher = MapWatcher(session.display)
        minimal = os.path.join(session.root, "minimal_window.exe")
        for _ in range(rounds):
            for name, exe in (("minimal_window", minimal), ("ModLatch", session.exe)):
                proc, ms = launch_time(session, watcher, exe, session.folder)
                times[name].append(ms)
                if name == "ModLatch" and len(times[name]) == rounds:
                    time.sleep(2)
                    rss = rss_mb(proc.pid)
                    before = cpu_seconds(proc.pid)
                    time.sleep(10)
                    idle_cpu_ms = (cpu_seconds(proc.pid) - before) * 1000.0 / 10 * 60
                harness._end_process(proc)
    med = {name: statistics.median(v) for name, v in times.items()}
    print(f"launch to window mapped, warm Wine, median of {rounds}:")
    for name, v in times.items():
        print(f"  {name:15s} {med[name]:7.1f} ms  (min {min(v):.1f}, max {max(v):.1f})")
    print(f"  ratio ModLatch / minimal: {med['ModLatch'] / med['minimal_window']:.2f}")
    print(f"ModLatch resident memory after start: {rss:.1f} MB")
    print(f"ModLatch idle CPU: {idle_cpu_ms:.0f} ms per minute (Wine process, 10 s sample)")
    for path in filter(None, [shipped, session.exe_source]):
        print(f"size of {path}: {os.path.getsize(path) / 1024:.1f} KB")


if __name__ == "__main__":
    main()
