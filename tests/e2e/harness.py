"""Runs ModLatch under Wine on a private Xvfb display for end-to-end tests.

By default a Session runs the x86-64 build under 64-bit Wine; Session(..., bits=32)
runs the shipped 32-bit exe and the 32-bit probe under 32-bit Wine, in a 32-bit
prefix of its own (see scripts/install-wine32.sh for how 32-bit Wine runs here).
MODLATCH_E2E_BITS=32 makes 32 the default, to run any test against the shipped exe.

A Session owns everything it starts: one Xvfb, a fresh folder holding a copy of
ModLatch.exe, the program's Wine process and every probe process. On exit it
ends exactly those, by pid, and waits for the prefix's wineserver to leave on
its own, so the next session starts with Wine's key state clean.
"""

import ctypes
import fcntl
import json
import os
import random
import shutil
import signal
import subprocess
import tempfile
import time

WINE64 = "/usr/lib/wine/wine64"
WINE32 = "/usr/lib/wine/wine32"  # installed under this name so that `wine` stays 64-bit
# The native server serves 32-bit clients too, and runs at full speed under an emulator.
WINESERVER = "/usr/lib/wine/wineserver64"
MAIN_CLASS = "ModLatchMainForm"
# Each Wine program takes its interface language and code page from its own LANG.
JAPANESE, ENGLISH = "ja_JP.UTF-8", "C.UTF-8"
MENU_CLASS = "#32768"
SCREEN = (1024, 768)

SHIFT_ID = 1001  # the SHIFT toggle button
COMPACT, DOUBLE, FLOAT = "コンパクトモード", "ダブルモード", "フロートモード"

# Window messages the tests send.
WM_CLOSE = 0x0010
WM_QUERYENDSESSION = 0x0011
WM_ENDSESSION = 0x0016

WS_CAPTION = 0x00C00000


class HarnessError(AssertionError):
    pass


class _SilentProbeDeath(HarnessError):
    pass


def e2e_dir():
    path = os.environ.get("MODLATCH_E2E_DIR")
    if not path:
        raise HarnessError("MODLATCH_E2E_DIR is not set (the x86-64 Windows build tree)")
    return os.path.abspath(path)


def shipped_dir():
    """The i686 build tree: the shipped ModLatch.exe and its 32-bit probe."""
    path = os.environ.get("MODLATCH_WINDOWS_DIR") or os.path.join(e2e_dir(), "..", "windows")
    return os.path.abspath(path)


def wait_until(what, fn, timeout=10.0, interval=0.05):
    """Polls fn until it returns something truthy; fails naming `what`."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = fn()
        if last:
            return last
        if time.monotonic() >= deadline:
            raise HarnessError(f"timed out after {timeout:.1f}s waiting for {what} (last: {last!r})")
        time.sleep(interval)


def _pid_alive(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    # A zombie still answers signal 0 until its parent reaps it.
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def _end_process(proc, grace=5.0):
    """Ends one process we started: politely, then by force."""
    if proc.poll() is not None:
        return
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait(timeout=grace)


class XDisplay:
    """Xlib through ctypes, for what xdotool cannot tell (the X input focus)."""

    def __init__(self, name):
        self._lib = ctypes.CDLL("libX11.so.6")
        self._lib.XOpenDisplay.restype = ctypes.c_void_p
        self._lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._lib.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong),
                                             ctypes.POINTER(ctypes.c_int)]
        self._lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._dpy = self._lib.XOpenDisplay(name.encode())
        if not self._dpy:
            raise HarnessError(f"cannot open X display {name}")

    @classmethod
    def try_open(cls, name):
        try:
            return cls(name)
        except HarnessError:
            return None

    def input_focus(self):
        window = ctypes.c_ulong()
        revert = ctypes.c_int()
        self._lib.XGetInputFocus(self._dpy, ctypes.byref(window), ctypes.byref(revert))
        return window.value

    def close(self):
        if self._dpy:
            self._lib.XCloseDisplay(self._dpy)
            self._dpy = None


def _output_lines(proc):
    # pread leaves the file offset, which the child shares, where it is.
    fd = proc.output.fileno()
    text = os.pread(fd, os.fstat(fd).st_size, 0).decode("utf-8", "replace")
    return [line for line in text.splitlines() if line.strip()]


def _json_lines(proc):
    # Wine's own messages share the stream; the probe's lines are JSON objects.
    return [json.loads(line) for line in _output_lines(proc) if line.startswith("{")]


class TypeBox:
    """A probe window with a focused edit box; `text()` waits for its verdict."""

    def __init__(self, proc, ready):
        self.proc = proc
        self.hwnd = ready["hwnd"]
        self.edit = ready["edit"]
        self.log = ready["log"]  # its text: "SYSKEYDOWN:58 SYSCHAR:78 KEYMENU:0 ..." as they came
        self.xid = ready["xid"]
        self.rect = ready["rect"]

    def text(self, timeout=30.0):
        self.proc.wait(timeout=timeout)
        lines = _json_lines(self.proc)
        if not lines or "text" not in lines[-1]:
            raise HarnessError(f"typebox printed no text: {lines!r}")
        return lines[-1]["text"]


class Session:
    """One end-to-end scenario: `with Session("name") as s: ...`."""

    def __init__(self, name, start_app=True, bits=None, ini=None, prefix="e2e-wineprefix", dll_overrides="",
                 dpi=None, lang=JAPANESE):
        """`prefix`: a Wine prefix of its own lets a long run leave the tests' prefix free.
        `lang`: the locale of the session's programs (ENGLISH: interface language 0x0409, code page 1252),
        in a prefix made under that locale.
        `dll_overrides`: further WINEDLLOVERRIDES entries for every Wine process of the session.
        `dpi`: the screen's dots per inch (Wine's LogPixels), in a prefix kept for that DPI."""
        bits = bits or int(os.environ.get("MODLATCH_E2E_BITS", "64"))
        if bits not in (32, 64):
            raise HarnessError(f"no {bits}-bit Wine")
        self.name = name
        self.start_app = start_app
        self.bits = bits
        self.ini = ini  # the INI file to put beside the exe before it starts
        self.dll_overrides = dll_overrides
        self.loader = WINE64 if bits == 64 else WINE32
        self.root = e2e_dir() if bits == 64 else shipped_dir()
        self.exe_source = os.path.join(self.root, "ModLatch.exe")
        self.help_sources = [os.path.join(self.root, name) for name in ("ModLatch.hlp", "ModLatch.en.hlp")]
        self.lang = lang
        self.probe_exe = os.path.join(self.root, "probe", "probe.exe")
        self.dpi = dpi
        if dpi and dpi != 96 and prefix == "e2e-wineprefix":
            prefix = f"e2e-wineprefix-{dpi}dpi"
        if lang != JAPANESE and prefix == "e2e-wineprefix":
            prefix = "e2e-wineprefix-en"
        self.prefix = os.path.join(self.root, prefix)
        self.artifacts = os.path.join(self.root, "e2e-artifacts")
        self.display = None
        self.folder = None
        self.exe = None
        self.app = None
        self._xvfb = None
        self._x = None
        self._lock = None
        self._started = []  # every process this session started, in order
        self._drives = []  # drive letters this session added to the prefix

    # --- lifetime -------------------------------------------------------

    def __enter__(self):
        for path in (self.exe_source, *self.help_sources, self.probe_exe):
            if not os.path.isfile(path):
                raise HarnessError(f"missing {path}: build the {self.bits}-bit Windows tree first")
        os.makedirs(self.artifacts, exist_ok=True)
        try:
            self._lock_prefix()
            self._start_xvfb()
            self._ensure_prefix()
            if self.dpi:
                self._set_log_pixels(self.dpi)
            self.folder = tempfile.mkdtemp(prefix=f"{self.name}-", dir=self._runs_dir())
            self.exe = os.path.join(self.folder, "ModLatch.exe")
            shutil.copy2(self.exe_source, self.exe)
            # The help files ship beside the executable.
            for path in self.help_sources:
                shutil.copy2(path, self.folder)
            if self.ini is not None:
                self.write_ini(self.ini)
            if self.start_app:
                self.app = self.launch()
                self.main_window()
        except BaseException:
            try:
                self._shutdown(keep_folder=True)
            except HarnessError as e:
                print(f"harness: cleanup after a failed start: {e}")  # the start failure matters more
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        self._shutdown(keep_folder=exc_type is not None)
        return False

    def _runs_dir(self):
        path = os.path.join(self.root, "e2e-runs")
        os.makedirs(path, exist_ok=True)
        return path

    def _lock_prefix(self):
        # One session at a time per prefix: Wine's key state is shared by it.
        self._lock = open(self.prefix + ".lock", "w")
        fcntl.flock(self._lock, fcntl.LOCK_EX)

    def _start_xvfb(self):
        # Numbers well above the ones people type by hand; Xvfb's lock file
        # makes it refuse a number that is taken, and then we try another.
        candidates = list(range(300, 700))
        random.shuffle(candidates)
        for number in candidates[:20]:
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
                continue
            proc = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp",
                 "-noreset"],
                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self._started.append(proc)
            display = f":{number}"
            x = wait_until(f"Xvfb on {display}",
                           lambda: proc.poll() is not None or XDisplay.try_open(display), timeout=15)
            if isinstance(x, XDisplay):
                self._xvfb, self._x, self.display = proc, x, display
                return
            proc.wait()  # it lost the race for that number
        raise HarnessError("could not start Xvfb on a free display")

    def env(self):
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.display,
            "WINEPREFIX": self.prefix,
            "WINEARCH": "win64" if self.bits == 64 else "win32",
            "WINELOADER": self.loader,
            "WINESERVER": WINESERVER,
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": ";".join(filter(None, ["mscoree,mshtml=", self.dll_overrides])),
            "LANG": self.lang,
            "LC_ALL": self.lang,
        })
        return env

    def _ensure_prefix(self):
        marker = os.path.join(self.prefix, ".modlatch-e2e-ready")
        if os.path.exists(marker):
            return
        shutil.rmtree(self.prefix, ignore_errors=True)  # a half-made one from an interrupted run
        # Made under the session's locale: a prefix made under another draws the menu captions as
        # boxes. Under an emulator it takes about half a minute.
        proc = self._spawn([self.loader, "wineboot", "-i"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
        try:
            proc.wait(timeout=300)
        except subprocess.TimeoutExpired:
            raise HarnessError("wineboot -i took over 300 s")
        self._wait_wineserver_gone(timeout=60)
        if proc.returncode != 0:
            raise HarnessError(f"wineboot -i failed with {proc.returncode}")
        with open(marker, "w") as f:
            f.write("created by tests/e2e/harness.py\n")

    def _set_log_pixels(self, dpi):
        # Wine reads LogPixels when its server starts: set it while none runs for the prefix.
        marker = os.path.join(self.prefix, f".modlatch-e2e-{dpi}dpi")
        if os.path.exists(marker):
            return
        code = self.run_wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                             "/d", dpi, "/f")
        if code != 0:
            raise HarnessError(f"reg add LogPixels failed with {code}")
        self._wait_wineserver_gone(timeout=60)
        for other in os.listdir(self.prefix):
            if other.startswith(".modlatch-e2e-") and other.endswith("dpi"):
                os.remove(os.path.join(self.prefix, other))
        with open(marker, "w") as f:
            f.write(f"LogPixels {dpi}\n")

    def _wait_wineserver_gone(self, timeout):
        # `wineserver -w` returns once the prefix's server has exited by itself.
        waiter = self._spawn([WINESERVER, "-w"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            waiter.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            _end_process(waiter)
            raise HarnessError(f"wineserver still running {timeout} s after the last program")

    def _shutdown(self, keep_folder):
        problems = []
        # Wine processes first, while their X display still exists.
        for proc in reversed(self._started):
            if proc is not self._xvfb:
                _end_process(proc)
        try:
            if self.prefix and os.path.isdir(self.prefix):
                self._wait_wineserver_gone(timeout=30)
        except HarnessError as e:
            problems.append(str(e))
        if self._x:
            self._x.close()
            self._x = None
        if self._xvfb:
            _end_process(self._xvfb)
        for proc in self._started:
            if getattr(proc, "output", None):
                proc.output.close()
            if _pid_alive(proc.pid):
                problems.append(f"pid {proc.pid} ({proc.args[0]}) is still running")
        self._started.clear()
        for link in self._drives:
            os.remove(link)
        self._drives.clear()
        if self.folder and not keep_folder:
            shutil.rmtree(self.folder, ignore_errors=True)
        if self._lock:
            self._lock.close()
            self._lock = None
        if problems:
            raise HarnessError("; ".join(problems))

    def _spawn(self, args, **kwargs):
        kwargs.setdefault("env", self.env())
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        proc = subprocess.Popen(args, **kwargs)
        self._started.append(proc)
        return proc

    # --- the program ----------------------------------------------------

    def launch(self, exe=None, cwd=None, trace=None):
        """Starts the folder's ModLatch.exe, or `exe` (a Unix or a DOS path); returns its Popen.
        `trace`: (Wine debug channels, an open file for Wine's log), e.g. ("+winmm", f)."""
        env = self.env()
        if trace:
            env["WINEDEBUG"] = trace[0]
        return self._spawn([self.loader, exe or self.exe], cwd=cwd or self.folder, stdout=subprocess.DEVNULL,
                           stderr=trace[1] if trace else subprocess.DEVNULL, env=env)

    def start_program(self):
        """Starts the program of a Session made with start_app=False; returns its window."""
        self.app = self.launch()
        return self.main_window()

    def map_drive(self, target):
        """Gives a Unix folder a further drive letter in the prefix until the session ends; returns "M:"."""
        dosdevices = os.path.join(self.prefix, "dosdevices")
        for letter in "mnopqrstuvwxy":
            link = os.path.join(dosdevices, letter + ":")
            if not os.path.lexists(link):
                os.symlink(target, link)
                self._drives.append(link)
                return letter.upper() + ":"
        raise HarnessError(f"no free drive letter in {dosdevices}")

    def main_window(self, timeout=None):
        # A cold start of 32-bit Wine under an emulator takes about 8 s unloaded.
        timeout = timeout or (20.0 if self.bits == 64 else 60.0)
        found = self.probe("wait-window", MAIN_CLASS, int(timeout * 1000), timeout=timeout + 10,
                           check=False)
        if not found.get("found"):
            raise HarnessError(f"no visible {MAIN_CLASS} window after {timeout} s")
        return found["windows"][0]

    def close_app(self, hwnd, timeout=15.0):
        """WM_CLOSE to the main window (shown or hidden); fails unless the program then ends."""
        self.probe("send", hwnd, WM_CLOSE, 0, 0, check=False)
        if not self.app_exited(timeout=timeout):
            raise HarnessError(f"the program did not end within {timeout} s of WM_CLOSE")

    # --- the settings file ----------------------------------------------

    @property
    def ini_path(self):
        return os.path.join(self.folder, "ModLatch.ini")

    def write_ini(self, text):
        """Writes the INI file as a Japanese system keeps it: code page 932, CRLF; bytes as they are."""
        data = text if isinstance(text, bytes) else text.replace("\n", "\r\n").encode("cp932")
        with open(self.ini_path, "wb") as f:
            f.write(data)

    def read_ini(self):
        with open(self.ini_path, "rb") as f:
            return f.read()

    def wine_path(self, path):
        """A Linux path as the program sees it, through Wine's Z: drive."""
        return "Z:" + os.path.abspath(path).replace("/", "\\")

    def run_wine(self, *args, timeout=60.0):
        """Runs a Wine program (e.g. wineboot) to its end; returns its exit code."""
        proc = self._spawn([self.loader, *map(str, args)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            _end_process(proc)
            raise HarnessError(f"{args} took over {timeout} s")

    def wine_output(self, *args, timeout=60.0):
        """Runs a Wine program (e.g. reg) to its end; returns its standard output."""
        with tempfile.TemporaryFile() as output:  # a file, for the reason _spawn_probe gives
            proc = self._spawn([self.loader, *map(str, args)], stdout=output, stderr=subprocess.DEVNULL)
            try:
                proc.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                _end_process(proc)
                raise HarnessError(f"{args} took over {timeout} s")
            self._started.remove(proc)
            output.seek(0)
            return output.read().decode("utf-8", "replace")

    REGISTRY_ROOTS = {"HKCR": "HKEY_CLASSES_ROOT", "HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE"}

    def registry_default(self, key):
        """The default value of a registry key of the prefix (e.g. HKCR\\mailto\\shell\\open\\command)."""
        for line in self.wine_output("reg", "query", key, "/ve").splitlines():
            if "REG_SZ" in line:
                return line.split("REG_SZ", 1)[1].strip()
        raise HarnessError(f"no default value under {key}")

    def set_registry_default(self, key, value):
        """Sets it, through a .reg file so that quotes in the value need no command-line quoting."""
        root, _, rest = key.partition("\\")
        escaped = value.replace("\\", "\\\\").replace('"', '\\"')
        path = os.path.join(self.folder, "registry.reg")
        with open(path, "w", encoding="utf-16", newline="\r\n") as f:
            f.write(f'Windows Registry Editor Version 5.00\n\n[{self.REGISTRY_ROOTS[root]}\\{rest}]\n@="{escaped}"\n')
        if self.run_wine("regedit", "/S", self.wine_path(path)) != 0:
            raise HarnessError(f"regedit could not set {key}")

    def window_of_class(self, class_name):
        """The first top-level window of a class, as the probe sees it now."""
        windows = self.probe("find", class_name)["windows"]
        if not windows:
            raise HarnessError(f"no {class_name} window")
        return windows[0]

    def dos_path(self, unix_path, short=False):
        """The DOS path Wine gives a Unix path, or its short 8.3 form."""
        path = self._winepath("-w", unix_path)
        return self._winepath("-s", path) if short else path

    def _winepath(self, option, path):
        output = tempfile.TemporaryFile()  # not a pipe: see _spawn_probe
        proc = self._spawn([self.loader, "winepath", option, path], stdout=output, stderr=subprocess.DEVNULL)
        try:
            proc.wait(timeout=60)
        finally:
            _end_process(proc)
            self._started.remove(proc)
        output.seek(0)
        text = output.read().decode("utf-8", "replace").strip()
        output.close()
        if not text:
            raise HarnessError(f"winepath {option} {path} printed nothing")
        return text

    def keep_wineserver(self, seconds=300):
        """Keeps a Wine client alive so the key state outlives the program."""
        proc = self._spawn_probe("idle", seconds)
        self._first_line(proc, "idle probe")
        return proc

    def app_exited(self, timeout=15.0, proc=None):
        proc = proc or self.app
        try:
            proc.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    # --- the probe ------------------------------------------------------

    def _spawn_probe(self, *args):
        # Output goes to a file, not a pipe: Wine daemons that a probe happens
        # to start inherit its descriptors and would hold a pipe open.
        output = tempfile.TemporaryFile()
        proc = self._spawn([self.loader, self.probe_exe, *map(str, args)], stdout=output,
                           stderr=subprocess.STDOUT)
        proc.output = output
        return proc

    def _first_line(self, proc, what, timeout=20.0):
        def line():
            lines = _json_lines(proc)
            if lines:
                return lines[0]
            if proc.poll() is not None:
                raise HarnessError(f"{what} ended without output (exit {proc.returncode})")
            return None
        return wait_until(f"{what} to start", line, timeout)

    # Observations that can safely run twice. Under a loaded machine a Wine process now and
    # then dies at start with exit code 1 and not a byte of output (about 1 run in 15 of the
    # whole suite); an observation is then simply made again.
    REPEATABLE = {"keys", "find", "wait-window", "children", "focus", "syscolors", "workarea", "minmax", "tray", "text", "listbox",
                  "clipboard"}

    def probe(self, *args, timeout=30.0, check=True):
        """Runs one probe command; returns its last JSON line as a dict."""
        try:
            return self._probe_once(*args, timeout=timeout, check=check)
        except _SilentProbeDeath as death:
            if str(args[0]) not in self.REPEATABLE:
                raise HarnessError(str(death))
            print(f"harness: {death}; making the observation again")
            return self._probe_once(*args, timeout=timeout, check=check)

    def _probe_once(self, *args, timeout, check):
        proc = self._spawn_probe(*args)
        lines, json_lines = self._collect(proc, timeout)
        if not json_lines:
            if not lines and proc.returncode != 0:
                raise _SilentProbeDeath(f"probe {args} printed nothing (exit {proc.returncode})")
            raise HarnessError(f"probe {args} printed nothing (exit {proc.returncode}): {lines[-5:]!r}")
        result = json_lines[-1]
        if check and proc.returncode != 0:
            raise HarnessError(f"probe {args} failed ({proc.returncode}): {result}")
        return result

    def keys(self):
        return self.probe("keys")

    def wait_keys(self, shift, ctrl, timeout=5.0):
        """Waits until Wine's SHIFT and CTRL read as given; returns the keys seen."""
        def keys_if_so():
            keys = self.keys()
            return keys if (keys["shift"], keys["ctrl"]) == (shift, ctrl) else None
        return wait_until(f"SHIFT {'down' if shift else 'up'}, CTRL {'down' if ctrl else 'up'}", keys_if_so,
                          timeout)

    def children(self, hwnd):
        """Children by control id."""
        return {c["id"]: c for c in self.probe("children", hwnd)["children"]}

    def check_state(self, hwnd, control_id):
        return self.children(hwnd)[control_id]["check"]

    def press_button(self, hwnd, control_id):
        """BM_CLICK through the probe; fails if that moved the X input focus."""
        before = self.x_focus()
        result = self.probe("click", hwnd, control_id)
        after = self.x_focus()
        if after != before:
            raise HarnessError(f"probe click moved the X focus from {before:#x} to {after:#x}")
        return result

    def text(self, hwnd):
        """What a window holds now, e.g. what was typed into a typebox's edit box."""
        return self.probe("text", hwnd)["text"]

    def open_menu(self, rect, button=3):
        """Clicks a rectangle with `button`; returns the popup menu that opens, as the probe reads it."""
        self.click(rect, button=button)
        return self.probe("menu", 5000)

    def open_compact_menu(self, icon):
        """Left held, right clicked on the Compact icon; the left button is let go while the menu is open."""
        self.point_to(*self.center(icon["screen"]))
        self.xdotool("mousedown", 1)
        time.sleep(0.05)
        self.click(icon["screen"], button=3)
        try:
            return self.probe("menu", 5000)
        finally:
            self.xdotool("mouseup", 1)

    def choose(self, menu, caption):
        """Clicks one item of an open popup menu and waits for the menu to close; returns the item."""
        item = next(i for i in menu["menu"]["items"] if i["caption"] == caption)
        self.click(item["rect"])
        wait_until("the menu to close", lambda: not menu_window(self), timeout=5)
        return item

    def typebox(self, seconds):
        proc = self._spawn_probe("typebox", seconds)
        return TypeBox(proc, self._first_line(proc, "typebox"))

    # --- X input --------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True, timeout=20,
                       stdin=subprocess.DEVNULL)

    @staticmethod
    def center(rect):
        return rect["x"] + rect["w"] // 2, rect["y"] + rect["h"] // 2

    def click(self, rect, button=1):
        """A real X click in the middle of a screen rectangle."""
        # A press and release in one request can come too fast for Wine, hence click_at's hold.
        self.click_at(*self.center(rect), button=button)

    def focus_window(self, xid):
        self.xdotool("windowfocus", "--sync", xid)

    def type_text(self, text):
        self.xdotool("type", "--delay", 40, text)

    def x_focus(self):
        return self._x.input_focus()

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-display", self.display, "-window", "root", path], check=True,
                       timeout=30, stdin=subprocess.DEVNULL)
        return path

    # --- watching while acting ------------------------------------------

    def start_probe(self, *args, what=None):
        """Starts a probe command that prints a ready line first; returns it once ready."""
        proc = self._spawn_probe(*args)
        self._first_line(proc, what or f"probe {args[0]}")
        return proc

    def finish_probe(self, proc, timeout=30.0):
        """The last JSON line of a probe started with start_probe."""
        return self._collect(proc, timeout)[1][-1]

    def _collect(self, proc, timeout):
        """Waits for a probe to end; returns its output lines and its JSON lines."""
        try:
            proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            _end_process(proc)
            raise HarnessError(f"probe {proc.args[2:]} took over {timeout} s: {_output_lines(proc)!r}")
        lines, json_lines = _output_lines(proc), _json_lines(proc)
        proc.output.close()
        self._started.remove(proc)
        return lines, json_lines

    def stop(self, proc):
        """Ends one process this session started (a probe, a typebox) before the session ends."""
        _end_process(proc)
        if getattr(proc, "output", None):
            proc.output.close()
        self._started.remove(proc)

    # --- geometry, colours, real mouse gestures -------------------------

    def set_pos(self, hwnd, x, y, w, h, flags=0):
        """SetWindowPos from outside; returns the window as the probe sees it afterwards."""
        return self.probe("setpos", hwnd, x, y, w, h, flags)["window"]

    def window(self, hwnd):
        found = [w for w in self.probe("find", MAIN_CLASS)["windows"] if w["hwnd"] == hwnd]
        if not found:
            raise HarnessError(f"window {hwnd:#x} is gone")
        return found[0]

    def work_area(self):
        return self.probe("workarea")["work_area"]

    def sys_colors(self):
        return self.probe("syscolors")

    def pointer(self):
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.env(), check=True, timeout=20,
                             capture_output=True, text=True, stdin=subprocess.DEVNULL).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def point_to(self, x, y):
        """Moves the pointer; `mousemove --sync` to where it already is hangs for about 15 s."""
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def click_at(self, x, y, button=1, hold=0.05):
        """A real X click at a screen point, the button held for `hold` seconds."""
        self.point_to(x, y)
        self.xdotool("mousedown", button)
        time.sleep(hold)
        self.xdotool("mouseup", button)

    def double_click_at(self, x, y, button=1, hold=0.05, gap=0.1):
        """Two real X clicks at a screen point, well inside the system's double-click time."""
        self.point_to(x, y)
        self.xdotool("mousedown", button, "sleep", hold, "mouseup", button, "sleep", gap,
                     "mousedown", button, "sleep", hold, "mouseup", button)

    def drag(self, start, end, button=1, steps=8):
        """Presses at start, moves to end in steps (Wine's move loop follows motion), releases."""
        (x0, y0), (x1, y1) = start, end
        self.point_to(x0, y0)
        self.xdotool("mousedown", button)
        time.sleep(0.1)
        for i in range(1, steps + 1):
            self.xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.03)
        time.sleep(0.1)
        self.xdotool("mouseup", button)


    # --- notification area ----------------------------------------------

    def tray_icons(self):
        """Wine's tray icon windows, left to right (the order they were added)."""
        return [icon for icon in self.probe("tray")["icons"] if icon["visible"]]

    def wait_tray_icons(self, count, timeout=10.0):
        """The tray icons once there are exactly `count`; allow for Wine's slow last delete."""
        def settled():
            icons = self.tray_icons()
            return (icons,) if len(icons) == count else None
        return wait_until(f"{count} tray icon(s)", settled, timeout)[0]

    def taskbar_created(self, hwnd=None):
        """Sends the shell's "TaskbarCreated" message: to every top-level window, or posts it to one."""
        return self.probe("taskbar-created", *([hwnd] if hwnd else []))

    def tray_delete(self, owner, icon_id=0):
        """Deletes a program's tray icon from outside, as a restarted shell would have forgotten it."""
        return self.probe("tray-delete", owner, icon_id)

    def tooltip(self, timeout_ms=3000):
        """The text of the tooltip showing now, or None when none shows within the time."""
        found = self.probe("tooltip", timeout_ms, timeout=timeout_ms / 1000 + 20, check=False)
        return found if found.get("found") else None

# --- the popup menu and the tray modes ---------------------------------------

def point_at(s, icon, dx=0):
    x, y = s.center(icon["screen"])
    s.point_to(x + dx, y)


def click_icon(s, icon, button=1):
    s.click_at(*s.center(icon["screen"]), button=button)


def leave_float_mode(s, hwnd, caption, icon_count):
    """From the floating window's menu to a tray mode; returns the new icons."""
    s.choose(s.open_menu(s.children(hwnd)[SHIFT_ID]["screen"]), caption)
    return s.wait_tray_icons(icon_count)


def menu_window(s):
    """The screen rectangle of the open popup menu, or None."""
    shown = [w for w in s.probe("find", MENU_CLASS)["windows"] if w["visible"]]
    return shown[0]["rect"] if shown else None


def menu_offsets(s, hwnd):
    """Where each caption sits in the popup menu window. Reading the menu loads a DLL into the
    program, so long runs read it once and then click at these offsets."""
    s.click_at(*s.center(s.children(hwnd)[SHIFT_ID]["screen"]), button=3)
    items = s.probe("menu", 5000)["menu"]["items"]
    rect = wait_until("the popup menu", lambda: menu_window(s), timeout=5)
    offsets = {i["caption"]: (i["rect"]["x"] - rect["x"] + i["rect"]["w"] // 2,
                              i["rect"]["y"] - rect["y"] + i["rect"]["h"] // 2) for i in items if not i["separator"]}
    click_menu_item(s, offsets, "ｷｬﾝｾﾙ")
    return offsets


def click_menu_item(s, offsets, caption):
    """Clicks a caption of the popup menu that is opening, by its offset; waits for it to close."""
    rect = wait_until("the popup menu", lambda: menu_window(s), timeout=5)
    dx, dy = offsets[caption]
    s.click_at(rect["x"] + dx, rect["y"] + dy)
    wait_until("the menu to close", lambda: not menu_window(s), timeout=5)


def box(rect):
    """A window or control rectangle as (x, y, w, h)."""
    return rect["x"], rect["y"], rect["w"], rect["h"]


def pixel(path, x, y):
    """(r, g, b) of one pixel of an image file, read with ImageMagick."""
    out = subprocess.run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"], check=True,
                         capture_output=True, text=True, timeout=30).stdout
    # The pixel's line reads "0,0: (153,180,209)  #99B4D1  srgb(153,180,209)".
    for line in out.splitlines():
        if not line.startswith("#") and "#" in line:
            hexcode = line.split("#", 1)[1][:6]
            return tuple(int(hexcode[i:i + 2], 16) for i in (0, 2, 4))
    raise HarnessError(f"cannot read pixel {x},{y} of {path}: {out!r}")


def crop(path, rect, name, margin=4):
    """Saves the part of a screenshot around a screen rectangle next to it; returns the new path."""
    out = os.path.join(os.path.dirname(path), name)
    geometry = f"{rect['w'] + 2 * margin}x{rect['h'] + 2 * margin}+{max(0, rect['x'] - margin)}+{max(0, rect['y'] - margin)}"
    subprocess.run(["convert", path, "-crop", geometry, "+repage", out], check=True, timeout=30)
    return out


def pixels(path, rect):
    """Rows of (r, g, b) tuples: a screen rectangle of a screenshot, read with ImageMagick."""
    geometry = f"{rect['w']}x{rect['h']}+{rect['x']}+{rect['y']}"
    data = subprocess.run(["convert", path, "-crop", geometry, "+repage", "-depth", "8", "ppm:-"], check=True,
                          capture_output=True, timeout=30).stdout
    # Binary PPM: "P6", width, height, maximum value, exactly one blank, then the samples
    # (which may themselves begin with blank bytes, so no split() past the header).
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while end < len(data) and not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    rest = data[at + 1:]
    if fields[0] != b"P6":
        raise HarnessError(f"convert gave no PPM for {path}: {data[:20]!r}")
    width, height = int(fields[1]), int(fields[2])
    if (width, height) != (rect["w"], rect["h"]):
        raise HarnessError(f"{path}: asked for {geometry}, got {width}x{height}")
    return [[tuple(rest[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)] for y in range(height)]
