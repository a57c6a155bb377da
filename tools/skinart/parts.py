"""Painters for the pieces every theme has: push buttons, title-bar buttons and their glyphs,
check boxes, radio buttons, scroll-bar, tab, track-bar and progress-bar pictures.

Each painter takes a style dictionary of the theme and returns a Canvas; the theme module decides
what backdrop or key colour the canvas is flattened onto.
"""

from raster import (Canvas, arc, capsule, circle, hgrad, polygon, polyline, rect, rrect,
                    shade, solid, vgrad)

WHITE = (255, 255, 255)


def push_button(w, h, look):
    """A rounded push button: border, vertical gradient, optional highlight and inner ring.
    Everything varies only vertically in the middle, so the picture stretches sideways."""
    c = Canvas(w, h)
    r = look["radius"]
    bottom = h - (1 if look.get("shadow") else 0)
    if look.get("shadow"):
        c.paint(rrect(0, 1, w, h, r), solid(look["shadow"]), look.get("shadow_alpha", 0.35))
    c.paint(rrect(0, 0, w, bottom, r), solid(look["border"]))
    c.paint(rrect(1, 1, w - 1, bottom - 1, max(r - 1, 0)), vgrad(1, bottom - 1, look["fill"]))
    if look.get("ring"):
        ring = rrect(2, 2, w - 2, bottom - 2, max(r - 2, 0)) - rrect(3, 3, w - 3, bottom - 3,
                                                                  max(r - 3, 0))
        c.paint(ring, solid(look["ring"]), look.get("ring_alpha", 1.0))
    if look.get("gloss"):
        inset = look.get("gloss_inset", 2)
        c.paint(rrect(inset, inset, w - inset, 1 + (bottom - 2) * look.get("gloss_height", 0.45),
                      max(r - inset, 1), (True, True, False, False)),
                vgrad(inset, (bottom - 2) * 0.45, [(0, WHITE), (1, WHITE)]), look["gloss"])
    if look.get("top_light"):
        c.paint(rrect(1, 1, w - 1, 2, max(r - 1, 0), (True, True, False, False)) & rect(
            r * 0.6, 1, w - r * 0.6, 2), solid(WHITE), look["top_light"])
    return c


# ---- glyphs ----

def glyph(kind, s, width, scale=1.0, dy=0.0):
    """The shape of a title-button glyph in an s x s button, centred."""
    cx = cy = s / 2.0
    cy += dy
    e = s * 0.2 * scale
    if kind == "CLOSE":
        return capsule(cx - e, cy - e, cx + e, cy + e, width) | capsule(cx - e, cy + e, cx + e,
                                                                      cy - e, width)
    if kind == "MIN":
        return capsule(cx - e * 1.1, cy + e * 0.55, cx + e * 1.1, cy + e * 0.55, width)
    if kind == "MAX":
        outer = rect(cx - e * 1.1, cy - e * 1.1, cx + e * 1.1, cy + e * 1.1)
        inner = rect(cx - e * 1.1 + width * 0.8, cy - e * 1.1 + width * 1.4,
                     cx + e * 1.1 - width * 0.8, cy + e * 1.1 - width * 0.8)
        return outer - inner
    if kind == "RST":
        k = e * 0.95
        back = rect(cx - k * 0.5, cy - k * 1.3, cx + k * 1.3, cy + k * 0.5)
        back_in = rect(cx - k * 0.5 + width * 0.8, cy - k * 1.3 + width * 1.2,
                       cx + k * 1.3 - width * 0.8, cy + k * 0.5 - width * 0.8)
        front = rect(cx - k * 1.3, cy - k * 0.4, cx + k * 0.5, cy + k * 1.3)
        front_in = rect(cx - k * 1.3 + width * 0.8, cy - k * 0.4 + width * 1.2,
                        cx + k * 0.5 - width * 0.8, cy + k * 1.3 - width * 0.8)
        return ((back - back_in) - front) | (front - front_in)
    if kind == "HELP":
        r = e * 0.75
        top = cy - e * 0.45
        hook = arc(cx, top, r, width, 180, 75)
        stem = polyline([(cx + r * 0.26, top + r * 0.97), (cx, top + r * 1.45),
                         (cx, top + r * 1.9)], width)
        dot = circle(cx, cy + e * 1.15, width * 0.62)
        return hook | stem | dot
    if kind == "CTLBOX":
        lines = None
        for k in (-0.7, 0.0, 0.7):
            seg = capsule(cx - e, cy + e * k, cx + e, cy + e * k, width * 0.85)
            lines = seg if lines is None else lines | seg
        return lines
    raise ValueError(kind)


def arrow(cx, cy, size, direction):
    """A solid triangle pointing up, down, left or right."""
    h = size  # a right-angled tip
    if direction == "up":
        pts = [(cx - size, cy + h / 2), (cx + size, cy + h / 2), (cx, cy - h / 2)]
    elif direction == "down":
        pts = [(cx - size, cy - h / 2), (cx + size, cy - h / 2), (cx, cy + h / 2)]
    elif direction == "left":
        pts = [(cx + h / 2, cy - size), (cx + h / 2, cy + size), (cx - h / 2, cy)]
    else:
        pts = [(cx - h / 2, cy - size), (cx - h / 2, cy + size), (cx + h / 2, cy)]
    return polygon(pts)


def title_button(s, kind, look):
    """A title-bar button of s x s pixels. look: shape ('circle', 'square' or 'none'), border,
    fill stops, glyph colour, glyph width, highlight strength."""
    c = Canvas(s, s)
    shape = look.get("shape", "square")
    if shape == "circle":
        r = s / 2.0 - look.get("inset", 0.5)
        if look.get("halo"):
            c.paint(circle(s / 2.0, s / 2.0 + 0.5, r + 0.5), solid(look["halo"]),
                    look.get("halo_alpha", 0.4))
        if look.get("border"):
            c.paint(circle(s / 2.0, s / 2.0, r), solid(look["border"]))
            r -= 1
        c.paint(circle(s / 2.0, s / 2.0, r), vgrad(s / 2.0 - r, s / 2.0 + r, look["fill"]))
        if look.get("gloss"):
            c.paint(circle(s / 2.0, s / 2.0, r) & rect(0, 0, s, s / 2.0 - 0.5),
                    vgrad(s / 2.0 - r, s / 2.0, [(0, WHITE), (1, WHITE)]), look["gloss"])
    elif shape == "square":
        rad = look.get("radius", 3)
        inset = look.get("inset", 0)
        box = (inset, inset, s - inset, s - inset)
        if look.get("border"):
            c.paint(rrect(*box, rad), solid(look["border"]))
            box = (box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1)
            rad = max(rad - 1, 0)
        c.paint(rrect(*box, rad), vgrad(box[1], box[3], look["fill"]))
        if look.get("gloss"):
            c.paint(rrect(box[0], box[1], box[2], (box[1] + box[3]) / 2.0, rad,
                          (True, True, False, False)), solid(WHITE), look["gloss"])
    elif shape == "disc":
        # A filled circle only behind hovered and pressed glyphs.
        r = s / 2.0 - look.get("inset", 1)
        c.paint(circle(s / 2.0, s / 2.0, r), vgrad(0, s, look["fill"]), look.get("alpha", 1.0))
    if look.get("glyph_shadow"):
        c.paint(glyph(kind, s, look["glyph_width"], look.get("glyph_scale", 1.0), 0.8),
                solid(look["glyph_shadow"]), look.get("glyph_shadow_alpha", 0.5))
    c.paint(glyph(kind, s, look["glyph_width"], look.get("glyph_scale", 1.0)),
            solid(look["glyph"]))
    return c


# ---- small controls ----

def check_mark(x0, y0, size, width):
    return polyline([(x0 + size * 0.12, y0 + size * 0.52), (x0 + size * 0.4, y0 + size * 0.8),
                     (x0 + size * 0.88, y0 + size * 0.18)], width)


def check_box(w, h, look, checked, state, disabled):
    c = Canvas(w, h)
    s = min(w, h) - 2
    x0 = (w - s) / 2.0
    y0 = (h - s) / 2.0
    rad = look.get("box_radius", 2)
    border = look["disabled_border"] if disabled else look["border"]
    if state == "MOUSEDOWN" and not disabled:
        fill = look["pressed_fill"]
    elif disabled:
        fill = look["disabled_fill"]
    else:
        fill = look["box_fill"]
    c.paint(rrect(x0, y0, x0 + s, y0 + s, rad), solid(border))
    c.paint(rrect(x0 + 1, y0 + 1, x0 + s - 1, y0 + s - 1, max(rad - 1, 0)),
            vgrad(y0 + 1, y0 + s - 1, fill))
    if state == "MOUSEON" and not disabled:
        ring = rrect(x0 + 1, y0 + 1, x0 + s - 1, y0 + s - 1, max(rad - 1, 0)) - rrect(
            x0 + 2.5, y0 + 2.5, x0 + s - 2.5, y0 + s - 2.5, 0)
        c.paint(ring, solid(look["hot"]), 0.9)
    if checked:
        mark = look["disabled_mark"] if disabled else look["mark"]
        c.paint(check_mark(x0 + 1.5, y0 + 1.5, s - 3, max(1.6, s * 0.16)), solid(mark))
    return c


def radio_button(w, h, look, checked, state, disabled):
    c = Canvas(w, h)
    s = min(w, h) - 2
    cx, cy = w / 2.0, h / 2.0
    r = s / 2.0
    border = look["disabled_border"] if disabled else look["border"]
    if state == "MOUSEDOWN" and not disabled:
        fill = look["pressed_fill"]
    elif disabled:
        fill = look["disabled_fill"]
    else:
        fill = look["box_fill"]
    c.paint(circle(cx, cy, r), solid(border))
    c.paint(circle(cx, cy, r - 1), vgrad(cy - r, cy + r, fill))
    if state == "MOUSEON" and not disabled:
        c.paint(circle(cx, cy, r - 1) - circle(cx, cy, r - 2.5), solid(look["hot"]), 0.9)
    if checked:
        mark = look["disabled_mark"] if disabled else look["mark"]
        c.paint(circle(cx, cy, r * 0.42), solid(mark))
        c.paint(circle(cx - r * 0.12, cy - r * 0.14, r * 0.16), solid(WHITE), 0.5)
    return c


def scroll_button(w, h, look, direction, state):
    c = Canvas(w, h)
    fills = {"NORMAL": look["box_fill"], "MOUSEON": look["hot_fill"],
             "MOUSEDOWN": look["pressed_fill"]}
    c.paint(rrect(0, 0, w, h, 3), solid(look["border"]))
    c.paint(rrect(1, 1, w - 1, h - 1, 2), hgrad(1, w - 1, fills[state]))
    if state != "MOUSEDOWN":
        c.paint(rect(1.5, 1, w - 1.5, 2), solid(WHITE), 0.6)
    c.paint(arrow(w / 2.0, h / 2.0, w * 0.25, direction), solid(look["arrow"]))
    return c


def scroll_track(w, h, look):
    c = Canvas(w, h)
    c.paint(rect(0, 0, w, h), hgrad(0, w, look["track"]))
    return c


def tab(w, h, look, active):
    c = Canvas(w, h)
    bottom = h if active else h - 1
    top = 0 if active else 2
    c.paint(rrect(0, top, w, bottom + 3, 4, (True, True, False, False)), solid(look["border"]))
    fill = look["tab_active"] if active else look["tab_inactive"]
    c.paint(rrect(1, top + 1, w - 1, bottom + 3, 3, (True, True, False, False)),
            vgrad(top + 1, bottom, fill))
    if active and look.get("tab_accent"):
        c.paint(rrect(1, top + 1, w - 1, top + 3, 3, (True, True, False, False)),
                solid(look["tab_accent"]))
    if not active:
        c.paint(rect(0, h - 1, w, h), solid(look["border"]))
    return c


def tab_line(w, h, look):
    c = Canvas(w, h)
    c.paint(rect(0, 0, w, 1), solid(look["border"]))
    c.paint(rect(0, 1, w, h), vgrad(1, h, look["tab_active"][::-1]))
    return c


def track_bar(w, h, look):
    c = Canvas(w, h)
    c.paint(rrect(0, 0, w, h, h / 2.0), solid(look["border"]))
    c.paint(rrect(1, 1, w - 1, h - 1, h / 2.0 - 1), vgrad(1, h - 1, look["groove"]))
    return c


def track_slider(w, h, look, vertical):
    """A thumb with a point: downwards for the horizontal bar, rightwards for the vertical."""
    c = Canvas(w, h)
    if not vertical:
        tip = h * 0.28
        outer = [(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, h - tip), (w / 2.0, h - 0.3),
                 (0.5, h - tip)]
        inner = [(1.6, 1.6), (w - 1.6, 1.6), (w - 1.6, h - tip - 0.4), (w / 2.0, h - 1.7),
                 (1.6, h - tip - 0.4)]
        paint = hgrad(0, w, look["thumb"])
    else:
        tip = w * 0.28
        outer = [(0.5, 0.5), (w - tip, 0.5), (w - 0.3, h / 2.0), (w - tip, h - 0.5),
                 (0.5, h - 0.5)]
        inner = [(1.6, 1.6), (w - tip - 0.4, 1.6), (w - 1.7, h / 2.0), (w - tip - 0.4, h - 1.6),
                 (1.6, h - 1.6)]
        paint = vgrad(0, h, look["thumb"])
    c.paint(polygon(outer), solid(look["border"]))
    c.paint(polygon(inner), paint)
    return c


def progress_chunk(w, h, look, vertical):
    c = Canvas(w, h)
    if vertical:
        c.paint(rect(0, 0, w, h), hgrad(0, w, look["progress"]))
        c.paint(rect(0, 0, w, 1), solid(shade(look["progress"][0][1], -0.15)))
        c.paint(rect(0, 0, w * 0.45, h), solid(WHITE), 0.25)
    else:
        c.paint(rect(0, 0, w, h), vgrad(0, h, look["progress"]))
        c.paint(rect(w - 1, 0, w, h), solid(shade(look["progress"][0][1], -0.15)))
        c.paint(rect(0, 0, w, h * 0.45), solid(WHITE), 0.25)
    return c
