"""Maps of the waters: painted top views with shores, reeds, woods and paths.

Each map function returns the picture and the marker positions: every
place marker (24 x 24) is centred on the water's edge nearest to the point
the place asks for.
"""

import math

import numpy as np
from PIL import Image, ImageFilter

from paint import Canvas, Linear, Radial, blob, catmull, mix, rgb, ribbon, rng_for, shade

W, H = 640, 480
MARKER = 24


class MapPainter:
    def __init__(self, key):
        self.rng = rng_for("map", key)
        self.cv = Canvas(W, H, 3)
        self.water = self.cv.mask()      # open water
        self.land_only = []              # shapes cut out of the water (capes, islands, dam)

    # -------------------------------------------------------------- land
    def ground(self, base="#7fa04c"):
        cv, rng = self.cv, self.rng
        tex = cv.noise(60, 5, int(rng.integers(1 << 30)))
        cv.rect(0, 0, W, H, cv.textured(Linear((0, 0), (W, H), [(0, shade(base, 1.08)), (1, shade(base, 0.9))]),
                                        tex, 0.12))
        for _ in range(40):
            x, y = rng.uniform(0, W), rng.uniform(0, H)
            cv.poly(blob(x, y, rng.uniform(25, 70), rng.uniform(15, 45), rng, 9, 0.35),
                    ["#9cb45a", "#6f9444", "#a9b867", "#86a34e"][rng.integers(0, 4)], alpha=0.35, blur=6)

    def field(self, pts, col="#c9b46a", stripes=14, angle=0.3):
        cv = self.cv
        cv.poly(pts, col)
        m = cv.mask().poly(pts)
        cv.clip_to(m)
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        cx, cy = sum(xs) / len(xs), sum(ys) / len(ys)
        span = max(max(xs) - min(xs), max(ys) - min(ys))
        for k in range(-stripes, stripes + 1):
            off = k * span / stripes
            dx, dy = math.cos(angle), math.sin(angle)
            p0 = (cx - dx * span + -dy * off, cy - dy * span + dx * off)
            p1 = (cx + dx * span + -dy * off, cy + dy * span + dx * off)
            cv.line([p0, p1], 1.6, shade(col, 0.82), alpha=0.6)
        cv.clip_to(None)
        cv.outline(pts, 1.2, shade(col, 0.7), alpha=0.6)

    def road(self, pts, width=5.0, col="#cdb27e"):
        path = catmull(pts, False, 10)
        self.cv.line(path, width + 2.2, shade(col, 0.62), alpha=0.8)
        self.cv.line(path, width, col)
        self.cv.line(path, width * 0.25, shade(col, 1.15), alpha=0.5)

    def footpath(self, pts, col="#d9c393"):
        path = catmull(pts, False, 10)
        for i in range(0, len(path) - 1, 2):
            self.cv.line([path[i], path[i + 1]], 1.6, col, alpha=0.9)

    # -------------------------------------------------------------- water
    def paint_water(self, deep="#1f5a86", shallow="#5fa3b8", sand="#d8c48e"):
        cv, rng = self.cv, self.rng
        wm = self.water.array()
        # soft distances from the shore, from blurred copies of the mask
        img = Image.fromarray((wm * 255).astype(np.uint8))
        near = np.asarray(img.filter(ImageFilter.GaussianBlur(6 * cv.ss)), np.float32) / 255
        far = np.asarray(img.filter(ImageFilter.GaussianBlur(22 * cv.ss)), np.float32) / 255
        # beach and mud around the water
        band = np.clip((near - 0.04) * 3, 0, 1) * (1 - wm)
        cv.fill(((0, 0, cv.W, cv.H), band), sand, 0.85)
        depth = np.clip((far - 0.45) * 2.2, 0, 1)
        d3 = depth[..., None]
        col = rgb(shallow)[:3] * (1 - d3) + rgb(deep)[:3] * d3
        tex = cv.noise(30, 4, int(rng.integers(1 << 30)), sx=50, sy=18)
        col = col * (1 + 0.06 * tex)[..., None]
        A = wm
        cv.c = cv.c * (1 - A[..., None]) + np.clip(col, 0, 1) * A[..., None]
        cv.a = cv.a * (1 - A) + A
        # a darker line right at the water's edge
        edge = np.clip(1 - np.abs(near - 0.5) * 6, 0, 1) * wm
        cv.fill(((0, 0, cv.W, cv.H), edge), "#2c4a48", 0.35)
        self.water_arr = wm

    def waves(self, count=70, col="#d9eef2"):
        cv, rng = self.cv, self.rng
        for _ in range(count):
            x, y = rng.uniform(0, W), rng.uniform(0, H)
            if not self.is_water(x, y, 4):
                continue
            ln = rng.uniform(6, 16)
            pts = [(x - ln / 2, y), (x - ln / 4, y - 1.2), (x, y), (x + ln / 4, y - 1.2), (x + ln / 2, y)]
            cv.line(catmull(pts, False, 4), 0.8, col, alpha=0.45)

    def is_water(self, x, y, margin=0):
        a = self.water_arr
        ss = self.cv.ss
        for dx, dy in ((0, 0), (margin, 0), (-margin, 0), (0, margin), (0, -margin)):
            xi, yi = int((x + dx) * ss), int((y + dy) * ss)
            if not (0 <= xi < a.shape[1] and 0 <= yi < a.shape[0]) or a[yi, xi] < 0.5:
                return False
        return True

    def reeds_at(self, cx, cy, radius=40, count=40):
        """Reed beds in the shallow water along the shore near a point."""
        cv, rng = self.cv, self.rng
        placed, tries = 0, 0
        while placed < count and tries < count * 40:
            tries += 1
            x, y = cx + rng.uniform(-radius, radius), cy + rng.uniform(-radius, radius)
            if not self.is_water(x, y) or self.is_water(x, y, 9):
                continue
            placed += 1
            for k in range(6):
                a = rng.uniform(0, 2 * math.pi)
                ln = rng.uniform(2, 5)
                cv.line([(x, y), (x + math.cos(a) * ln, y + math.sin(a) * ln)], 0.9,
                        ["#8a9a4a", "#6d7f38", "#b2a562"][rng.integers(0, 3)])
            cv.ellipse(x + 0.5, y + 0.5, 1.1, 1.1, "#5c4426")

    def lilies(self, cx, cy, spread=30, count=26):
        cv, rng = self.cv, self.rng
        for _ in range(count):
            x, y = cx + rng.normal(0, spread * 0.5), cy + rng.normal(0, spread * 0.35)
            if not self.is_water(x, y, 3):
                continue
            r = rng.uniform(2, 3.5)
            a = rng.uniform(0, 6.28)
            pts = [(x, y)] + [(x + math.cos(a + 0.4 + t * 5.5) * r, y + math.sin(a + 0.4 + t * 5.5) * r)
                              for t in np.linspace(0, 1, 12)]
            cv.poly(pts, "#4f8a3a")
            if rng.random() < 0.25:
                cv.ellipse(x, y, 1.2, 1.2, "#fbf6ee")

    # -------------------------------------------------------------- trees and buildings
    def tree(self, x, y, r, kind="round", col=None):
        cv, rng = self.cv, self.rng
        cv.ellipse(x + r * 0.45, y + r * 0.5, r * 1.05, r * 0.9, "#1d2a12", alpha=0.35, blur=r * 0.35)
        if kind == "pine":
            col = col or "#2f5a32"
            pts = []
            for i in range(16):
                a = 2 * math.pi * i / 16
                rr = r * (1.0 if i % 2 == 0 else 0.62)
                pts.append((x + math.cos(a) * rr, y + math.sin(a) * rr))
            cv.poly(pts, Radial((x - r * 0.3, y - r * 0.3), r * 1.4, [(0, shade(col, 1.45)), (1, shade(col, 0.6))]))
        else:
            col = col or ["#4d7f32", "#5b8c3a", "#43722e", "#6a9a42"][rng.integers(0, 4)]
            cv.poly(blob(x, y, r, r, rng, 8, 0.15),
                    Radial((x - r * 0.35, y - r * 0.4), r * 1.5, [(0, shade(col, 1.5)), (0.5, col), (1, shade(col, 0.55))]))

    def forest(self, pts, density=1.0, kinds=("round",), rmin=5, rmax=9, colours=None, avoid=()):
        """Fill an area with tree crowns, avoiding water and the given circles."""
        cv, rng = self.cv, self.rng
        m = cv.mask().poly(pts).array()
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        n = int((max(xs) - min(xs)) * (max(ys) - min(ys)) / 90 * density)
        spots = []
        for _ in range(n):
            x, y = rng.uniform(min(xs), max(xs)), rng.uniform(min(ys), max(ys))
            xi, yi = int(x * cv.ss), int(y * cv.ss)
            if not (0 <= xi < cv.W and 0 <= yi < cv.H) or m[yi, xi] < 0.5:
                continue
            if self.water_arr[min(cv.H - 1, yi), min(cv.W - 1, xi)] > 0.1 or self.is_water(x, y, 6):
                continue
            if any((x - ax) ** 2 + (y - ay) ** 2 < ar * ar for ax, ay, ar in avoid):
                continue
            spots.append((y, x))
        spots.sort()
        for y, x in spots:
            kind = kinds[rng.integers(0, len(kinds))]
            col = colours[rng.integers(0, len(colours))] if colours else None
            self.tree(x, y, rng.uniform(rmin, rmax), kind, col)

    def house(self, x, y, w=14, h=10, roof="#9c4a32", angle=0.0):
        cv = self.cv
        ca, sa = math.cos(angle), math.sin(angle)

        def rot(px, py):
            return (x + px * ca - py * sa, y + px * sa + py * ca)
        body = [rot(-w / 2, -h / 2), rot(w / 2, -h / 2), rot(w / 2, h / 2), rot(-w / 2, h / 2)]
        cv.poly([(px + 3, py + 3) for px, py in body], "#1a1a10", alpha=0.35, blur=1.5)
        cv.poly([rot(-w / 2, -h / 2), rot(w / 2, -h / 2), rot(w / 2, 0), rot(-w / 2, 0)], shade(roof, 1.25))
        cv.poly([rot(-w / 2, 0), rot(w / 2, 0), rot(w / 2, h / 2), rot(-w / 2, h / 2)], shade(roof, 0.8))
        cv.outline(body, 0.8, shade(roof, 0.5))
        cv.line([rot(-w / 2, 0), rot(w / 2, 0)], 0.8, shade(roof, 0.5))

    def compass(self, x, y, r=20):
        cv = self.cv
        cv.ellipse(x, y, r, r, "#f1e6c8", alpha=0.7)
        cv.line([(x + r * math.cos(a), y + r * math.sin(a)) for a in np.linspace(0, 2 * math.pi, 40)], 1.0,
                "#5b4a32", alpha=0.8)
        for a, ln, col in ((-90, 1.0, "#9c3324"), (90, 0.7, "#4a3a2a"), (0, 0.7, "#4a3a2a"), (180, 0.7, "#4a3a2a")):
            rad = math.radians(a)
            tip = (x + math.cos(rad) * r * ln, y + math.sin(rad) * r * ln)
            side = (math.cos(rad + math.pi / 2) * 3.5, math.sin(rad + math.pi / 2) * 3.5)
            cv.poly([tip, (x + side[0], y + side[1]), (x - side[0], y - side[1])], col)
        cv.text((x, y - r - 3), "С", "serif-bold", 11, "#4a3a2a", anchor="ms")

    def finish(self):
        cv, rng = self.cv, self.rng
        cv.grade(cv.noise(40, 3, int(rng.integers(1 << 30))), 0.03)
        cv.vignette(0.35, (40, 30, 10))
        cv.outline([(1, 1), (W - 1, 1), (W - 1, H - 1), (1, H - 1)], 2, "#3b2c1a", alpha=0.8)

    # -------------------------------------------------------------- markers
    def markers(self, places):
        """Top-left of each 24 x 24 marker, centred on the nearest water edge."""
        wm = self.water_arr
        ss = self.cv.ss
        small = wm[ss // 2::ss, ss // 2::ss][:H, :W] > 0.5
        edge = small & ~(np.roll(small, 1, 0) & np.roll(small, -1, 0) & np.roll(small, 1, 1) & np.roll(small, -1, 1))
        edge[:14, :] = edge[-14:, :] = False
        edge[:, :14] = edge[:, -14:] = False
        ys, xs = np.nonzero(edge)
        out = []
        for place in places:
            px, py = place["near"]
            k = int(np.argmin((xs - px) ** 2 + (ys - py) ** 2))
            out.append((int(xs[k]) - MARKER // 2, int(ys[k]) - MARKER // 2))
        return out


# ================================================================ the three waters

def lake_map(places):
    mp = MapPainter("lake")
    rng = mp.rng
    cv = mp.cv
    mp.ground()
    mp.field([(470, 380), (630, 360), (640, 480), (450, 480)], "#c7b466", 16, 0.5)
    # the lake: a wide oval with a pine cape on the west and a bay to the north-east
    mp.water.poly(blob(335, 255, 240, 165, rng, 14, 0.1))
    mp.water.poly(blob(470, 112, 60, 38, rng, 9, 0.15))
    cape = blob(200, 128, 42, 50, rng, 9, 0.15)
    island = blob(305, 295, 46, 24, rng, 10, 0.2)
    mp.water.poly(cape, 0).poly(island, 0)
    mp.paint_water()
    mp.waves()
    mp.reeds_at(535, 340, 50, 60)
    mp.reeds_at(100, 290, 40, 30)
    mp.reeds_at(440, 95, 40, 25)
    mp.lilies(430, 130, 40, 30)
    mp.road([(-10, 470), (120, 430), (260, 452), (420, 440), (560, 470), (650, 455)], 5)
    mp.footpath([(150, 440), (160, 400), (230, 395), (300, 400)])
    mp.footpath([(520, 465), (540, 400), (545, 340)])
    mp.forest([(0, 0), (640, 0), (640, 70), (560, 90), (520, 60), (400, 65), (300, 60), (180, 90), (90, 120),
               (40, 200), (30, 330), (60, 400), (0, 430)], 1.1, ("pine", "pine", "round"), 6, 10)
    mp.forest([(150, 130), (240, 130), (250, 190), (150, 200)], 1.5, ("pine",), 5, 8)
    mp.forest([(270, 275), (345, 275), (345, 315), (270, 315)], 1.6, ("pine", "round"), 4, 7)
    mp.forest([(520, 60), (640, 70), (640, 250), (590, 240), (560, 160), (530, 110)], 1.0,
              ("round", "round", "pine"), 6, 9, ["#7fa64a", "#8aaa50", "#5d8a3a"])
    mp.forest([(0, 430), (90, 400), (120, 480), (0, 480)], 0.9, ("round",), 6, 9)
    # a hut with a jetty on the southern shore
    mp.house(405, 432, 16, 11, "#8b5a3a", 0.1)
    cv.rect(398, 405, 404, 424, "#8a6a45")
    mp.compass(600, 440)
    mp.finish()
    return cv.image("RGB"), mp.markers(places)


def river_map(places):
    mp = MapPainter("river")
    rng = mp.rng
    cv = mp.cv
    mp.ground("#86a54e")
    mp.field([(20, 300), (200, 280), (230, 420), (30, 440)], "#d1bb6c", 18, 0.2)
    mp.field([(240, 380), (330, 360), (350, 470), (250, 480)], "#b6a85c", 12, 1.2)
    mp.field([(420, 40), (560, 30), (580, 120), (430, 130)], "#c9a95a", 14, -0.4)
    centre = [(-30, 175), (60, 205), (150, 185), (250, 150), (330, 215), (390, 285), (470, 250), (530, 200),
              (600, 250), (670, 330)]
    path = catmull(centre, False, 14)
    widths = [44 + 12 * math.sin(i / 20) for i in range(len(path))]
    mp.water.poly(ribbon(path, widths))
    mp.water.poly(blob(600, 385, 48, 36, rng, 10, 0.15))       # the backwater
    mp.water.poly(ribbon([(592, 245), (603, 300), (605, 340), (600, 370)], [30, 26, 30, 40]))
    mp.paint_water("#28618a", "#6aaabb")
    # rapids near the ford
    for _ in range(60):
        x, y = rng.uniform(60, 140), rng.uniform(180, 220)
        if mp.is_water(x, y, 2):
            cv.line([(x, y), (x + rng.uniform(4, 9), y + rng.uniform(-1, 1))], 1.0, "#eef6f4", alpha=0.7)
    for _ in range(8):
        x, y = rng.uniform(70, 130), rng.uniform(185, 215)
        if mp.is_water(x, y):
            cv.ellipse(x, y, 2.5, 2, "#8c8a84")
    mp.waves(60)
    # the clay cliff over the deep pool
    cliff = catmull([(190, 158), (220, 140), (255, 128), (290, 132), (318, 152)], False, 8)
    cv.line(cliff, 10, Linear((0, 120), (0, 150), [(0, "#d9a068"), (1, "#a8683a")]))
    cv.line([(x, y - 5) for x, y in cliff], 2.2, "#6e4426", alpha=0.8)
    for i in range(0, len(cliff), 3):
        x, y = cliff[i]
        cv.line([(x, y - 4), (x + 1, y + 3)], 0.8, "#7a4a2a", alpha=0.6)
    mp.reeds_at(600, 400, 50, 50)
    mp.reeds_at(520, 200, 40, 25)
    mp.road([(330, -10), (350, 120), (370, 250), (395, 330), (400, 490)], 5)
    mp.road([(-10, 470), (200, 460), (300, 440), (400, 430)], 4, "#c8ad78")
    # the old bridge
    cv.poly([(358, 268), (392, 262), (396, 306), (362, 312)], "#1b2a2a", alpha=0.3, blur=2)
    cv.poly([(355, 262), (389, 256), (393, 300), (359, 306)], Linear((355, 0), (393, 0), [(0, "#9a7b55"),
                                                                                        (1, "#6f5538")]))
    for k in range(1, 10):
        t = k / 10
        cv.line([(355 + 4 * t, 262 + 44 * t), (389 + 4 * t, 256 + 44 * t)], 0.7, "#4a3828", alpha=0.7)
    # a village by the road
    for hx, hy, ang in ((430, 330, 0.2), (455, 355, 0.1), (420, 380, -0.1), (470, 395, 0.3), (440, 420, 0.0)):
        mp.house(hx, hy, 15, 10, ["#9c4a32", "#7b6a5a", "#8b3a2a"][rng.integers(0, 3)], ang)
    mp.forest([(0, 0), (320, 0), (300, 90), (200, 100), (100, 140), (0, 150)], 1.1, ("pine", "round", "pine"), 6, 9)
    mp.forest([(560, 0), (640, 0), (640, 250), (590, 200), (580, 100)], 1.0, ("round", "round", "pine"), 6, 9,
              ["#b58a3a", "#c9a04a", "#7a8a3a", "#a0562a"])
    mp.forest([(480, 420), (560, 430), (560, 480), (470, 480)], 0.8, ("round",), 5, 8)
    mp.forest([(130, 220), (250, 190), (300, 260), (220, 270)], 0.5, ("round",), 5, 8)
    mp.compass(40, 40)
    mp.finish()
    return cv.image("RGB"), mp.markers(places)


def pond_map(places):
    mp = MapPainter("pond")
    rng = mp.rng
    cv = mp.cv
    mp.ground("#8aa653")
    mp.field([(30, 20), (200, 10), (210, 110), (40, 120)], "#cbb56a", 14, 0.1)
    mp.field([(520, 380), (640, 370), (640, 480), (520, 480)], "#8f9a4c", 10, 1.4)
    # the pond, held back by a straight dam in the south
    mp.water.poly(blob(330, 255, 205, 150, rng, 12, 0.08))
    mp.water.poly(ribbon([(330, -10), (335, 40), (330, 110)], [10, 12, 20]))     # the brook that feeds it
    mp.water.rect(0, 405, W, H, 0)
    mp.paint_water("#2d6a72", "#74aaa0", "#cdb98a")
    mp.waves(45)
    mp.lilies(170, 230, 50, 60)
    mp.lilies(470, 170, 40, 30)
    mp.reeds_at(150, 230, 60, 70)
    mp.reeds_at(470, 120, 50, 40)
    mp.reeds_at(520, 330, 35, 30)
    # the dam with a path on top and the spillway
    cv.rect(120, 404, 560, 428, Linear((0, 404), (0, 428), [(0, "#b9a67a"), (0.4, "#8fa05a"), (1, "#6d8a44")]))
    cv.line([(120, 410), (560, 410)], 3, "#d8c48e")
    cv.rect(318, 400, 342, 440, "#a8a49a")
    cv.rect(324, 428, 336, 480, "#4f8a9a")
    # willows and village
    for x, y in ((470, 95), (510, 115), (440, 88), (545, 140)):
        mp.tree(x, y, 13, "round", "#7aa04a")
    for hx, hy, ang in ((580, 300, 0.1), (600, 340, -0.2), (570, 250, 0.0), (610, 210, 0.15)):
        mp.house(hx, hy, 16, 11, ["#9c4a32", "#6b6e7a", "#8b5a2a"][rng.integers(0, 3)], ang)
    mp.road([(650, 180), (600, 270), (560, 380), (540, 490)], 5)
    mp.footpath([(560, 330), (535, 328)])
    cv.rect(520, 322, 540, 332, "#8a6a45")          # the mostki
    mp.footpath([(120, 416), (60, 420), (0, 400)])
    mp.forest([(0, 130), (110, 120), (130, 380), (0, 400)], 1.1, ("round", "round", "pine"), 6, 9)
    mp.forest([(220, 0), (640, 0), (640, 80), (560, 70), (430, 60), (300, 50), (220, 60)], 0.9, ("round",), 5, 9)
    mp.forest([(0, 430), (300, 440), (300, 480), (0, 480)], 0.8, ("round",), 5, 8)
    mp.compass(600, 440)
    mp.finish()
    return cv.image("RGB"), mp.markers(places)


MAP_PAINTERS = {"lake": lake_map, "river": river_map, "pond": pond_map}


def marker_picture(glow=False):
    """The place marker: a small square badge with a red and white float on
    water (24 x 24).  The highlighted look is the same badge lit up in yellow."""
    cv = Canvas(MARKER, MARKER, 4)
    c = MARKER / 2
    if glow:
        back = Radial((c, c), 16, [(0, "#fffbe0"), (0.6, "#ffe066"), (1, "#f0a020")])
        border, ring, body = "#8a4a08", "#b86a10", "#e8302a"
    else:
        back = Linear((0, 0), (0, MARKER), [(0, "#d6ecf4"), (1, "#5a9ac0")])
        border, ring, body = "#2e2418", "#f4fafc", "#d8342a"
    cv.rect(0, 0, MARKER, MARKER, border)
    cv.rect(1.5, 1.5, MARKER - 1.5, MARKER - 1.5, back)
    cv.line([(2, MARKER - 2), (2, 2), (MARKER - 2, 2)], 1.0, "#ffffff", alpha=0.6)
    pts = [(c + math.cos(a) * 8, c + 4 + math.sin(a) * 2.6) for a in np.linspace(0, 2 * math.pi, 30)]
    cv.line(pts, 1.0, ring, alpha=0.9)
    cv.ellipse(c, c + 3, 3.4, 3.4, Radial((c - 1, c + 2), 4.5, [(0, "#ffffff"), (1, "#c8c8c8")]))
    cv.poly([(c - 3.4, c + 3), (c + 3.4, c + 3), (c + 2.1, c - 2), (c - 2.1, c - 2)],
            Linear((c - 3, 0), (c + 3, 0), [(0, shade(body, 1.3)), (1, shade(body, 0.7))]))
    cv.ellipse(c, c - 2, 2.1, 1.1, shade(body, 1.2))
    cv.line([(c, c - 2), (c, c - 8.5)], 1.2, "#1a1a1a")
    cv.ellipse(c, c - 8.5, 1.1, 1.1, body)
    return cv
