"""Shop pictures of the tackle (160 x 120): rods, lures and baits on a light card."""

import math

import numpy as np

from paint import Canvas, Linear, Radial, blob, catmull, mix, rng_for, shade

W, H = 160, 120


def card(key, tone="#f3ecdc"):
    cv = Canvas(W, H, 4)
    cv.rect(0, 0, W, H, Radial((W * 0.45, H * 0.4), W * 0.8, [(0, shade(tone, 1.04)), (0.75, tone),
                                                              (1, shade(tone, 0.86))], ry=H * 0.9))
    cv.grade(cv.noise(20, 3, rng_for("card", key).integers(1 << 30)), 0.03)
    return cv


def hook(cv, x, y, size=6, col="#5a5e62", treble=False, angle=0.0):
    """A hook hanging from (x, y): shank down, bend, point up."""
    def one(a):
        ca, sa = math.cos(a), math.sin(a)
        pts = [(0, 0), (0, size), (size * 0.15, size * 1.45), (size * 0.6, size * 1.55), (size * 0.85, size * 1.2),
               (size * 0.8, size * 0.8)]
        pts = [(x + px * ca - py * sa, y + px * sa + py * ca) for px, py in pts]
        cv.line(catmull(pts, False, 5), max(0.6, size * 0.12), col)
        tip = pts[-1]
        cv.line([tip, (tip[0] - size * 0.12 * ca, tip[1] + size * 0.25)], max(0.5, size * 0.1), col)
    if treble:
        for a in (-0.5, 0.0, 0.5):
            one(angle + a)
    else:
        one(angle)
    cv.ellipse(x, y - 0.5, size * 0.18, size * 0.18, col)


def split_ring(cv, x, y, r=2.0, col="#8a8e92"):
    pts = [(x + math.cos(a) * r, y + math.sin(a) * r) for a in np.linspace(0, 2 * math.pi, 16)]
    cv.line(pts, 0.6, col)


# ================================================================ rods

ROD_LOOKS = {
    "Удочка бамбуковая": dict(blank="#d8b762", nodes=True, width=4.5, handle="bamboo", reel=None, float_=True),
    "Удочка телескопическая": dict(blank="#3e4a56", segments=4, width=4.0, handle="eva", reel=None, float_=True),
    "Спиннинг легкий": dict(blank="#6a7a8a", width=3.0, handle="cork", reel="small"),
    "Матчевое удилище": dict(blank="#2e3a2a", width=2.8, handle="cork_long", reel="match", float_=True),
    "Спиннинг щучий": dict(blank="#5a2a22", width=4.0, handle="eva", reel="medium"),
    "Карповое удилище": dict(blank="#26302a", width=4.6, handle="cork_long", reel="carp"),
    "Спиннинг сомовый": dict(blank="#1e1e22", width=6.0, handle="eva", reel="multiplier"),
}


def rod_item(name):
    look = ROD_LOOKS.get(name, ROD_LOOKS["Спиннинг легкий"])
    cv = card("rod" + name)
    rng = rng_for("roditem", name)
    a, b = (14, 96), (152, 8)              # butt, tip
    L = math.hypot(b[0] - a[0], b[1] - a[1])
    ux, uy = (b[0] - a[0]) / L, (b[1] - a[1]) / L
    nx, ny = -uy, ux

    def at(s, off=0.0):
        return (a[0] + ux * s + nx * off, a[1] + uy * s + ny * off)
    wd = look["width"] * 1.3
    # shadow
    cv.stroke([(p[0] + 4, p[1] + 5) for p in (at(0), at(L))], [wd + 2, 1.5], "#4a3a20", alpha=0.25, blur=2.5)
    # blank
    blank = look["blank"]
    cv.stroke([at(0), at(L)], [wd, 1.0], Linear(at(0, -wd), at(0, wd), [(0, shade(blank, 1.5)), (0.4, blank),
                                                                         (1, shade(blank, 0.6))]))
    if look.get("nodes"):
        for k in range(1, 7):
            s = L * k / 7
            cv.line([at(s, -wd * (1 - s / L) * 0.6 - 0.6), at(s, wd * (1 - s / L) * 0.6 + 0.6)], 1.2, "#8a6a2a")
    if look.get("segments"):
        for k in range(1, look["segments"]):
            s = L * k / look["segments"]
            w = wd * (1 - s / L) * 0.55 + 0.8
            cv.line([at(s, -w), at(s, w)], 1.5, "#8a9aa8")
    # guides
    for k in range(6):
        s = 42 + (L - 46) * (k / 5) ** 1.2
        r = 3.2 - 2.2 * k / 5
        g = at(s, -(r + 1))
        cv.line([at(s, 0), g], 0.6, "#aab0b6")
        pts = [(g[0] + math.cos(t) * r * 0.6, g[1] + math.sin(t) * r * 0.6) for t in np.linspace(0, 6.3, 14)]
        cv.line(pts, 0.6, "#c0c6cc")
    cv.ellipse(*at(L), 1.3, 1.3, "#c8ccd0")
    # handle
    h = look["handle"]
    hl = 40 if h != "cork_long" else 50
    if h in ("cork", "cork_long"):
        tex = cv.noise(2, 2, 11)
        cv.stroke([at(2), at(hl)], [wd + 4, wd + 3], cv.textured(Linear(at(0, -5), at(0, 5), [
            (0, "#e6c48c"), (0.5, "#c89a5c"), (1, "#8a6238")]), tex, 0.25))
    elif h == "eva":
        cv.stroke([at(2), at(hl)], [wd + 4, wd + 3], Linear(at(0, -5), at(0, 5), [(0, "#5a5a5e"), (0.5, "#2a2a2e"),
                                                                                   (1, "#141416")]))
    else:
        cv.stroke([at(2), at(hl)], [wd + 2, wd + 1.5], Linear(at(0, -5), at(0, 5), [(0, "#c8a250"), (1, "#7a5a22")]))
        cv.line([at(hl * 0.5, -(wd + 2) / 2), at(hl * 0.5, (wd + 2) / 2)], 1.0, "#5a3a12")
    cv.ellipse(*at(1), (wd + 4) / 2, (wd + 4) / 2, "#3a2a1e")
    # reel
    reel = look.get("reel")
    rs = {"small": 7, "match": 8, "medium": 9, "carp": 11, "multiplier": 10}.get(reel, 0)
    if reel:
        base = at(hl + 8, wd / 2 + 1)
        body = at(hl + 8, wd / 2 + rs * 1.3)
        cv.line([at(hl + 8, wd / 2), body], 2.2, "#3a3e42")
        if reel == "multiplier":
            cv.ellipse(body[0], body[1], rs * 1.2, rs * 0.8, Linear((body[0] - rs, 0), (body[0] + rs, 0), [
                (0, "#c8a050"), (0.5, "#8a6a2a"), (1, "#5a4418")]))
            cv.ellipse(body[0], body[1], rs * 0.6, rs * 0.4, "#2a2a2a")
            cv.line([body, (body[0] + rs * 1.6, body[1] + 3)], 1.8, "#2a2a2a")
            cv.ellipse(body[0] + rs * 1.7, body[1] + 3, 2.2, 1.6, "#1a1a1a")
        else:
            cv.ellipse(body[0], body[1], rs, rs * 0.9, Radial((body[0] - rs * 0.3, body[1] - rs * 0.3), rs * 1.4, [
                (0, "#e8eaec"), (0.5, "#9aa0a6"), (1, "#4a4e54")]))
            cv.ellipse(body[0] - rs * 0.9, body[1], rs * 0.45, rs * 0.75, "#c8ccd0")
            cv.ellipse(body[0] - rs * 0.9, body[1], rs * 0.3, rs * 0.55, "#7a8a98")
            cv.line([body, (body[0] + rs * 1.2, body[1] + rs * 0.4)], 1.4, "#3a3a3a")
            cv.ellipse(body[0] + rs * 1.3, body[1] + rs * 0.45, 2.0, 1.4, "#222222")
        del base
    # line and float
    tip = at(L)
    if look.get("float_"):
        fx, fy = tip[0] - 2, tip[1] + 52
        cv.line([tip, (tip[0] - 1, tip[1] + 30), (fx, fy - 10)], 0.5, "#6a6a6a", alpha=0.8)
        cv.poly([(fx, fy - 12), (fx + 2.5, fy - 2), (fx, fy + 6), (fx - 2.5, fy - 2)],
                Linear((fx, fy - 12), (fx, fy + 6), [(0, "#e83a2a"), (0.45, "#e83a2a"), (0.5, "#f4f0e8"),
                                                     (1, "#f4f0e8")]))
        cv.line([(fx, fy + 6), (fx, fy + 14)], 0.5, "#6a6a6a", alpha=0.8)
        hook(cv, fx, fy + 14, 4)
    else:
        cv.line([tip, (tip[0] - 1, tip[1] + 18)], 0.5, "#6a6a6a", alpha=0.8)
    cv.text((W - 6, H - 6), name, "sans-bold", 8.5, "#5a5040", anchor="rs", alpha=0.85)
    return cv.image("RGB")


# ================================================================ lures

def lure_item(name, look):
    cv = card("lure" + name, "#eef0ee")
    rng = rng_for("lureitem", name)
    cx, cy = 80, 58
    if look == "spinner":
        cv.line([(30, cy), (120, cy)], 1.0, "#8a9096")
        split_ring(cv, 28, cy)
        # the blade, turning on a clevis
        blade = [(48, cy - 2), (60, cy - 15), (78, cy - 17), (88, cy - 9), (80, cy - 1)]
        cv.poly(catmull(blade, True, 6), Linear((50, cy - 17), (88, cy), [(0, "#fdfdfc"), (0.35, "#c9ced3"),
                                                                           (0.7, "#8c939a"), (1, "#dfe3e6")]))
        cv.outline(catmull(blade, True, 6), 0.6, "#5a6066", alpha=0.7)
        cv.ellipse(64, cy - 9, 3, 2, "#d8342a", alpha=0.9)
        for k, (x, col) in enumerate(((92, "#d8b03a"), (98, "#c8342a"), (104, "#d8b03a"))):
            cv.ellipse(x, cy, 3.2 - k * 0.3, 3.2 - k * 0.3, Radial((x - 1, cy - 1), 4, [(0, shade(col, 1.4)),
                                                                                      (1, shade(col, 0.7))]))
        hook(cv, 120, cy, 9, treble=True, angle=-1.57)
        cv.stroke([(112, cy - 1), (122, cy + 1)], [4, 0.5], "#d83a2a", alpha=0.8)
    elif look == "spoon":
        pts = catmull([(36, cy - 2), (60, cy - 14), (96, cy - 12), (116, cy - 1), (96, cy + 9), (60, cy + 8)], True, 8)
        cv.poly([(x + 3, y + 4) for x, y in pts], "#3a3a30", alpha=0.25, blur=2)
        cv.poly(pts, Linear((40, cy - 14), (110, cy + 9), [(0, "#fff4c8"), (0.3, "#d8b44a"), (0.6, "#9a7a2a"),
                                                           (1, "#e8cc70")]))
        cv.stroke([(48, cy - 1), (80, cy - 3), (106, cy)], [0.5, 4.5, 0.5], "#c8302a", alpha=0.85)
        cv.outline(pts, 0.7, "#6a5418", alpha=0.7)
        split_ring(cv, 34, cy - 1)
        cv.line([(22, cy - 1), (32, cy - 1)], 0.9, "#8a9096")
        split_ring(cv, 118, cy)
        hook(cv, 121, cy + 1, 9, treble=True, angle=-1.57)
    elif look == "twister":
        cv.ellipse(46, cy, 8, 8, Radial((44, cy - 2), 9, [(0, "#f0f0f0"), (1, "#7a7e82")]))
        cv.ellipse(43, cy - 2, 2, 2, "#1a1a1a")
        cv.line([(38, cy - 6), (34, cy - 12)], 1.4, "#8a9096")
        body = [(52, cy - 5), (80, cy - 6), (96, cy - 4), (100, cy + 1), (96, cy + 5), (80, cy + 6), (52, cy + 5)]
        cv.poly(catmull(body, True, 5), Linear((0, cy - 6), (0, cy + 6), [(0, "#f8e060"), (1, "#c8a020")]))
        for x in range(58, 96, 4):
            cv.line([(x, cy - 5.5), (x, cy + 5.5)], 0.6, "#a88010", alpha=0.5)
        tail = [(98, cy), (112, cy - 10), (128, cy - 4), (132, cy + 10), (120, cy + 18), (108, cy + 12), (114, cy + 6)]
        cv.stroke(catmull(tail, False, 6), [6, 7, 6, 5, 3, 1.5, 0.5], "#f2d84a", alpha=0.95)
        cv.line([(60, cy + 2), (70, cy + 2)], 1.0, "#9a9a9a")
        hook(cv, 66, cy + 3, 8, angle=-3.0)
    elif look == "shad":
        body = [(40, cy), (50, cy - 9), (80, cy - 10), (102, cy - 6), (112, cy - 3), (112, cy + 3), (102, cy + 6),
                (80, cy + 9), (50, cy + 8)]
        cv.poly(catmull(body, True, 5), Linear((0, cy - 10), (0, cy + 9), [(0, "#3a6a4a"), (0.45, "#9ad0a0"),
                                                                            (1, "#f0f4e8")]))
        cv.poly(catmull([(112, cy - 3), (122, cy - 12), (128, cy - 13), (124, cy), (128, cy + 13), (122, cy + 12),
                         (112, cy + 3)], True, 5), "#8ac090")
        cv.ellipse(38, cy - 1, 8, 8, Radial((36, cy - 3), 9, [(0, "#ffe080"), (1, "#c89a20")]))
        cv.ellipse(36, cy - 3, 2.2, 2.2, "#111111")
        cv.line([(32, cy - 8), (28, cy - 14)], 1.4, "#8a9096")
        for x in range(56, 100, 5):
            cv.line([(x, cy - 8), (x + 2, cy + 8)], 0.5, "#2a5a3a", alpha=0.3)
        hook(cv, 76, cy + 8, 8, angle=-3.0)
    elif look == "wobbler":
        body = catmull([(36, cy), (46, cy - 11), (80, cy - 13), (110, cy - 8), (122, cy), (110, cy + 8), (80, cy + 12),
                        (46, cy + 10)], True, 6)
        cv.poly([(x + 3, y + 4) for x, y in body], "#2a2a2a", alpha=0.25, blur=2)
        cv.poly(body, Linear((0, cy - 13), (0, cy + 12), [(0, "#2a4a7a"), (0.35, "#6aa0d0"), (0.6, "#e8eef2"),
                                                          (1, "#f8f4ee")]))
        cv.clip_to(cv.mask().poly(body))
        for _ in range(60):
            x, y = rng.uniform(40, 120), rng.uniform(cy - 4, cy + 10)
            cv.ellipse(x, y, 1.6, 1.2, "#ffffff", alpha=0.25)
        cv.clip_to(None)
        cv.outline(body, 0.7, "#1e3050", alpha=0.7)
        cv.poly([(36, cy + 2), (22, cy + 14), (28, cy + 18), (42, cy + 6)], (220, 230, 240, 0.6))
        cv.outline([(36, cy + 2), (22, cy + 14), (28, cy + 18), (42, cy + 6)], 0.6, "#8aa0b0")
        cv.ellipse(48, cy - 3, 4, 4, "#f0d040")
        cv.ellipse(48, cy - 3, 2, 2, "#111111")
        split_ring(cv, 32, cy + 8)
        hook(cv, 72, cy + 13, 8, treble=True)
        hook(cv, 124, cy, 8, treble=True, angle=-1.57)
    else:   # popper
        body = catmull([(40, cy - 9), (70, cy - 10), (104, cy - 6), (118, cy), (104, cy + 6), (70, cy + 10),
                        (40, cy + 9)], False, 6)
        cv.poly(body + [(40, cy + 9)], Linear((0, cy - 10), (0, cy + 10), [(0, "#3a7a3a"), (0.4, "#d8e040"),
                                                                           (1, "#f8f4e0")]))
        cv.ellipse(40, cy, 4, 9.5, Radial((41, cy), 6, [(0, "#c8302a"), (1, "#6a1a14")]))
        cv.ellipse(52, cy - 4, 3.4, 3.4, "#f8f8f8")
        cv.ellipse(52, cy - 4, 1.8, 1.8, "#111111")
        for x in range(64, 104, 7):
            cv.ellipse(x, cy - 4, 2.2, 1.4, "#2a5a2a", alpha=0.6)
        split_ring(cv, 36, cy)
        hook(cv, 74, cy + 10, 8, treble=True)
        hook(cv, 120, cy, 8, treble=True, angle=-1.57)
        cv.stroke([(118, cy), (132, cy - 4)], [3, 0.5], "#d8d8d0", alpha=0.8)
        cv.stroke([(118, cy), (132, cy + 5)], [3, 0.5], "#c8302a", alpha=0.8)
    cv.text((W - 6, H - 6), name, "sans-bold", 9, "#5a5040", anchor="rs", alpha=0.8)
    return cv.image("RGB")


# ================================================================ baits

def tin(cv, cx, cy, rx, ry, depth, body="#b8bcc0", inside="#4a3a28"):
    """An open round tin seen from above at an angle."""
    cv.ellipse(cx + 4, cy + depth + 5, rx + 2, ry + 2, "#3a3020", alpha=0.3, blur=3)
    cv.poly([(cx - rx, cy), (cx - rx, cy + depth)] + [(cx + math.cos(a) * rx, cy + depth + math.sin(a) * ry)
                                                      for a in np.linspace(math.pi, 0, 20)] + [(cx + rx, cy)],
            Linear((cx - rx, 0), (cx + rx, 0), [(0, shade(body, 0.7)), (0.35, shade(body, 1.25)), (1, shade(body, 0.6))]))
    for k in range(1, 3):
        y = cy + depth * k / 3
        cv.line([(cx + math.cos(a) * rx, y + math.sin(a) * ry) for a in np.linspace(math.pi, 0, 20)], 0.7,
                shade(body, 0.6), alpha=0.6)
    cv.ellipse(cx, cy, rx, ry, shade(body, 1.2))
    cv.ellipse(cx, cy, rx - 2, ry - 1.5, Radial((cx, cy + ry * 0.3), rx, [(0, shade(inside, 1.2)),
                                                                         (1, shade(inside, 0.7))]))


def worm(cv, pts, width, col, rng):
    path = catmull(pts, False, 8)
    cv.stroke([(x + 1, y + 1.5) for x, y in path], [width * 0.6] + [width] * 3 + [width * 0.6], "#1a1008",
              alpha=0.3, blur=0.8)
    cv.stroke(path, [width * 0.7] + [width] * 3 + [width * 0.6], Linear(pts[0], pts[-1], [
        (0, shade(col, 1.1)), (0.5, col), (1, shade(col, 0.85))]))
    for i in range(2, len(path) - 2, 3):
        x, y = path[i]
        x2, y2 = path[i + 1]
        d = math.hypot(x2 - x, y2 - y) or 1
        nx, ny = -(y2 - y) / d, (x2 - x) / d
        cv.line([(x + nx * width * 0.45, y + ny * width * 0.45), (x - nx * width * 0.45, y - ny * width * 0.45)],
                0.4, shade(col, 0.7), alpha=0.5)
    cv.line([(x, y - width * 0.2) for x, y in path[2:-2]], width * 0.2, shade(col, 1.5), alpha=0.35)


def wiggle(rng, x, y, n=6, step=8):
    pts = [(x, y)]
    a = rng.uniform(0, 6.28)
    for _ in range(n):
        a += rng.uniform(-1.2, 1.2)
        x += math.cos(a) * step
        y += math.sin(a) * step * 0.7
        pts.append((x, y))
    return pts


def bait_item(name, look):
    cv = card("bait" + name, "#f1ead8")
    rng = rng_for("baititem", name)
    if look == "bread":
        crust = catmull([(30, 80), (28, 44), (44, 26), (80, 22), (116, 28), (132, 46), (128, 82), (80, 92)], True, 6)
        cv.poly([(x + 4, y + 5) for x, y in crust], "#4a3418", alpha=0.3, blur=3)
        cv.poly(crust, Linear((0, 20), (0, 92), [(0, "#c8843a"), (1, "#8a5420")]))
        inner = catmull([(38, 78), (37, 48), (50, 33), (80, 30), (110, 35), (123, 50), (120, 78), (80, 85)], True, 6)
        cv.poly(inner, cv.textured(Radial((70, 50), 70, [(0, "#fbf0d4"), (1, "#e6cf9c")]), cv.noise(2, 3, 5), 0.12))
        for _ in range(50):
            x, y = rng.uniform(45, 118), rng.uniform(38, 80)
            cv.ellipse(x, y, rng.uniform(0.8, 2.2), rng.uniform(0.6, 1.6), "#c8ac70", alpha=0.5)
        for x, y in ((132, 98), (140, 90), (20, 100)):
            cv.ellipse(x, y, 3, 2.4, "#f4e4bc")
    elif look == "dough":
        cv.ellipse(84, 96, 56, 12, "#4a3a20", alpha=0.25, blur=4)
        for x, y, r in ((62, 64, 26), (104, 72, 20), (40, 86, 10), (128, 92, 8), (86, 94, 8)):
            cv.ellipse(x, y, r, r * 0.9, Radial((x - r * 0.35, y - r * 0.4), r * 1.4, [(0, "#fff6de"),
                                                                                     (0.6, "#f0d89a"),
                                                                                     (1, "#b89450")]))
            cv.ellipse(x - r * 0.3, y - r * 0.4, r * 0.3, r * 0.2, "#ffffff", alpha=0.5, blur=r * 0.1)
    elif look in ("worm", "crawler"):
        tin(cv, 80, 46, 52, 22, 30, "#9aa6ae", "#3e2e1e")
        cv.clip_to(cv.mask().ellipse(80, 46, 50, 20.5))
        cv.rect(0, 0, W, H, cv.textured("#4a3826", cv.noise(3, 3, 9), 0.35))
        col = "#c8646a" if look == "worm" else "#a4545a"
        wd = 3.4 if look == "worm" else 5.2
        for _ in range(5 if look == "worm" else 3):
            worm(cv, wiggle(rng, rng.uniform(45, 110), rng.uniform(36, 56), 5, 9), wd, col, rng)
        cv.clip_to(None)
        worm(cv, [(96, 54), (112, 72), (128, 86), (142, 84), (148, 96)], wd, col, rng)
    elif look == "maggot":
        tin(cv, 80, 50, 52, 22, 28, "#e8e4d8", "#c8b890")
        cv.clip_to(cv.mask().ellipse(80, 50, 50, 20.5))
        for _ in range(70):
            x, y = rng.uniform(32, 128), rng.uniform(32, 68)
            a = rng.uniform(0, 6.28)
            ln = rng.uniform(3, 5)
            cv.stroke([(x, y), (x + math.cos(a) * ln, y + math.sin(a) * ln * 0.6)], [2.0, 2.4, 1.4],
                      Linear((x, y - 2), (x, y + 2), [(0, "#fffaf0"), (1, "#d8ccb0")]))
        cv.clip_to(None)
        for x, y in ((120, 92), (132, 100), (28, 96)):
            cv.stroke([(x, y), (x + 5, y + 1.5)], [2.2, 2.6, 1.5], "#fbf4e4")
    elif look == "bloodworm":
        paper = [(20, 40), (140, 30), (148, 96), (28, 104)]
        cv.poly([(x + 3, y + 4) for x, y in paper], "#3a3020", alpha=0.25, blur=3)
        cv.poly(paper, cv.textured(Linear((0, 30), (0, 104), [(0, "#ece6d6"), (1, "#d6ccb4")]), cv.noise(4, 3, 3),
                                   0.08))
        for k in range(6):
            cv.line([(30, 50 + k * 8), (134, 42 + k * 8)], 0.6, "#9a9486", alpha=0.5)
        for _ in range(40):
            pts = wiggle(rng, rng.uniform(45, 115), rng.uniform(55, 80), 3, 4)
            cv.stroke(catmull(pts, False, 5), [1.2, 1.4, 0.8], "#b0202a")
    elif look == "barley":
        tin(cv, 80, 48, 50, 20, 30, "#d8c8a0", "#8a7040")
        cv.clip_to(cv.mask().ellipse(80, 48, 48, 18.5))
        for _ in range(170):
            x, y = rng.uniform(30, 130), rng.uniform(28, 68)
            a = rng.uniform(0, 3.14)
            cv.ellipse(x, y, 2.4, 1.6, Radial((x - 0.6, y - 0.6), 2.6, [(0, "#fffbee"), (1, "#cfc09a")]))
        cv.clip_to(None)
        for x, y in ((124, 94), (132, 98), (30, 98), (126, 102)):
            cv.ellipse(x, y, 2.4, 1.6, "#f4ecd6")
    elif look == "corn":
        tin(cv, 80, 48, 50, 20, 30, "#3a7a3a", "#7a6020")
        cv.clip_to(cv.mask().ellipse(80, 48, 48, 18.5))
        for _ in range(120):
            x, y = rng.uniform(30, 130), rng.uniform(28, 68)
            cv.ellipse(x, y, 3.0, 2.4, Radial((x - 0.8, y - 0.8), 3.4, [(0, "#fff0a0"), (0.6, "#f2c22a"),
                                                                       (1, "#c88a10")]))
        cv.clip_to(None)
        for x, y in ((122, 94), (134, 100), (26, 96)):
            cv.ellipse(x, y, 3.0, 2.4, "#f2c22a")
    else:   # livebait: small fish in a bucket of water
        cv.ellipse(84, 104, 50, 8, "#3a3020", alpha=0.3, blur=3)
        bucket = [(34, 40), (126, 40), (116, 102), (44, 102)]
        cv.poly(bucket, Linear((34, 0), (126, 0), [(0, "#7a8a96"), (0.35, "#c8d2da"), (1, "#5a6670")]))
        for y in (56, 82):
            cv.line([(34 + (y - 40) * 0.16, y), (126 - (y - 40) * 0.16, y)], 1.0, "#5a6670", alpha=0.7)
        cv.ellipse(80, 40, 46, 12, "#dfe6ea")
        cv.ellipse(80, 41, 43, 10, Radial((80, 44), 44, [(0, "#5a8aa0"), (1, "#2a4a5a")], ry=12))
        for fx, fy, d in ((66, 40, 1), (94, 43, -1)):
            pts = [(fx - 9 * d, fy), (fx - 3 * d, fy - 2.6), (fx + 6 * d, fy - 1), (fx + 10 * d, fy - 3),
                   (fx + 10 * d, fy + 3), (fx + 6 * d, fy + 1), (fx - 3 * d, fy + 2.6)]
            cv.poly(catmull(pts, True, 4), Linear((0, fy - 3), (0, fy + 3), [(0, "#4a5a66"), (1, "#e8eef2")]))
            cv.ellipse(fx - 6 * d, fy - 0.5, 0.8, 0.8, "#111111")
        cv.line([(34, 40)] + [(80 + math.cos(a) * 46, 40 - math.sin(a) * 36) for a in np.linspace(math.pi, 0, 20)],
                1.2, "#6a7680")
    cv.text((W - 6, H - 6), name, "sans-bold", 10, "#5a4a30", anchor="rs", alpha=0.85)
    return cv.image("RGB")
