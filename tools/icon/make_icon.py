#!/usr/bin/env python3
"""Draws the program's desktop and window icons: the design of the 16 x 16 title-bar icon
(tools/mainicon: a white paw print on a round blue badge), smooth at every size.

Writes, relative to the repository root:
  resources/icons/hicolor/NxN/apps/petcalc.png   the desktop icon in the hicolor sizes (RGBA)
  resources/icons/MAINICON.bmp                   the 48 x 48 window icon (24-bit; the pixels
                                                 outside the badge are magenta, the key colour
                                                 the window layer leaves transparent)
Python 3 standard library only. Run it after changing the art and commit what it writes.
"""

import os
import struct
import sys
import zlib

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
WINDOW_ICON_SIZE = 48
KEY = (255, 0, 255)

# The title-bar icon's colours and shapes, in sixteenths of the side.
BADGE = (0x2E, 0x6F, 0xC8)
BADGE_EDGE = (0x1B, 0x3F, 0x7A)
PAW = (0xFF, 0xFF, 0xFF)
BADGE_RADIUS = 7.8 / 16
BADGE_INNER = 6.8 / 16
PADS = [(8 / 16, 10.6 / 16, 2.5 / 16)] + [
    (x / 16, y / 16, 1.2 / 16) for x, y in ((4.0, 7.5), (6.0, 4.5), (10.0, 4.5), (12.0, 7.5))]


def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def sample(x, y, size):
    """Colour of one sub-pixel sample, or None outside the badge."""
    if not in_circle(x, y, 0.5, 0.5, BADGE_RADIUS):
        return None
    # The rim keeps at least one pixel at small sizes.
    inner = min(BADGE_INNER, BADGE_RADIUS - 1.0 / size) if size < 32 else BADGE_INNER + 0.03
    if not in_circle(x, y, 0.5, 0.5, inner):
        return BADGE_EDGE
    if any(in_circle(x, y, cx, cy, r) for cx, cy, r in PADS):
        return PAW
    return BADGE


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
