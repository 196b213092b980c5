"""The program's own pictures (resources/pictures/*.png), compiled into the game:
rod frames, the empty slot, the highlighted marker, groundbait packs, the line
spool, the scene's panel and icons, the help panel and the bar menu."""

import math
import os

import numpy as np

import art_maps
from paint import Canvas, Linear, Radial, blob, catmull, mix, ribbon, rng_for, save_png, shade

# ================================================================ rod frames

ROD_W = 200
BUTT_X = 178


class RodPose:
    """A rod seen from behind the angler: the butt at the bottom right, the
    blank leaving it at angle `a0` (degrees, 90 = straight up, 180 = left) and
    curving by `bend` degrees towards its tip (positive: the tip droops forward)."""

    def __init__(self, a0, bend, length, power=2.2, broken_at=None, hang=None):
        self.a0, self.bend, self.length, self.power = a0, bend, length, power
        self.broken_at, self.hang = broken_at, hang

    def centre(self, n=80):
        pts = [(0.0, 0.0)]
        x = y = 0.0
        for i in range(1, n + 1):
            s = i / n
            a = math.radians(self.a0 + self.bend * s ** self.power)
            x += math.cos(a) * self.length / n
            y += math.sin(a) * self.length / n
            pts.append((x, y))
        return pts


def _fit(pose):
    """Shrinks the rod until its tip stays inside the 200-pixel frame."""
    while True:
        xs = [p[0] for p in pose.centre()]
        if BUTT_X + min(xs) >= 6 and BUTT_X + max(xs) <= ROD_W - 4:
            return pose
        pose.length *= 0.97


def rod_extent(pose):
    """Highest and lowest point of a fitted pose, relative to the butt."""
    pts = _rod_points(_fit(pose))[3]
    return max(p[1] for p in pts), min(0.0, min(p[1] for p in pts))


def _rod_points(pose):
    pts = pose.centre()
    if pose.broken_at is not None:
        k = int(len(pts) * pose.broken_at)
        lower = pts[:k + 1]
        bx, by = lower[-1]
        # the upper part hangs from the break, held by the line
        upper = [(bx, by)]
        a = math.radians(pose.hang)
        seg = pose.length * (1 - pose.broken_at) / 40
        x, y = bx, by
        for i in range(40):
            a += math.radians(1.2)
            x += math.cos(a) * seg
            y += math.sin(a) * seg
            upper.append((x, y))
        allpts = lower + upper
    else:
        lower, upper = pts, None
        allpts = pts
    return pts, lower, upper, allpts


def draw_rod(pose, key, extent):
    """One rod frame.  Every frame has the same height and the butt at the same
    place (`extent`: top and bottom over all frames), so a frame that replaces
    another without moving the image keeps the rod where it stood."""
    pose = _fit(pose)
    pts, lower, upper, allpts = _rod_points(pose)
    top, bottom = extent
    height = int(math.ceil(top - bottom + 16))
    cv = Canvas(ROD_W, height, 4)
    base_y = height - 6 + bottom

    def scr(p):
        return (BUTT_X + p[0], base_y - p[1])

    n = len(pts) - 1
    widths = [9.5 - 7.6 * (i / n) ** 0.8 for i in range(n + 1)]
    blank = "#2a2e36"

    def blank_stroke(centre, w0, w1, taper_from=0):
        line = [scr(p) for p in centre]
        ws = [w0 + (w1 - w0) * i / max(1, len(line) - 1) for i in range(len(line))]
        (x0, y0), (x1, y1) = line[0], line[-1]
        ang = math.atan2(y1 - y0, x1 - x0)
        nx, ny = -math.sin(ang), math.cos(ang)
        cv.stroke(line, ws, Linear((x0 - nx * w0, y0 - ny * w0), (x0 + nx * w0, y0 + ny * w0), [
            (0, "#7a8290"), (0.35, blank), (1, "#0e1014")]))
        cv.stroke(line, [w * 0.22 for w in ws], "#c8d0dc", alpha=0.35)

    # line from the reel through the guides to the tip
    guides = [0.34, 0.47, 0.59, 0.7, 0.8, 0.89, 0.96]
    # the blank
    if upper is None:
        blank_stroke(lower, widths[0], widths[-1])
    else:
        k = len(lower) - 1
        blank_stroke(lower, widths[0], widths[k])
        blank_stroke(upper, widths[k] * 0.95, widths[-1])
        bx, by = scr(lower[-1])
        rng = rng_for("rodcrash", key)
        for _ in range(6):      # splinters
            a = rng.uniform(0, 6.28)
            ln = rng.uniform(3, 7)
            cv.line([(bx, by), (bx + math.cos(a) * ln, by + math.sin(a) * ln)], 1.0, "#d8c8a0", alpha=0.9)
        cv.ellipse(bx, by, 3, 3, "#e8dcc0")
    # guides, hanging under the blank
    line_pts = []
    for g in guides:
        i = int(g * n)
        if upper is not None and i > len(lower) - 1:
            j = i - (len(lower) - 1)
            if j >= len(upper):
                continue
            p, q = upper[j], upper[min(j + 1, len(upper) - 1)]
        else:
            p, q = pts[i], pts[min(i + 1, n)]
        x, y = scr(p)
        x2, y2 = scr(q)
        d = math.hypot(x2 - x, y2 - y) or 1
        nx, ny = (y2 - y) / d, -(x2 - x) / d        # guides hang on the side towards the ground
        if nx * -0.6 + ny * 0.8 < 0:
            nx, ny = -nx, -ny
        r = 4.2 - 3.0 * g
        gx, gy = x + nx * (r + 2), y + ny * (r + 2)
        cv.line([(x, y), (gx, gy)], 1.0, "#9aa2ac")
        ring = [(gx + math.cos(t) * r, gy + math.sin(t) * r * 0.6) for t in np.linspace(0, 6.3, 16)]
        cv.line(ring, 1.0, "#d4dae0")
        line_pts.append((gx, gy))
    # handle: cork grip and reel seat
    hi = int(0.22 * n)
    grip = [scr(p) for p in pts[:hi + 1]]
    tex = cv.noise(1.5, 2, 17)
    cv.stroke(grip, [13, 12], cv.textured(Linear((grip[0][0] - 8, 0), (grip[0][0] + 8, 0), [
        (0, "#f0d49c"), (0.45, "#c8985a"), (1, "#7a5230")]), tex, 0.3))
    for i in (int(0.09 * n), int(0.13 * n)):
        p = scr(pts[i])
        q = scr(pts[i + 1])
        ang = math.atan2(q[1] - p[1], q[0] - p[0])
        nx, ny = -math.sin(ang), math.cos(ang)
        cv.line([(p[0] - nx * 7, p[1] - ny * 7), (p[0] + nx * 7, p[1] + ny * 7)], 3.2, "#30343a")
    cv.ellipse(*scr(pts[0]), 7, 5, "#1e1e20")
    # the spinning reel hanging under the seat, its spool towards the tip
    i = int(0.12 * n)
    p, q = scr(pts[i]), scr(pts[i + 2])
    d = math.hypot(q[0] - p[0], q[1] - p[1]) or 1
    ux, uy = (q[0] - p[0]) / d, (q[1] - p[1]) / d        # along the rod, towards the tip
    nx, ny = uy, -ux
    if nx * -0.6 + ny * 0.8 < 0:
        nx, ny = -nx, -ny

    def rp(a, b):
        return (p[0] + ux * a + nx * b, p[1] + uy * a + ny * b)
    cv.stroke([rp(0, 4), rp(2, 13)], [4.5, 3.5], "#33373d")
    body = [rp(-9, 12), rp(8, 11), rp(11, 17), rp(8, 26), rp(-8, 27), rp(-12, 19)]
    cv.poly([(x + 1.5, y + 2) for x, y in body], "#000000", alpha=0.3, blur=1.5)
    cv.poly(catmull(body, True, 4), Linear(rp(0, 11), rp(0, 27), [(0, "#9aa2ac"), (0.45, "#50565e"),
                                                                   (1, "#23262b")]))
    spool = [rp(9, 12), rp(20, 13), rp(21, 25), rp(9, 26)]
    cv.poly(spool, Linear(rp(0, 12), rp(0, 26), [(0, "#e6eaee"), (0.5, "#a8b0b8"), (1, "#5a6068")]))
    cv.poly([rp(11, 14.5), rp(19, 15), rp(19.5, 23.5), rp(11, 24)], Linear(rp(0, 14), rp(0, 24), [
        (0, "#7ad0c0"), (1, "#2a7a70")]))
    cv.line([rp(-2, 20), rp(-4, 33)], 2.0, "#2a2a2e")
    cv.ellipse(*rp(-4.5, 35), 3.4, 3.4, Radial(rp(-5.5, 34), 4.5, [(0, "#5a5a5e"), (1, "#111111")]))
    body = (rp(15, 19)[0] + 3, rp(15, 19)[1] - 8)
    # the line itself
    if line_pts:
        tip = scr(allpts[-1])
        path = [(body[0] - 3, body[1] - 8)] + line_pts + [tip]
        cv.line(path, 0.7, "#e8eef2", alpha=0.75)
        if pose.bend >= 25 and upper is None:
            # under load the line runs taut towards the fish, far out over the water
            cv.line([tip, (tip[0] - 30, tip[1] - 26)], 0.8, "#e8eef2", alpha=0.7)
        elif upper is None:
            cv.line([tip, (tip[0] - 2, tip[1] + 14), (tip[0] - 6, tip[1] + 26)], 0.6, "#e8eef2", alpha=0.5)
    cv.ellipse(*scr(allpts[-1]), 1.6, 1.6, "#d84a3a")
    return cv.image("RGBA")


ROD_FRAMES = {
    "Speen_normal": RodPose(121, 10, 330),
    "speen_zabros1": RodPose(96, -18, 270),
    "speen_zabros2": RodPose(128, 34, 260),
    "speen_podsechka1": RodPose(112, 14, 320),
    "speen_podsechka2": RodPose(103, 22, 312),
    "speen_podsechka3": RodPose(94, 28, 300),
    "Speen_izgib1": RodPose(116, 32, 330),
    "Speen_izgib2": RodPose(108, 70, 330),
    "Speen_izgib3": RodPose(100, 115, 330, 1.8),
    "speen_crash": RodPose(118, 4, 330, broken_at=0.48, hang=-105),
}


# ================================================================ small pictures

def float_picture():
    """The float as the scene shows it: 14 x 40 pixels, the water line at the
    bottom edge.  A fluorescent orange tip over a white band and a black band
    reads on bright sky reflections and on dark water alike; the dark outline
    keeps it apart from green shore water."""
    cv = Canvas(14, 40, 6)
    cx = 7
    # the antenna: dark outline, then the colours
    cv.rect(cx - 3.2, 1, cx + 3.2, 30, "#101010")
    cv.ellipse(cx, 2.6, 3.2, 2.6, "#101010")
    cv.rect(cx - 2, 2, cx + 2, 13, "#ff4a12")
    cv.ellipse(cx, 2.8, 2, 1.8, "#ff7a3a")
    cv.rect(cx - 2, 13, cx + 2, 17, "#ffffff")
    cv.rect(cx - 2, 17, cx + 2, 22, "#ff4a12")
    cv.rect(cx - 2, 22, cx + 2, 25, "#101010")
    cv.rect(cx - 2, 25, cx + 2, 30, "#ffe23a")
    cv.rect(cx - 1.2, 2, cx - 0.4, 29, "#ffffff", alpha=0.35)
    # the shoulder of the body above the water
    cv.poly(catmull([(cx - 6.6, 40), (cx - 5.8, 33), (cx - 3, 29), (cx + 3, 29), (cx + 5.8, 33), (cx + 6.6, 40)],
                    False, 5), "#101010")
    cv.poly(catmull([(cx - 5.4, 40), (cx - 4.6, 34), (cx - 2.2, 30.5), (cx + 2.2, 30.5), (cx + 4.6, 34),
                     (cx + 5.4, 40)], False, 5),
            Linear((cx - 5, 0), (cx + 5, 0), [(0, "#c81e0a"), (0.4, "#ff5a1e"), (1, "#8a1206")]))
    return cv.image("RGBA")



def empty_slot():
    cv = Canvas(96, 72, 4)
    cv.poly(catmull([(4, 4), (92, 4), (92, 68), (4, 68)], True, 1), (200, 200, 200, 0.12))
    r = 8
    pts = []
    for (cx, cy, a0) in ((88 - r + 4, 4 + r, -90), (92 - r, 68 - r, 0), (4 + r, 68 - r, 90), (4 + r, 4 + r, 180)):
        for k in range(7):
            a = math.radians(a0 + 15 * k)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    pts.append(pts[0])
    # dashes along the rounded frame
    total = [0.0]
    for i in range(1, len(pts)):
        total.append(total[-1] + math.hypot(pts[i][0] - pts[i - 1][0], pts[i][1] - pts[i - 1][1]))
    dash, gap = 6.0, 4.0
    s = 0.0
    while s < total[-1]:
        seg = [p for p, t in zip(pts, total) if s <= t <= s + dash]
        a = np.interp(s, total, [p[0] for p in pts]), np.interp(s, total, [p[1] for p in pts])
        b = np.interp(min(s + dash, total[-1]), total, [p[0] for p in pts]), \
            np.interp(min(s + dash, total[-1]), total, [p[1] for p in pts])
        cv.line([a] + seg + [b], 1.4, (120, 120, 120, 0.8))
        s += dash + gap
    return cv.image("RGBA")


def groundbait_pack(price):
    """Four bags, growing and getting fancier with the price."""
    cv = Canvas(96, 96, 4)
    size = {3: 0.74, 5: 0.82, 7: 0.9, 10: 1.0}[price]
    look = {3: ("#c8a46a", "#8a6a3a", "#f4ecd8", "МИКС"),
            5: ("#4a8a4a", "#2a5a2a", "#f0e8a0", "ЛЕЩ"),
            7: ("#d8662a", "#8a3a1a", "#fff0c0", "КАРП"),
            10: ("#1e2a4a", "#0e1428", "#e8c860", "СУПЕР")}[price]
    body, dark, label, word = look
    cx, cy = 48, 52
    w, h = 30 * size, 38 * size
    cv.ellipse(cx + 3, cy + h + 3, w + 4, 5, "#000000", alpha=0.3, blur=2.5)
    bag = catmull([(cx - w, cy - h * 0.75), (cx - w * 0.96, cy), (cx - w * 1.04, cy + h * 0.85), (cx, cy + h * 1.02),
                   (cx + w * 1.04, cy + h * 0.85), (cx + w * 0.96, cy), (cx + w, cy - h * 0.75),
                   (cx, cy - h * 0.7)], True, 6)
    cv.poly(bag, Linear((cx - w, 0), (cx + w, 0), [(0, shade(body, 0.75)), (0.35, shade(body, 1.2)),
                                                  (1, shade(body, 0.6))]))
    # the folded, crimped top
    top = [(cx - w, cy - h * 0.75), (cx + w, cy - h * 0.75), (cx + w * 0.92, cy - h), (cx - w * 0.92, cy - h)]
    cv.poly(top, shade(body, 0.85))
    for k in range(9):
        x = cx - w * 0.9 + k * w * 1.8 / 8
        cv.line([(x, cy - h * 0.98), (x, cy - h * 0.78)], 0.7, shade(dark, 1.0), alpha=0.6)
    if price == 3:
        cv.line([(cx - w * 0.3, cy - h), (cx - w * 0.1, cy - h * 1.15), (cx + w * 0.2, cy - h)], 1.2, "#7a5a3a")
    else:
        cv.ellipse(cx, cy - h * 0.88, 3.5, 2.2, "#ffffff", alpha=0.7)
    # the label with a fish
    lw, lh = w * 0.78, h * 0.42
    cv.poly(catmull([(cx - lw, cy - lh), (cx + lw, cy - lh), (cx + lw, cy + lh), (cx - lw, cy + lh)], True, 1),
            Linear((0, cy - lh), (0, cy + lh), [(0, shade(label, 1.05)), (1, shade(label, 0.88))]))
    fx, fy = cx, cy - lh * 0.15
    fish = [(fx - 12 * size, fy), (fx - 4 * size, fy - 5 * size), (fx + 7 * size, fy - 3 * size),
            (fx + 12 * size, fy - 6 * size), (fx + 12 * size, fy + 6 * size), (fx + 7 * size, fy + 3 * size),
            (fx - 4 * size, fy + 5 * size)]
    cv.poly(catmull(fish, True, 4), shade(dark, 1.1))
    cv.ellipse(fx - 8 * size, fy - 1, 1, 1, label)
    cv.text((cx, cy + lh * 0.75), word, "cond-bold", 7.5 * size + 1, shade(dark, 0.9), anchor="ms")
    if price >= 7:
        for k in range(3 if price == 7 else 5):
            a = -0.9 + k * 0.45
            cv.ellipse(cx + math.cos(a) * w * 0.6, cy + h * 0.62 + math.sin(a) * 2, 1.6, 1.6, "#ffe070")
    if price == 10:
        cv.outline(bag, 1.4, "#e8c860", alpha=0.9)
    cv.text((cx + w * 0.62, cy + h * 0.8), "%d$" % price, "sans-bold", 9, "#ffffff", anchor="mm",
            shadow=((0, 0, 0, 0.6), 0.6, 0.8, 0.6))
    return cv.image("RGBA")


def line_spool():
    cv = Canvas(96, 96, 4)
    cx, cy = 48, 50
    cv.ellipse(cx + 4, cy + 34, 34, 6, "#000000", alpha=0.3, blur=3)
    # the spool seen three-quarter: back flange, wound line, front flange
    cv.ellipse(cx + 8, cy - 2, 30, 36, Radial((cx + 2, cy - 10), 40, [(0, "#f0f0f0"), (1, "#8a9098")]))
    cv.poly([(cx + 8, cy - 38), (cx - 8, cy - 34), (cx - 8, cy + 34), (cx + 8, cy + 34)],
            Linear((0, cy - 36), (0, cy + 36), [(0, "#5ac0b0"), (0.3, "#2a9a90"), (0.7, "#1a7a70"),
                                               (1, "#0e5a52")]))
    cv.clip_to(cv.mask().poly([(cx + 8, cy - 38), (cx - 8, cy - 34), (cx - 8, cy + 34), (cx + 8, cy + 34)]))
    for k in range(40):
        y = cy - 36 + k * 1.8
        cv.line([(cx - 8, y), (cx + 8, y - 1)], 0.5, "#c8f4ee", alpha=0.35)
    cv.clip_to(None)
    cv.ellipse(cx - 8, cy, 26, 34, Radial((cx - 14, cy - 12), 40, [(0, "#ffffff"), (0.6, "#c8ccd2"),
                                                                   (1, "#6a7078")]))
    cv.ellipse(cx - 8, cy, 8, 10.5, "#3a3e44")
    cv.ellipse(cx - 8, cy, 5, 6.5, "#eef0f2")
    cv.text((cx - 8, cy - 17), "ЛЕСКА", "cond-bold", 8, "#2a6a64", anchor="mm")
    cv.text((cx - 8, cy + 20), "100 м", "sans-bold", 7, "#2a6a64", anchor="mm")
    cv.line([(cx + 14, cy - 30), (cx + 30, cy - 40), (cx + 36, cy - 30), (cx + 40, cy - 44)], 0.8, "#2a9a90", alpha=0.9)
    return cv.image("RGBA")


def wood_planks(cv, x0, y0, x1, y1, base, rng, plank_h=20, horizontal=True, grain=0.22):
    tex = cv.noise(0, 4, int(rng.integers(1 << 30)), sx=90 if horizontal else 4, sy=4 if horizontal else 90)
    if horizontal:
        y = y0
        while y < y1:
            h = min(plank_h * rng.uniform(0.85, 1.15), y1 - y)
            col = shade(base, rng.uniform(0.85, 1.12))
            cv.rect(x0, y, x1, y + h, cv.textured(Linear((0, y), (0, y + h), [(0, shade(col, 1.12)),
                                                                              (1, shade(col, 0.85))]), tex, grain))
            cv.line([(x0, y + h - 0.5), (x1, y + h - 0.5)], 1.2, shade(base, 0.4), alpha=0.8)
            cv.line([(x0, y + 0.7), (x1, y + 0.7)], 0.8, shade(base, 1.4), alpha=0.35)
            y += h
    else:
        x = x0
        while x < x1:
            w = min(plank_h * rng.uniform(0.85, 1.15), x1 - x)
            col = shade(base, rng.uniform(0.85, 1.12))
            cv.rect(x, y0, x + w, y1, cv.textured(Linear((x, 0), (x + w, 0), [(0, shade(col, 1.1)),
                                                                              (1, shade(col, 0.85))]), tex, grain))
            cv.line([(x + w - 0.5, y0), (x + w - 0.5, y1)], 1.2, shade(base, 0.4), alpha=0.8)
            x += w


def nail(cv, x, y, r=2.2):
    cv.ellipse(x + 0.6, y + 0.8, r, r, "#000000", alpha=0.4, blur=0.5)
    cv.ellipse(x, y, r, r, Radial((x - r * 0.4, y - r * 0.4), r * 1.6, [(0, "#f4e2a8"), (0.5, "#b08a3a"),
                                                                         (1, "#5a4018")]))


def panel():
    rng = rng_for("panel")
    cv = Canvas(640, 100, 3)
    wood_planks(cv, 0, 0, 640, 100, "#5a3e26", rng, 24)
    cv.rect(0, 0, 640, 6, Linear((0, 0), (0, 6), [(0, "#c8a070"), (1, "#4a3018")]))
    cv.rect(0, 94, 640, 100, "#1e140c", alpha=0.7)
    for x in (10, 630):
        for y in (18, 82):
            nail(cv, x, y)
    cv.vignette(0.35)
    return cv.image("RGB")


def icon_map():
    cv = Canvas(48, 48, 4)
    cv.ellipse(25, 42, 18, 3, "#000000", alpha=0.3, blur=1.5)
    panels = [[(5, 10), (17, 6), (17, 38), (5, 42)], [(17, 6), (31, 10), (31, 42), (17, 38)],
              [(31, 10), (43, 6), (43, 38), (31, 42)]]
    for k, p in enumerate(panels):
        cv.poly(p, Linear((p[0][0], 0), (p[1][0], 0), [(0, shade("#efe2b8", 1.0 - 0.08 * (k % 2))),
                                                       (1, shade("#e2d2a0", 0.92 + 0.06 * (k % 2)))]))
        cv.outline(p, 0.8, "#7a6232", alpha=0.8)
    cv.poly(catmull([(20, 18), (30, 15), (38, 22), (34, 30), (24, 30)], True, 5), "#6aa4c8", alpha=0.9)
    cv.line(catmull([(8, 36), (14, 28), (22, 34), (28, 26)], False, 5), 1.2, "#b8302a")
    cv.ellipse(10, 30, 2.2, 2.2, "#3a7a3a")
    cv.ellipse(13, 20, 2.6, 2.6, "#3a7a3a")
    cv.ellipse(40, 32, 2.2, 2.2, "#3a7a3a")
    cv.ellipse(28, 20, 3.2, 3.2, "#d83a2a")
    cv.line([(28, 23), (28, 28)], 1.2, "#5a1a14")
    return cv.image("RGBA")


def icon_things():
    cv = Canvas(48, 48, 4)
    cv.ellipse(24, 42, 19, 3, "#000000", alpha=0.3, blur=1.5)
    # an open tackle box with trays
    cv.poly([(6, 22), (42, 22), (40, 41), (8, 41)], Linear((0, 22), (0, 41), [(0, "#3aa05a"), (1, "#1e6a36")]))
    cv.poly([(4, 16), (44, 16), (42, 23), (6, 23)], Linear((0, 16), (0, 23), [(0, "#5ac07a"), (1, "#2a8a4a")]))
    for x in (12, 20, 28, 36):
        cv.rect(x - 3, 17, x + 3, 21.5, "#1e5a30")
    cv.ellipse(11, 19, 1.6, 1.2, "#e8c040")
    cv.ellipse(20, 19.5, 2.2, 1.0, "#d8d8d8")
    cv.ellipse(28, 19, 1.6, 1.6, "#d83a2a")
    cv.ellipse(36, 19.5, 2.0, 1.0, "#f0a030")
    cv.line([(17, 10), (17, 6), (31, 6), (31, 10)], 2.4, "#1e1e1e")
    cv.line([(8, 30), (40, 30)], 0.8, "#124a22", alpha=0.6)
    cv.rect(21, 26, 27, 33, "#c8ccd0")
    cv.outline([(6, 22), (42, 22), (40, 41), (8, 41)], 0.8, "#0e3a1a")
    return cv.image("RGBA")


def icon_fish():
    cv = Canvas(48, 48, 4)
    cv.ellipse(24, 44, 16, 3, "#000000", alpha=0.3, blur=1.5)
    net = [(7, 9), (41, 9), (37, 43), (11, 43)]
    cv.poly(net, (200, 215, 190, 0.3))
    fish = [(6, 27), (13, 19), (27, 18), (35, 22), (45, 15), (43, 27), (45, 39), (35, 32), (27, 36), (13, 35)]
    cv.poly(catmull(fish, True, 5), Linear((0, 18), (0, 36), [(0, "#4a6a3a"), (0.45, "#c8c88a"), (1, "#f4f0dc")]))
    cv.line(catmull([(16, 22), (18, 27), (16, 32)], False, 4), 0.8, "#3a4a2a", alpha=0.7)
    cv.ellipse(11, 25, 1.6, 1.6, "#111111")
    cv.poly([(20, 19), (27, 13), (30, 19)], "#5a6a3a")
    cv.clip_to(cv.mask().poly(net))
    for k in range(-6, 8):
        cv.line([(7 + k * 6, 6), (7 + k * 6 + 36, 46)], 0.7, "#2e3a2e", alpha=0.55)
        cv.line([(7 + k * 6 + 36, 6), (7 + k * 6, 46)], 0.7, "#2e3a2e", alpha=0.55)
    cv.clip_to(None)
    for y, rx in ((9, 17), (26, 15), (43, 13)):
        pts = [(24 + math.cos(a) * rx, y + math.sin(a) * 3.5) for a in np.linspace(0, 6.3, 30)]
        cv.line(pts, 1.6, "#5a6068")
    return cv.image("RGBA")


def icon_help():
    cv = Canvas(48, 48, 4)
    cv.ellipse(25, 26, 21, 21, "#000000", alpha=0.3, blur=2)
    cv.ellipse(24, 24, 21, 21, "#e8e8e8")
    for k in range(4):
        a0 = math.radians(k * 90 - 22)
        pts = [(24, 24)] + [(24 + math.cos(a0 + math.radians(44) * t) * 21.5, 24 + math.sin(a0 + math.radians(44) * t)
                             * 21.5) for t in np.linspace(0, 1, 10)]
        cv.poly(pts, "#d8302a")
    cv.ellipse(24, 24, 21, 21, Radial((17, 16), 30, [(0, (255, 255, 255, 0.45)), (0.6, (255, 255, 255, 0.0)),
                                                    (1, (0, 0, 0, 0.25))]))
    cv.ellipse(24, 24, 12, 12, "#f4f0e4")
    cv.ellipse(24, 24, 12, 12, Radial((24, 24), 12, [(0.7, (0, 0, 0, 0.0)), (1, (0, 0, 0, 0.3))]))
    cv.text((24, 25), "?", "serif-bold", 17, "#1e4a8a", anchor="mm")
    for a in (45, 135, 225, 315):
        r = math.radians(a)
        cv.line([(24 + math.cos(r) * 14, 24 + math.sin(r) * 14), (24 + math.cos(r) * 20, 24 + math.sin(r) * 20)],
                1.0, "#c8b080")
    return cv.image("RGBA")


def parchment(w, h, key, ss=3):
    rng = rng_for("parchment", key)
    cv = Canvas(w, h, ss)
    edge = []
    for x in np.linspace(3, w - 3, 14):
        edge.append((x, 3 + rng.uniform(-1.5, 1.5)))
    for y in np.linspace(3, h - 3, 14):
        edge.append((w - 3 + rng.uniform(-1.5, 1.5), y))
    for x in np.linspace(w - 3, 3, 14):
        edge.append((x, h - 3 + rng.uniform(-1.5, 1.5)))
    for y in np.linspace(h - 3, 3, 14):
        edge.append((3 + rng.uniform(-1.5, 1.5), y))
    cv.poly([(x + 2, y + 2) for x, y in edge], "#000000", alpha=0.35, blur=2)
    tex = cv.noise(20, 4, int(rng.integers(1 << 30)))
    cv.poly(edge, cv.textured(Radial((w * 0.45, h * 0.4), max(w, h) * 0.75, [(0, "#f7ecd0"), (0.7, "#ead7a8"),
                                                                            (1, "#c9a86a")]), tex, 0.08))
    cv.clip_to(cv.mask().poly(edge))
    for _ in range(6):
        cv.ellipse(rng.uniform(0, w), rng.uniform(0, h), rng.uniform(8, 30), rng.uniform(5, 18), "#b08850",
                   alpha=0.12, blur=6)
    cv.clip_to(None)
    cv.outline(edge, 1.0, "#8a6a3a", alpha=0.7)
    return cv


def help_panel():
    cv = parchment(169, 201, "help")
    return cv.image("RGBA")


# ================================================================ bar menu

def glass_shadow(cv, cx, y, rx):
    cv.ellipse(cx + 2, y, rx, rx * 0.22, "#000000", alpha=0.35, blur=1.5)


def bottle(cv, cx, body, label, cap, liquid=None, tall=1.0, label_text=None):
    top = 6 + (1 - tall) * 14
    glass_shadow(cv, cx, 60, 12)
    shape = [(cx - 3, top), (cx + 3, top), (cx + 3.5, top + 14), (cx + 10, top + 24), (cx + 10, 59),
             (cx - 10, 59), (cx - 10, top + 24), (cx - 3.5, top + 14)]
    shape = catmull(shape, True, 4)
    cv.poly(shape, Linear((cx - 10, 0), (cx + 10, 0), [(0, shade(body, 0.6)), (0.3, shade(body, 1.35)),
                                                      (0.5, body), (1, shade(body, 0.5))]))
    cv.rect(cx - 3.3, top - 2, cx + 3.3, top + 2, cap)
    if label:
        cv.rect(cx - 10, top + 30, cx + 10, top + 44 - (1 - tall) * 4, Linear((cx - 10, 0), (cx + 10, 0), [
            (0, shade(label, 0.8)), (0.35, shade(label, 1.1)), (1, shade(label, 0.7))]))
        if label_text:
            cv.text((cx, top + 38 - (1 - tall) * 2), label_text, "cond-bold", 6, shade(body, 0.5), anchor="mm")
    cv.rect(cx - 7, top + 26, cx - 5, 56, "#ffffff", alpha=0.35)


def mug(cv, cx, beer="#e8a420", dark=False):
    glass_shadow(cv, cx, 60, 16)
    body = [(cx - 13, 18), (cx + 11, 18), (cx + 11, 58), (cx - 13, 58)]
    cv.poly(body, Linear((cx - 13, 0), (cx + 11, 0), [(0, shade(beer, 0.7)), (0.35, shade(beer, 1.25)),
                                                     (1, shade(beer, 0.55))]))
    cv.line(catmull([(cx + 11, 24), (cx + 20, 26), (cx + 20, 44), (cx + 11, 48)], False, 6), 3.2,
            (230, 235, 235, 0.8))
    for x in (cx - 7, cx - 1, cx + 5):
        cv.rect(x - 1, 22, x + 1, 56, "#ffffff", alpha=0.2)
    foam = "#f8f2e0" if not dark else "#e8d8b0"
    cv.poly(catmull([(cx - 14, 20), (cx - 10, 12), (cx - 3, 10), (cx + 4, 12), (cx + 10, 10), (cx + 13, 16),
                     (cx + 12, 22), (cx - 13, 22)], True, 5), foam)
    for _ in range(3):
        cv.ellipse(cx - 6 + _ * 6, 15, 2.5, 2, "#ffffff", alpha=0.6)
    for k in range(6):
        cv.ellipse(cx - 8 + k * 3, 30 + (k * 7) % 20, 0.7, 0.7, "#ffffff", alpha=0.6)


def stemmed_glass(cv, cx, liquid, bowl="wine"):
    glass_shadow(cv, cx, 60, 10)
    cv.line([(cx, 36), (cx, 57)], 1.6, (230, 235, 240, 0.8))
    cv.ellipse(cx, 58, 9, 2.4, (220, 228, 235, 0.8))
    if bowl == "wine":
        b = catmull([(cx - 11, 10), (cx + 11, 10), (cx + 10, 26), (cx, 37), (cx - 10, 26)], True, 6)
        cv.poly(b, (235, 240, 245, 0.35))
        cv.poly(catmull([(cx - 10.5, 20), (cx + 10.5, 20), (cx + 9.5, 27), (cx, 36), (cx - 9.5, 27)], True, 6),
                Linear((cx - 10, 0), (cx + 10, 0), [(0, shade(liquid, 0.7)), (0.4, shade(liquid, 1.3)),
                                                    (1, shade(liquid, 0.6))]))
        cv.outline(b, 0.8, (200, 210, 220, 0.9))
    else:   # cocktail cone
        b = [(cx - 15, 12), (cx + 15, 12), (cx, 36)]
        cv.poly(b, (235, 240, 245, 0.35))
        cv.poly([(cx - 12.5, 15), (cx + 12.5, 15), (cx, 34)], liquid, alpha=0.8)
        cv.outline(b, 0.8, (200, 210, 220, 0.9))
        cv.line([(cx + 4, 8), (cx - 2, 22)], 0.8, "#8a6a3a")
        cv.ellipse(cx - 2, 22, 3, 2.6, Radial((cx - 3, 21), 3.5, [(0, "#a8c860"), (1, "#4a6a20")]))
        cv.ellipse(cx - 2.5, 21.5, 1.0, 0.8, "#d83a2a")


def tumbler(cv, cx, liquid, ice=True, small=False):
    glass_shadow(cv, cx, 60, 12)
    h0 = 30 if not small else 42
    body = [(cx - 12, h0), (cx + 12, h0), (cx + 10.5, 58), (cx - 10.5, 58)]
    cv.poly(body, (230, 236, 240, 0.35))
    lvl = h0 + (58 - h0) * 0.4
    cv.poly([(cx - 11.5, lvl), (cx + 11.5, lvl), (cx + 10.5, 57), (cx - 10.5, 57)],
            Linear((cx - 12, 0), (cx + 12, 0), [(0, shade(liquid, 0.7)), (0.35, shade(liquid, 1.3)),
                                               (1, shade(liquid, 0.6))]), alpha=0.9)
    if ice:
        for x, y in ((cx - 5, lvl + 2), (cx + 4, lvl + 4)):
            cv.poly([(x - 4, y - 3), (x + 4, y - 4), (x + 5, y + 3), (x - 3, y + 4)], (240, 248, 255, 0.6))
    cv.outline(body, 0.8, (200, 210, 220, 0.9))
    cv.rect(cx - 8, h0 + 2, cx - 6, 56, "#ffffff", alpha=0.35)
    cv.rect(cx - 10.5, 56, cx + 10.5, 58, (220, 230, 235, 0.6))


def drink(i):
    cv = Canvas(64, 64, 4)
    cx = 32
    if i == 1:
        bottle(cv, cx, "#6a3a14", "#f2e6c8", "#c8a030", label_text="КЛИН")
    elif i == 2:
        bottle(cv, cx, "#c89a3a", "#f4f4f4", "#2a4a9a", label_text="MLR")
    elif i == 3:
        bottle(cv, cx, "#2a6a2a", "#e8e0c0", "#c8c8c8", label_text="BKS")
    elif i == 4:
        bottle(cv, cx, "#3a2414", "#1a1a1a", "#d8b040", label_text="ТНК")
    elif i == 5:
        mug(cv, cx - 3, "#e8b030")
    elif i == 6:
        glass_shadow(cv, cx, 60, 11)
        pint = [(cx - 12, 8), (cx + 12, 8), (cx + 9, 58), (cx - 9, 58)]
        cv.poly(pint, Linear((cx - 12, 0), (cx + 12, 0), [(0, "#140c08"), (0.35, "#3a2010"), (1, "#0a0604")]))
        cv.poly([(cx - 12, 8), (cx + 12, 8), (cx + 11.6, 15), (cx - 11.6, 15)], "#efe0bc")
        cv.rect(cx - 9, 10, cx - 7, 56, "#ffffff", alpha=0.18)
        cv.ellipse(cx, 34, 4, 4, "#d8b040", alpha=0.8)
    elif i == 7:
        stemmed_glass(cv, cx + 6, "#8a1426")
        bottle(cv, cx - 12, "#3a0e16", "#e8dcc0", "#6a1a1a", tall=0.9)
    elif i == 8:
        stemmed_glass(cv, cx, (220, 225, 200, 1.0), "cocktail")
    elif i == 9:
        tumbler(cv, cx, "#b8641a")
    elif i == 10:
        bottle(cv, cx - 8, (225, 232, 240, 1.0), "#c8d8f0", "#c83a2a", tall=0.85, label_text="ВОДКА")
        tumbler(cv, cx + 16, (235, 240, 245, 1.0), ice=False, small=True)
    elif i == 11:
        bottle(cv, cx, (230, 236, 244, 1.0), "#2a3a8a", "#c8c8d0", tall=1.0, label_text="РУС.СТ")
    elif i == 12:
        mug(cv, cx - 3, "#d89018")
        cv.ellipse(cx - 4, 38, 5, 4, "#8a2a1a", alpha=0.9)
        cv.ellipse(cx - 4, 38, 2.5, 2, "#e8c040")
    else:   # absinthe with a spoon and sugar
        stemmed_glass(cv, cx, "#4ac83a")
        cv.line([(cx - 14, 12), (cx + 14, 8)], 1.6, "#c8ccd0")
        cv.rect(cx - 3, 5, cx + 3, 10, "#ffffff")
    return cv.image("RGBA")


def plate(cv, cx, cy, r):
    cv.ellipse(cx + 2, cy + 3, r, r * 0.45, "#000000", alpha=0.3, blur=2)
    cv.ellipse(cx, cy, r, r * 0.45, Radial((cx - r * 0.3, cy - r * 0.15), r * 1.2, [(0, "#ffffff"), (1, "#c8ccd0")],
                                          ry=r * 0.6))
    cv.ellipse(cx, cy, r * 0.72, r * 0.32, "#eef0f2")


def dish(i):
    cv = Canvas(64, 64, 4)
    rng = rng_for("dish", i)
    if i == 1:   # pizza
        cv.ellipse(33, 42, 28, 13, "#000000", alpha=0.3, blur=2)
        cv.ellipse(32, 38, 28, 13, Linear((0, 26), (0, 52), [(0, "#e8b060"), (1, "#a86a28")]))
        cv.ellipse(32, 37, 24, 10.5, "#d8482a")
        cv.ellipse(32, 37, 22, 9.5, cv.textured("#f2d27a", cv.noise(2, 2, 3), 0.2))
        for _ in range(9):
            a, r = rng.uniform(0, 6.28), rng.uniform(0, 0.8)
            cv.ellipse(32 + math.cos(a) * 18 * r, 37 + math.sin(a) * 7 * r, 3, 1.6, "#b82a1a")
        for _ in range(6):
            a, r = rng.uniform(0, 6.28), rng.uniform(0, 0.8)
            cv.ellipse(32 + math.cos(a) * 18 * r, 37 + math.sin(a) * 7 * r, 1.6, 1.0, "#3a7a2a")
        for k in range(4):
            a = k * math.pi / 4
            cv.line([(32 - math.cos(a) * 24, 37 - math.sin(a) * 10), (32 + math.cos(a) * 24, 37 + math.sin(a) * 10)],
                    0.6, "#8a4a1a", alpha=0.5)
    elif i == 2:   # fries in a paper cone
        for _ in range(16):
            x = rng.uniform(20, 44)
            cv.stroke([(x, 34), (x + rng.uniform(-4, 4), rng.uniform(8, 16))], [3.2, 3.0],
                      Linear((x - 2, 0), (x + 2, 0), [(0, "#f8dc78"), (1, "#d8a030")]))
        cone = [(16, 28), (48, 28), (42, 60), (22, 60)]
        cv.ellipse(34, 61, 14, 2.5, "#000000", alpha=0.3, blur=1.5)
        cv.poly(cone, Linear((16, 0), (48, 0), [(0, "#b81e1e"), (0.4, "#e8402a"), (1, "#8a1414")]))
        cv.text((32, 47), "фри", "cond-bold", 8, "#ffe070", anchor="mm")
    elif i == 3:   # salad bowl
        cv.ellipse(33, 52, 24, 6, "#000000", alpha=0.3, blur=2)
        for _ in range(20):
            x, y = rng.uniform(14, 50), rng.uniform(24, 36)
            cv.ellipse(x, y, rng.uniform(4, 7), rng.uniform(2.5, 4), ["#6ac040", "#4a9a2a", "#8ad060"][rng.integers(0, 3)])
        for _ in range(6):
            x, y = rng.uniform(18, 46), rng.uniform(26, 34)
            cv.ellipse(x, y, 3, 2.4, "#e03a2a")
            cv.ellipse(x - 0.8, y - 0.8, 0.8, 0.6, "#ffffff", alpha=0.6)
        for _ in range(4):
            cv.ellipse(rng.uniform(18, 46), rng.uniform(26, 34), 3, 2.4, "#f4f4e8")
        bowl = catmull([(10, 34), (54, 34), (48, 50), (32, 55), (16, 50)], True, 6)
        cv.poly(bowl, Linear((10, 0), (54, 0), [(0, "#c8ccd2"), (0.35, "#ffffff"), (1, "#9aa0a8")]))
        cv.ellipse(32, 34, 22, 4, "#f4f6f8")
    elif i == 4:   # fried sausages with pancakes
        plate(cv, 32, 42, 28)
        for k in range(3):
            cv.ellipse(22 + k * 2, 42 - k * 3, 14, 5, Radial((18, 38 - k * 3), 16, [(0, "#f4d080"), (1, "#c8902a")]))
            cv.outline([(22 + k * 2 + math.cos(a) * 14, 42 - k * 3 + math.sin(a) * 5) for a in np.linspace(0, 6.3, 24)],
                       0.5, "#9a6a1a", alpha=0.6)
        for k in range(2):
            pts = [(34, 40 + k * 6), (52, 36 + k * 6)]
            cv.stroke(pts, [6, 6], Linear((0, 36 + k * 6), (0, 44 + k * 6), [(0, "#c86a3a"), (1, "#7a3014")]))
            cv.line([(36, 39 + k * 6), (50, 35 + k * 6)], 0.8, "#f0b080", alpha=0.6)
    else:   # lamb shashlik on a skewer
        plate(cv, 32, 46, 28)
        cv.line([(6, 50), (58, 20)], 1.4, "#c8ccd2")
        cv.ellipse(57, 20.5, 2.2, 2.2, "#8a8e92")
        for k in range(5):
            t = 0.15 + k * 0.16
            x, y = 6 + 52 * t, 50 - 30 * t
            if k % 2 == 0:
                cv.ellipse(x, y, 5.5, 5, Radial((x - 2, y - 2), 7, [(0, "#b86a3a"), (0.6, "#7a3a1a"), (1, "#3a1a0a")]))
            else:
                cv.ellipse(x, y, 4.5, 4, Radial((x - 1, y - 1), 5, [(0, "#f4f0e8"), (1, "#c8b8a8")]))
        for _ in range(10):
            cv.ellipse(rng.uniform(14, 50), rng.uniform(44, 54), 1.5, 0.8, "#3a7a2a")
    return cv.image("RGBA")


# ================================================================ build

def build(folder, only=None):
    if only is not None and "program" not in only:
        return
    os.makedirs(folder, exist_ok=True)
    extents = [rod_extent(pose) for pose in ROD_FRAMES.values()]
    extent = (max(e[0] for e in extents), min(e[1] for e in extents))
    for name, pose in ROD_FRAMES.items():
        save_png(draw_rod(pose, name, extent), os.path.join(folder, name + ".png"))
    save_png(empty_slot(), os.path.join(folder, "Empty_Pic.png"))
    save_png(float_picture(), os.path.join(folder, "scene_float.png"))
    save_png(art_maps.marker_picture(glow=True).image("RGBA"), os.path.join(folder, "Sc_a.png"))
    for price in (3, 5, 7, 10):
        save_png(groundbait_pack(price), os.path.join(folder, "prik_%d.png" % price))
    save_png(line_spool(), os.path.join(folder, "leska.png"))
    save_png(panel(), os.path.join(folder, "panel.png"))
    save_png(icon_map(), os.path.join(folder, "icon_map.png"))
    save_png(icon_things(), os.path.join(folder, "icon_things.png"))
    save_png(icon_fish(), os.path.join(folder, "icon_fish.png"))
    save_png(icon_help(), os.path.join(folder, "icon_help.png"))
    save_png(help_panel(), os.path.join(folder, "help_panel.png"))
    for i in range(1, 14):
        save_png(drink(i), os.path.join(folder, "drink%d.png" % i))
    for i in range(1, 6):
        save_png(dish(i), os.path.join(folder, "dish%d.png" % i))
