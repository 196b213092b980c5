"""The fishing base: its grounds, the five buildings that stand on them and the
three entrance pictures (tackle shop, bar, fish shop)."""

import math

import numpy as np

import art_nature as nat
from art_program import nail, wood_planks
from paint import Canvas, Linear, Radial, blob, catmull, mix, rng_for, shade

BW, BH = 800, 560
# where the hub puts its buttons (pixels of the base picture)
SPOTS = {
    "but_shop1": (40, 60, 240, 210),
    "but_fishery": (300, 60, 500, 210),
    "butt_pub": (560, 60, 760, 210),
    "but_oc": (60, 300, 220, 420),
    "order": (330, 300, 450, 420),
}


# ================================================================ the grounds

def base_grounds():
    rng = rng_for("base")
    cv = Canvas(BW, BH, 2)
    se = nat.SEASONS["summer"]
    # a strip of sky and the forest behind the base
    cv.rect(0, 0, BW, 60, Linear((0, 0), (0, 60), [(0, "#8fbbe0"), (1, "#dbe9ef")]))
    x = -10.0
    while x < BW + 10:
        nat.pine(cv, x, 58 + rng.uniform(-2, 2), rng.uniform(30, 52), se["pine"], rng, haze="#c8dce6", haze_k=0.3)
        x += rng.uniform(7, 13)
    # the ground, trodden lighter where people walk
    tex = cv.noise(40, 5, int(rng.integers(1 << 30)))
    cv.rect(0, 50, BW, BH, cv.textured(Linear((0, 50), (0, BH), [(0, "#6f9a3e"), (1, "#86a84a")]), tex, 0.14))
    for _ in range(50):
        cv.poly(blob(rng.uniform(0, BW), rng.uniform(60, BH), rng.uniform(20, 60), rng.uniform(10, 30), rng, 9, 0.3),
                ["#7fa646", "#5f8a36", "#93b052"][rng.integers(0, 3)], alpha=0.35, blur=5)
    earth = "#c2a574"
    for name, (x0, y0, x1, y1) in SPOTS.items():
        pad = 10
        cv.poly(blob((x0 + x1) / 2, (y0 + y1) / 2 + 10, (x1 - x0) / 2 + pad, (y1 - y0) / 2 + pad * 0.6, rng, 12, 0.06),
                cv.textured(earth, tex, 0.2), alpha=0.9, blur=3)
    # the lake with its shore in the bottom right
    lake = catmull([(470, 560), (480, 470), (540, 400), (640, 350), (760, 330), (820, 330), (820, 570)], True, 8)
    cv.poly(lake, "#d4bd88", blur=6)
    water = catmull([(488, 570), (497, 480), (552, 415), (646, 366), (760, 346), (820, 346), (820, 570)], True, 8)
    cv.poly(water, Linear((0, 340), (0, 560), [(0, "#6aa6c0"), (1, "#2a6a8e")]))
    m = cv.mask().poly(water)
    cv.clip_to(m)
    nat.ripple_strokes(cv, 350, 560, 480, 800, "#d8eef4", "#1e4e6a", rng, 1.4)
    cv.clip_to(None)
    nat.reeds(cv, 470, 520, 470, 40, se, rng, 30)
    nat.reeds(cv, 740, 800, 352, 30, se, rng, 25)
    # the jetty and a boat
    wood = "#8a6a48"
    deck = [(585, 392), (615, 388), (690, 520), (652, 528)]
    for px, py in ((600, 398), (628, 440), (650, 480), (670, 518), (636, 522), (615, 480), (598, 440)):
        cv.rect(px - 2.5, py, px + 2.5, py + 18, "#3a2a1c")
    cv.poly(deck, Linear((585, 0), (690, 0), [(0, "#a0805a"), (1, "#6a4e34")]))
    for k in range(1, 14):
        t = k / 14
        cv.line([(585 + (652 - 585) * t, 392 + (528 - 392) * t), (615 + (690 - 615) * t, 388 + (520 - 388) * t)],
                1.0, "#4a3626", alpha=0.7)
    boat = catmull([(700, 452), (745, 440), (770, 452), (748, 470), (706, 468)], True, 6)
    cv.poly([(x + 4, y + 6) for x, y in boat], "#0e2a3a", alpha=0.4, blur=3)
    cv.poly(boat, Linear((0, 440), (0, 470), [(0, "#c85a3a"), (1, "#7a2a1a")]))
    cv.poly(catmull([(708, 452), (744, 444), (762, 452), (744, 462), (710, 461)], True, 6), "#8a6a4a")
    cv.line([(724, 448), (730, 462)], 1.6, "#5a3a24")
    cv.line([(740, 446), (756, 420)], 1.6, "#c8b088")
    # paths between the buildings, to the scales, the board and down to the jetty
    path = "#d6bd8a"
    main = [(0, 470), (120, 460), (250, 440), (330, 440), (420, 440), (520, 420), (600, 395)]
    for p in (main, [(140, 215), (150, 280), (140, 300)], [(400, 215), (390, 280), (390, 300)],
              [(660, 215), (640, 300), (600, 380)], [(140, 420), (160, 450)], [(390, 420), (380, 440)],
              [(250, 440), (270, 300), (270, 240), (240, 230), (140, 220)], [(270, 240), (400, 225), (660, 222)]):
        pts = catmull(p, False, 10)
        cv.line(pts, 15, shade(path, 0.8), alpha=0.6, blur=1)
        cv.line(pts, 12, cv.textured(path, tex, 0.25))
    # trees and bushes between and around the buildings
    for (x, y, h) in ((270, 150, 80), (530, 160, 84), (780, 180, 90), (18, 200, 92), (25, 330, 80), (260, 380, 70),
                      (300, 520, 74), (470, 330, 66), (30, 540, 90), (760, 280, 70)):
        kind = rng.integers(0, 3)
        if kind == 0:
            nat.pine(cv, x, y, h, se["pine"], rng)
        elif kind == 1:
            nat.birch(cv, x, y, h, se["birch"], rng)
        else:
            nat.round_tree(cv, x, y, h, se["trees"][rng.integers(0, 4)], rng)
    for (x, y) in ((245, 215), (520, 215), (470, 400), (240, 290), (180, 520), (100, 250)):
        cv.poly(blob(x, y, 16, 9, rng, 9, 0.25), Linear((0, y - 9), (0, y + 9), [(0, "#7aa84a"), (1, "#3a6228")]))
    # firewood, barrels and a bench
    for k in range(4):
        for j in range(3 - k % 2):
            cv.ellipse(490 + j * 9 + (k % 2) * 4, 262 - k * 7, 4.5, 4, Radial((488 + j * 9, 260 - k * 7), 6, [
                (0, "#e8c890"), (0.6, "#b88a50"), (1, "#6a4a28")]))
    for (x, y) in ((255, 232), (540, 230)):
        cv.ellipse(x + 3, y + 12, 11, 4, "#000000", alpha=0.3, blur=2)
        cv.rect(x - 9, y - 10, x + 9, y + 10, Linear((x - 9, 0), (x + 9, 0), [(0, "#6a4a2a"), (0.4, "#a87a4a"),
                                                                              (1, "#4a321c")]))
        for yy in (y - 6, y + 6):
            cv.line([(x - 9, yy), (x + 9, yy)], 1.6, "#3a3a3a")
        cv.ellipse(x, y - 10, 9, 3, "#5a3e22")
    cv.grade(cv.noise(80, 3, int(rng.integers(1 << 30))), 0.03)
    return cv


# ================================================================ buildings

def log_wall(cv, x0, y0, x1, y1, base, rng, log_h=9):
    y = y1
    while y > y0:
        h = min(log_h, y - y0)
        col = shade(base, rng.uniform(0.88, 1.1))
        cv.rect(x0, y - h, x1, y, Linear((0, y - h), (0, y), [(0, shade(col, 1.25)), (0.5, col),
                                                             (1, shade(col, 0.6))]))
        cv.ellipse(x0, y - h / 2, h * 0.55, h / 2, Radial((x0 - 1, y - h / 2 - 1), h * 0.6, [
            (0, "#e8c898"), (0.7, "#b08050"), (1, "#5a3a20")]))
        cv.ellipse(x1, y - h / 2, h * 0.55, h / 2, Radial((x1 - 1, y - h / 2 - 1), h * 0.6, [
            (0, "#e8c898"), (0.7, "#b08050"), (1, "#5a3a20")]))
        y -= h


def window(cv, x, y, w, h, lit=False, frame="#e8e0cc", glass=None):
    cv.rect(x - 2, y - 2, x + w + 2, y + h + 3, frame)
    glass = glass or (Linear((x, y), (x + w, y + h), [(0, "#fff0b0"), (1, "#e8a040")]) if lit else
                      Linear((x, y), (x + w, y + h), [(0, "#bcd8e8"), (0.5, "#5a7a90"), (1, "#2a3a48")]))
    cv.rect(x, y, x + w, y + h, glass)
    cv.line([(x + w / 2, y), (x + w / 2, y + h)], 1.6, frame)
    cv.line([(x, y + h / 2), (x + w, y + h / 2)], 1.6, frame)
    cv.rect(x - 4, y + h + 1, x + w + 4, y + h + 4, shade(frame, 0.8))
    if lit:
        cv.ellipse(x + w / 2, y + h / 2, w, h, (255, 200, 100, 0.25), blur=6)


def gable_roof(cv, x0, x1, y_eave, y_ridge, col, rng, overhang=10):
    mid = (x0 + x1) / 2
    pts = [(x0 - overhang, y_eave), (mid, y_ridge), (x1 + overhang, y_eave)]
    cv.poly([(x0 - overhang, y_eave + 3), (x1 + overhang, y_eave + 3), (x1 + overhang, y_eave + 9),
             (x0 - overhang, y_eave + 9)], "#000000", alpha=0.3, blur=3)
    cv.poly(pts, Linear((0, y_ridge), (0, y_eave), [(0, shade(col, 1.2)), (1, shade(col, 0.75))]))
    cv.clip_to(cv.mask().poly(pts))
    y = y_eave
    row = 0
    while y > y_ridge:
        cv.line([(x0 - overhang, y), (x1 + overhang, y)], 1.0, shade(col, 0.55), alpha=0.6)
        x = x0 - overhang + (row % 2) * 6
        while x < x1 + overhang:
            cv.line([(x, y), (x, y - 6)], 0.7, shade(col, 0.6), alpha=0.45)
            x += 12
        y -= 6
        row += 1
    cv.clip_to(None)
    cv.line([(x0 - overhang, y_eave), (mid, y_ridge), (x1 + overhang, y_eave)], 2.2, shade(col, 0.45))


def sign(cv, cx, cy, w, h, text, size, board="#5a3a22", ink="#f4e2b0"):
    cv.rect(cx - w / 2 + 2, cy - h / 2 + 3, cx + w / 2 + 2, cy + h / 2 + 3, "#000000", alpha=0.35, blur=1.5)
    cv.rect(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2, Linear((0, cy - h / 2), (0, cy + h / 2), [
        (0, shade(board, 1.3)), (1, shade(board, 0.8))]))
    cv.outline([(cx - w / 2, cy - h / 2), (cx + w / 2, cy - h / 2), (cx + w / 2, cy + h / 2), (cx - w / 2, cy + h / 2)],
               1.2, shade(board, 0.5))
    cv.text((cx, cy + 0.5), text, "serif-bold", size, ink, anchor="mm", shadow=((0, 0, 0, 0.5), 0.6, 0.8, 0.3))


def building_canvas(grounds, tag):
    x0, y0, x1, y1 = SPOTS[tag]
    return grounds.region_canvas(x0, y0, x1, y1)


def tackle_shop(grounds):
    rng = rng_for("b_shop")
    cv = building_canvas(grounds, "but_shop1")
    cv.ellipse(104, 140, 96, 10, "#000000", alpha=0.35, blur=5)
    log_wall(cv, 22, 62, 178, 138, "#9a6a3e", rng)
    cv.poly([(178, 62), (192, 54), (192, 128), (178, 138)], Linear((178, 0), (192, 0), [(0, "#5a3a20"),
                                                                                       (1, "#3a2414")]))
    gable_roof(cv, 22, 178, 64, 16, "#4e7a4a", rng)
    cv.poly([(100, 16), (186, 14), (202, 56), (188, 64)], Linear((0, 14), (0, 64), [(0, "#3e623a"),
                                                                                  (1, "#2a4428")]))
    # door and porch
    cv.rect(86, 92, 114, 138, Linear((86, 0), (114, 0), [(0, "#6a4424"), (1, "#3e2612")]))
    cv.ellipse(109, 116, 1.6, 1.6, "#e0c060")
    cv.rect(78, 136, 122, 142, "#6a4a30")
    window(cv, 38, 84, 30, 26)
    window(cv, 134, 84, 30, 26)
    # rods in the window and leaning at the wall
    for k in range(3):
        cv.line([(40 + k * 9, 110), (44 + k * 9, 86)], 1.0, "#2a2a2a")
    for k in range(3):
        cv.line([(170 + k * 3, 138), (152 + k * 6, 70)], 1.3, ["#3a3a3a", "#8a5a2a", "#2a4a6a"][k])
    sign(cv, 100, 46, 80, 18, "СНАСТИ", 12)
    # a big hook over the sign
    hook = catmull([(100, 26), (100, 34), (104, 38), (110, 36), (111, 31)], False, 6)
    cv.line(hook, 2.0, "#c8ccd0")
    return cv.image("RGB")


def fish_shop(grounds):
    rng = rng_for("b_fishery")
    cv = building_canvas(grounds, "but_fishery")
    cv.ellipse(100, 140, 96, 10, "#000000", alpha=0.35, blur=5)
    wood_planks(cv, 24, 60, 176, 138, "#d8d2c0", rng, 12, horizontal=False, grain=0.12)
    cv.poly([(176, 60), (190, 52), (190, 128), (176, 138)], Linear((176, 0), (190, 0), [(0, "#9a9484"),
                                                                                       (1, "#6a665a")]))
    gable_roof(cv, 24, 176, 62, 20, "#3a6a9a", rng)
    cv.poly([(100, 20), (184, 18), (200, 54), (186, 62)], Linear((0, 18), (0, 62), [(0, "#2e5a84"), (1, "#1e3a5a")]))
    # an open counter window with fish on display
    cv.rect(42, 86, 118, 118, "#3a3026")
    cv.rect(40, 116, 120, 122, "#8a6a48")
    for k in range(4):
        fx = 52 + k * 18
        cv.poly(catmull([(fx - 7, 110), (fx, 106), (fx + 7, 110), (fx + 10, 107), (fx + 10, 113), (fx + 7, 111),
                         (fx, 114)], True, 4), Linear((0, 106), (0, 114), [(0, "#6a7a8a"), (1, "#e8eef2")]))
    for k in range(6):     # dried fish on a string
        fx = 46 + k * 12
        cv.line([(fx, 88), (fx, 92)], 0.6, "#8a7a5a")
        cv.poly([(fx - 2.5, 92), (fx + 2.5, 92), (fx + 1.5, 104), (fx, 107), (fx - 1.5, 104)], "#b8863a")
    cv.line([(42, 88), (118, 88)], 0.8, "#8a7a5a")
    cv.rect(134, 92, 162, 138, Linear((134, 0), (162, 0), [(0, "#5a6a7a"), (1, "#2e3a46")]))
    cv.ellipse(157, 116, 1.6, 1.6, "#e0c060")
    sign(cv, 100, 46, 76, 18, "РЫБА", 12, "#2a4a6a", "#f0f4f8")
    # barrels and a crate
    for bx in (10, 28):
        cv.rect(bx - 8, 118, bx + 8, 140, Linear((bx - 8, 0), (bx + 8, 0), [(0, "#5a3a1e"), (0.4, "#9a6a3a"),
                                                                           (1, "#4a2e16")]))
        cv.line([(bx - 8, 124), (bx + 8, 124)], 1.2, "#333333")
        cv.line([(bx - 8, 134), (bx + 8, 134)], 1.2, "#333333")
        cv.ellipse(bx, 118, 8, 2.6, "#3a2a1a")
    cv.rect(168, 124, 196, 142, "#a0804a")
    for k in range(3):
        cv.line([(168, 128 + k * 5), (196, 128 + k * 5)], 0.8, "#6a5030")
    return cv.image("RGB")


def pub(grounds):
    rng = rng_for("b_pub")
    cv = building_canvas(grounds, "butt_pub")
    cv.ellipse(100, 140, 96, 10, "#000000", alpha=0.35, blur=5)
    wood_planks(cv, 20, 58, 180, 138, "#7a4a2e", rng, 10, grain=0.2)
    cv.poly([(180, 58), (194, 50), (194, 128), (180, 138)], Linear((180, 0), (194, 0), [(0, "#4a2a18"),
                                                                                       (1, "#2a180c")]))
    gable_roof(cv, 20, 180, 60, 14, "#9a3a2a", rng)
    cv.poly([(100, 14), (188, 12), (204, 52), (190, 60)], Linear((0, 12), (0, 60), [(0, "#7a2e20"), (1, "#4a1a12")]))
    # chimney with smoke
    cv.rect(150, 6, 162, 30, Linear((150, 0), (162, 0), [(0, "#b86a4a"), (1, "#6a3a2a")]))
    for k in range(5):
        cv.ellipse(158 + k * 5, 2 - k * 3, 5 + k, 4 + k * 0.6, "#e8e8e8", alpha=0.35 - k * 0.05, blur=2)
    window(cv, 32, 80, 34, 30, lit=True, frame="#3a2414")
    window(cv, 134, 80, 34, 30, lit=True, frame="#3a2414")
    cv.rect(84, 86, 116, 138, Linear((84, 0), (116, 0), [(0, "#4a2a14"), (1, "#2a160a")]))
    cv.poly([(84, 86), (100, 78), (116, 86)], "#3a200e")
    cv.ellipse(100, 112, 14, 22, (255, 190, 90, 0.35), blur=4)
    cv.ellipse(110, 112, 1.6, 1.6, "#e0c060")
    sign(cv, 100, 44, 56, 18, "БАР", 13, "#2a1a10", "#ffd87a")
    # a beer mug on a bracket
    cv.line([(180, 70), (200, 70)], 2.0, "#2a2a2a")
    cv.line([(194, 70), (194, 74)], 1.0, "#2a2a2a")
    cv.rect(188, 74, 200, 90, Linear((188, 0), (200, 0), [(0, "#c8902a"), (1, "#8a5a14")]))
    cv.poly(catmull([(187, 76), (192, 71), (197, 72), (201, 76)], False, 4) + [(201, 77), (187, 77)], "#f8f0d8")
    # barrels by the door
    for bx in (68, 132):
        cv.rect(bx - 9, 120, bx + 9, 142, Linear((bx - 9, 0), (bx + 9, 0), [(0, "#5a3a1e"), (0.4, "#9a6a3a"),
                                                                           (1, "#4a2e16")]))
        cv.line([(bx - 9, 126), (bx + 9, 126)], 1.2, "#333333")
        cv.line([(bx - 9, 136), (bx + 9, 136)], 1.2, "#333333")
        cv.ellipse(bx, 120, 9, 2.8, "#3a2a1a")
    return cv.image("RGB")


def scales_shelter(grounds):
    rng = rng_for("b_oc")
    cv = building_canvas(grounds, "but_oc")
    cv.ellipse(80, 108, 70, 8, "#000000", alpha=0.35, blur=4)
    # posts and roof
    for x in (20, 140):
        cv.rect(x - 3, 30, x + 3, 108, Linear((x - 3, 0), (x + 3, 0), [(0, "#8a6a48"), (1, "#4a3420")]))
    roof = [(6, 34), (80, 8), (154, 34), (150, 40), (80, 16), (10, 40)]
    cv.poly([(6, 34), (80, 8), (154, 34), (154, 42), (6, 42)], "#000000", alpha=0.25, blur=3)
    cv.poly([(4, 36), (80, 6), (156, 36)], Linear((0, 6), (0, 36), [(0, "#8a8e92"), (1, "#5a5e64")]))
    for k in range(1, 9):
        x = 4 + k * 19
        cv.line([(x, 36), (80 + (x - 80) * 0.1, 8 + abs(x - 80) * 0.0)], 0.6, "#3a3e44", alpha=0.25)
    cv.line([(4, 36), (80, 6), (156, 36)], 2, "#3a3e44")
    del roof
    # the platform scale with its dial
    cv.rect(44, 96, 116, 106, Linear((0, 96), (0, 106), [(0, "#9aa0a6"), (1, "#4a4e54")]))
    cv.rect(74, 58, 86, 96, "#6a7078")
    cv.ellipse(80, 56, 18, 18, "#3a3e44")
    cv.ellipse(80, 56, 15, 15, Radial((76, 52), 18, [(0, "#ffffff"), (1, "#d8d8d0")]))
    for k in range(12):
        a = math.radians(k * 30)
        cv.line([(80 + math.cos(a) * 11, 56 + math.sin(a) * 11), (80 + math.cos(a) * 14, 56 + math.sin(a) * 14)],
                0.8, "#2a2a2a")
    cv.line([(80, 56), (88, 49)], 1.4, "#c82a1e")
    cv.ellipse(80, 56, 1.6, 1.6, "#2a2a2a")
    # a fish on the platform and a hanging steelyard
    cv.poly(catmull([(56, 94), (66, 88), (84, 88), (94, 92), (104, 86), (103, 95), (104, 101), (94, 96), (84, 99),
                     (66, 99)], True, 4), Linear((0, 88), (0, 99), [(0, "#5a6a3a"), (1, "#e8e4c8")]))
    cv.line([(134, 40), (134, 58)], 0.8, "#3a3a3a")
    cv.rect(130, 58, 138, 74, "#b8902a")
    hook = catmull([(134, 74), (134, 80), (137, 83), (140, 80)], False, 4)
    cv.line(hook, 1.2, "#8a8e92")
    return cv.image("RGB")


def notice_board(grounds):
    rng = rng_for("b_order")
    cv = building_canvas(grounds, "order")
    cv.ellipse(60, 112, 50, 6, "#000000", alpha=0.35, blur=3)
    for x in (18, 102):
        cv.rect(x - 3, 20, x + 3, 112, Linear((x - 3, 0), (x + 3, 0), [(0, "#8a6a48"), (1, "#4a3420")]))
    cv.poly([(6, 22), (60, 4), (114, 22), (114, 27), (6, 27)], Linear((0, 4), (0, 27), [(0, "#6a4a30"),
                                                                                       (1, "#3a2618")]))
    wood_planks(cv, 12, 28, 108, 88, "#a07850", rng, 10, grain=0.18)
    cv.outline([(12, 28), (108, 28), (108, 88), (12, 88)], 2, "#4a3020")
    notes = [(20, 33, 30, 26, "#f4f0e2"), (56, 31, 44, 30, "#f8e8b0"), (24, 62, 34, 22, "#e8eef4"),
             (64, 63, 36, 22, "#f4f0e2")]
    for x, y, w, h, col in notes:
        a = rng.uniform(-0.06, 0.06)
        pts = [(x, y), (x + w, y + w * a), (x + w - h * a, y + h + w * a), (x - h * a, y + h)]
        cv.poly([(px + 1.2, py + 1.5) for px, py in pts], "#000000", alpha=0.3, blur=1)
        cv.poly(pts, col)
        for k in range(3):
            yy = y + 7 + k * 5
            if yy < y + h - 3:
                cv.line([(x + 4, yy + w * a * 0.3), (x + w - 5, yy + w * a * 0.7)], 0.7, "#6a6a6a", alpha=0.6)
        cv.ellipse(x + w / 2, y + 2, 1.5, 1.5, "#c82a1e")
    cv.text((78, 40), "ТУРНИР", "cond-bold", 8, "#b82a1e", anchor="mm")
    return cv.image("RGB")


# ================================================================ entrance pictures

def interior_wall(cv, rng, base="#8a6440", floor_y=None, planks=True):
    w, h = cv.w, cv.h
    floor_y = floor_y or h * 0.78
    if planks:
        wood_planks(cv, 0, 0, w, floor_y, base, rng, 26, horizontal=False, grain=0.18)
    cv.rect(0, floor_y, w, h, Linear((0, floor_y), (0, h), [(0, shade(base, 0.55)), (1, shade(base, 0.8))]))
    for k in range(12):
        x = -w * 0.2 + k * w * 0.14
        cv.line([(w / 2 + (x - w / 2) * 0.55, floor_y), (x, h)], 1.2, shade(base, 0.35), alpha=0.6)
    cv.rect(0, floor_y - 6, w, floor_y, shade(base, 0.45))


def lamp_glow(cv, x, y, r=40, col=(255, 200, 110)):
    cv.ellipse(x, y, r, r, Radial((x, y), r, [(0, (col[0], col[1], col[2], 0.5)), (1, (col[0], col[1], col[2], 0.0))]))


def hanging_lamp(cv, x, y, cord_top=0):
    cv.line([(x, cord_top), (x, y - 6)], 1.0, "#1a1a1a")
    cv.poly([(x - 12, y + 4), (x - 5, y - 6), (x + 5, y - 6), (x + 12, y + 4)], Linear((x - 12, 0), (x + 12, 0), [
        (0, "#2a3a2a"), (0.4, "#5a7a5a"), (1, "#1a2a1a")]))
    cv.ellipse(x, y + 5, 5, 3, "#fff4c0")
    lamp_glow(cv, x, y + 10, 60)


def shop_interior():
    rng = rng_for("shop1")
    cv = Canvas(480, 320, 3)
    interior_wall(cv, rng, "#9a7048", 250)
    # the window with daylight
    window(cv, 330, 40, 110, 90, frame="#e8dcc0",
           glass=Linear((330, 40), (330, 130), [(0, "#a8d0ec"), (0.6, "#d8ecf4"), (1, "#7aa060")]))
    cv.poly([(330, 130), (440, 130), (470, 260), (300, 260)], (255, 250, 220, 0.12))
    # rods standing in a rack on the left
    cv.rect(20, 226, 150, 246, "#5a3a22")
    for k in range(9):
        x = 28 + k * 14
        col = ["#2a2a2e", "#6a3a22", "#2a4a6a", "#d8b762", "#3e4a56"][k % 5]
        cv.stroke([(x, 236), (x + rng.uniform(-18, 6), 20)], [3.4, 1.2], col)
        cv.stroke([(x, 236), (x + 0.5, 200)], [5, 4.5], "#c89a5c")
    # shelves with boxes and reels
    for y in (70, 130):
        cv.rect(170, y, 310, y + 6, Linear((0, y), (0, y + 6), [(0, "#c89a6a"), (1, "#6a4a2a")]))
        cv.rect(170, y + 6, 310, y + 10, "#000000", alpha=0.25, blur=2)
        x = 176
        while x < 300:
            kind = rng.integers(0, 3)
            if kind == 0:
                w = rng.uniform(16, 24)
                col = ["#c83a2a", "#2a6a9a", "#e8b030", "#3a8a4a"][rng.integers(0, 4)]
                hh = rng.uniform(16, 28)
                cv.rect(x, y - hh, x + w, y, Linear((x, 0), (x + w, 0), [(0, shade(col, 1.2)), (1, shade(col, 0.7))]))
                cv.rect(x + 3, y - hh * 0.7, x + w - 3, y - hh * 0.4, "#f4ecd8")
                x += w + 3
            else:
                cv.ellipse(x + 9, y - 9, 9, 9, Radial((x + 6, y - 12), 12, [(0, "#f0f2f4"), (1, "#5a6068")]))
                cv.ellipse(x + 9, y - 9, 4, 4, "#2a8a7a")
                x += 21
    # the counter with a glass case of lures
    cv.rect(150, 190, 480, 280, Linear((0, 190), (0, 280), [(0, "#7a5030"), (1, "#3a2214")]))
    cv.rect(146, 184, 480, 192, "#b08050")
    cv.rect(170, 150, 460, 186, (200, 230, 240, 0.35))
    cv.outline([(170, 150), (460, 150), (460, 186), (170, 186)], 1.2, "#d8e8f0", alpha=0.8)
    for k in range(14):
        x = 182 + k * 20
        col = ["#e8c040", "#c8302a", "#d8dde2", "#3a8a4a", "#f08030"][k % 5]
        cv.ellipse(x, 172 + (k % 2) * 6, 6, 2.6, col)
        cv.line([(x + 6, 172 + (k % 2) * 6), (x + 9, 176 + (k % 2) * 6)], 0.7, "#5a5e62")
    # a trophy pike over the shelves
    cv.rect(176, 14, 306, 52, Linear((0, 14), (0, 52), [(0, "#7a4a2a"), (1, "#4a2a16")]))
    pike = catmull([(186, 34), (200, 27), (260, 26), (288, 30), (300, 22), (300, 44), (288, 37), (260, 42),
                    (200, 41)], True, 5)
    cv.poly(pike, Linear((0, 26), (0, 42), [(0, "#3a4a22"), (0.5, "#7e8e3e"), (1, "#e8e2c0")]))
    cv.ellipse(196, 32, 1.6, 1.6, "#d8b83a")
    hanging_lamp(cv, 240, 10)
    cv.vignette(0.45)
    return cv.image("RGB")


def pub_interior():
    rng = rng_for("pub")
    cv = Canvas(480, 320, 3)
    interior_wall(cv, rng, "#6a4028", 240)
    # shelves of bottles behind the counter
    for y in (70, 120):
        cv.rect(140, y, 420, y + 5, "#3a2214")
        x = 148
        while x < 410:
            col = ["#2a6a2a", "#6a3a14", "#c8d8e8", "#8a1a26", "#c89a3a"][rng.integers(0, 5)]
            hgt = rng.uniform(26, 38)
            cv.poly(catmull([(x - 2, y - hgt), (x + 2, y - hgt), (x + 2, y - hgt * 0.65), (x + 6, y - hgt * 0.5),
                             (x + 6, y), (x - 6, y), (x - 6, y - hgt * 0.5), (x - 2, y - hgt * 0.65)], True, 3),
                    Linear((x - 6, 0), (x + 6, 0), [(0, shade(col, 0.6)), (0.35, shade(col, 1.4)), (1, shade(col, 0.5))]))
            x += rng.uniform(14, 20)
    # the counter
    cv.rect(100, 170, 480, 262, Linear((0, 170), (0, 262), [(0, "#6a3a1e"), (1, "#2a160a")]))
    cv.rect(94, 162, 480, 172, Linear((0, 162), (0, 172), [(0, "#c8885a"), (1, "#7a4a28")]))
    for x in range(120, 480, 60):
        cv.rect(x, 180, x + 40, 250, (0, 0, 0, 0.15))
    # taps and mugs
    for k in range(3):
        x = 250 + k * 26
        cv.rect(x - 3, 130, x + 3, 162, "#c8b070")
        cv.rect(x - 5, 126, x + 5, 134, "#2a2a2a")
    for k in range(4):
        x = 150 + k * 30
        cv.rect(x - 7, 146, x + 7, 162, Linear((x - 7, 0), (x + 7, 0), [(0, "#b8801a"), (1, "#e8b040")]))
        cv.ellipse(x, 146, 7.5, 3, "#fbf4e0")
    # barrels and a small table in front on the left
    for bx, by in ((40, 230), (70, 250)):
        cv.ellipse(bx, by + 26, 26, 7, "#000000", alpha=0.3, blur=3)
        cv.rect(bx - 24, by - 26, bx + 24, by + 26, Linear((bx - 24, 0), (bx + 24, 0), [
            (0, "#4a2a12"), (0.4, "#9a6230"), (1, "#3a200c")]))
        for yy in (by - 16, by + 16):
            cv.line([(bx - 24, yy), (bx + 24, yy)], 2, "#2a2a2a")
        cv.ellipse(bx, by - 26, 24, 6, "#5a381c")
    hanging_lamp(cv, 180, 36)
    hanging_lamp(cv, 360, 40)
    cv.rect(0, 0, 480, 320, (255, 190, 120, 1.0), alpha=0.12, mode="multiply")
    cv.vignette(0.55)
    return cv.image("RGB")


def fishery_interior():
    rng = rng_for("fishery")
    cv = Canvas(480, 320, 3)
    # tiled wall
    cv.rect(0, 0, 480, 250, "#dfe6e6")
    for y in range(0, 250, 20):
        cv.line([(0, y), (480, y)], 1.0, "#aab8ba")
    for y in range(0, 250, 20):
        off = (y // 20 % 2) * 10
        for x in range(-10 + off, 480, 20):
            cv.line([(x, y), (x, y + 20)], 1.0, "#aab8ba")
    interior_wall(cv, rng, "#6a7a80", 250, planks=False)
    window(cv, 30, 30, 90, 70, frame="#ffffff",
           glass=Linear((30, 30), (30, 100), [(0, "#a8cce0"), (1, "#e0eef4")]))
    # hanging dried fish
    cv.line([(150, 40), (460, 34)], 1.0, "#7a6a4a")
    for k in range(12):
        x = 160 + k * 25
        y = 40 - (x - 150) * 6 / 310
        cv.line([(x, y), (x, y + 6)], 0.6, "#7a6a4a")
        cv.poly(catmull([(x - 5, y + 6), (x + 5, y + 6), (x + 4, y + 28), (x, y + 34), (x - 4, y + 28)], True, 4),
                Linear((x - 5, 0), (x + 5, 0), [(0, "#8a5a1a"), (0.5, "#d8a040"), (1, "#7a4a14")]))
        cv.poly([(x - 5, y + 36), (x, y + 32), (x + 5, y + 36)], "#8a5a1a")
    # the counter with fish on ice
    cv.rect(0, 170, 480, 262, Linear((0, 170), (0, 262), [(0, "#5a6a74"), (1, "#2a343a")]))
    cv.rect(-4, 150, 484, 176, Linear((0, 150), (0, 176), [(0, "#f4f8fa"), (1, "#b8c8d0")]))
    for _ in range(90):
        cv.ellipse(rng.uniform(0, 480), rng.uniform(150, 172), rng.uniform(3, 7), rng.uniform(2, 4), "#ffffff",
                   alpha=0.6)
    colours = [("#3a4a22", "#7e8e3e"), ("#44566a", "#c6ced6"), ("#46381f", "#b18c46"), ("#34502a", "#b9b24c")]
    for k in range(9):
        x = 30 + k * 50 + rng.uniform(-6, 6)
        y = 156 + rng.uniform(-4, 4)
        back, flank = colours[k % 4]
        body = catmull([(x - 20, y), (x - 8, y - 7), (x + 10, y - 6), (x + 18, y - 2), (x + 26, y - 8), (x + 25, y + 1),
                        (x + 26, y + 9), (x + 18, y + 3), (x + 8, y + 6), (x - 8, y + 6)], True, 4)
        cv.poly(body, Linear((0, y - 7), (0, y + 6), [(0, back), (0.5, flank), (1, "#f0ecdc")]))
        cv.ellipse(x - 14, y - 1, 1.4, 1.4, "#111111")
    # scales on the counter
    cv.rect(380, 110, 440, 150, Linear((380, 0), (440, 0), [(0, "#e8eaec"), (1, "#9aa0a8")]))
    cv.ellipse(410, 128, 14, 14, "#ffffff")
    cv.line([(410, 128), (418, 120)], 1.2, "#c82a1e")
    cv.rect(372, 104, 448, 110, "#c8ccd0")
    hanging_lamp(cv, 280, 20)
    cv.vignette(0.4)
    return cv.image("RGB")


def base_mini():
    """The button to the base on the map screen: a hut with a jetty by the water."""
    rng = rng_for("base_mini")
    cv = Canvas(96, 96, 4)
    cv.rect(0, 0, 96, 96, Linear((0, 0), (0, 96), [(0, "#9cc4e0"), (0.45, "#dcecf0"), (0.46, "#7fa64a"),
                                                   (1, "#5f8a36")]))
    x = -4.0
    while x < 100:
        nat.pine(cv, x, 44, rng.uniform(14, 24), "#2a4a2c", rng, haze="#c8dce6", haze_k=0.35)
        x += rng.uniform(5, 9)
    water = [(0, 70), (30, 64), (60, 68), (96, 62), (96, 96), (0, 96)]
    cv.poly(catmull(water, False, 6) + [(96, 96), (0, 96)], Linear((0, 62), (0, 96), [(0, "#7ab4cc"),
                                                                                    (1, "#2a6a8e")]))
    cv.clip_to(cv.mask().poly(catmull(water, False, 6) + [(96, 96), (0, 96)]))
    nat.ripple_strokes(cv, 64, 96, 0, 96, "#e0f0f4", "#1e4e6a", rng, 1.5)
    cv.clip_to(None)
    log_wall(cv, 22, 38, 60, 62, "#9a6a3e", rng, 4)
    gable_roof(cv, 22, 60, 40, 20, "#9a3a2a", rng, 5)
    cv.rect(37, 48, 45, 62, "#3e2612")
    window(cv, 26, 44, 7, 7, lit=True, frame="#3a2414")
    window(cv, 50, 44, 7, 7, lit=True, frame="#3a2414")
    cv.poly([(60, 64), (66, 63), (86, 84), (80, 86)], Linear((60, 0), (86, 0), [(0, "#a0805a"), (1, "#6a4e34")]))
    for k in range(1, 6):
        t = k / 6
        cv.line([(60 + 20 * t, 64 + 22 * t), (66 + 20 * t, 63 + 21 * t)], 0.6, "#4a3626")
    cv.outline([(1, 1), (95, 1), (95, 95), (1, 95)], 2, "#3b2c1a")
    return cv.image("RGB")


# ================================================================ all of them

def pictures():
    grounds = base_grounds()
    out = [("base", grounds.image("RGB"))]
    out += [("but_shop1", tackle_shop(grounds)), ("but_fishery", fish_shop(grounds)), ("butt_pub", pub(grounds)),
            ("but_oc", scales_shelter(grounds)), ("order", notice_board(grounds))]
    out += [("shop1", shop_interior()), ("pub", pub_interior()), ("fishery", fishery_interior())]
    out.append(("base(mini)", base_mini()))
    return out
