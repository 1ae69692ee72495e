"""Tests for tools/make_icons.py and the icons committed from its output.

Run: python3 -m unittest discover -s tests/tools
"""

import contextlib
import io
import struct
import sys
import tempfile
import unittest
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
ICON_DIR = REPO / "resources" / "icons"

sys.dont_write_bytecode = True  # keep tools/ free of __pycache__
sys.path.insert(0, str(REPO / "tools"))
import make_icons  # noqa: E402

BLACK, MAROON, GREEN, NAVY, PURPLE, TEAL, SILVER, RED, YELLOW, BLUE, WHITE = 0, 1, 2, 4, 5, 6, 7, 9, 11, 12, 15
STANDARD_PALETTE = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080,
    0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF,
    0x00FFFF, 0xFFFFFF,
]
EXPECTED_SIZES = {
    "app.ico": [32, 16], "close.ico": [8],
    **{f"compact{i}.ico": [16] for i in range(4)},
    **{f"double{i}.ico": [16] for i in range(8)},
    "globe.ico": [16], "letter.ico": [16],
}
CURSORS = ["hand.cur"]


def read_ico(data):
    """Decode a 4 bpp .ico into images of top-down pixel and mask rows.

    Written independently of the generator so the two can't share a bug.
    """
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon"
    images = []
    for i in range(count):
        w, h, colours, res, planes, bpp, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        assert (w, colours, res, planes, bpp) == (h, 16, 0, 1, 4)
        assert offset + length <= len(data)
        (hsize, bw, bh, bplanes, bbpp, compression,
         *_rest) = struct.unpack_from("<IiiHHIIiiII", data, offset)
        assert (hsize, bw, bh, bplanes, bbpp, compression) == \
            (40, w, 2 * h, 1, 4, 0)
        palette = [r << 16 | g << 8 | b for b, g, r, _ in
                   struct.iter_unpack("<BBBB", data[offset + 40:offset + 104])]
        pos = offset + 104
        xor_stride = (w * 4 + 31) // 32 * 4
        and_stride = (w + 31) // 32 * 4
        assert pos + h * (xor_stride + and_stride) == offset + length
        mpos = pos + h * xor_stride
        # Rows are stored bottom-up; flip them while reading.
        pixels = [[data[pos + y * xor_stride + x // 2] >> 4 * (1 - x % 2) & 15
                   for x in range(w)] for y in reversed(range(h))]
        mask = [[bool(data[mpos + y * and_stride + x // 8] & 0x80 >> x % 8)
                 for x in range(w)] for y in reversed(range(h))]
        images.append({"size": w, "palette": palette,
                       "pixels": pixels, "mask": mask})
    return images


def read_cur(data):
    """Decode a one-image 1 bpp .cur: hot spot, palette, pixel and mask rows."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 2, 1), "not a one-image cursor"
    w, h, _colours, _res, hot_x, hot_y, length, offset = struct.unpack_from(
        "<BBBBHHII", data, 6)
    assert offset + length == len(data)
    hsize, bw, bh, planes, bpp = struct.unpack_from("<IiiHH", data, offset)
    assert (hsize, bw, bh, planes, bpp) == (40, w, 2 * h, 1, 1)
    palette = [r << 16 | g << 8 | b for b, g, r, _ in
               struct.iter_unpack("<BBBB", data[offset + 40:offset + 48])]
    stride = (w + 31) // 32 * 4
    pos = offset + 48
    mpos = pos + h * stride

    def rows(start):
        return [[bool(data[start + y * stride + x // 8] & 0x80 >> x % 8)
                 for x in range(w)] for y in reversed(range(h))]
    return {"size": w, "hotspot": (hot_x, hot_y), "palette": palette,
            "white": rows(pos), "mask": rows(mpos)}


def load(name):
    return read_ico((ICON_DIR / name).read_bytes())


def colours(img, rows):
    return {img["pixels"][y][x] for y in rows for x in range(img["size"])}


def where(img, colour, rows):
    return {(x, y) for y in rows for x in range(img["size"])
            if img["pixels"][y][x] == colour}


TOP, BOTTOM = range(0, 8), range(8, 16)


class GeneratorTest(unittest.TestCase):
    def test_committed_icons_match_sources(self):
        with tempfile.TemporaryDirectory() as tmp:
            self.assertEqual(make_icons.main([tmp]), 0)
            built = sorted(p.name for p in Path(tmp).iterdir())
            self.assertEqual(built, sorted([*EXPECTED_SIZES, *CURSORS]))
            for name in built:
                with self.subTest(name):
                    self.assertEqual((Path(tmp) / name).read_bytes(),
                                     (ICON_DIR / name).read_bytes(),
                                     "regenerate with tools/make_icons.py")

    def test_check_flags_changed_and_missing_files(self):
        with tempfile.TemporaryDirectory() as tmp:
            make_icons.main([tmp])
            self.assertEqual(make_icons.main(["--check", tmp]), 0)
            ico = Path(tmp) / "double1.ico"
            data = bytearray(ico.read_bytes())
            data[-1] ^= 1
            ico.write_bytes(bytes(data))
            (Path(tmp) / "close.ico").unlink()
            err = io.StringIO()
            with contextlib.redirect_stderr(err):
                self.assertEqual(make_icons.main(["--check", tmp]), 1)
            self.assertIn("double1.ico", err.getvalue())
            self.assertIn("close.ico", err.getvalue())
            self.assertNotIn("double0.ico", err.getvalue())
            # Writing repairs both.
            make_icons.main([tmp])
            self.assertEqual(make_icons.main(["--check", tmp]), 0)

    def test_bad_sources_are_rejected(self):
        cases = {
            "unknown pixel": "7" * 7 + "x\n" + ("7" * 8 + "\n") * 7,
            "ragged rows": ("7" * 8 + "\n") * 7 + "7" * 7 + "\n",
            "not square": ("7" * 16 + "\n") * 8,
            "unsupported size": ("7" * 12 + "\n") * 12,
            "empty": "# only a comment\n",
        }
        for what, text in cases.items():
            with self.subTest(what), self.assertRaises(make_icons.SourceError):
                make_icons.parse_image(text)
        grey = make_icons.parse_image(("0F.8" * 2 + "\n") * 8)
        with self.assertRaises(make_icons.SourceError):
            make_icons.encode_cursor(grey, (0, 0))


class IconContentTest(unittest.TestCase):
    def test_format(self):
        for name, sizes in EXPECTED_SIZES.items():
            with self.subTest(name):
                images = load(name)
                self.assertEqual([i["size"] for i in images], sizes)
                for img in images:
                    self.assertEqual(img["palette"], STANDARD_PALETTE)
                    # Masked pixels must be black or they tint the desktop.
                    for prow, mrow in zip(img["pixels"], img["mask"]):
                        for p, m in zip(prow, mrow):
                            if m:
                                self.assertEqual(p, BLACK)

    def test_compact_states(self):
        idle_fg = {TOP: BLUE, BOTTOM: GREEN}
        for n in range(4):
            held = {TOP: bool(n & 2), BOTTOM: bool(n & 1)}
            img = load(f"compact{n}.ico")[0]
            with self.subTest(n):
                self.assertFalse(any(any(r) for r in img["mask"]))
                self.assertEqual(img["pixels"][0][0],
                                 MAROON if held[TOP] else SILVER)
                for half in (TOP, BOTTOM):
                    want = {MAROON, WHITE} if held[half] else \
                        {SILVER, idle_fg[half]}
                    self.assertEqual(colours(img, half), want)

        # Held and idle halves must draw the same letters.
        idle, both = load("compact0.ico")[0], load("compact3.ico")[0]
        for half in (TOP, BOTTOM):
            self.assertEqual(where(idle, idle_fg[half], half),
                             where(both, WHITE, half))

    def test_double_discs(self):
        expect = {0: (SILVER, GREEN), 1: (RED, WHITE),
                  2: (SILVER, BLUE), 3: (RED, WHITE),
                  4: (SILVER, PURPLE), 5: (RED, WHITE),
                  6: (SILVER, TEAL), 7: (RED, WHITE)}
        imgs = {n: load(f"double{n}.ico")[0] for n in expect}
        for n, (ground, letter) in expect.items():
            img = imgs[n]
            with self.subTest(n):
                for x, y in [(0, 0), (15, 0), (0, 15), (15, 15), (1, 1)]:
                    self.assertTrue(img["mask"][y][x], (x, y))
                for x, y in [(7, 0), (0, 7), (15, 8), (8, 15), (7, 7)]:
                    self.assertFalse(img["mask"][y][x], (x, y))
                self.assertEqual(img["pixels"][3][3], ground)
                self.assertIn(letter, colours(img, range(16)))
        # Held and idle discs draw the same letter; the two letters differ.
        glyph = {n: where(imgs[n], expect[n][1], range(16)) for n in expect}
        for idle in (0, 2, 4, 6):
            self.assertEqual(glyph[idle], glyph[idle + 1])
        letters = {frozenset(glyph[idle]) for idle in (0, 2, 4, 6)}
        self.assertEqual(len(letters), 4, "C, S, A and W all differ")

    def test_close_cross(self):
        img = load("close.ico")[0]
        for i in range(8):
            for x in (i, 7 - i):
                self.assertEqual(img["pixels"][i][x], BLACK)
                self.assertFalse(img["mask"][i][x])
        for x, y in [(3, 0), (0, 3), (7, 4), (4, 7)]:
            self.assertTrue(img["mask"][y][x], (x, y))

    def test_link_icons_fill_their_square(self):
        # Drawn on white with no transparent colour, like the rest of the About panel.
        for name, needed in (("globe.ico", {BLUE, GREEN, NAVY}),
                             ("letter.ico", {BLACK, YELLOW, WHITE})):
            img = load(name)[0]
            with self.subTest(name):
                self.assertFalse(any(any(r) for r in img["mask"]))
                self.assertEqual(img["pixels"][15][15], WHITE)
                self.assertLessEqual(needed, colours(img, range(16)))

    def test_hand_cursor(self):
        cur = read_cur((ICON_DIR / "hand.cur").read_bytes())
        self.assertEqual((cur["size"], cur["hotspot"]), (32, (8, 4)))
        self.assertEqual(cur["palette"], [0x000000, 0xFFFFFF])
        # The fingertip is the hot spot: drawn black, white below it.
        self.assertFalse(cur["mask"][4][8])
        self.assertFalse(cur["white"][4][8])
        self.assertTrue(cur["white"][6][8])
        self.assertTrue(cur["mask"][4][4] and cur["mask"][31][31])
        # Strokes above the fingertip, with a gap between them and the finger.
        self.assertFalse(cur["mask"][1][8])
        self.assertTrue(cur["mask"][3][8])
        # Masked pixels carry no colour, or they would invert the screen.
        for wrow, mrow in zip(cur["white"], cur["mask"]):
            for w, m in zip(wrow, mrow):
                self.assertFalse(w and m)

    def test_app_icon(self):
        big, small = load("app.ico")
        self.assertEqual(small, load("compact0.ico")[0])
        # Name strip on top, keys below it.
        self.assertEqual(colours(big, range(0, 12)), {MAROON, WHITE})
        self.assertIn(SILVER, colours(big, range(12, 32)))


if __name__ == "__main__":
    unittest.main()
