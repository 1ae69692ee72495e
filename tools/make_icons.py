#!/usr/bin/env python3
"""Build the program's .ico and .cur files from the pixel sources in resources/icons.

Each source is a text file: one line per pixel row, one character per pixel.
0-9 and A-F pick a colour from the standard 16-colour Windows palette, '.'
is transparent. Lines starting with '#' and blank lines are ignored.
A cursor is two-colour: its source may use only 0 (black), F (white) and '.'.

    python3 tools/make_icons.py OUT_DIR           write every icon into OUT_DIR
    python3 tools/make_icons.py --check DIR       exit 1 if DIR is out of date

The output depends only on the sources, so the committed icons can be
checked against them byte for byte.
"""

import argparse
import struct
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
DEFAULT_SRC = REPO / "resources" / "icons"

# Index order is the Windows default 16-colour palette, so the digit in a
# source file is also the palette index written to the bitmap.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # A lime
    (0xFF, 0xFF, 0x00),  # B yellow
    (0x00, 0x00, 0xFF),  # C blue
    (0xFF, 0x00, 0xFF),  # D fuchsia
    (0x00, 0xFF, 0xFF),  # E aqua
    (0xFF, 0xFF, 0xFF),  # F white
]
TRANSPARENT = "."

# Output icon -> the source images it holds, largest first. The small app
# icon is the same picture the tray shows when nothing is held.
ICONS = {
    "app.ico": ["app32", "compact0"],
    "compact0.ico": ["compact0"],
    "compact1.ico": ["compact1"],
    "compact2.ico": ["compact2"],
    "compact3.ico": ["compact3"],
    "double0.ico": ["double0"],
    "double1.ico": ["double1"],
    "double2.ico": ["double2"],
    "double3.ico": ["double3"],
    "double4.ico": ["double4"],
    "double5.ico": ["double5"],
    "double6.ico": ["double6"],
    "double7.ico": ["double7"],
    "close.ico": ["close"],
    "globe.ico": ["globe"],
    "letter.ico": ["letter"],
}

# Output cursor -> its source and its hot spot (x, y).
CURSORS = {
    "hand.cur": ("hand", (8, 4)),
}
CURSOR_COLOURS = {0, 15}

SIZES = (8, 16, 32)


class SourceError(Exception):
    pass


def parse_image(text, name="<source>"):
    """Return the image as a list of rows; each pixel is an index or None."""
    rows = []
    for lineno, line in enumerate(text.splitlines(), 1):
        line = line.rstrip()
        if not line or line.startswith("#"):
            continue
        row = []
        for ch in line:
            if ch == TRANSPARENT:
                row.append(None)
            elif ch in "0123456789ABCDEFabcdef":
                row.append(int(ch, 16))
            else:
                raise SourceError(f"{name}:{lineno}: bad pixel {ch!r}")
        rows.append(row)
    if not rows:
        raise SourceError(f"{name}: no pixel rows")
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            raise SourceError(f"{name}: rows differ in width")
    if width != len(rows) or width not in SIZES:
        raise SourceError(
            f"{name}: {width}x{len(rows)} is not one of "
            + ", ".join(f"{s}x{s}" for s in SIZES))
    return rows


def _pad4(data):
    return data + b"\0" * (-len(data) % 4)


def encode_image(rows):
    """One ICO image: BITMAPINFOHEADER, palette, 4 bpp colours, 1 bpp mask."""
    size = len(rows)
    xor = bytearray()
    mask = bytearray()
    # DIB rows are stored bottom-up.
    for row in reversed(rows):
        # Transparent pixels are black in the colour plane so that
        # (screen AND 1) XOR 0 leaves the screen untouched.
        idx = [0 if p is None else p for p in row]
        line = bytes((idx[x] << 4) | idx[x + 1] for x in range(0, size, 2))
        xor += _pad4(line)
        bits = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += _pad4(bytes(bits))
    header = struct.pack(
        "<IiiHHIIiiII",
        40,             # biSize
        size,           # biWidth
        size * 2,       # biHeight covers colour plane and mask
        1,              # biPlanes
        4,              # biBitCount
        0,              # BI_RGB
        len(xor) + len(mask),
        0, 0,           # resolution is meaningless for icons
        0, 0)           # all 16 colours are used
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def encode_icon(images):
    """A whole .ico file from a list of images (lists of rows)."""
    blobs = [encode_image(rows) for rows in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def encode_cursor(rows, hotspot):
    """A whole .cur file: one 1 bpp image, black and white, with its hot spot."""
    size = len(rows)
    for row in rows:
        if not set(row) - {None} <= CURSOR_COLOURS:
            raise SourceError("a cursor may use only 0 (black), F (white) and '.'")
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        colour = bytearray((size + 7) // 8)
        bits = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
            elif p == 15:
                colour[x // 8] |= 0x80 >> (x % 8)
        xor += _pad4(bytes(colour))
        mask += _pad4(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0,
                         len(xor) + len(mask), 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    blob = header + palette + bytes(xor) + bytes(mask)
    out = struct.pack("<HHH", 0, 2, 1)
    # In a cursor's directory entry the planes and bit-count fields hold the hot spot.
    out += struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1],
                       len(blob), 6 + 16)
    return out + blob


def build_all(src_dir):
    """Return {file name: bytes} for every icon and cursor, read from src_dir."""
    src_dir = Path(src_dir)
    cache = {}

    def load(stem):
        if stem not in cache:
            path = src_dir / f"{stem}.txt"
            try:
                text = path.read_text(encoding="ascii")
            except FileNotFoundError:
                raise SourceError(f"{path}: missing") from None
            cache[stem] = parse_image(text, path.name)
        return cache[stem]

    result = {}
    for name, stems in ICONS.items():
        images = [load(s) for s in stems]
        sizes = [len(i) for i in images]
        if len(set(sizes)) != len(sizes):
            raise SourceError(f"{name}: two images of the same size")
        result[name] = encode_icon(images)
    for name, (stem, hotspot) in CURSORS.items():
        rows = load(stem)
        try:
            result[name] = encode_cursor(rows, hotspot)
        except SourceError as e:
            raise SourceError(f"{stem}.txt: {e}") from None

    # A source nobody uses is almost always a typo in ICONS.
    unused = sorted(p.stem for p in src_dir.glob("*.txt")
                    if p.stem not in cache)
    if unused:
        raise SourceError("unused sources: " + ", ".join(unused))
    return result


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("out_dir", help="directory to write or check")
    ap.add_argument("--check", action="store_true",
                    help="compare instead of writing; exit 1 on a difference")
    ap.add_argument("--src", default=str(DEFAULT_SRC),
                    help="directory of .txt sources (default: %(default)s)")
    args = ap.parse_args(argv)

    try:
        icons = build_all(args.src)
    except SourceError as e:
        print(f"make_icons: {e}", file=sys.stderr)
        return 2

    out = Path(args.out_dir)
    if args.check:
        stale = []
        for name, data in icons.items():
            path = out / name
            if not path.is_file() or path.read_bytes() != data:
                stale.append(name)
        for name in stale:
            print(f"make_icons: {out / name} is out of date", file=sys.stderr)
        return 1 if stale else 0

    out.mkdir(parents=True, exist_ok=True)
    for name, data in icons.items():
        path = out / name
        if not path.is_file() or path.read_bytes() != data:
            path.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
