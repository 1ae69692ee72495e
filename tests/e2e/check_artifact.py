"""Checks the shipped ModLatch.exe: a 32-bit GUI program within its size budget whose imports are
known DLLs only (the MinGW runtime must be linked in)."""

import os
import re
import subprocess
import sys

# Imports are resolved before the program can restrict the DLL search, and Windows takes any
# DLL that is not a known DLL from the program's folder first: a file dropped beside the exe
# would run. Every other DLL is loaded at run time from the system folder; widening this list
# is a decision, not an accident.
ALLOWED_IMPORTS = {"gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll"}

# A narrow std::string, iostream or the default terminate handler each bring in tens of KB of
# libstdc++ at once; this catches them coming back.
SIZE_BUDGET = 160 * 1024


def inspect(path):
    result = subprocess.run(["i686-w64-mingw32-objdump", "-p", path], capture_output=True, text=True)
    dump = result.stdout if result.returncode == 0 else ""
    fmt = re.search(r"file format (\S+)", dump)
    subsystem = re.search(r"^Subsystem\s+\S+\s+\((.*)\)", dump, re.M)
    machine = re.search(r"^Machine\s+\S+\s+\((.*)\)", dump, re.M) or re.search(
        r"architecture: (\S+)", dump)
    dlls = sorted({name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)})
    return {
        "format": fmt.group(1) if fmt else "",
        "subsystem": subsystem.group(1) if subsystem else "",
        "machine": machine.group(1) if machine else "",
        "dlls": dlls,
    }


def problems_with(info, size):
    problems = []
    if size > SIZE_BUDGET:
        problems.append(f"{size} bytes, over the budget of {SIZE_BUDGET}")
    if info["format"] != "pei-i386":
        problems.append(f"not a PE32 (i386) image: {info['format']!r}")
    if info["subsystem"] != "Windows GUI":
        problems.append(f"subsystem is {info['subsystem']!r}, not Windows GUI")
    if not info["dlls"]:
        problems.append("no imported DLLs found (objdump output not understood)")
    foreign = [d for d in info["dlls"] if d not in ALLOWED_IMPORTS]
    if foreign:
        problems.append(f"imports DLLs outside {', '.join(sorted(ALLOWED_IMPORTS))}: {', '.join(foreign)}")
    return problems


def main():
    if len(sys.argv) != 2:
        print("usage: check_artifact.py ModLatch.exe")
        return 2
    path = sys.argv[1]
    if not os.path.isfile(path):
        print(f"FAIL: {path} does not exist")
        return 1
    info = inspect(path)
    size = os.path.getsize(path)
    print(f"{path}: {info['format']}, {info['subsystem']}, {size} bytes ({size / 1024:.1f} KiB)")
    print(f"imports: {', '.join(info['dlls'])}")
    problems = problems_with(info, size)
    for p in problems:
        print(f"FAIL: {p}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
