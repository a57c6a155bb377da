#!/usr/bin/env python3
"""Draws the program's icon: a white paw print on a rounded orange tile.

Writes, relative to the repository root:
  resources/icons/hicolor/NxN/apps/petcalc.png   the desktop icon in the hicolor sizes (RGBA)
  resources/icons/MAINICON.bmp                   the 48 x 48 window icon (24-bit; the corners
                                                 outside the tile are magenta, the key colour
                                                 the window layer leaves transparent)
Python 3 standard library only. Run it after changing the art and commit what it writes.
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
WINDOW_ICON_SIZE = 48
KEY = (255, 0, 255)

TOP = (250, 176, 72)     # tile gradient, top
BOTTOM = (222, 100, 38)  # tile gradient, bottom
EDGE = (168, 70, 24)     # tile border
PAW = (255, 255, 255)
SHADOW = (150, 60, 20)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def in_rounded_square(x, y, inset, radius):
    """Whether (x, y) in unit coordinates lies inside the square [inset, 1 - inset] with
    rounded corners of the given radius."""
    lo, hi = inset + radius, 1 - inset - radius
    cx = min(max(x, lo), hi)
    cy = min(max(y, lo), hi)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and inset <= x <= 1 - inset and inset <= y <= 1 - inset


def in_ellipse(x, y, cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(angle), math.sin(angle)
    dx, dy = x - cx, y - cy
    u, v = dx * c + dy * s, -dx * s + dy * c
    return (u / rx) ** 2 + (v / ry) ** 2 <= 1


# The paw: a main pad and four toes, in unit coordinates.
PADS = [
    (0.50, 0.64, 0.19, 0.155, 0.0),
    (0.27, 0.44, 0.075, 0.095, -0.45),
    (0.40, 0.31, 0.078, 0.10, -0.15),
    (0.60, 0.31, 0.078, 0.10, 0.15),
    (0.73, 0.44, 0.075, 0.095, 0.45),
]


def in_paw(x, y, dx=0.0, dy=0.0):
    return any(in_ellipse(x - dx, y - dy, cx, cy, rx, ry, a) for cx, cy, rx, ry, a in PADS)


def sample(x, y, size):
    """Colour and coverage (0 or 1) of one sub-pixel sample."""
    inset = 0.5 / size if size < 32 else 1.0 / 32
    radius = 0.2
    if not in_rounded_square(x, y, inset, radius):
        return None
    border = 1.0 / size if size < 64 else 1.5 / 64
    if not in_rounded_square(x, y, inset + border, radius - border):
        return EDGE
    if in_paw(x, y):
        return PAW
    if size >= 32 and in_paw(x, y, 0.0, 0.025):
        return SHADOW
    return lerp(TOP, BOTTOM, y)


def render(size):
    """RGBA rows of the icon at one size, 4 x 4 samples a pixel."""
    n = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(n):
                for sx in range(n):
                    c = sample((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size, size)
                    if c is not None:
                        r, g, b, covered = r + c[0], g + c[1], b + c[2], covered + 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((r // covered, g // covered, b // covered, round(255 * covered / (n * n))))
        rows.append(row)
    return rows


def png_bytes(rows):
    h, w = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def bmp_bytes(rows):
    """24-bit .bmp: covered pixels keep their colour, uncovered ones become the key colour."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = b""
        for r, g, b, a in row:
            line += bytes(KEY[::-1]) if a < 128 else bytes((b, g, r))
        pixels += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(info) + len(pixels), 0, 0, 14 + len(info)) + info + pixels


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    out = os.path.join(root, "resources", "icons")
    for size in SIZES:
        rows = render(size)
        folder = os.path.join(out, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "petcalc.png"), "wb") as f:
            f.write(png_bytes(rows))
        if size == WINDOW_ICON_SIZE:
            with open(os.path.join(out, "MAINICON.bmp"), "wb") as f:
                f.write(bmp_bytes(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
