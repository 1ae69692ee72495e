"""The release zip (scripts/package.sh): what it holds, its winget and Scoop manifests, and the
shipped exe run from it under 32-bit Wine, unzipped where a user would put it: a folder named
with spaces and Japanese characters on drive C: of a prefix of its own.
"""

import hashlib
import json
import os
import re
import shutil
import sys
import time
import unittest
import zipfile

import jsonschema
import yaml

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
from harness import Session  # noqa: E402
from test_about_help import HELP_CLASS, HELP_ITEM, help_topics  # noqa: E402

SOURCE = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FILES = ["ModLatch.exe", "ModLatch.hlp", "ModLatch.en.hlp", "ModLatch.ini.example", "README.txt", "LICENSE.txt"]
CTRL_ID, SHIFT_ID = 1000, 1001
UNZIP_FOLDER = "ダウンロード した ツール"
COLOR_LINE = b"ShiftBgColor_0=C0FFC0"
SCHEMAS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "schemas")  # see SOURCE.txt there


def project_version():
    with open(os.path.join(SOURCE, "CMakeLists.txt"), encoding="utf-8") as f:
        return re.search(r"project\(ModLatch VERSION (\d+\.\d+\.\d+)", f.read()).group(1)


def package():
    """The zip, its folder name and the SHA256SUMS file, beside the build trees."""
    version = project_version()
    out = os.path.dirname(harness.shipped_dir())
    return os.path.join(out, f"ModLatch-{version}-win32.zip"), f"ModLatch-{version}", os.path.join(out, "SHA256SUMS")


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Contents(unittest.TestCase):
    def test_one_folder_with_the_listed_files_and_the_shipped_exe(self):
        zip_path, folder, sums = package()
        self.assertTrue(os.path.isfile(zip_path), f"{zip_path}: run scripts/package.sh")
        with zipfile.ZipFile(zip_path) as z:
            self.assertEqual(z.namelist(), [folder + "/"] + [f"{folder}/{name}" for name in FILES])
            inside = {name: z.read(f"{folder}/{name}") for name in FILES}
        self.assertEqual(read(sums).decode(), f"{hashlib.sha256(read(zip_path)).hexdigest()}  {os.path.basename(zip_path)}\n")
        self.assertEqual(inside["ModLatch.exe"], read(os.path.join(harness.shipped_dir(), "ModLatch.exe")),
                         "the exe inside is the shipped i686 build")
        for help_file in ("ModLatch.hlp", "ModLatch.en.hlp"):
            self.assertEqual(inside[help_file], read(os.path.join(SOURCE, "resources", help_file)))
        self.assertEqual(inside["LICENSE.txt"], read(os.path.join(SOURCE, "LICENSE")).replace(b"\n", b"\r\n"))
        # Renamed to ModLatch.ini the sample is read in the ANSI code page, as the program writes it.
        sample = inside["ModLatch.ini.example"].decode("cp932")
        self.assertIn("\r\n;" + COLOR_LINE.decode() + "\r\n", sample)
        self.assertNotIn("\n\n", sample.replace("\r\n", "\r"), "Windows line ends throughout")


def validator(schema):
    """Draft-07 with the formats checked: without python3-rfc3987 "uri" would pass anything."""
    checker = jsonschema.Draft7Validator.FORMAT_CHECKER
    assert {"uri", "date", "regex"} <= set(checker.checkers), "install python3-rfc3987"
    with open(os.path.join(SCHEMAS, schema), encoding="utf-8") as f:
        return jsonschema.Draft7Validator(json.load(f), format_checker=checker)


class Manifests(unittest.TestCase):
    def test_winget_and_scoop_manifests_are_valid_and_name_this_zip(self):
        zip_path, folder, sums = package()
        digest, version, exe = hashlib.sha256(read(zip_path)).hexdigest(), project_version(), folder + "/ModLatch.exe"
        self.assertEqual(read(sums).decode().split()[0], digest)
        where = os.path.join(os.path.dirname(zip_path), "manifests")
        winget = {}
        for kind, suffix in [("version", ""), ("installer", ".installer"), ("defaultLocale", ".locale.en-US")]:
            text = read(os.path.join(where, "winget", f"ZQ5.ModLatch{suffix}.yaml")).decode()
            check = validator(f"manifest.{kind}.1.6.0.json")
            self.assertIn(f"\n# yaml-language-server: $schema={check.schema['$id']}\n".lower(), text.lower())
            self.assertNotIn("\r", text)
            winget[kind] = yaml.safe_load(text)
            check.validate(winget[kind])
            self.assertEqual((winget[kind]["PackageIdentifier"], winget[kind]["PackageVersion"]), ("ZQ5.ModLatch", version))
        installer = winget["installer"]
        [entry] = installer["Installers"]
        self.assertEqual((installer["InstallerType"], installer["NestedInstallerType"], entry["Architecture"]),
                         ("zip", "portable", "x86"))
        self.assertEqual(installer["NestedInstallerFiles"],
                         [{"RelativeFilePath": exe.replace("/", "\\"), "PortableCommandAlias": "modlatch"}])
        self.assertEqual(entry["InstallerSha256"].lower(), digest)
        self.assertTrue(entry["InstallerUrl"].endswith("/" + os.path.basename(zip_path)))

        scoop = json.loads(read(os.path.join(where, "scoop", "modlatch.json")))
        check = validator("scoop.schema.json")
        check.validate(scoop)
        self.assertEqual([scoop[k] for k in ("version", "hash", "url", "extract_dir", "persist")],
                         [version, digest, entry["InstallerUrl"], folder, "ModLatch.ini"])
        self.assertEqual(scoop["shortcuts"][0][0], "ModLatch.exe")

        # The schemas can say no: a format broken, a required field gone.
        self.assertFalse(check.is_valid(dict(scoop, url="no scheme here")))
        del entry["InstallerSha256"]
        self.assertFalse(validator("manifest.installer.1.6.0.json").is_valid(installer))

    def test_yaml_scalars_read_back_as_the_strings_written(self):
        sys.dont_write_bytecode = True  # keep tools/ free of __pycache__
        sys.path.insert(0, os.path.join(SOURCE, "tools"))
        import make_package
        for text in ["1.10", "no", "On", "null", "a: b", "#x", "ZQ5's software", "'quoted'", "2024-01-02",
                     "C:\\dir\\ModLatch.exe", "https://example.invalid/a?b=c", "- item", "trailing "]:
            self.assertEqual(yaml.safe_load(f"Key: {make_package.yaml_scalar(text)}\n"), {"Key": text}, text)


def prefix_files(prefix):
    return {os.path.relpath(os.path.join(d, f), prefix) for d, _, files in os.walk(prefix) for f in files}


class UnzippedAndStarted(unittest.TestCase):
    def test_runs_from_its_folder_opens_its_help_and_writes_only_there(self):
        zip_path, folder, _ = package()
        with Session("package", bits=32, start_app=False, prefix="package-wineprefix") as s:
            place = os.path.join(s.prefix, "drive_c", UNZIP_FOLDER)
            shutil.rmtree(place, ignore_errors=True)
            self.addCleanup(shutil.rmtree, place, True)
            with zipfile.ZipFile(zip_path) as z:
                z.extractall(place)
            top = os.path.join(place, folder)
            exe = f"C:\\{UNZIP_FOLDER}\\{folder}\\ModLatch.exe"

            found = s.probe("version", exe)
            numbers = project_version() + ".0"
            self.assertEqual(found["version"], numbers)
            self.assertEqual([b["block"] for b in found["blocks"]], ["041104b0", "040904b0"], "Japanese and English")
            for block in found["blocks"]:
                self.assertEqual(block["strings"]["ProductName"], "ModLatch")
                self.assertEqual(block["strings"]["ProductVersion"], project_version())
                self.assertIn("Copyright", block["strings"]["LegalCopyright"])

            before = prefix_files(s.prefix)
            s.app = s.launch(exe, cwd=top)
            plain = self.observe(s, "package-no-ini.png")
            main = s.main_window()["hwnd"]
            s.choose(s.open_menu(s.children(main)[CTRL_ID]["screen"]), HELP_ITEM)
            help_window = s.probe("wait-window", HELP_CLASS, 5000, check=False)
            self.assertTrue(help_window["found"], "no help window")
            self.assertEqual(help_window["windows"][0]["title"], "ModLatch ヘルプ - 目次")
            edit = next(k for k in s.probe("children", help_window["windows"][0]["hwnd"])["children"]
                        if k["class"].lower() == "edit")
            self.assertEqual(s.probe("text", edit["hwnd"])["text"], help_topics()[0][1])
            s.close_app(main)
            self.assertEqual(prefix_files(s.prefix) - before, {os.path.join("drive_c", UNZIP_FOLDER, folder, "ModLatch.ini")},
                             "the exit writes ModLatch.ini beside the exe and nothing anywhere else")
            self.assertEqual(before - prefix_files(s.prefix), set())

            # The sample renamed, with one colour line taken in: only that colour changes.
            ini = os.path.join(top, "ModLatch.ini")
            os.replace(os.path.join(top, "ModLatch.ini.example"), ini)
            with open(ini, "r+b") as f:
                text = f.read().replace(b"\r\n;" + COLOR_LINE, b"\r\n" + COLOR_LINE)
                f.seek(0)
                f.write(text)
                f.truncate()
            s.app = s.launch(exe, cwd=top)
            coloured = self.observe(s, "package-sample-ini.png")
            s.close_app(s.main_window()["hwnd"])
            self.assertEqual(coloured["shift"], (0xC0, 0xFF, 0xC0))
            self.assertNotEqual(plain["shift"], coloured["shift"])
            plain.pop("shift"), coloured.pop("shift")
            self.assertEqual(coloured, plain)

    def observe(self, s, shot):
        """What a start shows: the window's place and size, the captions and the buttons' colours."""
        main = s.main_window()
        kids = s.children(main["hwnd"])
        time.sleep(0.3)  # a tick or two: the looks are set by the first refresh
        path = s.screenshot(shot)
        harness.crop(path, main["rect"], shot.replace(".png", "-window.png"))
        shift, ctrl = kids[SHIFT_ID]["screen"], kids[CTRL_ID]["screen"]
        return {"rect": main["rect"], "captions": (kids[SHIFT_ID]["text"], kids[CTRL_ID]["text"]),
                "shift": harness.pixel(path, shift["x"] + 6, shift["y"] + 6),
                "ctrl": harness.pixel(path, ctrl["x"] + 6, ctrl["y"] + 6)}


if __name__ == "__main__":
    unittest.main(verbosity=2)
