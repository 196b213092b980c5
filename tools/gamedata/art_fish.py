"""Portraits of the fish species (240 x 120, side view, head to the left).

Every fish is built from one description: the body's upper and lower profile,
colours from back to belly, fins, markings, eye, mouth and barbels.
"""

import math

import numpy as np

from paint import Canvas, FuncPaint, Linear, Radial, catmull, mix, rgb, rng_for, shade

W, H = 240, 120

# Profiles are (t, height) pairs: t runs from the snout (0) to the root of
# the tail (1); heights are pixels above / below the body's middle line.
FISH = {
    "fish_pike": dict(x0=12, x1=192, cy=62, tail=36, tail_h=22, tail_shape="forked",
                      top=[(0, 1.5), (0.05, 4), (0.15, 8), (0.35, 12), (0.6, 14), (0.8, 13), (0.92, 9), (1, 7)],
                      bottom=[(0, 2.5), (0.08, 6), (0.25, 12), (0.55, 15), (0.8, 11), (0.92, 8), (1, 7)],
                      back="#3a4a22", flank="#7e8e3e", belly="#ebe4c2", fin="#6e6a34",
                      dorsal=[(0.7, 0.9, 16, 0.6)], anal=[(0.74, 0.92, 13, 0.6)], pelvic=0.5, pectoral=0.22,
                      pattern="pike_spots", eye=(0.09, 0.3, 3.6, "#d9b83a"), mouth=0.16, snout=2, fin_spots=True),
    "fish_perch": dict(x0=22, x1=182, cy=64, tail=38, tail_h=24, tail_shape="forked",
                       top=[(0, 3), (0.08, 9), (0.2, 20), (0.38, 29), (0.55, 27), (0.75, 17), (0.9, 10), (1, 8)],
                       bottom=[(0, 3), (0.12, 10), (0.3, 17), (0.5, 20), (0.72, 14), (0.9, 9), (1, 8)],
                       back="#34502a", flank="#b9b24c", belly="#f2eac8", fin="#6a6a3a",
                       dorsal=[(0.3, 0.56, 22, 0.35, "spiny"), (0.6, 0.8, 16, 0.6)],
                       anal=[(0.7, 0.84, 14, 0.6)], pelvic=0.4, pectoral=0.26, red_fins="#e2542a",
                       pattern="bars", bars=6, eye=(0.1, 0.28, 4.6, "#e0a030"), mouth=0.12, snout=3,
                       dorsal_spot=True),
    "fish_roach": dict(x0=20, x1=182, cy=62, tail=38, tail_h=24, tail_shape="forked",
                       top=[(0, 3), (0.1, 10), (0.3, 21), (0.48, 25), (0.68, 20), (0.88, 11), (1, 7)],
                       bottom=[(0, 3), (0.12, 10), (0.35, 18), (0.55, 19), (0.78, 13), (1, 7)],
                       back="#44566a", flank="#c6ced6", belly="#f6f6f2", fin="#9a8a80",
                       dorsal=[(0.45, 0.62, 20, 0.45)], anal=[(0.7, 0.84, 15, 0.5)], pelvic=0.46, pectoral=0.26,
                       red_fins="#d9502c", scales=4.2, eye=(0.1, 0.25, 4.8, "#cc2a1e"), mouth=0.09, snout=4),
    "fish_bream": dict(x0=24, x1=176, cy=60, tail=42, tail_h=28, tail_shape="forked",
                       top=[(0, 3), (0.08, 9), (0.2, 22), (0.38, 36), (0.5, 38), (0.68, 28), (0.86, 14), (1, 7)],
                       bottom=[(0, 4), (0.12, 11), (0.32, 24), (0.55, 30), (0.75, 22), (0.9, 12), (1, 7)],
                       back="#46381f", flank="#b18c46", belly="#e2cf98", fin="#4e4a42",
                       dorsal=[(0.48, 0.6, 22, 0.4)], anal=[(0.5, 0.92, 12, 0.55)], pelvic=0.42, pectoral=0.24,
                       scales=3.6, eye=(0.11, 0.22, 4.0, "#d8c888"), mouth=0.08, snout=4),
    "fish_crucian": dict(x0=24, x1=178, cy=62, tail=34, tail_h=22, tail_shape="notched",
                         top=[(0, 4), (0.1, 13), (0.28, 27), (0.48, 32), (0.7, 24), (0.88, 14), (1, 10)],
                         bottom=[(0, 4), (0.15, 13), (0.4, 22), (0.6, 22), (0.82, 14), (1, 10)],
                         back="#56461f", flank="#c9a23e", belly="#eed9a0", fin="#8a5a2a",
                         dorsal=[(0.34, 0.78, 14, 0.8)], anal=[(0.72, 0.86, 12, 0.6)], pelvic=0.45, pectoral=0.27,
                         scales=4.6, eye=(0.11, 0.26, 4.2, "#d8b04a"), mouth=0.08, snout=5),
    "fish_carp": dict(x0=16, x1=186, cy=62, tail=40, tail_h=26, tail_shape="forked",
                      top=[(0, 5), (0.1, 14), (0.28, 26), (0.45, 31), (0.68, 26), (0.88, 14), (1, 10)],
                      bottom=[(0, 4), (0.15, 14), (0.4, 21), (0.62, 21), (0.85, 13), (1, 10)],
                      back="#5a4220", flank="#d6a33a", belly="#f2da92", fin="#9a5a2c",
                      dorsal=[(0.36, 0.8, 15, 0.7)], anal=[(0.74, 0.88, 13, 0.6)], pelvic=0.47, pectoral=0.25,
                      scales=6.2, scale_edge=True, eye=(0.1, 0.22, 4.0, "#d8a84a"), mouth=0.07, snout=6,
                      barbels=[(0.02, 0.3, 6, 1.9, -0.12)]),
    "fish_catfish": dict(x0=10, x1=186, cy=60, tail=30, tail_h=16, tail_shape="round",
                         top=[(0, 7), (0.06, 13), (0.18, 18), (0.3, 19), (0.55, 15), (0.8, 10), (1, 7)],
                         bottom=[(0, 8), (0.08, 14), (0.25, 18), (0.45, 17), (0.7, 12), (1, 7)],
                         back="#2b3125", flank="#5d6146", belly="#dcd4ba", fin="#3d3f30",
                         dorsal=[(0.26, 0.33, 9, 0.6)], anal=[(0.42, 0.99, 11, 1.0)], pelvic=0.4, pectoral=0.2,
                         pattern="mottle", eye=(0.07, 0.32, 2.2, "#c8c080"), mouth=0.1, snout=9,
                         barbels=[(0.0, -0.8, 58, 1.1, -0.07), (0.03, 0.9, 11, 1.6, -0.1), (0.06, 1.0, 10, 1.4, -0.1)]),
    "fish_zander": dict(x0=14, x1=186, cy=62, tail=36, tail_h=22, tail_shape="forked",
                        top=[(0, 2), (0.08, 6), (0.2, 12), (0.4, 17), (0.6, 16), (0.82, 11), (1, 7)],
                        bottom=[(0, 3), (0.12, 8), (0.32, 13), (0.55, 14), (0.8, 9), (1, 7)],
                        back="#3a463e", flank="#9aa69c", belly="#eef0e8", fin="#8a8e84",
                        dorsal=[(0.3, 0.55, 18, 0.5, "spiny"), (0.6, 0.82, 14, 0.6)], anal=[(0.7, 0.86, 12, 0.6)],
                        pelvic=0.38, pectoral=0.24, pattern="bars", bars=8, fin_spots=True,
                        eye=(0.1, 0.3, 4.4, "#e6e6d2"), mouth=0.15, snout=2),
    "fish_asp": dict(x0=14, x1=184, cy=62, tail=42, tail_h=27, tail_shape="forked",
                     top=[(0, 3), (0.1, 9), (0.3, 18), (0.48, 21), (0.7, 16), (0.9, 8), (1, 6)],
                     bottom=[(0, 4), (0.12, 9), (0.35, 15), (0.55, 16), (0.8, 10), (1, 6)],
                     back="#34495a", flank="#c6d0d8", belly="#f7f7f3", fin="#8c8a90",
                     dorsal=[(0.46, 0.58, 19, 0.35)], anal=[(0.68, 0.84, 14, 0.4)], pelvic=0.45, pectoral=0.24,
                     red_fins="#b88070", scales=3.2, eye=(0.09, 0.25, 4.0, "#e0d0a0"), mouth=0.14, snout=3),
    "fish_chub": dict(x0=16, x1=186, cy=62, tail=36, tail_h=22, tail_shape="notched",
                      top=[(0, 6), (0.1, 13), (0.3, 19), (0.5, 20), (0.72, 16), (0.9, 9), (1, 7)],
                      bottom=[(0, 5), (0.12, 12), (0.35, 16), (0.58, 17), (0.8, 11), (1, 7)],
                      back="#3b4536", flank="#bab39a", belly="#efebdd", fin="#6a6a5a",
                      dorsal=[(0.44, 0.58, 17, 0.5)], anal=[(0.7, 0.84, 13, 0.7)], pelvic=0.46, pectoral=0.24,
                      red_fins="#d86a3a", scales=5.4, scale_edge=True, eye=(0.09, 0.25, 4.0, "#d8c070"),
                      mouth=0.12, snout=6),
    "fish_ide": dict(x0=18, x1=184, cy=62, tail=38, tail_h=24, tail_shape="forked",
                     top=[(0, 4), (0.1, 11), (0.3, 21), (0.48, 24), (0.7, 19), (0.9, 10), (1, 7)],
                     bottom=[(0, 4), (0.12, 11), (0.35, 17), (0.56, 19), (0.8, 11), (1, 7)],
                     back="#3b4850", flank="#cdc39e", belly="#f3efe0", fin="#9a7a60",
                     dorsal=[(0.45, 0.6, 18, 0.45)], anal=[(0.7, 0.85, 14, 0.55)], pelvic=0.46, pectoral=0.25,
                     red_fins="#dc6a40", scales=3.8, eye=(0.1, 0.24, 4.2, "#e0c060"), mouth=0.1, snout=5),
    "fish_tench": dict(x0=18, x1=180, cy=62, tail=34, tail_h=21, tail_shape="square",
                       top=[(0, 6), (0.1, 13), (0.3, 21), (0.5, 23), (0.72, 19), (0.9, 13), (1, 11)],
                       bottom=[(0, 5), (0.12, 12), (0.35, 17), (0.55, 18), (0.8, 13), (1, 11)],
                       back="#27331a", flank="#6a7a30", belly="#cbbf6c", fin="#34401e",
                       dorsal=[(0.45, 0.6, 16, 0.8, "round")], anal=[(0.7, 0.84, 13, 0.8, "round")], pelvic=0.45,
                       pectoral=0.25, eye=(0.09, 0.25, 3.4, "#c8281e"), mouth=0.07, snout=6,
                       barbels=[(0.02, 0.4, 4, 1.8, -0.1)]),
    "fish_ruffe": dict(x0=24, x1=180, cy=64, tail=36, tail_h=20, tail_shape="notched",
                       top=[(0, 4), (0.1, 12), (0.28, 20), (0.45, 21), (0.7, 15), (0.9, 9), (1, 7)],
                       bottom=[(0, 5), (0.15, 13), (0.4, 16), (0.62, 14), (0.85, 9), (1, 7)],
                       back="#514624", flank="#a69552", belly="#e8ddb6", fin="#8a7a48",
                       dorsal=[(0.28, 0.84, 17, 0.55, "spiny")], anal=[(0.68, 0.82, 11, 0.6)], pelvic=0.38,
                       pectoral=0.26, pattern="dots", fin_spots=True, eye=(0.12, 0.28, 5.6, "#9a7ab0"),
                       mouth=0.1, snout=5),
    "fish_bleak": dict(x0=18, x1=188, cy=62, tail=38, tail_h=20, tail_shape="forked",
                       top=[(0, 2), (0.1, 6), (0.3, 12), (0.5, 14), (0.72, 11), (0.9, 6), (1, 4.5)],
                       bottom=[(0, 2), (0.12, 7), (0.35, 12), (0.55, 13), (0.8, 8), (1, 4.5)],
                       back="#56707e", flank="#dfe7eb", belly="#fafaf8", fin="#b8bcc0",
                       dorsal=[(0.55, 0.66, 14, 0.4)], anal=[(0.62, 0.84, 11, 0.5)], pelvic=0.48, pectoral=0.24,
                       scales=2.8, eye=(0.1, 0.18, 3.8, "#e8e8e0"), mouth=0.07, snout=2, mouth_up=True),
    "fish_burbot": dict(x0=12, x1=196, cy=62, tail=26, tail_h=14, tail_shape="round",
                        top=[(0, 6), (0.06, 11), (0.2, 15), (0.4, 15), (0.65, 12), (0.85, 8), (1, 5)],
                        bottom=[(0, 6), (0.08, 11), (0.25, 14), (0.45, 13), (0.7, 9), (1, 5)],
                        back="#3b321f", flank="#8a7440", belly="#ddd0a2", fin="#6a5a32",
                        dorsal=[(0.28, 0.38, 8, 0.8, "round"), (0.42, 1.0, 10, 1.0, "round")],
                        anal=[(0.48, 1.0, 9, 1.0, "round")], pelvic=0.2, pectoral=0.22, pattern="mottle",
                        eye=(0.07, 0.32, 2.6, "#c8b060"), mouth=0.09, snout=6, barbels=[(0.05, 1.0, 9, 1.7, -0.05)]),
    "fish_bluebream": dict(x0=22, x1=180, cy=60, tail=40, tail_h=25, tail_shape="forked",
                           top=[(0, 2), (0.1, 9), (0.28, 22), (0.45, 27), (0.65, 22), (0.85, 11), (1, 5)],
                           bottom=[(0, 3), (0.14, 10), (0.38, 22), (0.6, 24), (0.82, 13), (1, 5)],
                           back="#2f4c68", flank="#c2cedb", belly="#f5f7f9", fin="#5c6670",
                           dorsal=[(0.48, 0.6, 18, 0.4)], anal=[(0.45, 0.95, 11, 0.6)], pelvic=0.42, pectoral=0.22,
                           scales=3.2, eye=(0.1, 0.2, 4.2, "#dde4ea"), mouth=0.07, snout=3, mouth_up=True,
                           fin_edge="#2a3038"),
    "fish_barbel": dict(x0=14, x1=188, cy=62, tail=38, tail_h=23, tail_shape="forked",
                        top=[(0, 3), (0.1, 9), (0.3, 17), (0.5, 19), (0.72, 15), (0.9, 9), (1, 6.5)],
                        bottom=[(0, 4), (0.1, 9), (0.3, 12), (0.55, 13), (0.8, 9), (1, 6.5)],
                        back="#47472a", flank="#b1984c", belly="#eee2b2", fin="#a85a34",
                        dorsal=[(0.4, 0.52, 19, 0.4)], anal=[(0.72, 0.84, 13, 0.5)], pelvic=0.48, pectoral=0.22,
                        red_fins="#c8603a", scales=3.0, pattern="freckles", eye=(0.12, 0.3, 3.4, "#d0b050"),
                        mouth=0.07, snout=3, mouth_low=True,
                        barbels=[(0.0, 0.8, 9, 2.0, -0.12), (0.05, 1.0, 11, 1.8, -0.1)]),
}


class Fish:
    def __init__(self, key):
        self.d = FISH[key]
        self.rng = rng_for("fish", key)
        d = self.d
        self.x0, self.x1, self.cy = d["x0"], d["x1"], d["cy"]
        self.ts = np.linspace(0, 1, 161)
        self.top = self._profile(d["top"])
        self.bot = self._profile(d["bottom"])

    def _profile(self, pts):
        curve = catmull([(t * 100, h) for t, h in pts], False, 12)
        xs = np.array([p[0] for p in curve]) / 100
        hs = np.array([p[1] for p in curve])
        order = np.argsort(xs)
        return np.interp(self.ts, xs[order], hs[order])

    def x(self, t):
        return self.x0 + (self.x1 - self.x0) * t

    def top_y(self, t):
        return self.cy - float(np.interp(t, self.ts, self.top))

    def bot_y(self, t):
        return self.cy + float(np.interp(t, self.ts, self.bot))

    def outline(self):
        d = self.d
        upper = [(self.x(t), self.cy - h) for t, h in zip(self.ts, self.top)]
        lower = [(self.x(t), self.cy + h) for t, h in zip(self.ts, self.bot)]
        s = d.get("snout", 3)
        nose = []
        ya, yb = self.cy - self.top[0], self.cy + self.bot[0]
        for a in np.linspace(math.pi / 2, 3 * math.pi / 2, 12):
            nose.append((self.x0 + math.cos(a) * s, (ya + yb) / 2 - math.sin(a) * (yb - ya) / 2))
        return nose[::-1][:-1] + upper[1:] + lower[::-1][:-1]

    # -------------------------------------------------------------- fins
    def fin(self, cv, t_a, t_b, height, rear, side, col, style="soft", alpha=0.92):
        """Dorsal (side = -1) or anal (side = +1) fin along the body edge."""
        edge = self.top_y if side < 0 else self.bot_y
        base = [(self.x(t), edge(t) - side * 1.5) for t in np.linspace(t_a, t_b, 12)]
        lean = 6 if style != "round" else 3
        if style == "round":
            tips = [(self.x(t_a) + lean * 0.5, edge(t_a) + side * height * 0.7)]
            for k in range(1, 8):
                t = t_a + (t_b - t_a) * k / 8
                tips.append((self.x(t) + lean, edge(t) + side * height))
            tips.append((self.x(t_b) + lean, edge(t_b) + side * height * rear))
        elif style == "spiny":
            tips = []
            n = 10
            for k in range(n + 1):
                t = t_a + (t_b - t_a) * k / n
                hh = height * (1 - (1 - rear) * k / n) * (1 - 0.25 * math.sin(k / n * math.pi))
                tips.append((self.x(t) + lean, edge(t) + side * hh))
                if k < n:
                    tm = t + (t_b - t_a) / n * 0.5
                    tips.append((self.x(tm) + lean, edge(tm) + side * hh * 0.72))
        else:
            tips = [(self.x(t_a) + lean, edge(t_a) + side * height)]
            for k in range(1, 6):
                t = t_a + (t_b - t_a) * k / 6
                hh = height * (1 - (1 - rear) * (k / 6) ** 0.8)
                tips.append((self.x(t) + lean * 1.4, edge(t) + side * hh * (0.98 - 0.12 * math.sin(k / 6 * math.pi))))
            tips.append((self.x(t_b) + lean * 0.5, edge(t_b) + side * height * rear * 0.4))
        pts = base + tips[::-1]
        y_in = edge((t_a + t_b) / 2)
        y_out = y_in + side * height
        cv.poly(pts, Linear((0, y_in), (0, y_out), [(0, shade(col, 0.8)), (1, shade(col, 1.25))]), alpha=alpha)
        for k in range(len(tips)):
            bt = t_a + (t_b - t_a) * k / max(1, len(tips) - 1)
            cv.line([(self.x(bt), edge(bt)), tips[k]], 0.5, shade(col, 0.55), alpha=0.55)
        if self.d.get("fin_edge"):
            cv.line(tips, 1.0, self.d["fin_edge"], alpha=0.6)
        if self.d.get("fin_spots"):
            for _ in range(int((t_b - t_a) * 40)):
                bt = self.rng.uniform(t_a, t_b)
                f = self.rng.uniform(0.2, 0.8)
                cv.ellipse(self.x(bt) + lean * f, edge(bt) + side * height * f * 0.8, 1.0, 0.8, "#2b2a1e", alpha=0.6)
        return pts

    def tail(self, cv, col):
        d = self.d
        x1 = self.x1 - 2
        yt, yb = self.top_y(1), self.bot_y(1)
        L, h = d["tail"], d["tail_h"]
        shape = d["tail_shape"]
        cy = (yt + yb) / 2
        if shape == "forked":
            pts = [(x1, yt), (x1 + L * 0.5, cy - h * 0.7), (x1 + L, cy - h - 2), (x1 + L * 0.82, cy - h * 0.45),
                   (x1 + L * 0.52, cy), (x1 + L * 0.82, cy + h * 0.45), (x1 + L, cy + h + 2),
                   (x1 + L * 0.5, cy + h * 0.7), (x1, yb)]
            pts = catmull(pts[:3], False, 6)[:-1] + [pts[2], pts[3], pts[4], pts[5], pts[6]] + \
                catmull(pts[6:], False, 6)[1:]
        elif shape == "notched":
            pts = [(x1, yt), (x1 + L * 0.6, cy - h * 0.8), (x1 + L, cy - h), (x1 + L * 0.8, cy),
                   (x1 + L, cy + h), (x1 + L * 0.6, cy + h * 0.8), (x1, yb)]
        elif shape == "square":
            pts = [(x1, yt), (x1 + L * 0.7, cy - h * 0.9), (x1 + L, cy - h), (x1 + L * 0.97, cy),
                   (x1 + L, cy + h), (x1 + L * 0.7, cy + h * 0.9), (x1, yb)]
            pts = catmull(pts, False, 5)
        else:   # round: a paddle
            pts = catmull([(x1, yt), (x1 + L * 0.55, cy - h), (x1 + L * 0.92, cy - h * 0.55), (x1 + L, cy),
                           (x1 + L * 0.92, cy + h * 0.55), (x1 + L * 0.55, cy + h), (x1, yb)], False, 6)
        cv.poly(pts, Linear((x1, 0), (x1 + L, 0), [(0, shade(col, 0.85)), (1, shade(col, 1.2))]), alpha=0.95)
        for k in range(1, 12):
            f = k / 12
            tip = (x1 + L * (0.9 if shape != "forked" else 0.95 - 0.35 * (1 - abs(f - 0.5) * 2)), cy - h + 2 * h * f)
            cv.line([(x1 + 1, cy + (f - 0.5) * (yb - yt) * 0.8), tip], 0.5, shade(col, 0.55), alpha=0.5)
        if self.d.get("fin_spots"):
            for _ in range(14):
                cv.ellipse(x1 + self.rng.uniform(4, L * 0.8), cy + self.rng.uniform(-h * 0.7, h * 0.7), 1.0, 0.9,
                           "#2b2a1e", alpha=0.55)
        if self.d.get("fin_edge"):
            cv.line(pts, 0.9, self.d["fin_edge"], alpha=0.4)

    def small_fin(self, cv, t, yfrac, length, angle, col, alpha=0.85):
        """Pectoral or pelvic fin, laid over the body."""
        xa = self.x(t)
        ya = self.top_y(t) + (self.bot_y(t) - self.top_y(t)) * yfrac
        tip = (xa + math.cos(angle) * length, ya + math.sin(angle) * length)
        # the fin fans out from its root: one edge to the tip, a rounded trailing edge back
        nx, ny = math.cos(angle - math.pi / 2), math.sin(angle - math.pi / 2)
        wide = length * 0.6
        pts = catmull([(xa + nx * 1.5, ya + ny * 1.5), (tip[0] + nx * wide * 0.3, tip[1] + ny * wide * 0.3),
                       tip, ((xa + tip[0]) / 2 - nx * wide * 0.9 + 4, (ya + tip[1]) / 2 - ny * wide * 0.9),
                       (xa - nx * 1.5, ya - ny * 1.5)], False, 6)
        side = (-nx * wide, -ny * wide)
        cv.poly(pts, Linear((xa, ya), tip, [(0, shade(col, 0.85)), (1, shade(col, 1.3))]), alpha=alpha)
        for k in range(5):
            f = (k + 0.5) / 5
            cv.line([(xa, ya), (tip[0] + side[0] * (f - 0.5) * 0.6, tip[1] + side[1] * (f - 0.5) * 0.6)], 0.4,
                    shade(col, 0.55), alpha=0.5)

    # -------------------------------------------------------------- body
    def body_paint(self):
        d = self.d
        ts, top, bot = self.ts, self.top, self.bot
        back, flank, belly = rgb(d["back"]), rgb(d["flank"]), rgb(d["belly"])
        x0, x1, cy = self.x0, self.x1, self.cy

        def at(X, Y):
            t = np.clip((X - x0) / (x1 - x0), 0, 1)
            yt = cy - np.interp(t, ts, top)
            yb = cy + np.interp(t, ts, bot)
            f = np.clip((Y - yt) / np.maximum(yb - yt, 1), 0, 1)
            out = np.empty(X.shape + (4,), np.float32)
            for k in range(4):
                out[..., k] = np.interp(f, [0, 0.12, 0.42, 0.62, 0.8, 1],
                                        [back[k] * 0.8, back[k], flank[k], flank[k] * 0.97 + belly[k] * 0.03,
                                         belly[k], belly[k] * 0.92])
            return out
        return FuncPaint(at)

    def paint(self):
        d = self.d
        rng = self.rng
        cv = Canvas(W, H, 4)
        cv.rect(0, 0, W, H, Radial((W * 0.45, H * 0.4), W * 0.75, [(0, "#fbf8ef"), (0.7, "#efe8d6"),
                                                                  (1, "#ddd2b8")], ry=H * 0.9))
        tex = cv.noise(30, 3, int(rng.integers(1 << 30)))
        cv.grade(tex, 0.025)
        body = self.outline()
        fin_col = d["fin"]
        red = d.get("red_fins")
        # shadow on the "table"
        cv.ellipse((self.x0 + self.x1) / 2 + 10, self.cy + max(self.bot) + 10, (self.x1 - self.x0) * 0.55, 5,
                   "#5a4a30", alpha=0.25, blur=4)
        # fins behind the body
        for fin in d.get("dorsal", []):
            ta, tb, hgt, rear = fin[:4]
            style = fin[4] if len(fin) > 4 else "soft"
            self.fin(cv, ta, tb, hgt, rear, -1, fin_col, style)
        for fin in d.get("anal", []):
            ta, tb, hgt, rear = fin[:4]
            style = fin[4] if len(fin) > 4 else "soft"
            self.fin(cv, ta, tb, hgt, rear, +1, red or fin_col, style)
        self.tail(cv, mix(fin_col, red, 0.5) if red else fin_col)
        # the body
        cv.poly(body, self.body_paint())
        m = cv.mask().poly(body)
        cv.clip_to(m)
        self.markings(cv)
        # head: gill cover and a touch of shade on the snout
        tg = 0.2 if d["x1"] - d["x0"] > 150 else 0.22
        tg = d.get("gill", tg)
        gx = self.x(tg)
        gill = catmull([(gx - 3, self.top_y(tg) + 3), (gx + 2, self.cy - 2), (gx - 1, self.bot_y(tg) - 2)], False, 8)
        cv.line(gill, 1.3, shade(d["back"], 0.6), alpha=0.55)
        cv.line([(x + 1.2, y) for x, y in gill], 0.8, shade(d["belly"], 1.1), alpha=0.45)
        cv.poly([(self.x0 - 10, 0), (gx, 0), (gx, H), (self.x0 - 10, H)],
                Linear((self.x0, 0), (gx, 0), [(0, (0, 0, 0, 0.12)), (1, (0, 0, 0, 0.0))]))
        # light from above
        cv.poly(body, Linear((0, self.cy - max(self.top)), (0, self.cy + 4), [(0, (255, 255, 255, 0.0)),
                                                                             (0.55, (255, 255, 255, 0.22)),
                                                                             (1, (255, 255, 255, 0.0))]))
        cv.clip_to(None)
        cv.outline(body, 0.9, shade(d["back"], 0.45), alpha=0.7)
        # fins over the body
        if d.get("pectoral"):
            self.small_fin(cv, d["pectoral"] + 0.02, 0.62, 18, 0.55, red or fin_col, 0.8)
        if d.get("pelvic"):
            self.small_fin(cv, d["pelvic"], 0.88, 15, 1.05, red or fin_col, 0.85)
        self.head(cv)
        return cv.image("RGB")

    def markings(self, cv):
        d = self.d
        rng = self.rng
        pat = d.get("pattern")
        scales = d.get("scales")
        if scales:
            s = scales
            for row in range(-12, 13):
                y = self.cy + row * s * 0.72
                off = (row % 2) * s * 0.5
                x = self.x(0.24) + off
                while x < self.x1 - 2:
                    t = (x - self.x0) / (self.x1 - self.x0)
                    if self.top_y(t) + 2 < y < self.bot_y(t) - 1:
                        arc = [(x + math.cos(a) * s * 0.55, y + math.sin(a) * s * 0.55)
                               for a in np.linspace(-1.25, 1.25, 7)]
                        edge = d.get("scale_edge")
                        cv.line(arc, 0.7 if edge else 0.45, shade(d["back"], 0.5), alpha=0.55 if edge else 0.3)
                        if edge:
                            cv.ellipse(x - s * 0.1, y - s * 0.1, s * 0.3, s * 0.2, "#ffffff", alpha=0.12)
                    x += s
        if pat == "pike_spots":
            for _ in range(120):
                t = rng.uniform(0.22, 0.98)
                f = rng.uniform(0.2, 0.8)
                y = self.top_y(t) + (self.bot_y(t) - self.top_y(t)) * f
                cv.ellipse(self.x(t), y, rng.uniform(1.8, 3.2), rng.uniform(1.0, 1.6), "#dcd48e", alpha=0.75)
            for k in range(9):
                t = 0.25 + k * 0.08
                cv.line([(self.x(t), self.top_y(t) + 2), (self.x(t + 0.03), self.bot_y(t) - 5)], 3, "#2f3a1c",
                        alpha=0.2, blur=1.5)
        elif pat == "bars":
            n = d.get("bars", 6)
            for k in range(n):
                t = 0.3 + 0.62 * k / max(1, n - 1)
                wd = 4.5 if n <= 6 else 3.2
                pts = [(self.x(t) - 1, self.top_y(t)), (self.x(t) + 2, self.cy),
                       (self.x(t) - 1 + rng.uniform(-2, 2), self.cy + (self.bot_y(t) - self.cy) * 0.6)]
                cv.stroke(catmull(pts, False, 4), [wd, wd * 0.9, 0.5], "#1f2a14", alpha=0.55, blur=0.8)
        elif pat == "mottle":
            for _ in range(60):
                t = rng.uniform(0.05, 1)
                f = rng.uniform(0.0, 0.6)
                y = self.top_y(t) + (self.bot_y(t) - self.top_y(t)) * f
                cv.ellipse(self.x(t), y, rng.uniform(2, 5), rng.uniform(1.2, 3), "#1e2014", alpha=0.35, blur=0.8)
        elif pat == "dots":
            for _ in range(70):
                t = rng.uniform(0.15, 1)
                f = rng.uniform(0.05, 0.65)
                y = self.top_y(t) + (self.bot_y(t) - self.top_y(t)) * f
                cv.ellipse(self.x(t), y, rng.uniform(0.9, 1.6), rng.uniform(0.9, 1.4), "#2c2614", alpha=0.6)
        elif pat == "freckles":
            for _ in range(50):
                t = rng.uniform(0.15, 1)
                f = rng.uniform(0.05, 0.5)
                y = self.top_y(t) + (self.bot_y(t) - self.top_y(t)) * f
                cv.ellipse(self.x(t), y, 0.8, 0.7, "#3a2a14", alpha=0.5)
        # lateral line
        line = [(self.x(t), self.top_y(t) + (self.bot_y(t) - self.top_y(t)) * (0.42 - 0.08 * math.sin(t * 3)))
                for t in np.linspace(0.24, 1, 30)]
        cv.line(line, 0.7, shade(d["back"], 0.55), alpha=0.45)

    def head(self, cv):
        d = self.d
        te, yf, r, iris = d["eye"]
        ex = self.x(te)
        ey = self.top_y(te) + (self.bot_y(te) - self.top_y(te)) * yf
        cv.ellipse(ex, ey, r + 1.0, r + 1.0, shade(d["back"], 0.6), alpha=0.5)
        cv.ellipse(ex, ey, r, r, Radial((ex - r * 0.3, ey - r * 0.3), r * 1.3, [(0, shade(iris, 1.3)),
                                                                               (1, shade(iris, 0.75))]))
        cv.ellipse(ex, ey, r * 0.55, r * 0.55, "#0d0d0d")
        cv.ellipse(ex - r * 0.3, ey - r * 0.35, r * 0.22, r * 0.2, "#ffffff", alpha=0.9)
        # mouth
        ml = (self.x1 - self.x0) * d["mouth"]
        my = self.cy + (self.bot[0] - self.top[0]) / 2 + 0.5
        s = d.get("snout", 3)
        if d.get("mouth_up"):
            pts = [(self.x0 - s + 1, my - 2.5), (self.x0 - s + ml * 0.6, my - 0.5), (self.x0 - s + ml, my + 1.5)]
        elif d.get("mouth_low"):
            pts = [(self.x0 - s + 3, my + 3), (self.x0 - s + ml * 0.6, my + 3.5), (self.x0 - s + ml, my + 2.5)]
        else:
            pts = [(self.x0 - s + 0.5, my), (self.x0 - s + ml * 0.6, my + 0.8), (self.x0 - s + ml, my + 1.2)]
        cv.line(pts, 1.0, "#2a1e14", alpha=0.75)
        for tb, yfr, ln, a0, curl in d.get("barbels", []):
            bx = self.x(tb) - s * 0.5
            by = my + yfr * 4
            pts = [(bx, by)]
            a = a0
            for k in range(12):
                bx += math.cos(a) * ln / 12
                by += math.sin(a) * ln / 12
                a += curl
                pts.append((bx, by))
            cv.stroke(pts, [1.5, 1.0, 0.35], shade(d["back"], 0.8), alpha=0.9)


def fish_picture(key):
    return Fish(key).paint()
