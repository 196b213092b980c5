"""The tournament's windows: the notice board on the base (tag "wood"), the
entry sheet (tag "tourinfo") and the result with the cup (tag "kubok").

Each picture is its window's size, 560 x 400; the game lays its labels over
the places left free here (sheets, plates), so the rectangles below and the
label positions in src/tournaments/ go together."""

import math

from art_program import nail, parchment, wood_planks
from paint import Canvas, Linear, Radial, catmull, rng_for, shade

W, H = 560, 400


def _plate(cv, x0, y0, x1, y1, rng, base="#4a2e1a"):
    """A dark plank plate with two nails: the game writes a button on it."""
    cv.rect(x0 + 2, y0 + 3, x1 + 2, y1 + 3, "#000000", alpha=0.4, blur=2)
    wood_planks(cv, x0, y0, x1, y1, base, rng, y1 - y0, grain=0.25)
    cv.outline([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], 1.2, shade(base, 0.5))
    for x in (x0 + 7, x1 - 7):
        nail(cv, x, (y0 + y1) / 2, 1.8)


def _pin(cv, x, y, colour="#c8281e"):
    cv.ellipse(x + 1.5, y + 2, 5, 5, "#000000", alpha=0.35, blur=1.5)
    cv.ellipse(x, y, 5, 5, Radial((x - 1.6, y - 1.6), 7, [(0, "#ffffff"), (0.25, colour), (1, shade(colour, 0.45))]))


def _paper(cv, x0, y0, x1, y1, colour, rng):
    """A plain sheet of paper, lightly shaded, with a soft shadow."""
    cv.rect(x0 + 3, y0 + 4, x1 + 3, y1 + 4, "#000000", alpha=0.35, blur=3)
    tex = cv.noise(14, 3, int(rng.integers(1 << 30)))
    cv.rect(x0, y0, x1, y1, cv.textured(Linear((x0, y0), (x1, y1), [(0, shade(colour, 1.04)),
                                                                    (1, shade(colour, 0.9))]), tex, 0.05))
    cv.outline([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], 0.8, shade(colour, 0.7), alpha=0.7)


def _fish_sketch(cv, x, y, s, colour, alpha=0.5, d=1):
    pts = [(x - 18 * s * d, y), (x - 6 * s * d, y - 8 * s), (x + 8 * s * d, y - 7 * s), (x + 14 * s * d, y - 2 * s),
           (x + 22 * s * d, y - 10 * s), (x + 21 * s * d, y), (x + 22 * s * d, y + 10 * s), (x + 14 * s * d, y + 2 * s),
           (x + 8 * s * d, y + 7 * s), (x - 6 * s * d, y + 8 * s)]
    cv.outline(catmull(pts, True, 5), 1.0, colour, alpha=alpha)
    cv.ellipse(x - 11 * s * d, y - 2 * s, 1.2, 1.2, colour, alpha=alpha)


def notice_board():
    """The notice board: a cork board in a wooden frame on the base's wall,
    a note sheet (the offer's bill is laid over it by the game), the rumour
    on a parchment, and the exit plate below the board."""
    rng = rng_for("tournament", "board")
    cv = Canvas(W, H, 2)
    wood_planks(cv, 0, 0, W, H, "#6a4a30", rng, 46, horizontal=False, grain=0.28)
    # the frame and the cork
    cv.rect(26, 22, 540, 342, "#000000", alpha=0.45, blur=5)
    cv.rect(20, 14, 540, 338, Linear((20, 14), (540, 338), [(0, "#8a5a34"), (1, "#4a2c16")]))
    cv.outline([(20, 14), (540, 14), (540, 338), (20, 338)], 1.4, "#2a180a")
    cork = cv.noise(3, 3, int(rng.integers(1 << 30)))
    cv.rect(34, 28, 526, 324, cv.textured(Radial((280, 150), 330, [(0, "#c8945a"), (1, "#8a5e34")]), cork, 0.22))
    for _ in range(260):
        x, y = rng.uniform(36, 524), rng.uniform(30, 322)
        cv.ellipse(x, y, rng.uniform(0.6, 1.6), rng.uniform(0.6, 1.4), "#5a3a1c", alpha=rng.uniform(0.2, 0.5))
    cv.outline([(34, 28), (526, 28), (526, 324), (34, 324)], 1.2, "#3a2210", alpha=0.8)
    # old scraps under the sheets
    _paper(cv, 44, 40, 92, 96, "#e8e0c8", rng)
    _paper(cv, 470, 236, 518, 312, "#dcd4ba", rng)
    for k in range(4):
        cv.line([(476, 250 + k * 12), (510, 250 + k * 12)], 1.0, "#6a6a6a", alpha=0.35)
    # the note sheet: "no tournaments" or the offer on top of it
    _paper(cv, 76, 54, 484, 148, "#f4f0e2", rng)
    cv.line([(96, 140), (464, 140)], 0.8, "#8a8aa8", alpha=0.35)
    _pin(cv, 92, 62)
    _pin(cv, 468, 62)
    # the rumour on a parchment, with sketches of the two rare fish
    sheet = parchment(408, 144, "board_rumour", 2)
    cv.paste(sheet, 76, 168)
    _fish_sketch(cv, 112, 292, 0.9, "#6a4a2a", 0.45)
    _fish_sketch(cv, 448, 292, 0.9, "#6a4a2a", 0.45, d=-1)
    _pin(cv, 280, 176, "#2a68c8")
    # a hook on a line hanging from the frame
    cv.line([(60, 324), (60, 338)], 0.8, "#dcdcdc", alpha=0.8)
    # the exit plate
    _plate(cv, 430, 348, 534, 384, rng)
    cv.vignette(0.3)
    return cv.image("RGB")


def entry_sheet():
    """The entry window: a tournament bill on a parchment, a cup under the
    title, free lines for the rule, the fish, the prize and the refusal, and
    two plates for "Начать" and "Отмена"."""
    rng = rng_for("tournament", "entry")
    cv = Canvas(W, H, 2)
    wood_planks(cv, 0, 0, W, H, "#5a3a22", rng, 40, grain=0.22)
    sheet = parchment(500, 300, "tournament_entry", 2)
    cv.paste(sheet, 30, 14)
    cv.outline([(50, 32), (510, 32), (510, 296), (50, 296)], 2.2, "#a83224", alpha=0.8)
    cv.outline([(56, 38), (504, 38), (504, 290), (56, 290)], 0.8, "#a83224", alpha=0.6)
    for x in (58, 502):
        _pin(cv, x, 26)
    cv.text((280, 70), "ТУРНИР", "serif-bold", 34, "#8a2a1e", anchor="mm", shadow=((0, 0, 0, 0.25), 1, 1.5, 1))
    # a small cup between two fish under the title
    cv.poly(catmull([(264, 100), (296, 100), (292, 116), (280, 122), (268, 116)], True, 5), "#c89a3a", alpha=0.8)
    cv.rect(277, 122, 283, 128, "#c89a3a", alpha=0.8)
    cv.rect(271, 128, 289, 132, "#8a6a3a", alpha=0.8)
    _fish_sketch(cv, 224, 114, 0.8, "#8a6a3a", 0.6, d=-1)
    _fish_sketch(cv, 336, 114, 0.8, "#8a6a3a", 0.6)
    cv.line([(110, 142), (450, 142)], 1.0, "#8a6a3a", alpha=0.5)
    cv.line([(150, 258), (410, 258)], 0.8, "#8a6a3a", alpha=0.35)
    _plate(cv, 116, 316, 254, 354, rng)
    _plate(cv, 306, 316, 444, 354, rng)
    cv.vignette(0.3)
    return cv.image("RGB")


def _cup(cv, cx, top, s):
    """The gold cup, `s` times its 160 x 200 design, its bowl's rim at `top`."""
    def p(x, y):
        return cx + (x - 80) * s, top + (y - 34) * s

    def pts(seq):
        return [p(x, y) for x, y in seq]

    gold = [(0, "#fff4c0"), (0.3, "#f0c850"), (0.7, "#b07a1a"), (1, "#6a4408")]
    x0, x1 = p(44, 0)[0], p(116, 0)[0]
    cv.rect(*p(44, 168), *p(116, 190), Linear((x0, 0), (x1, 0), [(0, "#3a2416"), (0.4, "#7a4a2a"), (1, "#2a180c")]))
    cv.rect(*p(54, 172), *p(106, 184), Linear(p(54, 0), p(106, 0), gold))
    cv.poly(pts([(62, 168), (98, 168), (90, 150), (70, 150)]), Linear(p(62, 0), p(98, 0), gold))
    cv.rect(*p(74, 120), *p(86, 152), Linear(p(74, 0), p(86, 0), gold))
    cv.ellipse(*p(80, 122), 12 * s, 5 * s, Linear(p(68, 0), p(92, 0), gold))
    for d in (-1, 1):
        cv.line(catmull(pts([(80 + d * 34, 44), (80 + d * 56, 46), (80 + d * 54, 76), (80 + d * 26, 96)]), False, 8),
                6 * s, Linear(p(80 + d * 30, 40), p(80 + d * 56, 90), gold))
    bowl = catmull(pts([(40, 34), (120, 34), (116, 72), (100, 106), (80, 116), (60, 106), (44, 72)]), True, 8)
    cv.poly(bowl, Linear(p(40, 0), p(120, 0), [(0, "#fff8d0"), (0.25, "#f2ca50"), (0.6, "#c08a20"), (1, "#6a4408")]))
    cv.ellipse(*p(80, 34), 40 * s, 8 * s, Linear(p(40, 0), p(120, 0), [(0, "#8a5a10"), (1, "#d8a030")]))
    cv.ellipse(*p(80, 35), 36 * s, 6 * s, "#5a3a08")
    cv.stroke(pts([(56, 44), (54, 70), (64, 96)]), [6 * s, 4 * s, 1 * s], "#ffffff", alpha=0.35)
    fish = catmull(pts([(64, 70), (74, 62), (88, 63), (94, 67), (102, 61), (101, 70), (102, 79), (94, 73), (88, 77),
                        (74, 78)]), True, 5)
    cv.poly(fish, "#8a5a10", alpha=0.7)
    for sx, sy in ((46, 26), (118, 48), (104, 20)):
        for a in (0, math.pi / 2):
            cv.line([p(sx - math.cos(a) * 6, sy - math.sin(a) * 6), p(sx + math.cos(a) * 6, sy + math.sin(a) * 6)],
                    1.2, "#ffffff", alpha=0.8)


def result_sheet():
    """The result: the cup in its glow on the left, the sheet for the five
    result lines on the right, the close plate below it."""
    rng = rng_for("tournament", "result")
    cv = Canvas(W, H, 2)
    cv.rect(0, 0, W, H, Radial((100, 200), 420, [(0, "#4a3a6a"), (1, "#140e20")]))
    for k in range(18):
        a = math.radians(k * 20)
        cv.poly([(100, 200), (100 + math.cos(a) * 500, 200 + math.sin(a) * 500),
                 (100 + math.cos(a + 0.12) * 500, 200 + math.sin(a + 0.12) * 500)], (255, 230, 160, 0.07))
    _cup(cv, 96, 118, 1.05)
    sheet = parchment(362, 318, "tournament_result", 2)
    cv.paste(sheet, 184, 18)
    cv.line([(204, 126), (526, 126)], 1.2, "#8a6a3a", alpha=0.55)
    for k in range(1, 4):
        cv.line([(214, 148 + k * 42), (516, 148 + k * 42)], 0.6, "#8a6a3a", alpha=0.25)
    cv.text((365, 48), "ИТОГИ", "serif-bold", 18, "#8a2a1e", anchor="mm", shadow=((0, 0, 0, 0.2), 1, 1, 1))
    _plate(cv, 406, 346, 534, 384, rng)
    cv.vignette(0.25)
    return cv.image("RGB")


def pictures():
    return [("wood", notice_board()), ("tourinfo", entry_sheet()), ("kubok", result_sheet())]
