#!/usr/bin/env python3
"""Draws the program's 16 x 16 icon, a paw print on a round badge, as an .ico file.

    python3 tools/mainicon/mainicon.py [--out resources/icon/MAINICON.ico] [--png preview.png]

The icon holds one 32-bit image with its AND mask (the pixels outside the badge are left out).
The generated file is committed; the build does not run this program.
"""

import argparse
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "skinart"))

from imagefiles import png_bytes  # noqa: E402

SIZE = 16
BADGE = (0x2E, 0x6F, 0xC8)      # blue badge
BADGE_EDGE = (0x1B, 0x3F, 0x7A)
PAW = (0xFF, 0xFF, 0xFF)


def inside_circle(x, y, cx, cy, r):
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r


def draw():
    """Returns rows of (r, g, b) or None (left out)."""
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if not inside_circle(x, y, 8, 8, 7.8):
                row.append(None)
                continue
            colour = BADGE if inside_circle(x, y, 8, 8, 6.8) else BADGE_EDGE
            # the pad and four toes
            if inside_circle(x, y, 8, 10.6, 2.5):
                colour = PAW
            for tx, ty in ((4.0, 7.5), (6.0, 4.5), (10.0, 4.5), (12.0, 7.5)):
                if inside_circle(x, y, tx, ty, 1.2):
                    colour = PAW
            row.append(colour)
        rows.append(row)
    return rows


def ico_bytes(rows):
    colour_rows = b""
    mask_rows = b""
    for row in reversed(rows):  # bottom-up
        for px in row:
            if px is None:
                colour_rows += bytes((0, 0, 0, 0))
            else:
                r, g, b = px
                colour_rows += bytes((b, g, r, 255))
        bits = 0
        for x, px in enumerate(row):
            if px is None:
                bits |= 0x8000 >> x
        mask_rows += struct.pack(">H", bits) + b"\0\0"  # rows padded to 4 bytes
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 0, 0)
    image = header + colour_rows + mask_rows
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.normpath(os.path.join(here, "..", "..", "resources", "icon",
                                                "MAINICON.ico"))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=default_out)
    parser.add_argument("--png", help="also write an 8x enlarged preview")
    args = parser.parse_args()
    rows = draw()
    with open(args.out, "wb") as f:
        f.write(ico_bytes(rows))
    if args.png:
        scale = 8
        side = SIZE * scale
        pixels = [rows[y // scale][x // scale] or (255, 0, 255)
                  for y in range(side) for x in range(side)]
        with open(args.png, "wb") as f:
            f.write(png_bytes(side, side, pixels))


if __name__ == "__main__":
    main()
