#!/usr/bin/env python3
"""Draws the skin pictures of the five built-in themes and their contact sheet.

    python3 tools/skinart/skinart.py [--out resources/skin] [--sheet-only] [--parts DIR]

Writes one .bmp per picture (named after its resource) and contact-sheet.png into the output
folder. The generated files are committed; the build does not run this program.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import themes  # noqa: E402
from imagefiles import bmp_bytes, png_bytes, read_bmp  # noqa: E402
from raster import Image  # noqa: E402

MAGENTA = (255, 0, 255)

# ---- a 5 x 7 pixel font for the labels of the contact sheet ----

FONT = {
    "A": "0E 11 11 1F 11 11 11", "B": "1E 11 11 1E 11 11 1E", "C": "0E 11 10 10 10 11 0E",
    "D": "1E 11 11 11 11 11 1E", "E": "1F 10 10 1E 10 10 1F", "F": "1F 10 10 1E 10 10 10",
    "G": "0E 11 10 17 11 11 0F", "H": "11 11 11 1F 11 11 11", "I": "0E 04 04 04 04 04 0E",
    "J": "07 02 02 02 02 12 0C", "K": "11 12 14 18 14 12 11", "L": "10 10 10 10 10 10 1F",
    "M": "11 1B 15 15 11 11 11", "N": "11 11 19 15 13 11 11", "O": "0E 11 11 11 11 11 0E",
    "P": "1E 11 11 1E 10 10 10", "Q": "0E 11 11 11 15 12 0D", "R": "1E 11 11 1E 14 12 11",
    "S": "0F 10 10 0E 01 01 1E", "T": "1F 04 04 04 04 04 04", "U": "11 11 11 11 11 11 0E",
    "V": "11 11 11 11 11 0A 04", "W": "11 11 11 15 15 15 0A", "X": "11 11 0A 04 0A 11 11",
    "Y": "11 11 0A 04 04 04 04", "Z": "1F 01 02 04 08 10 1F", "0": "0E 11 13 15 19 11 0E",
    "1": "04 0C 04 04 04 04 0E", "2": "0E 11 01 02 04 08 1F", "3": "1F 02 04 02 01 11 0E",
    "4": "02 06 0A 12 1F 02 02", "5": "1F 10 1E 01 01 11 0E", "6": "06 08 10 1E 11 11 0E",
    "7": "1F 01 02 04 08 08 08", "8": "0E 11 11 0E 11 11 0E", "9": "0E 11 11 0F 01 02 0C",
    "_": "00 00 00 00 00 00 1F", "-": "00 00 00 1F 00 00 00", ".": "00 00 00 00 00 0C 0C",
    ":": "00 0C 0C 00 0C 0C 00", "(": "02 04 08 08 08 04 02", ")": "08 04 02 02 02 04 08",
    "/": "01 01 02 04 08 10 10", ",": "00 00 00 00 0C 04 08", "x": "00 00 11 0A 04 0A 11",
    " ": "00 00 00 00 00 00 00", "+": "00 04 04 1F 04 04 00",
}


def text_width(text, scale=1):
    return len(text) * 6 * scale


def draw_text(img, x, y, text, colour, scale=1):
    for ch in text:
        rows = FONT.get(ch if ch in FONT else ch.upper(), FONT[" "]).split()
        for ry, row in enumerate(rows):
            bits = int(row, 16)
            for rx in range(5):
                if bits & (0x10 >> rx):
                    for sy in range(scale):
                        for sx in range(scale):
                            img.put(x + rx * scale + sx, y + ry * scale + sy, colour)
        x += 6 * scale


# ---- the skin engine's drawing rules, for the previews ----

def nine_piece(pic, dw, dh, backdrop, transparent_corners):
    """Draws a button picture into dw x dh the way the push button does: corners unscaled,
    edges and centre stretched, magenta transparent in edges and centre (and in the corners
    when the button draws its picture transparently)."""
    out = Image(dw, dh, list(backdrop.pixels))
    pw, ph = pic.w, pic.h
    hw, hh, dhw, dhh = pw // 2, ph // 2, dw // 2, dh // 2
    corner_key = MAGENTA if transparent_corners else None
    # 1 top-left, 2 bottom-left
    w1, h1 = min(hw, dhw), min(hh, dhh)
    w2, h2 = min(hw, dhw), min(hh - 1, dhh - 1)
    # 4 top-right, 5 bottom-right
    w4, h4 = min(hw - 1, dhw - 1), min(hh, dhh)
    w5, h5 = min(hw - 1, dhw - 1), min(hh - 1, dhh - 1)
    out.stretch(pic, (0, 0, w1, h1), (0, 0, w1, h1), corner_key)
    out.stretch(pic, (0, ph - h2, w2, ph), (0, dh - h2, w2, dh), corner_key)
    out.stretch(pic, (0, hh, w1, ph - hh), (0, h1, w1, dh - h2), MAGENTA)
    out.stretch(pic, (pw - w4, 0, pw, h4), (dw - w4, 0, dw, h4), corner_key)
    out.stretch(pic, (pw - w5, ph - h5, pw, ph), (dw - w5, dh - h5, dw, dh), corner_key)
    out.stretch(pic, (pw - w4, ph - hh, pw, hh + 2), (dw - w4, h4, dw, dh - h5), MAGENTA)
    out.stretch(pic, (hw, 0, pw - hw + 1, h1), (w1, 0, dw - w4, h1), MAGENTA)
    out.stretch(pic, (hw, hh, pw - hw + 1, ph - hh), (w1, h1, dw - w4, dh - h5 - 1), MAGENTA)
    bottom_h = min(hh, h2 + 1)
    out.stretch(pic, (hw, ph - bottom_h, pw - hw + 1, ph), (w1 - 1, dh - h2 - 1, dw - w5, dh),
                MAGENTA)
    return out


def form_backdrop(theme, pics, w, h):
    """The frame's background under a control: the texture for MacOS and Protein, else the
    form colour."""
    tile = pics.get(theme.prefix + "FORM_BACKGROUND")
    if tile is None:
        return Image.blank(w, h, theme.form)
    return Image(w, h, [tile.at(x % tile.w, y % tile.h) for y in range(h) for x in range(w)])


def title_bar(theme, pics, width, kinds, hot=None, pressed=False):
    """The title bar as the frame draws it: sections, the right-hand buttons from the right
    edge, the control box on the left."""
    left, client, right = (pics[theme.prefix + s] for s in ("TITLE_LEFT", "TITLE_CLIENT",
                                                            "TITLE_RIGHT"))
    h = left.h
    bar = Image.blank(width, h, (0, 0, 0))
    lx, rx = -1, width + 1
    bar.blit(left, lx + 1, 0, w=min(left.w, width))
    lx += left.w
    if width - lx >= right.w:
        bar.blit(right, rx - 1 - right.w, 0)
        rx -= right.w
    bar.stretch(client, (0, 0, client.w, client.h), (lx + 1, 0, rx - 1, h))
    top = theme.title_button_top
    key = theme.title_key
    x = width + 1 + theme.right_shift
    for kind in kinds:
        if kind == "CTLBOX":
            continue
        pic = pics[theme.prefix + "TITLEBTN_%s_NORMAL" % kind]
        x -= pic.w + 1
        state = "NORMAL"
        if kind == hot:
            state = "MOUSEDOWN" if pressed else "MOUSEON"
        bar.blit(pics[theme.prefix + "TITLEBTN_%s_%s" % (kind, state)], x, top, key=key)
    if "CTLBOX" in kinds:
        bar.blit(pics[theme.prefix + "TITLEBTN_CTLBOX_NORMAL"], theme.left_button_x, top, key=key)
        caption_x = theme.left_button_x + pics[theme.prefix + "TITLEBTN_CTLBOX_NORMAL"].w + 5
    else:
        caption_x = 6
    caption_colour = (0, 0, 0) if theme.name == "MacOS" else (255, 255, 255)
    ty = 4 if theme.name == "DeepBlue" else (h - 7) // 2
    draw_text(bar, caption_x, ty, "PETCALC " + theme.name.upper(), caption_colour)
    return bar


def window(theme, pics, frame_width, frame_height):
    """A small window as the skinned frame draws it: the border in the theme's frame colour, the
    title bar, the background texture or colour, and two push buttons of 97 x 23."""
    colour, bw, corner = theme.frame
    w, h = frame_width + 2 * bw, frame_height + bw
    win = Image.blank(w, h, colour)
    body = form_backdrop(theme, pics, frame_width, frame_height)
    win.blit(body, bw, 0)
    bar = title_bar(theme, pics, frame_width, ("CTLBOX", "CLOSE", "MIN"))
    win.blit(bar, bw, 0)
    for i, label in enumerate(("OK", "CANCEL")):
        bx, by = bw + 40 + i * 120, bar.h + (frame_height - bar.h - 23) // 2
        pic = pics[theme.prefix + "BUTTON_" + ("MOUSEON" if i else "NORMAL")]
        under = Image(97, 23, [win.at(bx + x, by + y) for y in range(23) for x in range(97)])
        button = nine_piece(pic, 97, 23, under, theme.button_key is not None)
        draw_text(button, (97 - text_width(label)) // 2, 8, label, (0, 0, 0))
        win.blit(button, bx, by)
    # The window region rounds the top corners for themes with a corner size.
    r = corner / 2.0
    if r > 0:
        sheet_bg = (0xF7, 0xF7, 0xF9)
        for y in range(int(r) + 1):
            for x in range(int(r) + 1):
                if (x + 0.5 - r) ** 2 + (y + 0.5 - r) ** 2 > r * r and x < r and y < r:
                    win.put(x, y, sheet_bg)
                    win.put(w - 1 - x, y, sheet_bg)
    return win


# ---- the sheet ----

class Sheet:
    def __init__(self, width):
        self.width = width
        self.rows = []  # (height, painter)
        self.height = 0

    def add(self, height, painter):
        self.rows.append((self.height, painter))
        self.height += height

    def render(self, background):
        img = Image.blank(self.width, self.height, background)
        for y, painter in self.rows:
            painter(img, y)
        return img


def frame_box(img, x, y, w, h, colour):
    for i in range(w):
        img.put(x + i, y, colour)
        img.put(x + i, y + h - 1, colour)
    for j in range(h):
        img.put(x, y + j, colour)
        img.put(x + w - 1, y + j, colour)


def contact_sheet(pics_by_theme, shared):
    width = 1300
    sheet = Sheet(width)
    ink = (0x30, 0x30, 0x38)
    soft = (0x78, 0x78, 0x84)

    def header(text, sub):
        def paint(img, y):
            draw_text(img, 24, y + 18, text, ink, 3)
            draw_text(img, 24 + text_width(text, 3) + 18, y + 30, sub, soft)
        return paint

    sheet.add(60, header("PETCALC SKIN THEMES", "EVERY PICTURE ENLARGED; BUTTONS ALSO "
                                                "NINE-PIECE STRETCHED TO 97 x 23"))
    for theme in themes.ALL:
        pics = pics_by_theme[theme.name]
        p = theme.prefix

        def band(img, y, theme=theme):
            for x in range(width):
                img.put(x, y + 6, (0xC8, 0xC8, 0xD0))
            draw_text(img, 24, y + 16, theme.name.upper(), ink, 2)
            draw_text(img, 24 + text_width(theme.name, 2) + 14, y + 20,
                      "PREFIX " + theme.prefix, soft)
        sheet.add(40, band)

        def bars(img, y, theme=theme, pics=pics, p=p):
            draw_text(img, 24, y, "A 287-WIDE WINDOW (x2)", soft)
            draw_text(img, 24 + 620 + 40, y, "CLOSE BUTTON HOT, THEN PRESSED (x2)", soft)
            win = window(theme, pics, 287, 112)
            img.blit(win.scaled(2), 24, y + 12)
            for i, pressed in enumerate((False, True)):
                bar = title_bar(theme, pics, 287, ("CTLBOX", "CLOSE", "MAX", "MIN", "HELP"),
                                "CLOSE", pressed).scaled(2)
                img.blit(bar, 24 + 620 + 40, y + 12 + i * (bar.h + 12))
        sheet.add(12 + 2 * (112 + 2 * theme.frame[1]) + 16, bars)

        def buttons(img, y, theme=theme, pics=pics, p=p):
            draw_text(img, 24, y, "PUSH BUTTON PICTURES (x2)", soft)
            draw_text(img, 640, y, "STRETCHED TO 97 x 23 AS DRAWN ON THE FORM (x2)", soft)
            x = 24
            for state in themes.STATES:
                pic = pics[p + "BUTTON_" + state]
                back = form_backdrop(theme, pics, pic.w, pic.h)
                shown = nine_piece(pic, pic.w, pic.h, back, theme.button_key is not None)
                img.blit(shown.scaled(2), x, y + 12)
                x += pic.w * 2 + 12
            x = 640
            for state in themes.STATES:
                pic = pics[p + "BUTTON_" + state]
                back = form_backdrop(theme, pics, 97, 23)
                stretched = nine_piece(pic, 97, 23, back, theme.button_key is not None)
                label = "OK" if state == "NORMAL" else state
                draw_text(stretched, (97 - text_width(label)) // 2 + (1 if state == "MOUSEDOWN"
                                                                       else 0),
                          8 + (1 if state == "MOUSEDOWN" else 0), label, (0, 0, 0))
                img.blit(stretched.scaled(2), x, y + 12)
                x += 97 * 2 + 12
        sheet.add(12 + max(pics[p + "BUTTON_NORMAL"].h, 23) * 2 + 14, buttons)

        def sections(img, y, theme=theme, pics=pics, p=p):
            draw_text(img, 24, y, "TITLE SECTIONS LEFT, CLIENT, RIGHT (x2)", soft)
            x = 24
            for s in ("TITLE_LEFT", "TITLE_CLIENT", "TITLE_RIGHT"):
                pic = pics[p + s].scaled(2)
                img.blit(pic, x, y + 12)
                frame_box(img, x - 1, y + 11, pic.w + 2, pic.h + 2, (0xB0, 0xB0, 0xB8))
                x += pic.w + 16
        sheet.add(12 + pics[p + "TITLE_LEFT"].h * 2 + 14, sections)

        def title_buttons(img, y, theme=theme, pics=pics, p=p):
            draw_text(img, 24, y, "TITLE BUTTONS: NORMAL / MOUSEON / MOUSEDOWN", soft)
            kinds = themes.TITLE_KINDS + (("RST",) if theme.has_restore else ())
            x = 24
            scale = 3 if len(kinds) * (3 * ((theme.title_button + 4) * 3 + 4) + 18) < width else 2
            for kind in kinds:
                draw_text(img, x, y + 14, kind, ink)
                for i, state in enumerate(themes.STATES):
                    pic = pics[p + "TITLEBTN_%s_%s" % (kind, state)]
                    column = theme.bar_column(theme.left_button_x + pic.w // 2
                                              if kind == "CTLBOX" else None)
                    # Shown on a margin of the title bar they stand on.
                    m = 2
                    top = theme.title_button_top - m
                    back = Image(pic.w + 2 * m, pic.h + 2 * m,
                                 [column[max(0, min(len(column) - 1, top + yy))]
                                  for yy in range(pic.h + 2 * m) for _ in range(pic.w + 2 * m)])
                    back.blit(pic, m, m, key=theme.title_key)
                    img.blit(back.scaled(scale), x + i * ((pic.w + 2 * m) * scale + 4), y + 26)
                x += 3 * ((pics[p + "TITLEBTN_%s_NORMAL" % kind].w + 4) * scale + 4) + 18
        sheet.add(26 + (theme.title_button + 4) * 3 + 14, title_buttons)

        def controls(img, y, theme=theme, pics=pics, p=p):
            draw_text(img, 24, y, "CONTROLS AND OTHER PICTURES (x3)", soft)
            names = [n for n in pics if not any(
                n.startswith(p + k) for k in ("BUTTON_", "TITLE_", "TITLEBTN_"))]
            x, yy, row_h = 24, y + 14, 0
            for name in names:
                pic = pics[name]
                scale = 3 if pic.h <= 40 and pic.w <= 60 else 2
                shown = pic.scaled(scale)
                if name.endswith("FORM_BACKGROUND"):  # a texture is shown tiled
                    shown = Image(48, 24, [pic.at(i % pic.w, j % pic.h) for j in range(24)
                                           for i in range(48)]).scaled(scale)
                if pic.w == 1:  # one-pixel-wide strips are shown widened
                    shown = Image(24, pic.h * scale, [pic.at(0, j // scale) for j in
                                                      range(pic.h * scale) for _ in range(24)])
                if x + shown.w > width - 24:
                    x, yy = 24, yy + row_h + 8
                    row_h = 0
                img.blit(shown, x, yy)
                x += shown.w + 8
                row_h = max(row_h, shown.h)
        sheet.add(14 + controls_height(theme, pics, width) + 18, controls)

    def tail(img, y):
        draw_text(img, 24, y + 6, "SHARED: MENU_CHECKED (x3)", soft)
        img.blit(shared["MENU_CHECKED"].scaled(3), 24, y + 18)
    sheet.add(80, tail)
    return sheet.render((0xF7, 0xF7, 0xF9))


def controls_height(theme, pics, width):
    p = theme.prefix
    names = [n for n in pics if not any(n.startswith(p + k)
                                        for k in ("BUTTON_", "TITLE_", "TITLEBTN_"))]
    x, total, row_h = 24, 0, 0
    for name in names:
        pic = pics[name]
        scale = 3 if pic.h <= 40 and pic.w <= 60 else 2
        w = 24 if pic.w == 1 else pic.w * scale
        h = pic.h * scale
        if name.endswith("FORM_BACKGROUND"):
            w, h = 48 * scale, 24 * scale
        if x + w > width - 24:
            x, total = 24, total + row_h + 8
            row_h = 0
        x += w + 8
        row_h = max(row_h, h)
    return total + row_h


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    repo = os.path.normpath(os.path.join(here, "..", ".."))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(repo, "resources", "skin"))
    parser.add_argument("--sheet-only", action="store_true")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    pics_by_theme = {t.name: {} for t in themes.ALL}
    shared = {}
    count = 0
    for theme, name, img, depth in themes.all_pictures():
        # Exact colours that must survive the reduction to a colour table: the key colour and
        # the MacOS lines and corners.
        keep = [MAGENTA] + ([(0x7F, 0x7F, 0x7F), (0xEE, 0xEE, 0xEE)]
                            if name.startswith("MACOS_") else [])
        data = bmp_bytes(img.w, img.h, img.pixels, depth, keep)
        if not args.sheet_only:
            with open(os.path.join(args.out, name + ".bmp"), "wb") as f:
                f.write(data)
            count += 1
        # The sheet shows the pictures as stored, after any colour reduction.
        w, h, _, pixels = read_bmp(data)
        (pics_by_theme[theme.name] if theme else shared)[name] = Image(w, h, pixels)
    sheet = contact_sheet(pics_by_theme, shared)
    with open(os.path.join(args.out, "contact-sheet.png"), "wb") as f:
        f.write(png_bytes(sheet.w, sheet.h, sheet.pixels))
    print("wrote %d pictures and contact-sheet.png (%d x %d) to %s" % (count, sheet.w, sheet.h,
                                                                      args.out))


if __name__ == "__main__":
    main()
