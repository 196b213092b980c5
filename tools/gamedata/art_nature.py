"""Painted nature seen from the bank: skies, clouds, trees, reeds, lilies, water.

Used by the fishing places and by the other landscape pictures (splash,
credits, base).  All functions draw onto a paint.Canvas in final pixels.
"""

import math

import numpy as np

from paint import Linear, Radial, blob, catmull, fbm, mix, ribbon, shade, with_alpha

# ---------------------------------------------------------------- palettes

SKIES = {
    "morning": dict(top="#8fb0d4", mid="#c9d3dc", horizon="#f7dcbc", cloud="#fdeee2", cloud_shade="#b9b2c6",
                    water_far="#e6d6c6", water_near="#5f7f98", haze="#eadfd3", sun=(110, -80, "#fff4d0", 13),
                    mist=0.6, grade=(255, 236, 224), far_light=(228, 218, 222), land=(240, 232, 228)),
    "noon": dict(top="#3d7cc9", mid="#79ade0", horizon="#d3e6f2", cloud="#ffffff", cloud_shade="#a9bcd3",
                 water_far="#b6d2e4", water_near="#2c5a7c", haze="#d1e2ec", sun=None, mist=0.0,
                 grade=(255, 255, 250), far_light=(255, 255, 255), land=(255, 255, 255)),
    "evening": dict(top="#34396f", mid="#c5677a", horizon="#ffc46e", cloud="#ffb184", cloud_shade="#634b78",
                    water_far="#f2ad72", water_near="#35304f", haze="#e9a48a", sun=(505, -78, "#fff3b8", 15),
                    mist=0.12, grade=(255, 226, 205), far_light=(150, 118, 138), land=(196, 160, 150)),
    "overcast": dict(top="#87919b", mid="#a6aeb6", horizon="#ccd0d1", cloud="#c9cdd1", cloud_shade="#7b838c",
                     water_far="#b7bdc1", water_near="#4f5e69", haze="#c3c8ca", sun=None, mist=0.25,
                     grade=(242, 246, 250), far_light=(200, 206, 208), land=(214, 218, 216)),
    "rain": dict(top="#666e77", mid="#868d94", horizon="#a9aeb1", cloud="#9ba1a7", cloud_shade="#5c636b",
                 water_far="#9ba3a8", water_near="#44515a", haze="#a4aaae", sun=None, mist=0.35,
                 grade=(232, 238, 244), far_light=(176, 182, 190), land=(190, 196, 200)),
}

SEASONS = {
    "summer": dict(trees=["#3d6b2a", "#4d7c31", "#5e8b38", "#38602c", "#6a9440"], pine="#2a4a2c",
                   birch="#6f9c45", grass="#6c9a3c", grass_dark="#3f6a27", ground="#7d9a4c", reed="#6f8a3a",
                   reed_dark="#4a6228"),
    "autumn": dict(trees=["#c98d27", "#d9aa3a", "#b4561e", "#8d7a2c", "#9a3f1c", "#6b7a34"], pine="#2d452c",
                   birch="#e0b43c", grass="#8b9244", grass_dark="#5d6630", ground="#93904e", reed="#b89a52",
                   reed_dark="#7f6a38"),
    "spring": dict(trees=["#6b6158", "#7a6f63", "#5e564f"], pine="#33502f", birch="#a9bd72", grass="#8c9f5c",
                   grass_dark="#5e6f3b", ground="#a29a70", reed="#bfae7c", reed_dark="#8a7a50"),
}


# ---------------------------------------------------------------- sky

def sky(cv, sky_p, y_horizon, rng, clouds=5):
    w, h = cv.w, cv.h
    cv.rect(0, 0, w, y_horizon + 4, Linear((0, 0), (0, y_horizon), [
        (0, sky_p["top"]), (0.55, sky_p["mid"]), (1, sky_p["horizon"])]))
    sun = sky_p.get("sun")
    if sun:
        sx, sy, col, r = sun
        sy = y_horizon + sy
        cv.ellipse(sx, sy, r * 9, r * 6, Radial((sx, sy), r * 9, [(0, with_alpha(col, 0.55)), (1, with_alpha(col, 0))],
                                                ry=r * 6))
        cv.ellipse(sx, sy, r * 2.6, r * 2.6, Radial((sx, sy), r * 2.6, [(0, with_alpha(col, 0.9)),
                                                                       (1, with_alpha(col, 0))]))
        cv.ellipse(sx, sy, r, r, col)
    for i in range(clouds):
        cx = rng.uniform(-40, w + 40)
        cy = rng.uniform(y_horizon * 0.12, y_horizon * 0.75)
        size = rng.uniform(0.6, 1.4) * (0.5 + cy / y_horizon)
        cloud(cv, cx, cy, 70 * size, 22 * size, sky_p, rng)


def cloud(cv, cx, cy, rx, ry, sky_p, rng, alpha=0.95):
    """A cumulus: a flat shaded base and puffs lit from above."""
    puffs = []
    n = rng.integers(4, 8)
    for k in range(n):
        px = cx + (k / (n - 1) - 0.5) * rx * 1.6 + rng.uniform(-8, 8)
        pr = ry * rng.uniform(0.7, 1.25) * (1.2 - abs(k / (n - 1) - 0.5))
        puffs.append((px, cy - pr * 0.3, pr))
    m = cv.mask()
    for px, py, pr in puffs:
        m.ellipse(px, py, pr * 1.25, pr)
    m.ellipse(cx, cy + ry * 0.2, rx, ry * 0.55)
    m.blur(1.2)
    cv.fill(m, Linear((0, cy - ry * 1.3), (0, cy + ry * 0.8), [
        (0, sky_p["cloud"]), (0.55, mix(sky_p["cloud"], sky_p["cloud_shade"], 0.35)), (1, sky_p["cloud_shade"])]),
        alpha)
    for px, py, pr in puffs[1:-1]:
        cv.ellipse(px - pr * 0.25, py - pr * 0.35, pr * 0.6, pr * 0.4, sky_p["cloud"], alpha=0.35, blur=pr * 0.25)


def stratus(cv, y0, y1, sky_p, rng, bands=6):
    """Layered grey cloud for overcast and rain."""
    for k in range(bands):
        y = y0 + (y1 - y0) * k / bands + rng.uniform(-5, 5)
        pts = [(x, y + 6 * math.sin(x / 70 + k) + rng.uniform(-3, 3)) for x in range(-20, cv.w + 40, 40)]
        top = catmull(pts, False, 6)
        poly = top + [(cv.w + 20, y + 26), (-20, y + 26)]
        col = mix(sky_p["cloud"], sky_p["cloud_shade"], rng.uniform(0.2, 0.8))
        cv.poly(poly, col, alpha=0.5, blur=5)


# ---------------------------------------------------------------- trees

def pine(cv, x, yb, h, col, rng, light=-1, haze=None, haze_k=0.0):
    if haze is not None:
        col = mix(col, haze, haze_k)
    w = h * rng.uniform(0.24, 0.32)
    tiers = max(3, int(h / 9) + 2)
    left, right = [], []
    for i in range(tiers + 1):
        t = i / tiers
        y = yb - h + h * t * 0.92
        wi = w * (0.08 + 0.92 * t)
        j = rng.uniform(0.85, 1.1)
        left.append((x - wi * j, y + h / tiers * 0.25))
        left.append((x - wi * 0.45, y + h / tiers * 0.45))
        right.append((x + wi * rng.uniform(0.85, 1.1), y + h / tiers * 0.25))
        right.append((x + wi * 0.45, y + h / tiers * 0.45))
    pts = [(x, yb - h - 2)] + right + [(x, yb - h * 0.04)] + left[::-1]
    lit, dark = shade(col, 1.35), shade(col, 0.6)
    a, b = (x - w, 0), (x + w, 0)
    if light > 0:
        a, b = b, a
    cv.line([(x, yb), (x, yb - h * 0.3)], max(1.0, h * 0.04), shade("#4a3526", 0.8) if haze is None else
            mix("#4a3526", haze, haze_k))
    cv.poly(pts, Linear(a, b, [(0, lit), (0.45, col), (1, dark)]))


def round_tree(cv, x, yb, h, col, rng, light=-1, haze=None, haze_k=0.0, trunk=True):
    if haze is not None:
        col = mix(col, haze, haze_k)
    rx = h * rng.uniform(0.32, 0.42)
    cy = yb - h * 0.62
    if trunk:
        tcol = "#4b3a2a" if haze is None else mix("#4b3a2a", haze, haze_k)
        cv.stroke([(x, yb), (x + rng.uniform(-2, 2), cy)], [max(1.2, h * 0.07), max(0.8, h * 0.04)], tcol)
    m = cv.mask()
    parts = [(x, cy, rx, h * 0.36)]
    for _ in range(rng.integers(3, 6)):
        parts.append((x + rng.uniform(-rx * 0.7, rx * 0.7), cy + rng.uniform(-h * 0.25, h * 0.12),
                      rx * rng.uniform(0.45, 0.7), h * rng.uniform(0.2, 0.3)))
    for px, py, prx, pry in parts:
        m.poly(blob(px, py, prx, pry, rng, 9, 0.18))
    lit, dark = shade(col, 1.3), shade(col, 0.58)
    cv.fill(m, Linear((x + light * rx, cy - h * 0.4), (x - light * rx * 0.6, cy + h * 0.3),
                      [(0, lit), (0.45, col), (1, dark)]))
    for px, py, prx, pry in parts[1:]:
        cv.ellipse(px + light * prx * 0.25, py - pry * 0.35, prx * 0.45, pry * 0.35, lit, alpha=0.35,
                   blur=max(0.6, prx * 0.2))


def birch(cv, x, yb, h, col, rng, light=-1, haze=None, haze_k=0.0):
    bark = "#f1eee6" if haze is None else mix("#f1eee6", haze, haze_k)
    trunk_top = yb - h * 0.85
    lean = rng.uniform(-h * 0.06, h * 0.06)
    wd = max(1.2, h * 0.05)
    canopy_col = col if haze is None else mix(col, haze, haze_k)
    for layer, (tone, alpha) in enumerate(((0.62, 0.9), (1.0, 0.9), (1.3, 0.75))):
        m = cv.mask()
        for _ in range(rng.integers(8, 14)):
            t = rng.uniform(0.3, 0.95)
            px = x + lean * t + rng.uniform(-h * 0.2, h * 0.2) * (0.4 + t * 0.6) * (1 - layer * 0.15)
            py = yb - h * t + layer * h * 0.02
            m.poly(blob(px, py + h * 0.04, h * rng.uniform(0.07, 0.13), h * rng.uniform(0.09, 0.15), rng, 7, 0.35))
        cv.fill(m, shade(canopy_col, tone), alpha)
    cv.stroke([(x, yb), (x + lean, trunk_top)], [wd, wd * 0.5], bark)
    for _ in range(int(h / 8)):
        t = rng.uniform(0.05, 0.8)
        px = x + lean * t
        py = yb - (yb - trunk_top) * t
        cv.line([(px - wd * 0.4, py), (px + wd * 0.3, py + 0.3)], max(0.5, wd * 0.3), "#2b2724", alpha=0.8)


def willow(cv, x, yb, h, col, rng, light=-1, haze=None, haze_k=0.0):
    if haze is not None:
        col = mix(col, haze, haze_k)
    cv.stroke([(x, yb), (x + h * 0.05, yb - h * 0.55)], [h * 0.09, h * 0.05], "#4a3b2c")
    cy = yb - h * 0.65
    rx = h * 0.55
    m = cv.mask()
    m.poly(blob(x, cy, rx, h * 0.3, rng, 10, 0.15))
    for _ in range(4):
        m.poly(blob(x + rng.uniform(-rx * 0.6, rx * 0.6), cy - h * 0.1, rx * 0.5, h * 0.2, rng, 8, 0.2))
    cv.fill(m, Linear((x, cy - h * 0.35), (x, cy + h * 0.3), [(0, shade(col, 1.25)), (1, shade(col, 0.7))]))
    # hanging strands
    for _ in range(int(h * 1.2)):
        sx = x + rng.uniform(-rx, rx)
        top = cy + rng.uniform(-h * 0.1, h * 0.15)
        ln = h * rng.uniform(0.25, 0.55) * (1 - abs(sx - x) / rx * 0.5)
        c = shade(col, rng.uniform(0.6, 1.35))
        cv.stroke([(sx, top), (sx + rng.uniform(-1, 1), top + ln * 0.6), (sx + rng.uniform(-2, 2), top + ln)],
                  [h * 0.025, h * 0.015, 0.3], c, alpha=0.8)


def bare_tree(cv, x, yb, h, col, rng, light=-1, haze=None, haze_k=0.0, buds=None):
    if haze is not None:
        col = mix(col, haze, haze_k)

    def branch(x0, y0, ang, ln, wd, depth):
        x1 = x0 + math.cos(ang) * ln
        y1 = y0 - math.sin(ang) * ln
        cv.stroke([(x0, y0), ((x0 + x1) / 2 + rng.uniform(-1, 1), (y0 + y1) / 2), (x1, y1)], [wd, wd * 0.65], col)
        if depth > 0:
            for da in (rng.uniform(0.25, 0.6), -rng.uniform(0.25, 0.6)):
                branch(x1, y1, ang + da, ln * rng.uniform(0.6, 0.78), wd * 0.65, depth - 1)
    branch(x, yb, math.pi / 2 + rng.uniform(-0.08, 0.08), h * 0.38, max(1.0, h * 0.06), 4 if h > 40 else 3)
    if buds:
        cv.ellipse(x, yb - h * 0.65, h * 0.35, h * 0.3, buds, alpha=0.28, blur=h * 0.08)


TREE_KINDS = {"pine": pine, "round": round_tree, "birch": birch, "willow": willow, "bare": bare_tree}


# ---------------------------------------------------------------- water plants

def reeds(cv, x0, x1, yb, h, season, rng, count=None, reflect=True, heads=True):
    """A clump of reeds standing in water with base line yb (roughly)."""
    col, dark = season["reed"], season["reed_dark"]
    count = count or int((x1 - x0) / 2.2)
    stems = []
    for _ in range(count):
        x = rng.uniform(x0, x1)
        edge = min(x - x0, x1 - x) / max(1.0, (x1 - x0) / 2)
        sh = h * rng.uniform(0.45, 1.0) * (0.55 + 0.45 * edge)
        yb_i = yb + rng.uniform(-h * 0.06, h * 0.06)
        bend = rng.uniform(-0.25, 0.25) * sh
        stems.append((x, yb_i, sh, bend))
    stems.sort(key=lambda s: s[1])
    if reflect:
        for x, y, sh, bend in stems:
            pts = [(x, y), (x + bend * 0.3, y + sh * 0.35), (x + bend * 0.6, y + sh * 0.55)]
            cv.stroke(pts, [max(0.8, sh * 0.02), 0.3], dark, alpha=0.22)
    for x, y, sh, bend in stems:
        c = mix(col, dark, rng.uniform(0, 0.8))
        pts = [(x, y), (x + bend * 0.3, y - sh * 0.5), (x + bend, y - sh)]
        cv.stroke(catmull(pts, False, 5), [max(0.9, sh * 0.025), max(0.5, sh * 0.012), 0.2], c)
        if rng.random() < 0.35:   # a leaf bending away
            d = rng.choice([-1, 1])
            lp = [(x, y - sh * 0.2), (x + d * sh * 0.15, y - sh * 0.55), (x + d * sh * 0.35, y - sh * 0.62)]
            cv.stroke(catmull(lp, False, 5), [max(1.0, sh * 0.03), max(0.6, sh * 0.02), 0.2], shade(c, 1.1))
        if heads and rng.random() < 0.22:
            hx, hy = x + bend * 0.82, y - sh * 0.82
            cv.stroke([(hx, hy), (hx + bend * 0.06, hy - sh * 0.12)], [max(1.5, sh * 0.05)] * 2, "#5a3a22")
            cv.line([(hx + bend * 0.06, hy - sh * 0.12), (hx + bend * 0.09, hy - sh * 0.17)], 0.6, c)


def lily_pad(cv, x, y, rx, rng, season, flower=False):
    ry = rx * 0.32
    a0 = rng.uniform(0, 2 * math.pi)
    pts = [(x, y)]
    for i in range(25):
        a = a0 + 0.35 + (2 * math.pi - 0.7) * i / 24
        pts.append((x + math.cos(a) * rx, y + math.sin(a) * ry))
    base = "#3f7a34" if season is None else mix(season["grass_dark"], "#3f7a34", 0.6)
    cv.poly([(px + 0.8, py + 1.0) for px, py in pts], "#123018", alpha=0.35, blur=0.6)
    cv.poly(pts, Linear((x, y - ry), (x, y + ry), [(0, shade(base, 1.35)), (1, shade(base, 0.8))]))
    cv.outline(pts, max(0.4, rx * 0.04), shade(base, 1.5), alpha=0.5)
    if flower:
        fr = rx * 0.45
        for k in range(7):
            a = math.pi * (0.1 + 0.8 * k / 6)
            tip = (x + math.cos(a) * fr, y - ry * 0.2 - math.sin(a) * fr * 0.9)
            cv.stroke([(x, y - ry * 0.1), tip], [fr * 0.35, fr * 0.25, 0.1], "#fbf7f0")
        cv.ellipse(x, y - ry * 0.3, fr * 0.28, fr * 0.18, "#f2c53d")


def grass_blades(cv, x0, x1, y, h, colours, rng, density=1.0, lean=0.0, alpha=1.0):
    n = int((x1 - x0) * density)
    for _ in range(n):
        x = rng.uniform(x0, x1)
        bh = h * rng.uniform(0.4, 1.0)
        d = lean + rng.uniform(-0.35, 0.35)
        c = colours[rng.integers(0, len(colours))]
        pts = [(x, y + rng.uniform(-1, 2)), (x + d * bh * 0.4, y - bh * 0.6), (x + d * bh, y - bh)]
        cv.stroke(catmull(pts, False, 4), [max(0.8, h * 0.06), max(0.4, h * 0.03), 0.1], c, alpha=alpha)


def stone(cv, x, y, rx, ry, rng, col="#8a8580", water_y=None):
    pts = blob(x, y, rx, ry, rng, 9, 0.18)
    cv.poly([(px + rx * 0.15, py + ry * 0.25) for px, py in pts], "#1c1a18", alpha=0.4, blur=max(0.4, rx * 0.15))
    cv.poly(pts, Linear((x - rx * 0.8, y - ry), (x + rx * 0.5, y + ry), [(0, shade(col, 1.45)), (0.45, col),
                                                                        (1, shade(col, 0.45))]))
    if rx > 4:
        cv.outline(pts, max(0.4, rx * 0.04), shade(col, 0.4), alpha=0.5)
        for _ in range(2):
            a = rng.uniform(0, 6.28)
            cv.ellipse(x + math.cos(a) * rx * 0.4, y + math.sin(a) * ry * 0.3, rx * 0.25, ry * 0.18,
                       "#6f7a52", alpha=0.35, blur=rx * 0.08)
    cv.ellipse(x - rx * 0.3, y - ry * 0.45, rx * 0.35, ry * 0.22, shade(col, 1.6), alpha=0.5, blur=max(0.3, rx * 0.12))
    if water_y is not None and y + ry * 0.4 > water_y:
        cv.ellipse(x, y + ry * 0.55, rx * 1.15, ry * 0.22, "#e8eef0", alpha=0.35, blur=0.6)


# ---------------------------------------------------------------- water

def reflect(src, waterline, y_end, rng, amp=1.0):
    """Mirror a transparent canvas about a waterline (array of final-pixel y per
    column), with horizontal wobble that grows away from the line."""
    ss = src.ss
    H, W = src.H, src.W
    yf = (np.interp(np.arange(W) / ss, np.arange(len(waterline)), waterline) * ss).astype(np.int32)
    Y = np.arange(H, dtype=np.int32)[:, None]
    X = np.arange(W, dtype=np.int32)[None, :]
    depth = (Y - yf[None, :]).astype(np.float32)
    wob = fbm(W, H, 0, 3, int(rng.integers(1 << 30)), sx=90 * ss, sy=2.2 * ss)
    disp = (wob * amp * (1.5 + depth / ss * 0.18) * ss).astype(np.int32)
    sy = np.clip(2 * yf[None, :] - Y, 0, H - 1)
    sx = np.clip(X + disp, 0, W - 1)
    valid = (depth > 0) & (Y < int(y_end * ss))
    out = src.copy()
    out.c = src.c[sy, sx] * valid[..., None]
    out.a = src.a[sy, sx] * valid
    return out


def ripple_strokes(cv, y0, y1, x0, x1, light, dark, rng, density=1.0, drift=0.0, skip=None, strength=1.0):
    """Horizontal ripple marks that grow with nearness (perspective)."""
    y = y0 + 1.5
    while y < y1:
        t = (y - y0) / max(1.0, y1 - y0)
        n = int((x1 - x0) / (40 + 30 * t) * density) + 1
        for _ in range(n):
            x = rng.uniform(x0 - 20, x1 + 20)
            if skip and skip[0] < x < skip[1] and rng.random() < 0.6:
                continue
            ln = (5 + 55 * t ** 1.3) * rng.uniform(0.5, 1.4)
            wd = 0.5 + 2.2 * t
            yy = y + rng.uniform(-1, 1)
            c, a = (light, 0.35) if rng.random() < 0.55 else (dark, 0.3)
            pts = [(x - ln / 2, yy - drift * ln / 2), (x, yy + wd * 0.2), (x + ln / 2, yy + drift * ln / 2)]
            cv.stroke(pts, [0.1, wd, 0.1], c, alpha=a * strength)
        y += 1.6 + 9 * t ** 1.4


def glitter(cv, x, y0, y1, col, rng, spread=18):
    y = y0 + 1
    while y < y1:
        t = (y - y0) / max(1.0, y1 - y0)
        for _ in range(3):
            gx = x + rng.normal(0, spread * (0.4 + 1.6 * t))
            ln = (3 + 22 * t) * rng.uniform(0.4, 1.2)
            cv.stroke([(gx - ln / 2, y), (gx + ln / 2, y)], [0.1, 0.6 + 1.6 * t, 0.1], col,
                      alpha=0.7 * (1 - 0.5 * t) * rng.uniform(0.4, 1.0))
        y += 1.2 + 6 * t


def mist(cv, y, height, col, rng, amount=0.5):
    for _ in range(7):
        cx = rng.uniform(-60, cv.w + 60)
        cv.ellipse(cx, y + rng.uniform(-height * 0.3, height * 0.3), rng.uniform(120, 260), height * 0.5, col,
                   alpha=amount * rng.uniform(0.4, 0.8), blur=height * 0.35)


def rain_streaks(cv, rng, count=420, col="#dfe5ea"):
    for _ in range(count):
        x = rng.uniform(-40, cv.w + 20)
        y = rng.uniform(-20, cv.h)
        ln = rng.uniform(8, 22)
        cv.line([(x, y), (x + ln * 0.25, y + ln)], rng.uniform(0.4, 0.8), col, alpha=rng.uniform(0.12, 0.3))


def rain_rings(cv, y0, y1, rng, count=60, col="#dfe6ea"):
    for _ in range(count):
        t = rng.random() ** 0.7
        y = y0 + (y1 - y0) * t
        x = rng.uniform(0, cv.w)
        rx = 2 + 12 * t
        pts = [(x + math.cos(a) * rx, y + math.sin(a) * rx * 0.28) for a in np.linspace(0, 2 * math.pi, 24)]
        cv.line(pts, 0.3 + 0.5 * t, col, alpha=0.22)
