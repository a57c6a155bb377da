"""A tiny anti-aliased rasteriser for the skin artwork (standard library only).

Coordinates are continuous: pixel (x, y) covers the square [x, x+1) x [y, y+1). Shapes are
predicates on points; coverage is found by 4 x 4 supersampling. Colours are (r, g, b) tuples of
0..255 integers or floats.
"""

import math

SAMPLES = [(i + 0.5) / 4.0 for i in range(4)]


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c0, c1, t):
    """The colour t of the way from c0 to c1."""
    return tuple(lerp(a, b, t) for a, b in zip(c0, c1))


def hexcolour(text):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


def shade(c, amount):
    """Lighter towards white for amount > 0, darker towards black for amount < 0."""
    if amount >= 0:
        return mix(c, (255, 255, 255), amount)
    return mix(c, (0, 0, 0), -amount)


def ramp(stops, t):
    """A colour on a gradient given as [(t, colour), ...] with ascending t."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, 0.0 if t1 == t0 else (t - t0) / (t1 - t0))
    return stops[-1][1]


def vgrad(y0, y1, stops):
    """A paint varying from top (y0) to bottom (y1); stops as [(t, colour)] with t in 0..1."""
    def paint(x, y):
        return ramp(stops, (y - y0) / max(y1 - y0, 1e-6))
    return paint


def hgrad(x0, x1, stops):
    def paint(x, y):
        return ramp(stops, (x - x0) / max(x1 - x0, 1e-6))
    return paint


def solid(colour):
    return lambda x, y: colour


# ---- shapes: predicates over points plus a bounding box ----

class Shape:
    def __init__(self, inside, box):
        self.inside = inside
        self.box = box  # (x0, y0, x1, y1), continuous

    def __sub__(self, other):
        return Shape(lambda x, y: self.inside(x, y) and not other.inside(x, y), self.box)

    def __and__(self, other):
        b = (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
             min(self.box[2], other.box[2]), min(self.box[3], other.box[3]))
        return Shape(lambda x, y: self.inside(x, y) and other.inside(x, y), b)

    def __or__(self, other):
        b = (min(self.box[0], other.box[0]), min(self.box[1], other.box[1]),
             max(self.box[2], other.box[2]), max(self.box[3], other.box[3]))
        return Shape(lambda x, y: self.inside(x, y) or other.inside(x, y), b)


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rrect(x0, y0, x1, y1, r, corners=(True, True, True, True)):
    """A rounded rectangle; corners flags: top-left, top-right, bottom-right, bottom-left."""
    r = min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0)

    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        for flag, cx, cy, sx, sy in ((corners[0], x0 + r, y0 + r, -1, -1),
                                     (corners[1], x1 - r, y0 + r, 1, -1),
                                     (corners[2], x1 - r, y1 - r, 1, 1),
                                     (corners[3], x0 + r, y1 - r, -1, 1)):
            if flag and (x - cx) * sx > 0 and (y - cy) * sy > 0:
                return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        return True
    return Shape(inside, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                 (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def capsule(ax, ay, bx, by, width):
    """A thick line with round ends."""
    hw = width / 2.0
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= hw * hw
    return Shape(inside, (min(ax, bx) - hw, min(ay, by) - hw, max(ax, bx) + hw, max(ay, by) + hw))


def polyline(points, width):
    shape = None
    for a, b in zip(points, points[1:]):
        seg = capsule(a[0], a[1], b[0], b[1], width)
        shape = seg if shape is None else shape | seg
    return shape


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, r, width, a0, a1):
    """A ring segment from angle a0 to a1 (degrees, 0 = right, clockwise on screen)."""
    hw = width / 2.0

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > hw:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360.0
        lo, hi = a0 % 360.0, a1 % 360.0
        return lo <= a <= hi if lo <= hi else (a >= lo or a <= hi)
    return Shape(inside, (cx - r - hw, cy - r - hw, cx + r + hw, cy + r + hw))


# ---- the canvas ----

class Canvas:
    """RGBA pixels with straight alpha, starting fully transparent."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.c = [(0.0, 0.0, 0.0)] * (w * h)
        self.a = [0.0] * (w * h)
        if fill is not None:
            self.fill(fill)

    def fill(self, colour, alpha=1.0):
        self.paint(rect(0, 0, self.w, self.h), solid(colour), alpha)

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0:
            return
        i = y * self.w + x
        da = self.a[i]
        out = alpha + da * (1.0 - alpha)
        if out <= 0.0:
            return
        dc = self.c[i]
        self.c[i] = tuple((colour[k] * alpha + dc[k] * da * (1.0 - alpha)) / out
                          for k in range(3))
        self.a[i] = out

    def paint(self, shape, paint, alpha=1.0, fade=None):
        """Fills the shape with the paint (a function of the pixel centre); fade, a function of
        the pixel centre giving 0..1, scales the opacity."""
        x0 = max(0, int(math.floor(shape.box[0])))
        y0 = max(0, int(math.floor(shape.box[1])))
        x1 = min(self.w, int(math.ceil(shape.box[2])) + 1)
        y1 = min(self.h, int(math.ceil(shape.box[3])) + 1)
        inside = shape.inside
        for y in range(y0, y1):
            for x in range(x0, x1):
                n = 0
                for sy in SAMPLES:
                    for sx in SAMPLES:
                        if inside(x + sx, y + sy):
                            n += 1
                if n:
                    a = alpha * n / 16.0
                    if fade is not None:
                        a *= max(0.0, min(1.0, fade(x + 0.5, y + 0.5)))
                    self.blend(x, y, paint(x + 0.5, y + 0.5), a)

    def set(self, x, y, colour, alpha=1.0):
        i = y * self.w + x
        self.c[i] = tuple(float(v) for v in colour)
        self.a[i] = alpha

    def get(self, x, y):
        i = y * self.w + x
        return self.c[i], self.a[i]

    def draw(self, other, dx, dy):
        """Composes another canvas over this one at (dx, dy)."""
        for y in range(other.h):
            for x in range(other.w):
                tx, ty = dx + x, dy + y
                if 0 <= tx < self.w and 0 <= ty < self.h:
                    c, a = other.get(x, y)
                    self.blend(tx, ty, c, a)

    def flatten(self, backdrop, key=None, threshold=0.06):
        """Opaque 8-bit pixels, top row first. With a key colour, pixels that the artwork barely
        touches become the key; the others are composed over the backdrop."""
        out = []
        for i in range(self.w * self.h):
            a = self.a[i]
            if key is not None and a < threshold:
                out.append(tuple(key))
                continue
            c = self.c[i]
            out.append(tuple(int(round(max(0.0, min(255.0, c[k] * a + backdrop[k] * (1.0 - a)))))
                             for k in range(3)))
        return out


class Image:
    """Opaque pixels (rows top first) of a finished picture."""

    def __init__(self, w, h, pixels):
        self.w, self.h, self.pixels = w, h, pixels

    def at(self, x, y):
        return self.pixels[y * self.w + x]

    @staticmethod
    def blank(w, h, colour):
        return Image(w, h, [tuple(colour)] * (w * h))

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.pixels[y * self.w + x] = tuple(colour)

    def blit(self, src, dx, dy, sx=0, sy=0, w=None, h=None, key=None):
        w = src.w if w is None else w
        h = src.h if h is None else h
        for y in range(h):
            for x in range(w):
                p = src.at(sx + x, sy + y)
                if key is not None and p == key:
                    continue
                self.put(dx + x, dy + y, p)

    def stretch(self, src, sr, dr, key=None):
        """Nearest-neighbour copy of source rectangle sr onto destination rectangle dr."""
        sx0, sy0, sx1, sy1 = sr
        dx0, dy0, dx1, dy1 = dr
        sw, sh, dw, dh = sx1 - sx0, sy1 - sy0, dx1 - dx0, dy1 - dy0
        if sw <= 0 or sh <= 0 or dw <= 0 or dh <= 0:
            return
        for y in range(dh):
            syy = sy0 + (y * sh) // dh
            for x in range(dw):
                p = src.at(sx0 + (x * sw) // dw, syy)
                if key is not None and p == key:
                    continue
                self.put(dx0 + x, dy0 + y, p)

    def scaled(self, factor):
        out = Image.blank(self.w * factor, self.h * factor, (0, 0, 0))
        out.stretch(self, (0, 0, self.w, self.h), (0, 0, out.w, out.h))
        return out
