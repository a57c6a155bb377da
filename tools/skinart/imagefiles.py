"""Writers for .bmp (with file header) and .png files, and a small colour quantiser."""

import struct
import zlib


def _nearest(palette, colour):
    best, best_d = 0, None
    for i, p in enumerate(palette):
        d = (p[0] - colour[0]) ** 2 + (p[1] - colour[1]) ** 2 + (p[2] - colour[2]) ** 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def quantise(pixels, limit, keep=()):
    """A palette of at most `limit` colours for the pixels (median cut) that holds every colour
    of `keep` exactly, and the palette index of every pixel."""
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    if len(counts) <= limit:
        palette = sorted(counts)
        index = {c: i for i, c in enumerate(palette)}
        return palette, [index[p] for p in pixels]
    keep = [tuple(k) for k in keep if tuple(k) in counts]
    rest = [c for c in counts if c not in keep]
    boxes = [rest]
    while len(boxes) < limit - len(keep):
        # Split the box with the largest weighted spread along its widest channel.
        best, best_score, best_ch = None, 0, 0
        for bi, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c in box]
                spread = max(values) - min(values)
                score = spread * sum(counts[c] for c in box) ** 0.5
                if score > best_score:
                    best, best_score, best_ch = bi, score, ch
        if best is None:
            break
        box = sorted(boxes[best], key=lambda c: c[best_ch])
        total = sum(counts[c] for c in box)
        acc, cut = 0, 1
        for i, c in enumerate(box):
            acc += counts[c]
            if acc * 2 >= total:
                cut = max(1, min(len(box) - 1, i + 1))
                break
        boxes[best:best + 1] = [box[:cut], box[cut:]]
    palette = list(keep)
    for box in boxes:
        if not box:
            continue
        n = sum(counts[c] for c in box)
        palette.append(tuple(int(round(sum(c[k] * counts[c] for c in box) / n)) for k in range(3)))
    lookup = {}
    for c in counts:
        lookup[c] = palette.index(c) if c in keep else _nearest(palette, c)
    return palette, [lookup[p] for p in pixels]


def bmp_bytes(w, h, pixels, depth, keep=()):
    """A .bmp file: 14-byte file header, 40-byte information header, colour table for 4 and 8
    bits, rows bottom-up padded to 4 bytes."""
    if depth in (4, 8):
        palette, indices = quantise(pixels, 1 << depth, keep)
        table = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in palette)
        table += b"\0\0\0\0" * ((1 << depth) - len(palette))
    elif depth == 24:
        table = b""
    else:
        raise ValueError("unsupported depth %d" % depth)
    stride = ((w * depth + 31) // 32) * 4
    rows = []
    for y in range(h - 1, -1, -1):
        if depth == 24:
            row = bytearray()
            for x in range(w):
                r, g, b = pixels[y * w + x]
                row += bytes((b, g, r))
        elif depth == 8:
            row = bytearray(indices[y * w:(y + 1) * w])
        else:
            row = bytearray()
            line = indices[y * w:(y + 1) * w] + [0]
            for x in range(0, w, 2):
                row.append((line[x] << 4) | (line[x + 1] if x + 1 < w else 0))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, depth, 0, len(data), 3780, 3780,
                       (1 << depth) if depth <= 8 else 0, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + table + data


def png_bytes(w, h, pixels):
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw += bytes(pixels[y * w + x])

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def read_bmp(data):
    """(width, height, depth, pixels top row first) of a .bmp written by bmp_bytes."""
    magic, _, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    if magic != b"BM":
        raise ValueError("not a bitmap file")
    size, w, h, _, depth, compression = struct.unpack_from("<IiiHHI", data, 14)
    if size != 40 or compression != 0 or h <= 0:
        raise ValueError("unexpected bitmap header")
    palette = []
    if depth <= 8:
        for i in range(1 << depth):
            b, g, r, _ = struct.unpack_from("<BBBB", data, 14 + 40 + 4 * i)
            palette.append((r, g, b))
    stride = ((w * depth + 31) // 32) * 4
    pixels = [None] * (w * h)
    for row in range(h):
        base = offset + row * stride
        y = h - 1 - row
        for x in range(w):
            if depth == 24:
                b, g, r = data[base + 3 * x:base + 3 * x + 3]
                pixels[y * w + x] = (r, g, b)
            elif depth == 8:
                pixels[y * w + x] = palette[data[base + x]]
            else:
                byte = data[base + x // 2]
                pixels[y * w + x] = palette[(byte >> 4) if x % 2 == 0 else (byte & 0x0F)]
    return w, h, depth, pixels
