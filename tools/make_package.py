"""Makes the release zip, its checksum file and its winget and Scoop manifests, byte for byte
the same for the same commit.

usage: make_package.py VERSION EXE SOURCE_DIR OUT_DIR DOWNLOAD_URL HOMEPAGE

OUT_DIR receives ModLatch-VERSION-win32.zip, holding one folder ModLatch-VERSION, and
SHA256SUMS. Entries come in a fixed order, all dated from SOURCE_DATE_EPOCH or else the
commit date of SOURCE_DIR, with fixed attributes: nothing of the machine or the moment of
the build gets in. Text files get Windows line ends on the way in.

OUT_DIR/manifests/winget/ and OUT_DIR/manifests/scoop/modlatch.json describe that zip to the
two Windows package managers: the zip is found at DOWNLOAD_URL ("{version}" in it replaced)
followed by the zip's name. Publisher, name and description come from the English block of
the version resource, so Explorer and the package managers say the same.

Not CPack: its ZIP generator (CMake 3.25) takes SOURCE_DATE_EPOCH but stores the entries in
directory-listing order with the builder's Unix owner and modes, names the top folder after
the zip, and has no step to turn the texts into what Windows reads.
"""

import hashlib
import json
import os
import re
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


def build_time(source_dir):
    """SOURCE_DATE_EPOCH or the commit's date, as UTC struct_time."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        epoch = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"], check=True,
                               capture_output=True, text=True).stdout.strip()
    return time.gmtime(max(int(epoch), 315532800))  # zip dates start in 1980


def zip_date(date):
    return date[:5] + (date.tm_sec - date.tm_sec % 2,)  # zip keeps two-second steps


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
    date = zip_date(build_time(source_dir))
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


def version_strings(source_dir):
    """The literal strings of the version resource's English (US, Unicode) block."""
    with open(os.path.join(source_dir, "resources", "modlatch.rc"), encoding="utf-8") as f:
        rc = f.read()
    block = re.search(r'BLOCK "040904B0"\s*BEGIN(.*?)\bEND\b', rc, re.S).group(1)
    return {name: text.replace('""', '"') for name, text in re.findall(r'VALUE "(\w+)", "((?:[^"]|"")*)"', block)}


# Plain YAML scalars only where no YAML 1.1 reader could take them for anything but a string
# (1.10 is a float, "no" a boolean, "a: b" a mapping); the rest single-quoted.
PLAIN = re.compile(r"[A-Za-z][\w .,'()/\\:+-]*")
YAML_WORDS = {"y", "n", "yes", "no", "on", "off", "true", "false", "null"}


def yaml_scalar(text):
    if (PLAIN.fullmatch(text) and ": " not in text and not text.endswith((" ", ":"))
            and text.lower() not in YAML_WORDS):
        return text
    return "'" + text.replace("'", "''") + "'"


def yaml_lines(value, indent=""):
    """Block-style YAML of the nested dicts, lists and strings the manifests use."""
    lines = []
    for key, item in value.items():
        if isinstance(item, list):
            lines.append(f"{indent}{key}:")
            for element in item:
                first, *rest = yaml_lines(element, indent + "  ")
                lines += [f"{indent}- {first[len(indent) + 2:]}"] + rest
        else:
            lines.append(f"{indent}{key}: {yaml_scalar(item)}")
    return lines


def write_text(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def write_manifests(version, digest, source_dir, out_dir, download_url, homepage):
    folder, zip_name = package_names(version)
    strings = version_strings(source_dir)
    name, publisher, description = strings["ProductName"], strings["CompanyName"], strings["FileDescription"]
    # The publisher's first word names the publisher's namespace: ZQ5.ModLatch.
    package_id = re.match(r"[A-Za-z0-9]+", publisher).group(0) + "." + name
    url = download_url.replace("{version}", version) + zip_name
    exe = name + ".exe"

    common = {"PackageIdentifier": package_id, "PackageVersion": version}
    winget = {
        "version": {**common, "DefaultLocale": "en-US"},
        "installer": {
            **common,
            "InstallerType": "zip",
            "NestedInstallerType": "portable",
            "NestedInstallerFiles": [{"RelativeFilePath": f"{folder}\\{exe}", "PortableCommandAlias": name.lower()}],
            "ReleaseDate": time.strftime("%Y-%m-%d", build_time(source_dir)),
            "Installers": [{"Architecture": "x86", "InstallerUrl": url, "InstallerSha256": digest.upper()}],
        },
        "defaultLocale": {
            **common,
            "PackageLocale": "en-US",
            "Publisher": publisher,
            "PackageName": name,
            "PackageUrl": homepage,
            "License": "MIT",
            "Copyright": strings["LegalCopyright"],
            "ShortDescription": description,
            "Moniker": name.lower(),
        },
    }
    file_names = {"version": "", "installer": ".installer", "defaultLocale": ".locale.en-US"}
    for kind, fields in winget.items():
        fields.update(ManifestType=kind, ManifestVersion="1.6.0")
        header = [f"# Made by tools/make_package.py for {zip_name}.",
                  f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}.1.6.0.schema.json", ""]
        write_text(os.path.join(out_dir, "manifests", "winget", f"{package_id}{file_names[kind]}.yaml"),
                   "\n".join(header + yaml_lines(fields)) + "\n")

    ini = name + ".ini"
    scoop = {
        "version": version,
        "description": description,
        "homepage": homepage,
        "license": "MIT",
        "url": url,
        "hash": digest,
        "extract_dir": folder,
        "bin": [[exe, name.lower()]],
        "shortcuts": [[exe, name]],
        # Scoop makes a folder of a persisted name that exists nowhere yet: an empty file
        # first, which the program reads as no settings at all.
        "pre_install": f'if (!(Test-Path "$persist_dir\\{ini}")) {{ New-Item "$dir\\{ini}" -ItemType File | Out-Null }}',
        "persist": ini,
    }
    write_text(os.path.join(out_dir, "manifests", "scoop", name.lower() + ".json"),
               json.dumps(scoop, indent=4, ensure_ascii=False) + "\n")


def main():
    if len(sys.argv) != 7:
        print(__doc__.split("\n\n")[1])
        return 2
    version, exe, source_dir, out_dir, download_url, homepage = sys.argv[1:]
    zip_path, digest = make_package(version, exe, source_dir, out_dir)
    write_manifests(version, digest, source_dir, out_dir, download_url, homepage)
    print(f"{zip_path}: {os.path.getsize(zip_path)} bytes, sha256 {digest}; manifests in "
          f"{os.path.join(out_dir, 'manifests')}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
