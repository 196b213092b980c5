"""Painting helpers shared by every picture of the game.

A Canvas is a supersampled surface (premultiplied RGBA, float32) on which
shapes are filled with solid colours, gradients or textured paints.  All
coordinates given to the helpers are in final pixels; the canvas works at
`ss` times that size and is reduced with a Lanczos filter at the end, which
gives clean antialiased edges.
"""

import math
import zlib

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
FONTS = {
    "sans": "DejaVuSans.ttf",
    "sans-bold": "DejaVuSans-Bold.ttf",
    "serif": "DejaVuSerif.ttf",
    "serif-bold": "DejaVuSerif-Bold.ttf",
    "serif-bold-italic": "DejaVuSerif-BoldItalic.ttf",
    "cond-bold": "DejaVuSansCondensed-Bold.ttf",
}

MASTER_SEED = 20240611


def seed_for(*parts):
    """A stable seed for one picture, so that pictures do not depend on each other."""
    text = "/".join(str(p) for p in parts)
    return (zlib.crc32(text.encode("utf-8")) ^ MASTER_SEED) & 0x7FFFFFFF


def rng_for(*parts):
    return np.random.default_rng(seed_for(*parts))


# ---------------------------------------------------------------- colours

def rgb(c):
    """'#rrggbb', (r, g, b) or (r, g, b, a) in 0..255 (alpha 0..1) -> float RGBA 0..1."""
    if isinstance(c, str):
        c = c.lstrip("#")
        r, g, b = int(c[0:2], 16), int(c[2:4], 16), int(c[4:6], 16)
        return np.array([r / 255, g / 255, b / 255, 1.0], np.float32)
    c = list(c)
    a = c[3] if len(c) > 3 else 1.0
    return np.array([c[0] / 255, c[1] / 255, c[2] / 255, a], np.float32)


def mix(c1, c2, t):
    a, b = rgb(c1), rgb(c2)
    m = a * (1 - t) + b * t
    return (m[0] * 255, m[1] * 255, m[2] * 255, float(m[3]))


def shade(c, f):
    """f < 1 darkens, f > 1 lightens towards white."""
    a = rgb(c)
    if f <= 1:
        m = a[:3] * f
    else:
        m = a[:3] + (1 - a[:3]) * (f - 1)
    return (m[0] * 255, m[1] * 255, m[2] * 255, float(a[3]))


def with_alpha(c, alpha):
    a = rgb(c)
    return (a[0] * 255, a[1] * 255, a[2] * 255, alpha)


# ---------------------------------------------------------------- paints

class Paint:
    """Something that gives a colour (RGBA) for every point of a region."""

    def at(self, X, Y):
        raise NotImplementedError


class Solid(Paint):
    def __init__(self, c):
        self.c = rgb(c)

    def at(self, X, Y):
        out = np.empty(X.shape + (4,), np.float32)
        out[...] = self.c
        return out


def _stops(stops):
    ts = np.array([s[0] for s in stops], np.float32)
    cs = np.stack([rgb(s[1]) for s in stops])
    return ts, cs


def _ramp(t, ts, cs):
    t = np.clip(t, ts[0], ts[-1])
    out = np.empty(t.shape + (4,), np.float32)
    for k in range(4):
        out[..., k] = np.interp(t, ts, cs[:, k])
    return out


class Linear(Paint):
    """Gradient along the segment p0 -> p1 with colour stops [(t, colour), ...]."""

    def __init__(self, p0, p1, stops):
        self.p0 = np.array(p0, np.float32)
        d = np.array(p1, np.float32) - self.p0
        self.d = d / max(float(d @ d), 1e-6)
        self.ts, self.cs = _stops(stops)

    def at(self, X, Y):
        t = (X - self.p0[0]) * self.d[0] + (Y - self.p0[1]) * self.d[1]
        return _ramp(t, self.ts, self.cs)


class Radial(Paint):
    def __init__(self, c, r, stops, ry=None):
        self.c = c
        self.rx = r
        self.ry = ry if ry is not None else r
        self.ts, self.cs = _stops(stops)

    def at(self, X, Y):
        t = np.sqrt(((X - self.c[0]) / self.rx) ** 2 + ((Y - self.c[1]) / self.ry) ** 2)
        return _ramp(t, self.ts, self.cs)


class Textured(Paint):
    """A paint whose brightness is modulated by a field of the canvas size."""

    def __init__(self, paint, field, amount, canvas):
        self.paint = paint if isinstance(paint, Paint) else Solid(paint)
        self.field = field
        self.amount = amount
        self.canvas = canvas

    def at(self, X, Y):
        out = self.paint.at(X, Y)
        ss = self.canvas.ss
        xi = np.clip((X[0] * ss).astype(int), 0, self.canvas.W - 1)
        yi = np.clip((Y[:, 0] * ss).astype(int), 0, self.canvas.H - 1)
        f = self.field[np.ix_(yi, xi)]
        out[..., :3] *= (1 + self.amount * f)[..., None]
        np.clip(out, 0, 1, out=out)
        return out


class FuncPaint(Paint):
    def __init__(self, fn):
        self.fn = fn

    def at(self, X, Y):
        return self.fn(X, Y)


def as_paint(p):
    return p if isinstance(p, Paint) else Solid(p)


# ---------------------------------------------------------------- noise

def fbm(w, h, scale, octaves=4, seed=0, sx=None, sy=None, persistence=0.5):
    """Smooth fractal value noise of size (h, w), roughly in -1..1.
    `scale` is the size in pixels of the largest features (sx, sy override it
    per axis for streaky textures such as wood grain or ripples)."""
    rng = np.random.default_rng(seed)
    sx = sx or scale
    sy = sy or scale
    total = np.zeros((h, w), np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        gw = max(2, int(math.ceil(w / sx)) + 2)
        gh = max(2, int(math.ceil(h / sy)) + 2)
        grid = rng.random((gh, gw)).astype(np.float32) * 2 - 1
        img = Image.fromarray(grid, "F").resize((int(gw * sx), int(gh * sy)), Image.BICUBIC)
        arr = np.asarray(img)
        ox = int(rng.integers(0, max(1, arr.shape[1] - w)))
        oy = int(rng.integers(0, max(1, arr.shape[0] - h)))
        total += amp * arr[oy:oy + h, ox:ox + w]
        norm += amp
        amp *= persistence
        sx /= 2
        sy /= 2
        if sx < 1 or sy < 1:
            break
    return total / norm


# ---------------------------------------------------------------- geometry

def catmull(points, closed=True, steps=10):
    """Smooth curve through the points (Catmull-Rom)."""
    pts = [np.array(p, np.float64) for p in points]
    n = len(pts)
    if n < 3:
        return [tuple(p) for p in pts]
    out = []
    rng_ = range(n) if closed else range(n - 1)
    for i in rng_:
        p0 = pts[(i - 1) % n] if closed or i > 0 else pts[0]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed or i + 2 < n else pts[-1]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            q = 0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2
                       + (-p0 + 3 * p1 - 3 * p2 + p3) * t3)
            out.append((float(q[0]), float(q[1])))
    if not closed:
        out.append(tuple(pts[-1]))
    return out


def blob(cx, cy, rx, ry, rng, n=9, jitter=0.25, rot=0.0):
    """An irregular rounded closed shape (bush, cloud, canopy, stone)."""
    pts = []
    for i in range(n):
        a = rot + 2 * math.pi * i / n
        k = 1 + jitter * (rng.random() * 2 - 1)
        pts.append((cx + math.cos(a) * rx * k, cy + math.sin(a) * ry * k))
    return catmull(pts, True, 8)


def ribbon(points, widths):
    """A filled outline around a centre line with a width per point (tapered strokes)."""
    pts = np.array(points, np.float64)
    n = len(pts)
    if np.isscalar(widths):
        widths = [widths] * n
    widths = np.interp(np.linspace(0, 1, n), np.linspace(0, 1, len(widths)), widths)
    left, right = [], []
    for i in range(n):
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, n - 1)]
        d = b - a
        ln = math.hypot(d[0], d[1]) or 1.0
        nx, ny = -d[1] / ln, d[0] / ln
        w = widths[i] / 2
        left.append((pts[i][0] + nx * w, pts[i][1] + ny * w))
        right.append((pts[i][0] - nx * w, pts[i][1] - ny * w))
    return left + right[::-1]


def bezier(p0, p1, p2, p3=None, steps=24):
    """Quadratic (three points) or cubic (four points) Bezier curve."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        if p3 is None:
            x = (1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0]
            y = (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]
        else:
            x = ((1 - t) ** 3 * p0[0] + 3 * (1 - t) ** 2 * t * p1[0]
                 + 3 * (1 - t) * t * t * p2[0] + t ** 3 * p3[0])
            y = ((1 - t) ** 3 * p0[1] + 3 * (1 - t) ** 2 * t * p1[1]
                 + 3 * (1 - t) * t * t * p2[1] + t ** 3 * p3[1])
        out.append((x, y))
    return out


def rounded_rect(x0, y0, x1, y1, r, steps=6):
    pts = []
    for cx, cy, a0 in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for i in range(steps + 1):
            a = math.radians(a0 + 90 * i / steps)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def font(kind, size):
    return ImageFont.truetype(FONT_DIR + FONTS[kind], int(size))


# ---------------------------------------------------------------- masks and canvas

class Mask:
    """A coverage mask of the canvas size, drawn at the canvas resolution."""

    def __init__(self, canvas, box=None):
        """`box` (x0, y0, x1, y1 in final pixels) limits the mask to that area,
        which keeps small shapes cheap; without it the mask covers the canvas."""
        self.cv = canvas
        self.ox = self.oy = 0
        if box is None:
            self.img = Image.new("L", (canvas.W, canvas.H), 0)
        else:
            ss = canvas.ss
            x0 = max(0, int(math.floor(box[0] * ss)) - 4)
            y0 = max(0, int(math.floor(box[1] * ss)) - 4)
            x1 = min(canvas.W, int(math.ceil(box[2] * ss)) + 4)
            y1 = min(canvas.H, int(math.ceil(box[3] * ss)) + 4)
            self.ox, self.oy = x0, y0
            self.img = Image.new("L", (max(1, x1 - x0), max(1, y1 - y0)), 0)
        self.draw = ImageDraw.Draw(self.img)
        self.bbox = None

    def _grow(self, xs, ys, pad=0):
        ss = self.cv.ss
        b = (min(xs) * ss - pad - 2, min(ys) * ss - pad - 2, max(xs) * ss + pad + 2, max(ys) * ss + pad + 2)
        if self.bbox is None:
            self.bbox = b
        else:
            self.bbox = (min(self.bbox[0], b[0]), min(self.bbox[1], b[1]),
                         max(self.bbox[2], b[2]), max(self.bbox[3], b[3]))

    def _s(self, pts):
        ss = self.cv.ss
        return [(x * ss - self.ox, y * ss - self.oy) for x, y in pts]

    def poly(self, pts, value=255):
        pts = list(pts)
        self._grow([p[0] for p in pts], [p[1] for p in pts])
        self.draw.polygon(self._s(pts), fill=value)
        return self

    def ellipse(self, cx, cy, rx, ry, value=255):
        ss = self.cv.ss
        self._grow([cx - rx, cx + rx], [cy - ry, cy + ry])
        self.draw.ellipse([(cx - rx) * ss - self.ox, (cy - ry) * ss - self.oy, (cx + rx) * ss - self.ox,
                           (cy + ry) * ss - self.oy], fill=value)
        return self

    def rect(self, x0, y0, x1, y1, value=255):
        ss = self.cv.ss
        self._grow([x0, x1], [y0, y1])
        self.draw.rectangle([x0 * ss - self.ox, y0 * ss - self.oy, x1 * ss - 1 - self.ox, y1 * ss - 1 - self.oy],
                            fill=value)
        return self

    def line(self, pts, width, value=255, round_caps=True):
        pts = list(pts)
        ss = self.cv.ss
        w = max(1, int(round(width * ss)))
        self._grow([p[0] for p in pts], [p[1] for p in pts], w)
        self.draw.line(self._s(pts), fill=value, width=w, joint="curve")
        if round_caps:
            for (x, y) in self._s((pts[0], pts[-1])):
                r = width * ss / 2
                self.draw.ellipse([x - r, y - r, x + r, y + r], fill=value)
        return self

    def stroke(self, pts, widths, value=255):
        return self.poly(ribbon(pts, widths), value)

    def text(self, xy, s, fnt_kind, size, anchor="la", value=255, spacing=0):
        ss = self.cv.ss
        f = font(fnt_kind, size * ss)
        x, y = self._s([xy])[0]
        bb = self.draw.textbbox((x, y), s, font=f, anchor=anchor)
        self._grow([(bb[0] + self.ox) / ss, (bb[2] + self.ox) / ss], [(bb[1] + self.oy) / ss, (bb[3] + self.oy) / ss], 4)
        self.draw.text((x, y), s, fill=value, font=f, anchor=anchor)
        return self

    def blur(self, sigma):
        if self.bbox is None:
            return self
        pad = sigma * self.cv.ss * 3 + 2
        b = self._local((self.bbox[0] - pad, self.bbox[1] - pad, self.bbox[2] + pad, self.bbox[3] + pad))
        if b is None:
            return self
        region = self.img.crop(b).filter(ImageFilter.GaussianBlur(sigma * self.cv.ss))
        self.img.paste(region, b[:2])
        self.bbox = (b[0] + self.ox, b[1] + self.oy, b[2] + self.ox, b[3] + self.oy)
        return self

    def _local(self, b):
        """A canvas-pixel box turned into a box of this mask's image, clipped."""
        x0, y0 = max(0, int(b[0]) - self.ox), max(0, int(b[1]) - self.oy)
        x1 = min(self.img.width, int(math.ceil(b[2])) - self.ox)
        y1 = min(self.img.height, int(math.ceil(b[3])) - self.oy)
        if x1 <= x0 or y1 <= y0:
            return None
        return (x0, y0, x1, y1)

    def region(self):
        """(canvas box, coverage array 0..1) of the drawn area, or None."""
        if self.bbox is None:
            return None
        b = self._local(self.bbox)
        if b is None:
            return None
        arr = np.asarray(self.img.crop(b), np.float32) / 255.0
        return (b[0] + self.ox, b[1] + self.oy, b[2] + self.ox, b[3] + self.oy), arr

    def array(self):
        """Coverage over the whole canvas."""
        full = np.zeros((self.cv.H, self.cv.W), np.float32)
        h, w = self.img.height, self.img.width
        full[self.oy:self.oy + h, self.ox:self.ox + w] = np.asarray(self.img, np.float32) / 255.0
        return full


class Canvas:
    def __init__(self, w, h, ss=3, color=None):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.c = np.zeros((self.H, self.W, 3), np.float32)  # premultiplied colour
        self.a = np.zeros((self.H, self.W), np.float32)
        self.clipmask = None
        if color is not None:
            self.rect(0, 0, w, h, color)

    # -- masks and fields
    def mask(self):
        return Mask(self)

    def noise(self, scale, octaves=4, seed=0, sx=None, sy=None, persistence=0.5):
        """A noise field over the whole canvas; scales are in final pixels."""
        ss = self.ss
        return fbm(self.W, self.H, scale * ss, octaves, seed,
                   sx * ss if sx else None, sy * ss if sy else None, persistence)

    def textured(self, paint, field, amount):
        return Textured(paint, field, amount, self)

    # -- compositing
    def fill(self, mask, paint, alpha=1.0, mode="normal"):
        reg = mask.region() if isinstance(mask, Mask) else mask
        if reg is None:
            return self
        (x0, y0, x1, y1), cov = reg
        paint = as_paint(paint)
        ss = self.ss
        X = ((np.arange(x0, x1, dtype=np.float32) + 0.5) / ss)[None, :].repeat(y1 - y0, 0)
        Y = ((np.arange(y0, y1, dtype=np.float32) + 0.5) / ss)[:, None].repeat(x1 - x0, 1)
        src = paint.at(X, Y)
        A = cov * alpha * src[..., 3]
        if self.clipmask is not None:
            A = A * self.clipmask[y0:y1, x0:x1]
        col = src[..., :3]
        C = self.c[y0:y1, x0:x1]
        Al = self.a[y0:y1, x0:x1]
        A3 = A[..., None]
        if mode == "normal":
            C *= (1 - A3)
            C += col * A3
            Al *= (1 - A)
            Al += A
        elif mode == "multiply":
            C *= (1 - A3 + A3 * col)
        elif mode == "screen":
            C += A3 * col * (Al[..., None] - C)
        elif mode == "add":
            C += A3 * col * Al[..., None]
            np.minimum(C, Al[..., None], out=C)
        elif mode == "erase":
            C *= (1 - A3)
            Al *= (1 - A)
        else:
            raise ValueError(mode)
        return self

    def clip_to(self, mask_or_array):
        """Restrict later drawing to a mask (None to lift the restriction)."""
        if mask_or_array is None:
            self.clipmask = None
        elif isinstance(mask_or_array, Mask):
            self.clipmask = mask_or_array.array()
        else:
            self.clipmask = mask_or_array
        return self

    # -- shape shortcuts (coordinates in final pixels)
    def local_mask(self, xs, ys, pad=0.0):
        return Mask(self, (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad))

    def poly(self, pts, paint, alpha=1.0, blur=0, mode="normal"):
        pts = list(pts)
        m = self.local_mask([p[0] for p in pts], [p[1] for p in pts], blur * 3 + 1).poly(pts)
        if blur:
            m.blur(blur)
        return self.fill(m, paint, alpha, mode)

    def ellipse(self, cx, cy, rx, ry, paint, alpha=1.0, blur=0, mode="normal"):
        m = self.local_mask([cx - rx, cx + rx], [cy - ry, cy + ry], blur * 3 + 1).ellipse(cx, cy, rx, ry)
        if blur:
            m.blur(blur)
        return self.fill(m, paint, alpha, mode)

    def rect(self, x0, y0, x1, y1, paint, alpha=1.0, blur=0, mode="normal"):
        m = self.local_mask([x0, x1], [y0, y1], blur * 3 + 1).rect(x0, y0, x1, y1)
        if blur:
            m.blur(blur)
        return self.fill(m, paint, alpha, mode)

    def line(self, pts, width, paint, alpha=1.0, blur=0, mode="normal"):
        pts = list(pts)
        m = self.local_mask([p[0] for p in pts], [p[1] for p in pts], blur * 3 + width + 1).line(pts, width)
        if blur:
            m.blur(blur)
        return self.fill(m, paint, alpha, mode)

    def stroke(self, pts, widths, paint, alpha=1.0, blur=0, mode="normal"):
        outline = ribbon(pts, widths)
        m = self.local_mask([p[0] for p in outline], [p[1] for p in outline], blur * 3 + 1).poly(outline)
        if blur:
            m.blur(blur)
        return self.fill(m, paint, alpha, mode)

    def outline(self, pts, width, paint, alpha=1.0, closed=True):
        pts = list(pts)
        if closed:
            pts = pts + [pts[0]]
        return self.line(pts, width, paint, alpha)

    def text(self, xy, s, kind, size, paint, anchor="la", alpha=1.0, shadow=None, stroke=None):
        """Text with an optional soft shadow (colour, dx, dy, blur) and outline (colour, width)."""
        if shadow:
            col, dx, dy, bl = shadow
            m = self.mask().text((xy[0] + dx, xy[1] + dy), s, kind, size, anchor)
            if bl:
                m.blur(bl)
            self.fill(m, col, alpha)
        if stroke:
            col, wdt = stroke
            m = self.mask()
            ss = self.ss
            f = font(kind, size * ss)
            m._grow([xy[0] - size * len(s), xy[0] + size * len(s)], [xy[1] - size * 2, xy[1] + size * 2])
            m.draw.text((xy[0] * ss, xy[1] * ss), s, font=f, anchor=anchor, fill=255,
                        stroke_width=int(wdt * ss), stroke_fill=255)
            self.fill(m, col, alpha)
        m = self.mask().text(xy, s, kind, size, anchor)
        return self.fill(m, paint, alpha)

    def paste(self, other, dx=0, dy=0, alpha=1.0, mode="normal"):
        """Composite another canvas of the same scale at an offset in final pixels."""
        assert other.ss == self.ss
        ox, oy = int(round(dx * self.ss)), int(round(dy * self.ss))
        x0, y0 = max(0, ox), max(0, oy)
        x1, y1 = min(self.W, ox + other.W), min(self.H, oy + other.H)
        if x1 <= x0 or y1 <= y0:
            return self
        sa = other.a[y0 - oy:y1 - oy, x0 - ox:x1 - ox] * alpha
        sc = other.c[y0 - oy:y1 - oy, x0 - ox:x1 - ox] * alpha
        if self.clipmask is not None:
            k = self.clipmask[y0:y1, x0:x1]
            sa = sa * k
            sc = sc * k[..., None]
        C = self.c[y0:y1, x0:x1]
        Al = self.a[y0:y1, x0:x1]
        if mode == "normal":
            C *= (1 - sa)[..., None]
            C += sc
            Al *= (1 - sa)
            Al += sa
        elif mode == "multiply":
            # multiply by the straight colour of the other canvas where it covers
            col = sc / np.maximum(sa, 1e-6)[..., None]
            C *= (1 - sa[..., None] + sa[..., None] * col)
        else:
            raise ValueError(mode)
        return self

    def copy(self):
        o = Canvas.__new__(Canvas)
        o.__dict__.update(self.__dict__)
        o.c = self.c.copy()
        o.a = self.a.copy()
        o.clipmask = None
        return o

    def blurred(self, sigma):
        """A Gaussian-blurred copy."""
        o = self.copy()
        for arr in [o.c[..., 0], o.c[..., 1], o.c[..., 2], o.a]:
            img = Image.fromarray(arr, "F").filter(ImageFilter.GaussianBlur(sigma * self.ss))
            arr[...] = np.asarray(img)
        return o

    def stretch_blur(self, sx, sy):
        """Directional blur: shrink and re-enlarge along each axis (cheap and smooth)."""
        o = self.copy()
        W, H = self.W, self.H
        nw = max(2, int(W / max(1.0, sx * self.ss)))
        nh = max(2, int(H / max(1.0, sy * self.ss)))
        for arr in [o.c[..., 0], o.c[..., 1], o.c[..., 2], o.a]:
            img = Image.fromarray(arr, "F").resize((nw, nh), Image.BILINEAR).resize((W, H), Image.BICUBIC)
            arr[...] = np.asarray(img)
        np.clip(o.a, 0, 1, out=o.a)
        np.clip(o.c, 0, 1, out=o.c)
        return o

    # -- whole-image adjustments
    def vignette(self, strength=0.35, color=(0, 0, 0)):
        yy, xx = np.mgrid[0:self.H, 0:self.W].astype(np.float32)
        d = np.sqrt(((xx / self.W - 0.5) * 2) ** 2 + ((yy / self.H - 0.5) * 2) ** 2) / math.sqrt(2)
        k = np.clip(d, 0, 1) ** 2 * strength
        col = rgb(color)[:3]
        self.c = self.c * (1 - k[..., None]) + col * self.a[..., None] * k[..., None]
        return self

    def grade(self, field, amount):
        """Multiply brightness by (1 + amount * field): gentle paint unevenness."""
        self.c *= (1 + amount * field)[..., None]
        np.minimum(self.c, self.a[..., None], out=self.c)
        np.maximum(self.c, 0, out=self.c)
        return self

    # -- output
    def image(self, mode="RGB", background=(255, 255, 255)):
        chans = []
        for arr in [self.c[..., 0], self.c[..., 1], self.c[..., 2], self.a]:
            img = Image.fromarray(np.ascontiguousarray(arr), "F").resize((self.w, self.h), Image.LANCZOS)
            chans.append(np.asarray(img))
        c = np.stack(chans[:3], -1)
        a = np.clip(chans[3], 0, 1)
        if mode == "RGBA":
            straight = np.where(a[..., None] > 1e-4, c / np.maximum(a[..., None], 1e-4), 0)
            out = np.concatenate([np.clip(straight, 0, 1), a[..., None]], -1)
            return Image.fromarray((out * 255 + 0.5).astype(np.uint8), "RGBA")
        bg = rgb(background)[:3]
        out = c + bg * (1 - a[..., None])
        return Image.fromarray((np.clip(out, 0, 1) * 255 + 0.5).astype(np.uint8), "RGB")

    def region_canvas(self, x0, y0, x1, y1):
        """A new canvas holding a copy of a rectangle of this one."""
        o = Canvas(x1 - x0, y1 - y0, self.ss)
        ss = self.ss
        o.c[...] = self.c[y0 * ss:y1 * ss, x0 * ss:x1 * ss]
        o.a[...] = self.a[y0 * ss:y1 * ss, x0 * ss:x1 * ss]
        return o


# ---------------------------------------------------------------- common painted motifs

def soft_shadow(cv, pts, dx=3, dy=4, blur=4, alpha=0.35, color=(20, 15, 10)):
    moved = [(x + dx, y + dy) for x, y in pts]
    cv.poly(moved, color, alpha=alpha, blur=blur)


def shaded_poly(cv, pts, base, light=1.25, dark=0.7, direction=((0, 0), (0, 1)), outline=None,
                outline_w=1.2, tex=None):
    """A polygon with a two-tone gradient between the given points of its box and an outline."""
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    (ax, ay), (bx, by) = direction
    p0 = (x0 + (x1 - x0) * ax, y0 + (y1 - y0) * ay)
    p1 = (x0 + (x1 - x0) * bx, y0 + (y1 - y0) * by)
    paint = Linear(p0, p1, [(0, shade(base, light)), (0.5, base), (1, shade(base, dark))])
    if tex is not None:
        paint = cv.textured(paint, tex[0], tex[1])
    cv.poly(pts, paint)
    if outline:
        cv.outline(pts, outline_w, outline, alpha=0.85)


def save_jpeg(img, path, quality=85):
    img.convert("RGB").save(path, "JPEG", quality=quality, optimize=True, subsampling=0 if img.width <= 48 else 2)


def save_png(img, path):
    img.save(path, "PNG", optimize=True)
