"""Makes the release zip and its checksum file, byte for byte the same for the same commit.

usage: make_package.py VERSION EXE SOURCE_DIR OUT_DIR

OUT_DIR receives ModLatch-VERSION-win32.zip, holding one folder ModLatch-VERSION, and
SHA256SUMS. Entries come in a fixed order, all dated from SOURCE_DATE_EPOCH or else the
commit date of SOURCE_DIR, with fixed attributes: nothing of the machine or the moment of
the build gets in. Text files get Windows line ends on the way in.

Not CPack: its ZIP generator (CMake 3.25) takes SOURCE_DATE_EPOCH but stores the entries in
directory-listing order with the builder's Unix owner and modes, names the top folder after
the zip, and has no step to turn the texts into what Windows reads.
"""

import hashlib
import os
import subprocess
import sys
import time
import zipfile

# Name in the zip, file in the source tree, how its text is stored for Windows (None: as is).
CONTENTS = [
    ("ModLatch.exe", None, None),
    ("ModLatch.hlp", "resources/ModLatch.hlp", None),
    ("ModLatch.en.hlp", "resources/ModLatch.en.hlp", None),
    # Renamed to ModLatch.ini it is read in the ANSI code page, like the file the program writes.
    ("ModLatch.ini.example", "resources/ModLatch.ini.example", "cp932"),
    # With a byte-order mark, so that older Notepads also read it as UTF-8.
    ("README.txt", "resources/README.txt", "utf-8-sig"),
    ("LICENSE.txt", "LICENSE", "ascii"),
]

DOS_DIRECTORY, DOS_ARCHIVE = 0x10, 0x20


def package_names(version):
    return f"ModLatch-{version}", f"ModLatch-{version}-win32.zip"


def build_date(source_dir):
    """The commit's date as zip time (UTC, even seconds: zip keeps two-second steps)."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        epoch = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"], check=True,
                               capture_output=True, text=True).stdout.strip()
    date = time.gmtime(max(int(epoch), 315532800))  # zip dates start in 1980
    return date[:5] + (date.tm_sec - date.tm_sec % 2,)


def windows_text(data, encoding):
    text = data.decode("utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
    return text.encode(encoding)


def entry(name, date, attributes):
    info = zipfile.ZipInfo(name, date_time=date)
    info.create_system = 0  # MS-DOS attributes only: no Unix owner or mode
    info.external_attr = attributes
    info.compress_type = zipfile.ZIP_STORED if name.endswith("/") else zipfile.ZIP_DEFLATED
    return info


def make_package(version, exe, source_dir, out_dir):
    folder, zip_name = package_names(version)
    date = build_date(source_dir)
    zip_path = os.path.join(out_dir, zip_name)
    os.makedirs(out_dir, exist_ok=True)
    with zipfile.ZipFile(zip_path + ".part", "w") as archive:
        archive.writestr(entry(folder + "/", date, DOS_DIRECTORY), b"")
        for name, source, encoding in CONTENTS:
            with open(exe if source is None else os.path.join(source_dir, source), "rb") as f:
                data = f.read()
            if encoding:
                data = windows_text(data, encoding)
            archive.writestr(entry(f"{folder}/{name}", date, DOS_ARCHIVE), data, compresslevel=9)
    os.replace(zip_path + ".part", zip_path)
    with open(zip_path, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(os.path.join(out_dir, "SHA256SUMS"), "w", newline="\n") as f:
        f.write(f"{digest}  {zip_name}\n")
    return zip_path, digest


def main():
    if len(sys.argv) != 5:
        print(__doc__.split("\n\n")[1])
        return 2
    zip_path, digest = make_package(*sys.argv[1:])
    print(f"{zip_path}: {os.path.getsize(zip_path)} bytes, sha256 {digest}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
