"""The other pictures of the stock: the bar and its four regulars, the main
screen's frame, the splash and credits pictures, window backgrounds."""

import math

import numpy as np
from PIL import Image

import art_nature as nat
from art_base import hanging_lamp, interior_wall, lamp_glow, window
from art_program import nail, parchment, wood_planks
from paint import Canvas, Linear, Radial, blob, catmull, mix, rng_for, shade


# ================================================================ the bar

# The regulars' picture covers this rectangle of the bar hall (Kafe.Image1: left
# 600, top 1200, 9000 x 4500 twips of a 9600 twips wide window): it is cut from
# the hall itself, so the two meet without a seam, and the floor starts where
# their table ends.
CREW_BOX = (40, 80, 640, 380)
HALL_WARMTH = 0.12
HALL_VIGNETTE = 0.5


def bar_hall():
    rng = rng_for("bar")
    cv = Canvas(800, 560, 2)
    floor_y = CREW_BOX[3]
    interior_wall(cv, rng, "#6e4428", floor_y)
    # the regulars' table runs the whole width of the hall (their picture
    # covers the middle of it), down to the floor
    table_y = CREW_BOX[1] + 222
    cv.rect(0, table_y, 800, floor_y, Linear((0, table_y), (0, floor_y), [(0, "#8a5a32"), (0.12, "#6a401e"),
                                                                         (1, "#3a200c")]))
    cv.rect(0, table_y - 4, 800, table_y + 6, Linear((0, table_y - 4), (0, table_y + 6), [(0, "#c8905a"),
                                                                                        (1, "#7a4a24")]))
    # a window on the evening lake
    window(cv, 60, 70, 150, 120, frame="#3a2414",
           glass=Linear((60, 70), (60, 190), [(0, "#3a3f72"), (0.5, "#d0707a"), (0.75, "#ffc070"),
                                              (0.76, "#2a3a3a"), (1, "#4a3a48")]))
    # shelves with bottles on the right
    for y in (120, 190):
        cv.rect(480, y, 760, y + 7, "#3a2214")
        x = 490
        while x < 750:
            col = ["#2a6a2a", "#6a3a14", "#c8d8e8", "#8a1a26", "#c89a3a"][rng.integers(0, 5)]
            hgt = rng.uniform(30, 46)
            cv.poly(catmull([(x - 2.5, y - hgt), (x + 2.5, y - hgt), (x + 2.5, y - hgt * 0.65), (x + 7, y - hgt * 0.5),
                             (x + 7, y), (x - 7, y), (x - 7, y - hgt * 0.5), (x - 2.5, y - hgt * 0.65)], True, 3),
                    Linear((x - 7, 0), (x + 7, 0), [(0, shade(col, 0.6)), (0.35, shade(col, 1.4)), (1, shade(col, 0.5))]))
            x += rng.uniform(17, 24)
    # trophies on the wall: a mounted pike and a life buoy
    pike = catmull([(260, 110), (280, 100), (360, 98), (400, 104), (416, 92), (416, 122), (400, 112), (360, 118),
                    (280, 118)], True, 5)
    cv.rect(250, 84, 430, 134, Linear((0, 84), (0, 134), [(0, "#7a4a2a"), (1, "#4a2a16")]))
    cv.poly(pike, Linear((0, 98), (0, 118), [(0, "#3a4a22"), (0.5, "#7e8e3e"), (1, "#e8e2c0")]))
    cv.ellipse(274, 107, 2, 2, "#d8b83a")
    cv.ellipse(440, 220, 34, 34, "#e8e8e8")
    for k in range(4):
        a0 = math.radians(k * 90 - 22)
        pts = [(440, 220)] + [(440 + math.cos(a0 + math.radians(44) * t) * 34.5,
                               220 + math.sin(a0 + math.radians(44) * t) * 34.5) for t in np.linspace(0, 1, 10)]
        cv.poly(pts, "#c8302a")
    cv.ellipse(440, 220, 20, 20, "#5a3a22")
    hanging_lamp(cv, 300, 40)
    hanging_lamp(cv, 620, 40)
    cv.rect(0, 0, 800, 560, (255, 200, 140, 1.0), alpha=HALL_WARMTH, mode="multiply")
    cv.vignette(HALL_VIGNETTE)
    return cv.image("RGB")


def head(cv, x, y, rx, ry, skin, rng, tilt=0.0):
    """A face lit from the upper left; returns handy points (eyes y, mouth y)."""
    cv.ellipse(x - rx * 0.98, y + ry * 0.05, rx * 0.2, ry * 0.22, shade(skin, 0.85))
    cv.ellipse(x + rx * 0.98, y + ry * 0.05, rx * 0.2, ry * 0.22, shade(skin, 0.75))
    cv.poly(blob(x, y, rx, ry, rng, 14, 0.03, tilt), Radial((x - rx * 0.35, y - ry * 0.4), max(rx, ry) * 1.6, [
        (0, shade(skin, 1.18)), (0.55, skin), (1, shade(skin, 0.68))], ry=max(rx, ry) * 1.7))
    cv.ellipse(x - rx * 0.5, y + ry * 0.25, rx * 0.22, ry * 0.12, "#e0604a", alpha=0.25, blur=rx * 0.08)
    cv.ellipse(x + rx * 0.5, y + ry * 0.25, rx * 0.22, ry * 0.12, "#e0604a", alpha=0.25, blur=rx * 0.08)


def eyes(cv, x, y, spread, size, sleepy=False, col="#3a2a1a"):
    for ex in (x - spread, x + spread):
        if sleepy:
            cv.line(catmull([(ex - size, y), (ex, y + size * 0.6), (ex + size, y)], False, 5), 1.4, "#3a2418")
        else:
            cv.ellipse(ex, y, size, size * 0.8, "#fbf8f2")
            cv.ellipse(ex + size * 0.1, y + size * 0.05, size * 0.55, size * 0.6, col)
            cv.ellipse(ex + size * 0.1, y + size * 0.05, size * 0.28, size * 0.3, "#0e0a08")
            cv.ellipse(ex - size * 0.15, y - size * 0.2, size * 0.18, size * 0.18, "#ffffff")
            cv.line(catmull([(ex - size * 1.1, y - size * 0.2), (ex, y - size * 0.9), (ex + size * 1.1, y - size * 0.3)],
                            False, 4), 0.9, "#5a3a2a", alpha=0.8)


def nose(cv, x, y, w, h, skin):
    cv.poly(catmull([(x - w * 0.2, y - h), (x + w * 0.3, y - h * 0.2), (x + w * 0.6, y + h * 0.4), (x, y + h * 0.55),
                     (x - w * 0.6, y + h * 0.4)], True, 5),
            Linear((x - w, y - h), (x + w, y + h), [(0, shade(skin, 1.15)), (1, shade(skin, 0.72))]))
    cv.ellipse(x - w * 0.3, y + h * 0.35, w * 0.18, h * 0.12, shade(skin, 0.5), alpha=0.7)
    cv.ellipse(x + w * 0.3, y + h * 0.35, w * 0.18, h * 0.12, shade(skin, 0.5), alpha=0.7)


def torso(cv, x, y_sh, y_low, sw, bw, cloth, rng, lean=0.0):
    pts = catmull([(x - sw / 2 + lean, y_sh + 10), (x - sw * 0.35 + lean, y_sh), (x + sw * 0.35 + lean, y_sh),
                   (x + sw / 2 + lean, y_sh + 10), (x + bw / 2, y_low), (x - bw / 2, y_low)], True, 6)
    cv.poly(pts, Linear((x - sw / 2, y_sh), (x + sw / 2, y_low), [(0, shade(cloth, 1.25)), (0.5, cloth),
                                                                 (1, shade(cloth, 0.6))]))
    return pts


def arm(cv, shoulder, elbow, hand, width, cloth, skin):
    cv.stroke(catmull([shoulder, elbow, hand], False, 6), [width, width * 0.9, width * 0.75],
              Linear(shoulder, hand, [(0, shade(cloth, 1.1)), (1, shade(cloth, 0.75))]))
    cv.ellipse(hand[0], hand[1], width * 0.5, width * 0.42, Radial((hand[0] - 2, hand[1] - 2), width * 0.7, [
        (0, shade(skin, 1.1)), (1, shade(skin, 0.75))]))


def beer_mug(cv, x, y, h=34):
    w = h * 0.55
    cv.ellipse(x + 3, y + 2, w * 0.7, 4, "#000000", alpha=0.3, blur=2)
    cv.rect(x - w / 2, y - h, x + w / 2, y, Linear((x - w / 2, 0), (x + w / 2, 0), [(0, "#a8701a"), (0.35, "#f0b840"),
                                                                                  (1, "#8a5a14")]))
    cv.line(catmull([(x + w / 2, y - h * 0.8), (x + w * 0.95, y - h * 0.7), (x + w * 0.95, y - h * 0.3),
                     (x + w / 2, y - h * 0.22)], False, 5), 3, (230, 235, 235, 0.8))
    cv.poly(catmull([(x - w / 2 - 1, y - h + 2), (x - w * 0.3, y - h - 5), (x + w * 0.1, y - h - 4),
                     (x + w / 2 + 1, y - h - 1), (x + w / 2 + 1, y - h + 3)], True, 4), "#fbf4e0")


def back1():
    rng = rng_for("back1")
    cv = Canvas(840, 600, 2)
    wood_planks(cv, 0, 0, 840, 600, "#4a2e1a", rng, 42, horizontal=False, grain=0.25)
    cv.rect(0, 0, 840, 600, (30, 18, 10, 1.0), alpha=0.25)
    # a carved frame around the map
    x0, y0, x1, y1 = 80, 80, 720, 560
    for k, (a, col) in enumerate(((18, "#6a4426"), (12, "#8a5a32"), (6, "#3a2212"))):
        cv.rect(x0 - a, y0 - a, x1 + a, y1 + a, Linear((x0 - a, y0 - a), (x1 + a, y1 + a), [
            (0, shade(col, 1.35)), (1, shade(col, 0.6))]))
    cv.rect(x0, y0, x1, y1, "#1e120a")
    cv.outline([(x0 - 19, y0 - 19), (x1 + 19, y0 - 19), (x1 + 19, y1 + 19), (x0 - 19, y1 + 19)], 1.5, "#1e120a")
    # rope along the frame
    for side in (((x0 - 26, y0 - 26), (x1 + 26, y0 - 26)), ((x1 + 26, y0 - 26), (x1 + 26, y1 + 26)),
                 ((x1 + 26, y1 + 26), (x0 - 26, y1 + 26)), ((x0 - 26, y1 + 26), (x0 - 26, y0 - 26))):
        (ax, ay), (bx, by) = side
        n = int(math.hypot(bx - ax, by - ay) / 7)
        for i in range(n):
            t = i / n
            px, py = ax + (bx - ax) * t, ay + (by - ay) * t
            cv.ellipse(px, py, 4.4, 2.6, Linear((px - 4, py - 3), (px + 4, py + 3), [(0, "#e0c088"), (1, "#8a6a3a")]))
    # brass corners
    for cx, cy in ((x0 - 26, y0 - 26), (x1 + 26, y0 - 26), (x0 - 26, y1 + 26), (x1 + 26, y1 + 26)):
        cv.ellipse(cx, cy, 13, 13, Radial((cx - 4, cy - 4), 16, [(0, "#fbe8a8"), (0.5, "#c0922e"), (1, "#6a4a14")]))
        nail(cv, cx, cy, 3)
    # carved fish in the margins
    for fx, fy, d in ((40, 300, 1), (800, 300, -1)):
        pts = [(fx - 22 * d, fy), (fx - 8 * d, fy - 10), (fx + 10 * d, fy - 8), (fx + 18 * d, fy - 2),
               (fx + 28 * d, fy - 12), (fx + 26 * d, fy), (fx + 28 * d, fy + 12), (fx + 18 * d, fy + 2),
               (fx + 10 * d, fy + 8), (fx - 8 * d, fy + 10)]
        cv.poly(catmull([(x + 1.5, y + 1.5) for x, y in pts], True, 5), "#1e120a", alpha=0.6, blur=1)
        cv.poly(catmull(pts, True, 5), "#6a4426")
        cv.ellipse(fx - 14 * d, fy - 2, 2, 2, "#2a1a0e")
    # Dark plaques under the captions of the right margin ("Рыболовная база" at
    # top 180, "О программе" and "Выход" at 488 and 520, from left 728), so their
    # text never runs over the rope or the frame.
    for top, bottom in ((178, 214), (484, 546)):
        cv.rect(731, top + 2, 839, bottom + 2, "#000000", alpha=0.45, blur=2)
        cv.rect(729, top, 837, bottom, Linear((0, top), (0, bottom), [(0, "#3a2414"), (1, "#24140a")]))
        cv.outline([(729, top), (837, top), (837, bottom), (729, bottom)], 1.2, "#8a6a3a", alpha=0.8)
    cv.vignette(0.4)
    return cv.image("RGB")


# ================================================================ splash, logo, credits

def splash():
    rng = rng_for("splash")
    cv = Canvas(600, 400, 3)
    sky_p = nat.SKIES["evening"]
    se = nat.SEASONS["summer"]
    horizon = 230
    nat.sky(cv, dict(sky_p, sun=(420, -70, "#fff3b8", 20)), horizon, rng, clouds=4)
    far = Canvas(600, 400, 3)
    x = -10.0
    while x < 610:
        nat.pine(far, x, horizon + 1, rng.uniform(30, 62), se["pine"], rng)
        x += rng.uniform(6, 12)
    far.rect(0, 0, 600, 400, (150, 118, 138), mode="multiply")
    cv.paste(far)
    cv.rect(0, horizon, 600, 400, Linear((0, horizon), (0, 400), [(0, sky_p["water_far"]), (1, sky_p["water_near"])]))
    refl = nat.reflect(far, np.full(601, float(horizon)), 400, rng).stretch_blur(1, 3)
    refl.c *= 0.55
    cv.paste(refl, alpha=0.8)
    nat.glitter(cv, 420, horizon + 1, 400, "#fff0c0", rng, 22)
    nat.ripple_strokes(cv, horizon, 400, 0, 600, "#ffd8a8", "#2a2440", rng, 1.0)
    # a boat with an angler, dark against the sunset
    bx, by = 250, 300
    boat = catmull([(bx - 70, by - 8), (bx + 60, by - 10), (bx + 78, by - 18), (bx + 64, by + 8), (bx - 60, by + 8)],
                   True, 6)
    cv.poly([(x, 2 * by - y + 14) for x, y in boat], "#1a1420", alpha=0.35, blur=3)
    cv.poly(boat, Linear((0, by - 18), (0, by + 8), [(0, "#4a2e2a"), (1, "#1e1216")]))
    cv.poly(catmull([(bx - 14, by - 10), (bx - 12, by - 44), (bx + 6, by - 48), (bx + 10, by - 10)], True, 5), "#20161c")
    cv.ellipse(bx - 2, by - 56, 9, 10, "#20161c")
    cv.poly([(bx - 16, by - 60), (bx + 12, by - 62), (bx + 4, by - 70), (bx - 8, by - 70)], "#20161c")
    rod = catmull([(bx + 6, by - 34), (bx + 70, by - 100), (bx + 130, by - 120), (bx + 170, by - 116)], False, 10)
    cv.stroke(rod, [3, 1.2], "#20161c")
    cv.line([rod[-1], (bx + 176, by - 60), (bx + 180, by + 6)], 0.7, "#f0d0a0", alpha=0.7)
    cv.ellipse(bx + 180, by + 6, 2.2, 3, "#d83a2a")
    for k in range(3):
        pts = [(bx + 180 + math.cos(a) * (6 + k * 7), by + 8 + math.sin(a) * (2 + k * 2)) for a in
               np.linspace(0, 6.3, 30)]
        cv.line(pts, 0.8, "#ffe0b0", alpha=0.5 - k * 0.12)
    nat.reeds(cv, -20, 110, 402, 150, se, rng, 50, reflect=False)
    nat.reeds(cv, 520, 620, 402, 120, se, rng, 40, reflect=False)
    cv.rect(0, 300, 600, 400, (40, 20, 40, 1.0), alpha=0.15)
    # the title
    cv.text((300, 92), "Клевница 2", "serif-bold", 64, Linear((0, 50), (0, 110), [(0, "#fff4c8"), (0.5, "#f2c050"),
                                                                                  (1, "#b86a1e")]), anchor="mm",
            shadow=((20, 10, 20, 0.75), 3, 4, 3), stroke=((60, 30, 20, 0.9), 2.5))
    cv.text((300, 140), "рыбалка на заре и на закате", "serif-bold-italic", 17, "#fbe8c8", anchor="mm",
            shadow=((20, 10, 20, 0.7), 1.5, 2, 1.5))
    cv.vignette(0.45)
    return cv.image("RGB")


def logo():
    cv = Canvas(240, 160, 3)
    cv.rect(0, 0, 240, 160, Radial((120, 70), 170, [(0, "#f6efdc"), (1, "#d8caa4")]))
    cx, cy = 120, 64
    cv.ellipse(cx, cy, 42, 42, Radial((cx - 12, cy - 12), 60, [(0, "#3a7ab0"), (1, "#123a5e")]))
    cv.ellipse(cx, cy, 42, 42, Radial((cx, cy), 42, [(0.85, (0, 0, 0, 0.0)), (1, (0, 0, 0, 0.35))]))
    for k in range(3):
        pts = [(cx + math.cos(a) * (16 + k * 8), cy + 18 + math.sin(a) * (3 + k * 1.5)) for a in np.linspace(0, 6.3, 30)]
        cv.line(pts, 1.0, "#bfe0f4", alpha=0.6)
    fish = catmull([(cx - 26, cy + 2), (cx - 10, cy - 12), (cx + 10, cy - 10), (cx + 18, cy - 4), (cx + 30, cy - 16),
                    (cx + 28, cy + 2), (cx + 30, cy + 18), (cx + 18, cy + 6), (cx + 8, cy + 12), (cx - 10, cy + 12)],
                   True, 6)
    cv.poly(fish, Linear((0, cy - 12), (0, cy + 12), [(0, "#fff0b0"), (1, "#e8a030")]))
    cv.ellipse(cx - 16, cy - 2, 2.4, 2.4, "#123a5e")
    hook = catmull([(cx - 4, cy - 44), (cx - 4, cy - 22), (cx - 10, cy - 16), (cx - 17, cy - 20)], False, 6)
    cv.line(hook, 2.2, "#e8eef2")
    cv.line([(cx + math.cos(a) * 42, cy + math.sin(a) * 42) for a in np.linspace(0, 6.3, 60)], 2.4, "#c8a050")
    cv.text((cx, 124), "Klevnitsa", "serif-bold", 24, "#1e3a5a", anchor="mm")
    cv.text((cx, 146), "developers", "sans", 13, "#5a4a30", anchor="mm")
    return cv.image("RGB")


def credits_picture():
    """A float on still water at dawn, with lily pads."""
    rng = rng_for("credits")
    cv = Canvas(360, 240, 3)
    cv.rect(0, 0, 360, 240, Linear((0, 0), (0, 240), [(0, "#f0d8b8"), (0.3, "#c8c8cc"), (1, "#3e5e7a")]))
    for _ in range(8):
        cv.ellipse(rng.uniform(0, 360), rng.uniform(10, 80), rng.uniform(60, 140), rng.uniform(6, 14), "#fff4e4",
                   alpha=0.3, blur=8)
    nat.ripple_strokes(cv, 0, 240, 0, 360, "#fff4e4", "#2a4460", rng, 1.2)
    for (x, y, r, fl) in ((60, 180, 34, True), (110, 214, 28, False), (300, 150, 24, False), (320, 205, 36, True),
                          (40, 110, 18, False)):
        nat.lily_pad(cv, x, y, r, rng, nat.SEASONS["summer"], fl)
    fx, fy = 190, 130
    for k in range(4):
        pts = [(fx + math.cos(a) * (14 + k * 13), fy + 10 + math.sin(a) * (4 + k * 3.6)) for a in
               np.linspace(0, 6.3, 40)]
        cv.line(pts, 1.4 - k * 0.2, "#f8f0e0", alpha=0.55 - k * 0.1)
    cv.poly([(fx - 5, fy + 10), (fx + 5, fy + 10), (fx + 3.5, fy + 24), (fx - 3.5, fy + 24)], "#1e3040", alpha=0.3,
            blur=2)
    cv.ellipse(fx, fy + 6, 8, 8, Radial((fx - 3, fy + 3), 11, [(0, "#ffffff"), (1, "#c8c8c8")]))
    cv.poly([(fx - 8, fy + 6), (fx + 8, fy + 6), (fx + 5, fy - 8), (fx - 5, fy - 8)],
            Linear((fx - 8, 0), (fx + 8, 0), [(0, "#ff6a4a"), (0.4, "#e83a2a"), (1, "#8a1a12")]))
    cv.ellipse(fx, fy - 8, 5, 2.4, "#f05a3a")
    cv.line([(fx, fy - 8), (fx, fy - 44)], 2.2, "#1e1e1e")
    cv.ellipse(fx, fy - 45, 2.4, 2.4, "#f05a3a")
    cv.line([(fx, fy - 44), (fx + 80, fy - 140)], 0.7, "#ffffff", alpha=0.5)
    nat.mist(cv, 60, 40, "#fff4e8", rng, 0.35)
    cv.vignette(0.4)
    return cv.image("RGB")


# ================================================================ window backgrounds

def fishery_background():
    rng = rng_for("fishery_background")
    cv = Canvas(560, 400, 2)
    cv.rect(0, 0, 560, 400, "#e4ecec")
    for y in range(0, 300, 24):
        cv.line([(0, y), (560, y)], 1.0, "#b8c6c8")
        off = (y // 24 % 2) * 12
        for x in range(-12 + off, 560, 24):
            cv.line([(x, y), (x, y + 24)], 1.0, "#b8c6c8")
    cv.line([(0, 22), (560, 16)], 1.0, "#7a6a4a")
    for k in range(16):
        x = 16 + k * 35
        y = 22 - x * 6 / 560
        cv.line([(x, y), (x, y + 5)], 0.6, "#7a6a4a")
        cv.poly(catmull([(x - 5, y + 5), (x + 5, y + 5), (x + 4, y + 26), (x, y + 32), (x - 4, y + 26)], True, 4),
                Linear((x - 5, 0), (x + 5, 0), [(0, "#8a5a1a"), (0.5, "#d8a040"), (1, "#7a4a14")]))
    cv.rect(0, 300, 560, 400, Linear((0, 300), (0, 400), [(0, "#6a7a84"), (1, "#2e3a42")]))
    cv.rect(0, 294, 560, 304, "#c8d4da")
    for bx in (40, 500):
        cv.rect(bx - 30, 318, bx + 30, 380, Linear((bx - 30, 0), (bx + 30, 0), [(0, "#a0804a"), (1, "#6a5030")]))
        for k in range(4):
            cv.line([(bx - 30, 328 + k * 14), (bx + 30, 328 + k * 14)], 1.0, "#5a4028")
    cv.rect(0, 0, 560, 400, (255, 255, 255, 1.0), alpha=0.25)
    cv.vignette(0.35)
    return cv.image("RGB")


def vsy():
    """The evaluation window (560 x 400).  Its title, message list and two labels
    are opaque and cover the middle, so the picture is a frame for them: planks,
    a parchment margin just around the list (left 40, top 64, 480 x 272), and a
    small scale dial in each side margin, clear of every control."""
    rng = rng_for("vsy")
    cv = Canvas(560, 400, 2)
    wood_planks(cv, 0, 0, 560, 400, "#8a6440", rng, 34, horizontal=False, grain=0.2)
    cv.rect(33, 58, 529, 344, "#000000", alpha=0.3, blur=4)
    sheet = parchment(494, 286, "vsy_sheet", 2)
    cv.paste(sheet, 33, 57)
    for cx in (20, 540):
        cy, r = 200, 14
        cv.line([(cx, 0), (cx, cy - r)], 1.6, "#3a3a3a")
        cv.ellipse(cx + 1.5, cy + 2, r, r, "#000000", alpha=0.35, blur=2)
        cv.ellipse(cx, cy, r, r, Radial((cx - 5, cy - 5), 20, [(0, "#f4f4f0"), (0.6, "#b8bcc0"), (1, "#5a5e64")]))
        cv.ellipse(cx, cy, r - 3, r - 3, Radial((cx - 3, cy - 3), 14, [(0, "#ffffff"), (1, "#e0ddd2")]))
        for k in range(10):
            a = math.radians(-90 + k * 36)
            cv.line([(cx + math.cos(a) * (r - 7), cy + math.sin(a) * (r - 7)),
                     (cx + math.cos(a) * (r - 4), cy + math.sin(a) * (r - 4))], 0.7, "#2a2a2a")
        cv.line([(cx, cy), (cx + math.cos(math.radians(-40)) * 8, cy + math.sin(math.radians(-40)) * 8)], 1.2, "#c82a1e")
        cv.line([(cx, cy + r), (cx, cy + r + 14)], 1.6, "#6a6e74")
        hook = catmull([(cx, cy + r + 14), (cx, cy + r + 20), (cx + 4, cy + r + 24), (cx + 7, cy + r + 20)], False, 6)
        cv.line(hook, 1.6, "#6a6e74")
    cv.vignette(0.35)
    return cv.image("RGB")


def wood_texture(w, h, key, base, horizontal):
    rng = rng_for("wood", key)
    cv = Canvas(w, h, 2)
    wood_planks(cv, 0, 0, w, h, base, rng, 48 if horizontal else 56, horizontal=horizontal, grain=0.3)
    for _ in range(6):    # knots
        x, y = rng.uniform(20, w - 20), rng.uniform(20, h - 20)
        cv.ellipse(x, y, rng.uniform(4, 8), rng.uniform(3, 5), Radial((x, y), 8, [(0, shade(base, 0.4)),
                                                                                 (1, shade(base, 0.9))]), alpha=0.8)
    if horizontal:
        for y in np.arange(0, h, 48):
            for x in (12, w - 12):
                nail(cv, x, y + 24)
    else:
        for x in np.arange(0, w, 56):
            for y in (12, h - 12):
                nail(cv, x + 28, y)
    cv.vignette(0.4)
    return cv.image("RGB")


# ================================================================ all of them

def pictures():
    hall = bar_hall()
    # The regulars' picture `pubcrew` is drawn by art_bar.py to the bar window's places.
    return [("bar", hall), ("back1", back1()), ("splash", splash()), ("logo", logo()),
            ("credits", credits_picture()), ("fishery_background", fishery_background()), ("vsy", vsy()),
            ("wood2", wood_texture(480, 400, "wood2", "#b88a5a", True))]
