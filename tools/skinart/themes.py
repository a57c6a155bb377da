"""The five built-in themes: their colours, their title bars and the list of pictures each
theme provides (name, picture, colour depth)."""

import parts
from raster import (Canvas, Image, ellipse, hexcolour as H, hgrad, polygon, rect, rrect, solid,
                    vgrad)

WHITE = (255, 255, 255)
MAGENTA = (255, 0, 255)
STATES = ("NORMAL", "MOUSEON", "MOUSEDOWN")
TITLE_KINDS = ("CLOSE", "MAX", "MIN", "HELP", "CTLBOX")


def bgr(value):
    """A platform colour 0x00BBGGRR as (r, g, b)."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def stops(*colours):
    """Evenly spaced gradient stops."""
    n = len(colours) - 1
    return [(i / n, H(c) if isinstance(c, str) else c) for i, c in enumerate(colours)]


def flat(canvas, backdrop):
    return Image(canvas.w, canvas.h, canvas.flatten(backdrop))


def over_rows(canvas, rows, key=None):
    """Flattens a canvas over a backdrop that changes from row to row (a title-bar column)."""
    out = []
    for y in range(canvas.h):
        row = Canvas(canvas.w, 1)
        row.c = canvas.c[y * canvas.w:(y + 1) * canvas.w]
        row.a = canvas.a[y * canvas.w:(y + 1) * canvas.w]
        out.extend(row.flatten(rows[min(y, len(rows) - 1)], key))
    return Image(canvas.w, canvas.h, out)


class Theme:
    """What a theme is made of. Subclasses paint the title bar and choose the looks."""

    name = ""
    prefix = ""
    form = WHITE  # the colour the pictures sit on
    button_size = (74, 21)
    button_key = None
    title_height = 23
    title_widths = (48, 49, 48)  # left, client, right
    title_button = 19
    title_button_top = 2
    left_button_x = 0  # x of the control box
    right_shift = 0  # shift of the right-hand button group
    title_key = None  # key colour of the title buttons, when they are drawn transparently
    frame = ((0, 0, 0), 1, 0)  # border colour, border width, window corner size
    check_size = (15, 17)
    radio_size = (16, 17)
    xp_names = False
    has_restore = False

    # ---- title bar ----

    def bar(self, width):
        """The whole title bar background at the given width, as a Canvas."""
        raise NotImplementedError

    def sections(self):
        if getattr(self, "_sections", None) is None:
            self._sections = self.paint_sections()
        return self._sections

    def paint_sections(self):
        lw, cw, rw = self.title_widths
        width = lw + cw + rw
        img = flat(self.bar(width), self.form)
        return (crop(img, 0, lw), crop(img, lw, cw), crop(img, width - rw, rw))

    def bar_column(self, x_from_left=None):
        """The title bar's colours down one column: the middle, or a column of the left end."""
        left, client, _ = self.sections()
        if x_from_left is None:
            return [client.at(0, y) for y in range(client.h)]
        return [left.at(x_from_left, y) for y in range(left.h)]

    # ---- looks (dictionaries for the painters in parts) ----

    def button_look(self, state):
        raise NotImplementedError

    def title_look(self, kind, state):
        raise NotImplementedError

    def control_look(self):
        raise NotImplementedError

    # ---- pictures ----

    def push_button(self, state):
        w, h = self.button_size
        canvas = parts.push_button(w, h, self.button_look(state))
        if self.button_key is not None:
            return Image(w, h, canvas.flatten(self.form, self.button_key))
        return flat(canvas, self.form)

    def title_button_picture(self, kind, state):
        s = self.title_button
        canvas = parts.title_button(s, kind, self.title_look(kind, state))
        top = self.title_button_top
        if kind == "CTLBOX":
            column = self.bar_column(self.left_button_x + s // 2)
        else:
            column = self.bar_column()
        rows = column[top:top + s]
        return over_rows(canvas, rows, self.title_key)

    def pictures(self):
        """(name, Image, depth) for every picture of the theme."""
        p = self.prefix
        out = []
        for state in STATES:
            out.append((p + "BUTTON_" + state, self.push_button(state), self.depth("button")))
        left, client, right = self.sections()
        out += [(p + "TITLE_LEFT", left, self.depth("title")),
                (p + "TITLE_CLIENT", client, self.depth("title")),
                (p + "TITLE_RIGHT", right, self.depth("title"))]
        kinds = TITLE_KINDS + (("RST",) if self.has_restore else ())
        for kind in kinds:
            for state in STATES:
                out.append((p + "TITLEBTN_%s_%s" % (kind, state),
                            self.title_button_picture(kind, state), 8))
        look = self.control_look()
        cw, ch = self.check_size
        rw, rh = self.radio_size
        for what, size, painter in (("CHECKBOX_", (cw, ch), parts.check_box),
                                    ("RADIOBUTTON_", (rw, rh), parts.radio_button)):
            for checked in (True, False):
                mark = "CHECK" if checked else "UNCHECK"
                picture = painter(size[0], size[1], look, checked, "NORMAL", True)
                out.append((p + what + "DISABLE_" + mark, flat(picture, self.form), 8))
                if self.xp_names:
                    for state in STATES:
                        picture = painter(size[0], size[1], look, checked, state, False)
                        out.append((p + what + state + "_" + mark, flat(picture, self.form), 8))
                else:
                    picture = painter(size[0], size[1], look, checked, "NORMAL", False)
                    out.append((p + what + mark, flat(picture, self.form), 8))
        out.append((p + "PROGRESSBAR", flat(parts.progress_chunk(13, 10, look, False),
                                             self.form), 8))
        out.append((p + "PROGRESSBAR_V", flat(parts.progress_chunk(13, 13, look, True),
                                               self.form), 8))
        for which, direction in (("TOPBUTTON", "up"), ("BTMBUTTON", "down")):
            for state in STATES:
                picture = parts.scroll_button(16, 22, look, direction, state)
                out.append((p + "SCROLLBAR_%s_%s" % (which, state), flat(picture, self.form), 8))
        out.append((p + "SCROLLBAR_TRACK", flat(parts.scroll_track(16, 33, look), self.form), 8))
        out.append((p + "TAB_ACTIVE", flat(parts.tab(18, 27, look, True), self.form), 8))
        out.append((p + "TAB_INACTIVE", flat(parts.tab(18, 27, look, False), self.form), 8))
        out.append((p + "TAB_LINE", flat(parts.tab_line(17, 7, look), self.form), 8))
        out.append((p + "TRACKBAR_BAR", flat(parts.track_bar(45, 5, look), self.form), 8))
        out.append((p + "TRACKBAR_SLIDER", flat(parts.track_slider(11, 20, look, False),
                                                 self.form), 8))
        out.append((p + "TRACKBAR_SLIDER_V", flat(parts.track_slider(19, 11, look, True),
                                                   self.form), 8))
        out += self.extras()
        return out

    def depth(self, what):
        return 8

    def extras(self):
        return []


def crop(img, x0, w):
    return Image(w, img.h, [img.at(x0 + x, y) for y in range(img.h) for x in range(w)])


# ============================================================================ MacOS

class MacOS(Theme):
    """Light platinum: pinstriped greys, soft pill buttons, a pale aqua hover."""

    frame = (bgr(0x7F7F7F), 1, 0)
    name = "MacOS"
    prefix = "MACOS_"
    form = (0xEE, 0xEE, 0xEE)
    button_size = (84, 23)
    title_widths = (48, 49, 48)
    title_button = 17
    title_button_top = 4
    left_button_x = 3
    right_shift = -2
    check_size = (15, 17)
    radio_size = (16, 17)
    LINE = (0x7F, 0x7F, 0x7F)
    PINSTRIPES = ((0xFF, 0xFF, 0xFF), (0xEF, 0xEF, 0xEF), (0xE8, 0xE8, 0xE8), (0xEF, 0xEF, 0xEF))

    def bar(self, width):
        h = self.title_height
        c = Canvas(width, h)
        for y in range(h):
            if y in (0, h - 1):
                colour = self.LINE
            else:
                t = (y - 1) / (h - 3)
                base = 0xF6 - 0x1E * t
                # Fine horizontal pinstripes like the window background, a little deeper.
                base -= 5 if y % 2 == 0 else 0
                if y == 1:
                    base = 0xFD
                if y == h - 2:
                    base = 0xC6
                colour = (base, base, base)
            c.paint(rect(0, y, width, y + 1), solid(colour))
        # A lit left end and a shaded right end give the bar some depth.
        c.paint(rect(0, 1, 1, h - 1), solid(WHITE), 0.85)
        c.paint(rect(width - 1, 1, width, h - 1), solid((0xA8, 0xA8, 0xA8)))
        return c

    def button_look(self, state):
        if state == "NORMAL":
            return {"radius": 9.5, "border": H("707070"), "shadow": H("9A9A9A"),
                    "shadow_alpha": 0.45,
                    "fill": [(0, H("FFFFFF")), (0.45, H("F1F1F1")), (0.55, H("E4E4E4")),
                             (1, H("D2D2D2"))],
                    "top_light": 0.9}
        if state == "MOUSEON":
            return {"radius": 9.5, "border": H("5C7DA6"), "shadow": H("8E9CB0"),
                    "shadow_alpha": 0.45,
                    "fill": [(0, H("F2F8FF")), (0.45, H("D6E6FA")), (0.55, H("BED6F5")),
                             (1, H("D9E8FB"))],
                    "top_light": 0.9}
        return {"radius": 9.5, "border": H("3E5E8A"), "shadow": H("8E9CB0"),
                "shadow_alpha": 0.45,
                "fill": [(0, H("93B5E4")), (0.45, H("7EA6DD")), (0.55, H("6F9AD6")),
                         (1, H("9DBEEA"))]}

    def title_look(self, kind, state):
        if state == "NORMAL":
            return {"shape": "circle", "inset": 0.5, "border": H("7A7A7A"),
                    "fill": stops("FDFDFD", "E6E6E6", "C9C9C9"), "gloss": 0.55,
                    "glyph": H("555555"), "glyph_width": 1.7, "glyph_scale": 0.95}
        if state == "MOUSEON":
            return {"shape": "circle", "inset": 0.5, "border": H("5C7DA6"),
                    "fill": stops("F4F9FF", "CFE2FA", "A9C8F1"), "gloss": 0.55,
                    "glyph": H("2C4C78"), "glyph_width": 1.7, "glyph_scale": 0.95}
        return {"shape": "circle", "inset": 0.5, "border": H("3E5E8A"),
                "fill": stops("7FA6DC", "6B97D4", "90B4E6"),
                "glyph": WHITE, "glyph_width": 1.7, "glyph_scale": 0.95}

    def control_look(self):
        return {"border": H("777777"), "disabled_border": H("B4B4B4"),
                "box_fill": stops("FFFFFF", "E4E4E4"), "disabled_fill": stops("F4F4F4",
                                                                             "ECECEC"),
                "pressed_fill": stops("9DBCE6", "C2D7F2"), "hot": H("8FB2E0"),
                "mark": H("222222"), "disabled_mark": H("A8A8A8"),
                "hot_fill": stops("E2EEFC", "F5F9FF", "D4E4F8"),
                "arrow": H("4A4A4A"), "track": stops("D0D0D0", "E4E4E4", "E9E9E9", "D6D6D6"),
                "tab_active": stops("FFFFFF", "EEEEEE"), "tab_inactive": stops("E2E2E2",
                                                                              "CFCFCF"),
                "tab_accent": None, "groove": stops("B8B8B8", "E2E2E2"),
                "thumb": stops("FFFFFF", "DADADA"),
                "progress": stops("A9C8F1", "6F9AD6", "5A88CC", "7FA6DC")}

    def extras(self):
        out = []
        tile = Image(8, 8, [self.PINSTRIPES[y % 4] for y in range(8) for _ in range(8)])
        out.append(("MACOS_FORM_BACKGROUND", tile, 4))
        menu = Canvas(1, 22)
        menu.paint(rect(0, 0, 1, 21), vgrad(0, 21, stops("FBFBFB", "ECECEC", "DEDEDE")))
        menu.paint(rect(0, 21, 1, 22), solid(H("A6A6A6")))
        out.append(("MACOS_MENU_BAR", flat(menu, self.form), 4))
        select = Canvas(1, 21)
        select.paint(rect(0, 0, 1, 21), vgrad(0, 21, stops("6C9BDC", "3F78C6", "3973C4",
                                                             "2E63B0")))
        select.paint(rect(0, 0, 1, 1), solid(H("8DB3E8")))
        out.append(("MACOS_MENU_SELECT", flat(select, self.form), 8))
        combo = parts.push_button(16, 17, {"radius": 3, "border": H("707070"),
                                           "fill": [(0, H("FDFDFD")), (0.5, H("E9E9E9")),
                                                    (0.5, H("DDDDDD")), (1, H("CDCDCD"))]})
        combo.paint(parts.arrow(8, 8.5, 4, "down"), solid(H("3A3A3A")))
        out.append(("MACOS_COMBOBOX_BUTTON", flat(combo, self.form), 24))
        return out


# ============================================================================ WinXP

class WinXP(Theme):
    """Glossy blue title bar, bright pill title buttons, light buttons with a blue rim."""

    frame = (bgr(0xC82C00), 3, 13)
    name = "WinXP"
    prefix = "WINXP_"
    form = bgr(0xDEEBEF)
    button_size = (18, 21)
    title_height = 29
    title_widths = (35, 37, 35)
    title_button = 21
    title_button_top = 5
    left_button_x = 2
    right_shift = -2
    check_size = (13, 13)
    radio_size = (13, 13)
    xp_names = True
    has_restore = True
    BORDER = bgr(0xC82C00)

    def bar(self, width):
        h = self.title_height
        c = Canvas(width, h)
        c.paint(rect(0, 0, width, h), solid(self.BORDER))
        # The top corners follow the window region's rounding.
        body = rrect(0, 0, width, h + 8, 6.5, (True, True, False, False))
        c.paint(body, vgrad(0, h, [(0, H("2F7BEA")), (0.08, H("5FA2FF")), (0.2, H("3A86F2")),
                                   (0.55, H("1B62DE")), (0.85, H("1555CF")),
                                   (1, H("1D5FD8"))]))
        # The gloss: a bright band over the upper third, ending in a soft line.
        c.paint(rrect(1, 1, width - 1, h * 0.42, 5.5, (True, True, False, False)),
                vgrad(1, h * 0.42, stops("FFFFFF", "FFFFFF")), 0.18)
        c.paint(rect(0, h - 1, width, h), solid(H("0B3FA8")))
        c.paint(rrect(0, 0, width, h + 8, 6.5, (True, True, False, False)) -
                rrect(1, 1, width - 1, h + 8, 5.5, (True, True, False, False)),
                solid(H("0A3BA0")))
        return c

    def button_look(self, state):
        if state == "NORMAL":
            return {"radius": 3, "border": H("2A5496"),
                    "fill": stops("FFFFFF", "F6F9FD", "E9EFF8", "D3DFEF"), "top_light": 0}
        if state == "MOUSEON":
            return {"radius": 3, "border": H("2A5496"), "ring": H("7FB4F7"), "ring_alpha": 0.9,
                    "fill": stops("FFFFFF", "F3F8FF", "E4EEFC", "CCDCF3")}
        return {"radius": 3, "border": H("22477F"),
                "fill": stops("C9D7EC", "D8E3F2", "E3EBF6", "EDF2F9")}

    def title_look(self, kind, state):
        red = kind == "CLOSE"
        base = {"NORMAL": ("7EB5FF", "2A6EE3", "1F5CD6") if not red else
                ("F4A083", "DE5530", "C9391A"),
                "MOUSEON": ("A6CCFF", "4A8AF0", "3574E6") if not red else
                ("FBC0A8", "EB7350", "D9502C"),
                "MOUSEDOWN": ("1C4FB8", "2C62CC", "4A80DE") if not red else
                ("A82A12", "C23A1E", "D65A38")}[state]
        return {"shape": "square", "radius": 4, "border": H("F2F6FF"),
                "fill": stops(*base), "gloss": 0.22 if state != "MOUSEDOWN" else 0.0,
                "glyph": WHITE, "glyph_width": 2.3, "glyph_scale": 1.0}

    def control_look(self):
        return {"border": H("2A5496"), "disabled_border": H("B9C3D0"),
                "box_fill": stops("EEF2F8", "FFFFFF"), "disabled_fill": stops("F6F6F2",
                                                                             "F6F6F2"),
                "pressed_fill": stops("B9CCE9", "E4ECF7"), "hot": H("7FB4F7"),
                "mark": H("1D9A32"), "disabled_mark": H("B0B8B0"),
                "hot_fill": stops("D6E6FD", "C3D9FB", "B1CEF8"),
                "arrow": H("3B5F9E"), "track": stops("EEEDE5", "F8F8F4", "F8F8F4", "EEEDE5"),
                "tab_active": stops("FFFFFF", "F4F3EE"), "tab_inactive": stops("F4F6FA",
                                                                              "DDE3EC"),
                "tab_accent": H("F2A33A"), "groove": stops("B9C3D0", "EEF2F8"),
                "thumb": stops("FFFFFF", "D3DFEF"),
                "progress": stops("B3F0B4", "39C84A", "2DB83D", "62D670")}


# ============================================================================ DeepBlue

class DeepBlue(Theme):
    """Deep navy: a two-tone title bar with a lower shelf, steel-blue buttons."""

    frame = ((0, 0, 0), 1, 0)
    name = "DeepBlue"
    prefix = "DEEPBLUE_"
    form = bgr(0xE8E8E8)
    button_size = (74, 21)
    title_height = 32
    title_widths = (97, 98, 97)
    title_button = 19
    title_button_top = 2
    left_button_x = 0

    def bar(self, width):
        h = self.title_height
        c = Canvas(width, h)
        c.paint(rect(0, 0, width, 23), vgrad(0, 23, [(0, H("4366A8")), (0.06, H("5B7EC2")),
                                                     (0.15, H("35589A")), (0.6, H("1F3B76")),
                                                     (1, H("172E60"))]))
        c.paint(rect(0, 23, width, 24), solid(H("6F8FCB")))
        c.paint(rect(0, 24, width, h), vgrad(24, h, stops("1E3A72", "132A5A", "0C1D45")))
        c.paint(rect(0, 24, width, 25), solid(H("0A1633")))
        c.paint(rect(0, h - 1, width, h), solid(H("000000")))
        # A soft sheen at the left end and a dark fade at the right end.
        c.paint(ellipse(14, 6, 80, 11) & rect(0, 1, 96, 23), solid(WHITE), 0.12,
                lambda x, y: (90.0 - x) / 50.0)
        c.paint(rect(width - 1, 0, width, h), solid(H("0A1633")))
        c.paint(rect(0, 0, 1, h), solid(H("0A1633")))
        return c

    def button_look(self, state):
        if state == "NORMAL":
            return {"radius": 3, "border": H("1C2D5A"),
                    "fill": [(0, H("F3F6FB")), (0.48, H("D9E1EF")), (0.52, H("C9D4E8")),
                             (1, H("B4C3DE"))], "top_light": 0.8}
        if state == "MOUSEON":
            return {"radius": 3, "border": H("2A4A8E"),
                    "fill": [(0, H("FFFFFF")), (0.48, H("E6EDF8")), (0.52, H("D6E2F4")),
                             (1, H("C2D4EF"))], "ring": H("8FB0E8"), "ring_alpha": 0.7}
        return {"radius": 3, "border": H("13234A"),
                "fill": [(0, H("A4B5D3")), (0.5, H("B3C2DC")), (1, H("C9D4E8"))]}

    def title_look(self, kind, state):
        red = kind == "CLOSE"
        fills = {"NORMAL": ("4F6FB0", "2A4784", "1D3467"),
                 "MOUSEON": ("6E90D4", "3E60A6", "2C4C8C") if not red else
                 ("E2707A", "B83A48", "8E2230"),
                 "MOUSEDOWN": ("12254F", "1B3266", "2A457E") if not red else
                 ("6A1620", "8A2431", "A63442")}[state]
        return {"shape": "square", "radius": 3, "border": H("8EA9DE"),
                "fill": stops(*fills), "gloss": 0.12 if state != "MOUSEDOWN" else 0.0,
                "glyph": H("F0F4FF"), "glyph_width": 2.0, "glyph_scale": 0.95}

    def control_look(self):
        return {"border": H("1C2D5A"), "disabled_border": H("A8B0C0"),
                "box_fill": stops("E6ECF6", "FFFFFF"), "disabled_fill": stops("EEEEEE",
                                                                             "EEEEEE"),
                "pressed_fill": stops("A4B5D3", "D2DCEC"), "hot": H("6F8FCB"),
                "mark": H("1C2D5A"), "disabled_mark": H("A8B0C0"),
                "hot_fill": stops("D6E2F4", "C2D4EF", "B4C6E8"),
                "arrow": H("1C2D5A"), "track": stops("C9D1DE", "E4E8EE", "E4E8EE", "C9D1DE"),
                "tab_active": stops("FFFFFF", "E8E8E8"), "tab_inactive": stops("C9D4E8",
                                                                              "A9B9D6"),
                "tab_accent": H("2A4A8E"), "groove": stops("7D8AA3", "D2D8E3"),
                "thumb": stops("E6ECF6", "9FB1D0"),
                "progress": stops("6F8FCB", "2A4A8E", "1C3A78", "3E62A8")}


# ============================================================================ Protein

class Protein(Theme):
    """Near-white with an indigo accent that carries the caption."""

    frame = ((0, 0, 0), 1, 0)
    name = "Protein"
    prefix = "PROTEIN_"
    form = bgr(0xFBFBFB)
    button_size = (74, 21)
    title_height = 23
    title_widths = (441, 1, 1)
    title_button = 19
    title_button_top = 2
    left_button_x = 0
    title_key = MAGENTA
    ACCENT = bgr(0xC4302D)

    def bar(self, width):
        """The accent carries the caption and the buttons. The long left picture adds a pale
        ribbon that sweeps up from the bottom edge and fades out before its right end, so the
        bar joins its one-pixel middle and right pictures without a seam."""
        h = self.title_height
        c = Canvas(width, h)
        c.paint(rect(0, 0, width, h), vgrad(0, h, [(0, H("575BE2")), (0.12, H("4A4EDA")),
                                                   (0.55, self.ACCENT), (1, H("2427A8"))]))
        c.paint(rect(0, 0, width, 1), solid(H("8487EC")))
        for x0, alpha in ((150, 0.16), (205, 0.10)):
            ribbon = polygon([(x0, h), (x0 + 120, 0), (x0 + 190, 0), (x0 + 70, h)])
            c.paint(ribbon & rect(0, 1, 430, h - 2), hgrad(x0, x0 + 190, [
                (0, WHITE), (1, WHITE)]), alpha)
        c.paint(rect(0, h - 2, width, h - 1), solid(H("1E2190")))
        c.paint(rect(0, h - 1, width, h), solid(H("E4E5F8")))
        return c

    def button_look(self, state):
        if state == "NORMAL":
            return {"radius": 4, "border": H("C4C5D2"),
                    "fill": [(0, H("FFFFFF")), (0.7, H("F6F6F9")), (0.88, H("EDEDF3")),
                             (0.9, H("7073DC")), (1, self.ACCENT)]}
        if state == "MOUSEON":
            return {"radius": 4, "border": self.ACCENT,
                    "fill": [(0, H("FFFFFF")), (0.7, H("EEEFFD")), (0.88, H("E3E4FB")),
                             (0.9, H("5A5DDC")), (1, self.ACCENT)]}
        return {"radius": 4, "border": H("2326A6"),
                "fill": [(0, H("D7D8F6")), (0.5, H("E4E5FA")), (1, H("F1F2FD"))]}

    def title_look(self, kind, state):
        # White glyphs straight on the accent; a translucent disc when hot, a dark one pressed,
        # red behind the close cross.
        if state == "NORMAL":
            return {"shape": "none", "glyph": WHITE, "glyph_width": 1.8}
        if state == "MOUSEON":
            if kind == "CLOSE":
                return {"shape": "disc", "inset": 0.5, "fill": stops("F57F84", "DE3E48"),
                        "glyph": WHITE, "glyph_width": 1.8}
            return {"shape": "disc", "inset": 0.5, "fill": stops("FFFFFF", "FFFFFF"),
                    "alpha": 0.3, "glyph": WHITE, "glyph_width": 1.8}
        fill = stops("B21E28", "CF3640") if kind == "CLOSE" else stops("15177A", "23269A")
        return {"shape": "disc", "inset": 0.5, "fill": fill, "glyph": WHITE,
                "glyph_width": 1.8}

    def control_look(self):
        return {"border": H("9C9DB2"), "disabled_border": H("D2D2DA"),
                "box_fill": stops("F0F0F5", "FFFFFF"), "disabled_fill": stops("F6F6F6",
                                                                             "F6F6F6"),
                "pressed_fill": stops("D3D5F8", "EEEFFD"), "hot": self.ACCENT,
                "mark": self.ACCENT, "disabled_mark": H("C4C5D2"),
                "hot_fill": stops("F3F3FD", "E3E4FB", "D7D8F6"),
                "arrow": H("4A4B5E"), "track": stops("EFEFF3", "F9F9FB", "F9F9FB", "EFEFF3"),
                "tab_active": stops("FFFFFF", "FBFBFB"), "tab_inactive": stops("F0F0F5",
                                                                              "E2E2EA"),
                "tab_accent": self.ACCENT, "groove": stops("C4C5D2", "F0F0F5"),
                "thumb": stops("FFFFFF", "DCDDEA"),
                "progress": stops("8E91EC", "4A4EDA", self.ACCENT, "5A5DDC")}

    def extras(self):
        # A near-white tile with a faint diagonal weave.
        base, dot, light = (0xFB, 0xFB, 0xFB), (0xF1, 0xF1, 0xF5), (0xF6, 0xF6, 0xF9)
        pixels = []
        for y in range(8):
            for x in range(8):
                d = (x + y) % 8
                pixels.append(dot if d == 0 else light if d in (1, 7) else base)
        return [("PROTEIN_FORM_BACKGROUND", Image(8, 8, pixels), 4)]


# ============================================================================ BlueGlass

class BlueGlass(Theme):
    """Glassy blue: a split-tone glass title bar, orb title buttons, glass pill buttons."""

    frame = ((0, 0, 0), 1, 11)
    name = "BlueGlass"
    prefix = "BLUEGLASS_"
    form = bgr(0xE7E7E7)
    button_size = (77, 27)
    button_key = MAGENTA
    title_height = 33
    title_widths = (162, 179, 101)
    title_button = 19
    title_button_top = 6
    left_button_x = 4
    right_shift = -3
    title_key = MAGENTA

    def bar(self, width):
        h = self.title_height
        c = Canvas(width, h)
        c.paint(rect(0, 0, width, h), solid((0, 0, 0)))
        # The top corners follow the window region's rounding.
        shape = rrect(0, 0, width, h + 12, 5.5, (True, True, False, False))
        c.paint(shape, vgrad(0, h, [(0, H("B8D3F8")), (0.47, H("7EA9EC")), (0.5, H("3B6FD0")),
                                    (0.8, H("4B82E0")), (1, H("73A3EE"))]))
        edge = shape - rrect(1, 1, width - 1, h + 12, 4.5, (True, True, False, False))
        c.paint(edge, solid(H("1E4A9E")))
        c.paint(rect(5, 1, width - 5, 2),
                solid(WHITE), 0.7)
        c.paint(rect(0, h - 1, width, h), solid(H("1E4A9E")))
        # A broad reflection over the left end, fading out before the middle section.
        c.paint(ellipse(40, 4, 130, 10) & rect(1, 2, 160, 15), solid(WHITE), 0.18,
                lambda x, y: (150.0 - x) / 80.0)
        return c

    def button_look(self, state):
        fills = {
            "NORMAL": [(0, H("F2F8FF")), (0.48, H("D4E5FB")), (0.52, H("B5D0F5")),
                       (1, H("DCEBFD"))],
            "MOUSEON": [(0, H("F7FBFF")), (0.48, H("DDEBFD")), (0.52, H("A5C6F4")),
                        (1, H("CFE4FE"))],
            "MOUSEDOWN": [(0, H("9CC0F0")), (0.5, H("86B0EC")), (0.52, H("78A6E8")),
                          (1, H("A8C8F2"))]}
        border = {"NORMAL": H("4A7CC8"), "MOUSEON": H("2F68C4"), "MOUSEDOWN": H("1E4A9E")}
        look = {"radius": 12.5, "border": border[state], "fill": fills[state],
                "shadow": H("7C8DA8"), "shadow_alpha": 0.4, "top_light": 0.8}
        if state == "MOUSEON":
            look["ring"] = H("FFFFFF")
            look["ring_alpha"] = 0.55
        return look

    def title_look(self, kind, state):
        red = kind == "CLOSE"
        fills = {"NORMAL": ("A9CBFA", "4F86E0", "2459C0") if not red else
                 ("F7A99A", "DE4F3A", "B82A18"),
                 "MOUSEON": ("D0E4FF", "79A8F2", "3E76D8") if not red else
                 ("FFCBBE", "F0705A", "CF3C26"),
                 "MOUSEDOWN": ("1D4CA8", "2A5EC0", "5A8EE2") if not red else
                 ("8E1E10", "AE2C1A", "D65A44")}[state]
        return {"shape": "circle", "inset": 0.5, "border": H("173F8E") if not red else
                H("7E1A0E"), "fill": stops(*fills),
                "gloss": 0.45 if state != "MOUSEDOWN" else 0.1,
                "glyph": WHITE, "glyph_width": 1.9, "glyph_scale": 0.9,
                "glyph_shadow": H("0E2A66") if not red else H("5E1208"),
                "glyph_shadow_alpha": 0.35}

    def control_look(self):
        return {"border": H("4A7CC8"), "disabled_border": H("B4C0D2"),
                "box_fill": stops("DCEBFD", "FFFFFF"), "disabled_fill": stops("F0F0F0",
                                                                             "F0F0F0"),
                "pressed_fill": stops("86B0EC", "CFE4FE"), "hot": H("79A8F2"),
                "mark": H("1E4A9E"), "disabled_mark": H("B4C0D2"),
                "hot_fill": stops("EAF3FE", "CFE2FB", "B3D0F6"),
                "arrow": H("1E4A9E"), "track": stops("D4DEEC", "EEF3FA", "EEF3FA", "D4DEEC"),
                "tab_active": stops("FFFFFF", "E7E7E7"), "tab_inactive": stops("DCEBFD",
                                                                              "B5D0F5"),
                "tab_accent": H("4F86E0"), "groove": stops("8FA6C8", "DCE6F4"),
                "thumb": stops("EAF3FE", "8FB6EE"),
                "progress": stops("B8D3F8", "4F86E0", "2459C0", "73A3EE")}


def menu_checked():
    """The menu check mark shared by all themes: a dark tick on the white menu background."""
    c = Canvas(16, 16)
    c.paint(parts.check_mark(3, 3, 10, 2.0), solid((0x10, 0x10, 0x10)))
    return ("MENU_CHECKED", flat(c, WHITE), 4)


ALL = [MacOS(), WinXP(), DeepBlue(), Protein(), BlueGlass()]


def all_pictures():
    out = []
    for theme in ALL:
        out += [(theme, name, img, depth) for name, img, depth in theme.pictures()]
    name, img, depth = menu_checked()
    out.append((None, name, img, depth))
    return out
