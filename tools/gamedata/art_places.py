"""The fishing places (view from the bank) and the maps of the waters (top view)."""

import math

import numpy as np
from PIL import Image, ImageFilter

import art_nature as nat
from paint import Canvas, Linear, Radial, blob, catmull, fbm, mix, rgb, rng_for, shade, with_alpha

W, H = 640, 380
FLOAT_X = 376            # where the float lands (5640 twips)


# ================================================================ fishing places

def _line(w, y, pin_x, amp, rng, bay=0.0):
    """A gently wavy horizontal line that passes exactly through (pin_x, y)."""
    xs = np.arange(w + 1, dtype=np.float64)
    v = np.zeros_like(xs)
    for k in range(3):
        f = rng.uniform(0.004, 0.02) * (k + 1)
        v += amp / (k + 1) * np.sin(xs * f + rng.uniform(0, 6.28))
    v += bay * ((xs - pin_x) / w) ** 2 * 4
    v -= np.interp(pin_x, xs, v)
    return y + v


class Scene:
    def __init__(self, place, key):
        self.p = place
        look = place["look"]
        self.look = look
        self.rng = rng_for("place", key)
        self.sky = nat.SKIES[look["time"]]
        self.season = nat.SEASONS[look["season"]]
        self.cast = place["cast"]
        self.shore = place["shore"]
        self.cv = Canvas(W, H, 3)
        far_y = self.cast - 3
        if look["far"] == "island":
            far_y = self.cast - 30
        bay = self.rng.uniform(-10, 14) if look["far"] not in ("dam", "island") else 0.0
        self.far = _line(W, far_y, FLOAT_X, 0 if look["far"] in ("dam",) else 3.0, self.rng, bay)
        self.near = _line(W, self.shore + 3, FLOAT_X, 5.0, self.rng, -8)
        self.horizon = float(self.far.min())

    # -------------------------------------------------------------- layers
    def paint(self):
        self.draw_sky()
        far = Canvas(W, H, 3)
        self.draw_far(far)
        far.rect(0, 0, W, H, self.sky["far_light"], mode="multiply")
        self.cv.paste(far)
        self.draw_water(far)
        # what stands in the water and on our bank shares one light
        self.layer = Canvas(W, H, 3)
        self.draw_water_extras()
        self.draw_near()
        self.layer.rect(0, 0, W, H, self.sky["land"], mode="multiply")
        self.cv.paste(self.layer)
        if self.look["time"] == "rain":
            nat.rain_rings(self.cv, self.horizon + 4, self.shore, self.rng, 80)
        self.finish()
        return self.cv.image("RGB")

    def draw_sky(self):
        t = self.look["time"]
        rng = self.rng
        if t in ("overcast", "rain"):
            self.cv.rect(0, 0, W, self.horizon + 6, Linear((0, 0), (0, self.horizon), [
                (0, self.sky["top"]), (0.6, self.sky["mid"]), (1, self.sky["horizon"])]))
            nat.stratus(self.cv, 0, self.horizon - 10, self.sky, rng, 8)
        else:
            nat.sky(self.cv, self.sky, self.horizon, rng, clouds=4 if t == "noon" else 3)

    def haze(self, k):
        return dict(haze=self.sky["haze"], haze_k=k)

    def tree_colour(self):
        trees = self.season["trees"]
        return trees[self.rng.integers(0, len(trees))]

    def hills(self, far):
        rng = self.rng
        top = self.horizon - rng.uniform(30, 55)
        pts = [(x, top + 12 * math.sin(x / rng.uniform(60, 110) + rng.uniform(0, 6)) + 8 * math.sin(x / 37))
               for x in range(-20, W + 60, 40)]
        poly = catmull(pts, False, 6) + [(W + 20, self.horizon + 5), (-20, self.horizon + 5)]
        col = mix(self.sky["haze"], self.season["pine"], 0.28)
        far.poly(poly, Linear((0, top), (0, self.horizon), [(0, col), (1, mix(col, self.sky["haze"], 0.5))]))

    def forest_band(self, far, height, kind="round", haze_k=0.45):
        """A dense belt of trees along the far waterline."""
        rng = self.rng
        x = -10.0
        while x < W + 10:
            yb = float(np.interp(x, np.arange(W + 1), self.far)) - 2
            h = height * rng.uniform(0.7, 1.25)
            col = self.season["pine"] if kind == "pine" else self.tree_colour()
            if kind == "pine":
                nat.pine(far, x, yb, h, col, rng, **self.haze(haze_k))
                x += h * rng.uniform(0.18, 0.3)
            else:
                nat.round_tree(far, x, yb, h, col, rng, trunk=False, **self.haze(haze_k))
                x += h * rng.uniform(0.3, 0.5)

    def shore_strip(self, far, col, height=3.5):
        pts = [(x, self.far[x] - height) for x in range(0, W + 1, 8)] + \
              [(W, self.far[W] + 1), (0, self.far[0] + 1)]
        far.poly(pts, Linear((0, self.horizon - height), (0, self.horizon + 2),
                             [(0, shade(col, 1.1)), (1, shade(col, 0.6))]))

    def front_trees(self, far, kinds, hmin, hmax, step, haze_k=0.12, gap=None):
        rng = self.rng
        x = rng.uniform(-10, 10)
        while x < W + 10:
            if gap and gap[0] < x < gap[1]:
                x += step
                continue
            yb = float(np.interp(x, np.arange(W + 1), self.far)) - 2.5
            kind = kinds[rng.integers(0, len(kinds))]
            h = rng.uniform(hmin, hmax)
            if kind == "pine":
                nat.pine(far, x, yb, h, self.season["pine"], rng, **self.haze(haze_k))
            elif kind == "birch":
                nat.birch(far, x, yb, h, self.season["birch"], rng, **self.haze(haze_k))
            elif kind == "willow":
                nat.willow(far, x, yb + 2, h, self.season["trees"][0], rng, **self.haze(haze_k))
            elif kind == "bare":
                nat.bare_tree(far, x, yb, h, self.season["trees"][0], rng, buds=self.season["birch"],
                              **self.haze(haze_k))
            else:
                nat.round_tree(far, x, yb, h, self.tree_colour(), rng, **self.haze(haze_k))
            x += step * rng.uniform(0.6, 1.4)

    def draw_far(self, far):
        kind = self.look["far"]
        rng = self.rng
        se = self.season
        if kind not in ("meadow",):
            self.hills(far)
        if kind == "pines":
            self.forest_band(far, 62, "pine", 0.5)
            self.front_trees(far, ["pine", "pine", "pine", "birch"], 38, 70, 13, 0.12)
            self.shore_strip(far, "#b9a476")
        elif kind == "birches":
            self.forest_band(far, 48, "round", 0.45)
            self.front_trees(far, ["birch", "birch", "round"], 36, 62, 15, 0.1)
            self.shore_strip(far, se["ground"])
        elif kind == "mixed":
            self.forest_band(far, 50, "round", 0.45)
            self.front_trees(far, ["round", "round", "pine", "birch"], 32, 60, 16, 0.12)
            self.shore_strip(far, se["ground"])
        elif kind == "willows":
            self.forest_band(far, 44, "round", 0.4)
            self.front_trees(far, ["willow", "round", "willow"], 50, 80, 55, 0.08)
            self.shore_strip(far, se["grass_dark"])
        elif kind == "bare":
            self.forest_band(far, 36, "round", 0.55)
            self.front_trees(far, ["bare", "bare", "pine"], 34, 66, 22, 0.1)
            self.shore_strip(far, se["ground"])
            for _ in range(9):    # snow left in the shade
                x = rng.uniform(0, W)
                y = float(np.interp(x, np.arange(W + 1), self.far)) - 2.5
                far.ellipse(x, y, rng.uniform(8, 26), 1.8, "#eef2f4", alpha=0.9, blur=0.4)
        elif kind == "meadow":
            self.meadow(far)
        elif kind == "cliff":
            self.cliff(far)
        elif kind == "island":
            self.forest_band(far, 20, "pine", 0.6)
            self.shore_strip(far, se["ground"], 2)
        elif kind == "bridge":
            self.forest_band(far, 46, "round", 0.45)
            self.front_trees(far, ["willow", "round", "round"], 40, 64, 30, 0.12)
            self.shore_strip(far, se["ground"])
        elif kind == "dam":
            self.dam(far)
        elif kind == "village":
            self.village(far)

    def meadow(self, far):
        rng = self.rng
        se = self.season
        band = self.horizon - 16
        pts = [(x, band + 3 * math.sin(x / 50)) for x in range(-20, W + 40, 30)]
        poly = catmull(pts, False, 5) + [(W + 20, self.horizon + 4), (-20, self.horizon + 4)]
        col = mix(self.sky["haze"], se["trees"][0], 0.45)
        far.poly(poly, col)
        x = -10.0
        while x < W + 10:
            nat.round_tree(far, x, band + 3 * math.sin(x / 50) + 1, rng.uniform(12, 22), self.tree_colour(), rng,
                           trunk=False, **self.haze(0.5))
            x += rng.uniform(5, 9)
        # the meadow itself, rising from the water
        top = [(x, float(np.interp(x, np.arange(W + 1), self.far)) - 9 - 3 * math.sin(x / 90))
               for x in range(0, W + 1, 16)]
        poly = top + [(W, self.far[W] + 1), (0, self.far[0] + 1)]
        far.poly(poly, Linear((0, self.horizon - 12), (0, self.horizon + 2),
                              [(0, shade(se["grass"], 1.15)), (1, shade(se["grass"], 0.7))]))
        for k in range(5):     # haystacks on the meadow
            x = 40 + k * 120 + rng.uniform(-30, 30)
            y = float(np.interp(x, np.arange(W + 1), self.far)) - 5
            far.poly([(x - 8, y), (x - 7, y - 8), (x - 3, y - 13), (x, y - 14), (x + 3, y - 13), (x + 7, y - 8),
                      (x + 8, y)], Linear((x - 8, 0), (x + 8, 0), [(0, "#e2c478"), (1, "#94733a")]))
            far.line([(x, y - 14), (x, y - 18)], 0.8, "#5b4630")
        self.front_trees(far, ["willow", "round", "round"], 26, 44, 90, 0.15)

    def cliff(self, far):
        rng = self.rng
        se = self.season
        top = []
        for x in range(0, W + 1, 10):
            y = float(np.interp(x, np.arange(W + 1), self.far))
            rise = 14 + 30 * math.exp(-((x - 230) / 230) ** 2)
            top.append((x, y - rise - 5 * math.sin(x / 53) - rng.uniform(0, 4)))
        poly = top + [(W, self.far[W] + 1), (0, self.far[0] + 1)]
        self.forest_band_on(far, top, 46)
        col = "#c58a52"
        tex = far.noise(6, 3, int(rng.integers(1 << 30)), sx=40, sy=3)
        far.poly(poly, far.textured(Linear((0, self.horizon - 50), (0, self.horizon),
                                           [(0, shade(col, 1.2)), (0.6, col), (1, shade(col, 0.55))]), tex, 0.22))
        for _ in range(40):    # erosion gullies and roots
            x = rng.uniform(0, W)
            y0 = float(np.interp(x, [p[0] for p in top], [p[1] for p in top])) + 2
            y1 = float(np.interp(x, np.arange(W + 1), self.far)) - rng.uniform(2, 20)
            far.stroke([(x, y0), (x + rng.uniform(-3, 3), y1)], [rng.uniform(1, 3), 0.3], "#6e4429",
                       alpha=rng.uniform(0.2, 0.45))
        for _ in range(14):    # swallow nests
            x = rng.uniform(0, W)
            y = float(np.interp(x, [p[0] for p in top], [p[1] for p in top])) + rng.uniform(6, 14)
            far.ellipse(x, y, 1.3, 1.0, "#3b2416", alpha=0.8)
        # a grassy lip over the edge
        far.line(top, 2.5, se["grass_dark"])

    def forest_band_on(self, far, top, height):
        rng = self.rng
        xs = [p[0] for p in top]
        ys = [p[1] for p in top]
        x = -10.0
        while x < W + 10:
            yb = float(np.interp(x, xs, ys)) + 3
            nat.pine(far, x, yb, height * rng.uniform(0.6, 1.2), self.season["pine"], rng, **self.haze(0.15))
            x += rng.uniform(7, 14)

    def dam(self, far):
        rng = self.rng
        se = self.season
        y = self.horizon
        self.forest_band(far, 40, "round", 0.5)
        for x in (60, 250, 520):
            nat.willow(far, x + rng.uniform(-20, 20), y - 22, rng.uniform(55, 70), se["trees"][2], rng)
        body = [(-10, y - 22), (W + 10, y - 22), (W + 10, y + 1), (-10, y + 1)]
        far.poly(body, Linear((0, y - 22), (0, y), [(0, shade(se["grass"], 1.1)), (1, shade(se["grass"], 0.65))]))
        far.rect(-10, y - 25, W + 10, y - 21, "#b49a6c")
        far.line([(-10, y - 25), (W + 10, y - 25)], 1, "#8d7650")
        # the sluice
        sx = 150
        far.poly([(sx - 18, y - 26), (sx + 18, y - 26), (sx + 22, y + 1), (sx - 22, y + 1)],
                 Linear((sx - 22, 0), (sx + 22, 0), [(0, "#b9b6ae"), (1, "#7b7872")]))
        far.rect(sx - 9, y - 12, sx + 9, y + 1, "#2d3134")
        far.rect(sx - 20, y - 30, sx + 20, y - 26, "#6b4f36")
        for k in range(5):
            far.line([(sx - 20 + k * 10, y - 30), (sx - 20 + k * 10, y - 38)], 1, "#4d3a28")
        far.line([(sx - 21, y - 37), (sx + 21, y - 37)], 1.2, "#4d3a28")

    def village(self, far):
        rng = self.rng
        se = self.season
        y = self.horizon
        self.forest_band(far, 44, "round", 0.5)
        self.shore_strip(far, se["ground"], 9)
        houses = [(70, 34, "#7c5a3c", "#5d5f66"), (200, 30, "#8a6a45", "#7b3b2c"), (455, 36, "#6f5136", "#58606a"),
                  (585, 28, "#86694a", "#6b4632")]
        for hx, hw, wall, roof in houses:
            base = y - 8
            hh = hw * 0.55
            far.rect(hx - hw / 2, base - hh, hx + hw / 2, base, Linear((hx - hw / 2, 0), (hx + hw / 2, 0),
                                                                      [(0, shade(wall, 1.15)), (1, shade(wall, 0.7))]))
            for k in range(int(hh / 3)):
                far.line([(hx - hw / 2, base - k * 3), (hx + hw / 2, base - k * 3)], 0.5, shade(wall, 0.6), alpha=0.6)
            far.poly([(hx - hw / 2 - 4, base - hh), (hx, base - hh - hw * 0.45), (hx + hw / 2 + 4, base - hh)],
                     Linear((hx - hw / 2, 0), (hx + hw / 2, 0), [(0, shade(roof, 1.2)), (1, shade(roof, 0.7))]))
            for wx in (hx - hw * 0.25, hx + hw * 0.25):
                far.rect(wx - 3, base - hh * 0.7, wx + 3, base - hh * 0.3, "#f3d58a" if self.look["time"] in
                         ("rain", "evening") else "#2b3a44")
                far.rect(wx - 3.8, base - hh * 0.72, wx + 3.8, base - hh * 0.68, "#e9e2d0")
        for x in range(0, W, 5):    # a fence along the bank
            far.line([(x, y - 7), (x, y - 14)], 1, "#6a5a48", alpha=0.85)
        far.line([(0, y - 11), (W, y - 11)], 0.8, "#6a5a48")
        self.front_trees(far, ["round", "round", "birch"], 40, 58, 60, 0.1, gap=(40, 620))

    # -------------------------------------------------------------- water
    def draw_water(self, far):
        rng = self.rng
        sk = self.sky
        cv = self.cv
        top = [(x, self.far[x]) for x in range(0, W + 1, 4)]
        water = top + [(W, H), (0, H)]
        tex = cv.noise(0, 3, int(rng.integers(1 << 30)), sx=120, sy=3)
        cv.poly(water, cv.textured(Linear((0, self.horizon), (0, self.shore + 20), [
            (0, sk["water_far"]), (0.45, mix(sk["water_far"], sk["water_near"], 0.6)), (1, sk["water_near"])]),
            tex, 0.05))
        refl = nat.reflect(far, self.far, self.shore + 10, rng, 0.8 if "current" not in self.look["extras"] else 1.8)
        refl = refl.stretch_blur(1.0, 2.5)
        # reflections are darker and fade with distance from the far bank
        ys = (np.arange(refl.H) / refl.ss)[:, None]
        fade = np.clip(1 - (ys - self.horizon) / max(40.0, (self.shore - self.horizon) * 1.1), 0, 1) ** 0.8
        tint = rgb(sk["water_near"])[:3]
        refl.c = refl.c * 0.62 + tint * refl.a[..., None] * 0.2
        refl.c *= fade[..., None]
        refl.a *= fade
        cv.paste(refl, alpha=0.85)
        if self.look["far"] == "island":
            self.island()
        if sk["mist"]:
            nat.mist(cv, self.horizon - 4, 26, sk["haze"], rng, sk["mist"])
        light = mix(sk["horizon"], "#ffffff", 0.3)
        dark = shade(sk["water_near"], 0.7)
        current = "current" in self.look["extras"]
        nat.ripple_strokes(cv, self.horizon, self.shore + 6, 0, W, light, dark, rng,
                           density=2.2 if current else 1.2, drift=0.03 if current else 0.0,
                           strength=1.2 if current else 1.0)
        if current:
            for _ in range(26):   # foam lines running with the current
                y = rng.uniform(self.horizon + 10, self.shore - 5)
                t = (y - self.horizon) / (self.shore - self.horizon)
                x = rng.uniform(-50, W)
                ln = rng.uniform(40, 140) * (0.4 + t)
                pts = [(x + k * ln / 6, y + 1.2 * math.sin(k + x) + k * ln / 6 * 0.04) for k in range(7)]
                cv.stroke(catmull(pts, False, 4), [0.2, 0.6 + 1.8 * t, 0.2], "#eef3f2", alpha=0.35)
        sun = sk.get("sun")
        if sun:
            nat.glitter(cv, sun[0], self.horizon + 1, self.shore, mix(sun[2], "#ffffff", 0.3), rng)
        if self.look["time"] == "noon":
            nat.glitter(cv, rng.uniform(480, 600), self.horizon + 20, self.shore, "#ffffff", rng, 28)

    def island(self):
        rng = self.rng
        cv = self.cv
        y = self.cast - 3
        isl = Canvas(W, H, 3)
        x0, x1 = FLOAT_X - 150, FLOAT_X + 140
        top = [(x0, y), (x0 + 30, y - 8), (x0 + 90, y - 13), (x1 - 80, y - 14), (x1 - 20, y - 7), (x1, y)]
        body = catmull(top, False, 8) + [(x1, y + 0.5), (x0, y + 0.5)]
        x = x0 + 12
        while x < x1 - 10:
            ty = float(np.interp(x, [p[0] for p in top], [p[1] for p in top]))
            if rng.random() < 0.7:
                nat.pine(isl, x, ty + 3, rng.uniform(30, 58), self.season["pine"], rng, **self.haze(0.18))
            else:
                nat.birch(isl, x, ty + 3, rng.uniform(28, 46), self.season["birch"], rng, **self.haze(0.18))
            x += rng.uniform(8, 15)
        isl.poly(body, Linear((0, y - 14), (0, y), [(0, self.season["grass"]), (1, shade("#7a6a4a", 0.7))]))
        for k in range(3):
            nat.stone(isl, x0 + 20 + k * 100 + rng.uniform(0, 40), y - 1, 4, 2.5, rng)
        line = np.full(W + 1, float(H + 50))
        line[int(x0):int(x1) + 1] = y
        refl = nat.reflect(isl, np.minimum(line, y), self.shore, rng, 0.8).stretch_blur(1.0, 2.5)
        refl.c *= 0.55
        ys = (np.arange(refl.H) / refl.ss)[:, None]
        fade = np.clip(1 - (ys - y) / 90.0, 0, 1)
        refl.c *= fade[..., None]
        refl.a *= fade
        cv.paste(refl, alpha=0.8)
        cv.paste(isl)

    def draw_water_extras(self):
        rng = self.rng
        cv = self.layer
        se = self.season
        extras = self.look["extras"]
        if self.look["far"] == "bridge":
            self.bridge()
        if "lilies" in extras:
            for side, (xa, xb) in enumerate(((20, 300), (440, 630))):
                for _ in range(16):
                    y = rng.uniform(self.horizon + 18, self.shore - 15)
                    t = (y - self.horizon) / (self.shore - self.horizon)
                    x = rng.uniform(xa, xb)
                    nat.lily_pad(cv, x, y, 4 + 16 * t, rng, se, flower=rng.random() < 0.25)
        if "reeds_left" in extras:
            nat.reeds(cv, -20, 150, self.shore - 4, 120, se, rng, 70)
            nat.reeds(cv, 0, 90, self.horizon + 6, 26, se, rng, 30, heads=False)
        if "reeds_right" in extras:
            nat.reeds(cv, 560, 660, self.horizon + 24, 44, se, rng, 40)

    def bridge(self):
        """An old wooden bridge running from our bank (left) to the far bank."""
        cv = self.layer
        rng = self.rng
        y_far = float(self.far[250])
        a0, a1 = (-40, self.shore - 10), (250, y_far - 6)      # deck centre line
        def deck_w(t):
            return 64 * (1 - t) + 8 * t
        pts_top, pts_bot = [], []
        for i in range(21):
            t = i / 20
            x = a0[0] + (a1[0] - a0[0]) * t
            y = a0[1] + (a1[1] - a0[1]) * t
            pts_top.append((x, y - deck_w(t) * 0.35))
            pts_bot.append((x, y))
        # piles with reflections
        for i in range(1, 10):
            t = i / 10
            x = a0[0] + (a1[0] - a0[0]) * t
            y = a0[1] + (a1[1] - a0[1]) * t
            hgt = 8 + 50 * (1 - t)
            wd = 1.5 + 7 * (1 - t)
            cv.rect(x - wd / 2, y, x + wd / 2, y + hgt * 0.35, "#3b2e24")
            cv.rect(x - wd / 2, y + hgt * 0.35, x + wd / 2, y + hgt * 0.9, "#3b2e24", alpha=0.3, blur=0.6)
        deck = pts_top + pts_bot[::-1]
        cv.poly(deck, Linear((0, a1[1]), (0, a0[1]), [(0, "#7a6a58"), (1, "#5a4534")]))
        for i in range(0, 21, 1):     # planks
            t = i / 20
            x = a0[0] + (a1[0] - a0[0]) * t
            y = a0[1] + (a1[1] - a0[1]) * t
            cv.line([(x, y), (x, y - deck_w(t) * 0.35)], 0.5 + 1.5 * (1 - t), "#3e2f22", alpha=0.55)
        # railings
        for off in (0.35, 0.0):
            rail = [(p[0], p[1] - 22 * (1 - i / 20) - 3) for i, p in enumerate(pts_top if off else pts_bot)]
            cv.stroke(rail, [3.2, 0.8], "#4a3929")
            for i in range(0, 21, 2):
                p = (pts_top if off else pts_bot)[i]
                cv.line([p, rail[i]], 0.6 + 2.4 * (1 - i / 20), "#4a3929")
        # its dark reflection
        cv.poly([(x, y + 2) for x, y in pts_bot] + [(x, y + 8 + 10 * (1 - i / 20)) for i, (x, y) in
                                                    enumerate(pts_bot)][::-1], "#2c2a2a", alpha=0.35, blur=1.5)

    # -------------------------------------------------------------- near bank
    def draw_near(self):
        rng = self.rng
        cv = self.layer
        se = self.season
        kind = self.look["near"]
        edge = [(x, self.near[x]) for x in range(0, W + 1, 4)]
        bank = edge + [(W, H), (0, H)]
        tex = cv.noise(14, 4, int(rng.integers(1 << 30)))
        if kind == "sand":
            paint = Linear((0, self.shore), (0, H), [(0, "#9b8560"), (0.12, "#c9b287"), (1, "#e0cc9f")])
        elif kind == "stones":
            paint = Linear((0, self.shore), (0, H), [(0, "#6d665c"), (0.15, "#9a9184"), (1, "#b3aa9a")])
        else:
            paint = Linear((0, self.shore), (0, H), [(0, se["grass_dark"]), (0.25, se["grass"]),
                                                     (1, shade(se["grass"], 1.12))])
        # a wet, dark rim right at the water
        cv.poly([(x, y + 1.5) for x, y in edge] + [(W, self.near[W] - 1.5), (0, self.near[0] - 1.5)],
                "#1d2a2c", alpha=0.35, blur=1.2)
        cv.poly(bank, cv.textured(paint, tex, 0.12))
        patch_cols = {"sand": ["#b89d70", "#e6d6ae", "#a8916a"], "stones": ["#857c70", "#b5ad9f", "#6e675f"]}.get(
            kind, [se["grass_dark"], shade(se["grass"], 1.2), se["ground"]])
        cv.clip_to(cv.mask().poly(bank))
        for _ in range(45):        # painterly patches of colour
            x = rng.uniform(-20, W + 20)
            y = rng.uniform(self.shore + 4, H + 10)
            t = (y - self.shore) / (H - self.shore)
            cv.poly(blob(x, y, rng.uniform(18, 60) * (0.5 + t), rng.uniform(3, 9) * (0.5 + t), rng, 9, 0.35),
                    patch_cols[rng.integers(0, len(patch_cols))], alpha=0.35, blur=2.5)
        cv.clip_to(None)
        cv.line(edge, 1.6, "#3a3226", alpha=0.5)
        cv.line([(x, y - 1.2) for x, y in edge], 0.8, "#f4f8f8", alpha=0.3)
        if kind == "sand":
            for _ in range(60):
                x = rng.uniform(0, W)
                y = rng.uniform(self.shore + 8, H)
                nat.stone(cv, x, y, rng.uniform(1, 3.5), rng.uniform(0.8, 2), rng, "#8d8170")
        elif kind == "stones":
            for _ in range(170):
                x = rng.uniform(0, W)
                y = rng.uniform(self.shore + 6, H)
                nat.stone(cv, x, y, rng.uniform(1, 3), rng.uniform(0.8, 2), rng, "#7f776c")
            for _ in range(9):
                x = rng.uniform(0, 420)
                y = float(np.interp(x, np.arange(W + 1), self.near)) + rng.uniform(-3, 10)
                r = rng.uniform(10, 26)
                nat.stone(cv, x, y, r, r * 0.55, rng, ["#8a8580", "#7d7a73", "#978c7e"][rng.integers(0, 3)],
                          water_y=self.near[int(x)])
        # grass along the bank edge; sparse on the right, where the rod stands
        colours = [se["grass_dark"], se["grass"], shade(se["grass"], 1.25), se["reed"]]
        if kind in ("grass", "planks"):
            nat.grass_blades(cv, 0, 430, self.near[200] + 4, 16, colours, rng, 1.6, -0.1)
            nat.grass_blades(cv, 430, W, self.near[540] + 4, 9, colours, rng, 0.5, 0.1)
            for _ in range(40):
                x = rng.uniform(0, 380)
                y = rng.uniform(self.shore + 20, H)
                nat.grass_blades(cv, x - 8, x + 8, y, rng.uniform(8, 16), colours, rng, 1.2)
            if self.look["season"] == "summer":
                for _ in range(30):
                    x = rng.uniform(0, 360)
                    y = rng.uniform(self.shore + 14, H - 5)
                    cv.ellipse(x, y, 1.6, 1.2, ["#f4f1e4", "#f1d24a", "#c8a6e0"][rng.integers(0, 3)], alpha=0.9)
            if self.look["season"] == "autumn":
                for _ in range(60):
                    x = rng.uniform(0, W)
                    y = rng.uniform(self.shore + 10, H)
                    cv.ellipse(x, y, rng.uniform(1.5, 3), rng.uniform(0.8, 1.6),
                               ["#c8862c", "#d8b040", "#a4441c"][rng.integers(0, 3)], alpha=0.85)
            if self.look["season"] == "spring":
                for _ in range(6):
                    x = rng.uniform(0, 330)
                    y = rng.uniform(self.shore + 25, H - 10)
                    cv.poly(blob(x, y, rng.uniform(14, 30), rng.uniform(4, 8), rng, 9, 0.3),
                            Linear((0, y - 6), (0, y + 6), [(0, "#f4f7f8"), (1, "#c9d3da")]))
        else:
            nat.grass_blades(cv, 0, 300, self.near[150] + 6, 12, colours, rng, 0.6, -0.1)
        if kind == "planks":
            self.planks()
        # tall grass in the near left corner frames the view
        nat.grass_blades(cv, -10, 120, H + 4, 46, colours, rng, 0.9, 0.15)
        if "reeds_left" in self.look["extras"]:
            nat.reeds(cv, -30, 60, H + 5, 150, se, rng, 40, reflect=False)

    def planks(self):
        """Wooden mostki running from the bank into the water on the left."""
        cv = self.layer
        y_end = self.shore - 46
        near = [(30, H + 5), (230, H + 5)]
        far = [(70, y_end), (175, y_end)]
        for px, py, dx in ((80, y_end, 1), (168, y_end, 1), (60, self.shore + 10, 0)):
            cv.rect(px - 3, py, px + 3, py + 26, "#3a2c20")
            cv.rect(px - 3, py + 26, px + 3, py + 40, "#3a2c20", alpha=0.3, blur=1)
        deck = [far[0], far[1], near[1], near[0]]
        cv.poly(deck, Linear((0, y_end), (0, H), [(0, "#8c7456"), (1, "#6b5238")]))
        n = 7
        for k in range(1, n):
            t = k / n
            cv.line([(far[0][0] + (far[1][0] - far[0][0]) * t, y_end),
                     (near[0][0] + (near[1][0] - near[0][0]) * t, H + 5)], 1.1, "#3f2f22", alpha=0.7)
        for k in range(1, 9):
            t = (k / 9) ** 1.6
            y = y_end + (H - y_end) * t
            xl = far[0][0] + (near[0][0] - far[0][0]) * t
            xr = far[1][0] + (near[1][0] - far[1][0]) * t
            cv.line([(xl, y), (xr, y)], 0.6 + 1.2 * t, "#4a3828", alpha=0.45)
        cv.poly([(far[0][0], y_end), (far[1][0], y_end), (far[1][0], y_end + 4), (far[0][0], y_end + 4)], "#4a3726")

    # -------------------------------------------------------------- light
    def finish(self):
        cv = self.cv
        rng = self.rng
        if self.look["time"] == "rain":
            nat.rain_streaks(cv, rng)
        g = self.sky["grade"]
        cv.rect(0, 0, W, H, g, mode="multiply")
        cv.grade(cv.noise(60, 3, int(rng.integers(1 << 30))), 0.04)
        cv.vignette(0.3)


def place_picture(place, key):
    return Scene(place, key).paint()
