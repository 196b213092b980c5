"""The bar window's own pictures: the four regulars `pubcrew` drawn to fill the
hall of the bar window exactly (640 x 380 pixels, 9600 x 5700 twips), each
where the game puts his speech bubble, his puddles and (for Хумпи) his eyes;
the four portraits of the rival chooser and its mouse pointer.

The game's places (twips on the window, 15 a pixel) that the drawing
follows: each regular's mouth lies just above his puddle series (left + 300,
top base), and his bubble (2400 x 600) sits just above his head."""

import math

from art_misc import arm, beer_mug, eyes, head, nose, torso, bar_hall
from paint import Canvas, Linear, Radial, catmull, rng_for, shade

W, H = 640, 380
SPRITE_W, SPRITE_H = 200, 300
X = 100                      # a regular's centre line on his sprite
TABLE_Y = 222                # where his arms end on his sprite
COUNTER_Y = 362              # the counter's top edge; the puddles come to rest on it

# Sprite mouth -> picture mouth, and the scale of each figure (nearer is larger).
PLACES = {
    "bumber": dict(mouth=(X, 98), at=(96, 340), scale=1.0),
    "humpi": dict(mouth=(X + 2, 155), at=(222, 308), scale=0.9),
    "dross": dict(mouth=(X, 98), at=(380, 264), scale=0.75),
    "lipot": dict(mouth=(X, 94), at=(436, 224), scale=0.65),
}
# Head centres on the sprites (for the chooser's portraits) and Хумпи's eyes.
HEADS = {"bumber": ((X, 72), 48), "lipot": ((X, 62), 44), "dross": ((X, 80), 46), "humpi": ((X + 2, 124), 40)}
HUMPI_EYES = [(X + 2 - 10, 134), (X + 2 + 10, 134)]


def bumber(cv, rng):
    skin, x, cloth = "#e8a88a", X, "#f2f2f4"
    body = torso(cv, x, 118, TABLE_Y + 10, 176, 190, cloth, rng)
    cv.clip_to(cv.mask().poly(body))
    for k in range(12):
        y = 122 + k * 10
        cv.rect(0, y, SPRITE_W, y + 5, "#1e3a8a", alpha=0.9)
    cv.clip_to(None)
    cv.rect(x - 16, 98, x + 16, 124, shade(skin, 0.85))
    head(cv, x, 72, 40, 44, skin, rng)
    cv.ellipse(x - 14, 44, 14, 7, "#ffffff", alpha=0.35, blur=3)
    for _ in range(90):
        a = rng.uniform(0.25, math.pi - 0.25)
        r = rng.uniform(0.6, 0.95)
        cv.ellipse(x + math.cos(a) * 38 * r, 76 + math.sin(a) * 38 * r, 0.7, 0.7, "#5a4030", alpha=0.55)
    eyes(cv, x, 66, 14, 5)
    nose(cv, x, 80, 12, 11, skin)
    cv.poly(catmull([(x - 16, 94), (x, 102), (x + 16, 94), (x, 98)], True, 5), "#7a2a22")
    arm(cv, (x - 78, 134), (x - 92, 200), (x - 40, TABLE_Y + 4), 38, shade(skin, 0.95), skin)
    arm(cv, (x + 78, 134), (x + 96, 196), (x + 62, TABLE_Y), 38, shade(skin, 0.95), skin)


def lipot(cv, rng):
    skin, x, cloth = "#ecc0a0", X, "#4a6a3a"
    torso(cv, x, 128, TABLE_Y + 10, 84, 76, cloth, rng)
    cv.poly([(x - 12, 128), (x, 152), (x + 12, 128)], "#e8e2d0")
    cv.line([(x - 14, 128), (x - 4, 160), (x - 20, 200)], 1.2, shade(cloth, 0.5))
    cv.line([(x + 14, 128), (x + 4, 160), (x + 20, 200)], 1.2, shade(cloth, 0.5))
    cv.rect(x - 8, 94, x + 8, 132, shade(skin, 0.85))
    head(cv, x, 62, 24, 38, skin, rng)
    cv.poly(catmull([(x - 30, 38), (x - 22, 20), (x, 14), (x + 22, 20), (x + 28, 36)], False, 6) +
            [(x + 34, 40), (x - 30, 40)], Linear((x - 30, 14), (x + 30, 40), [(0, "#6a6a70"), (1, "#2a2a30")]))
    cv.poly([(x - 30, 38), (x + 8, 36), (x + 44, 44), (x + 10, 46), (x - 30, 42)], "#3a3a40")
    eyes(cv, x, 56, 10, 4)
    nose(cv, x + 1, 72, 9, 15, skin)
    cv.stroke([(x - 14, 88), (x, 85), (x + 14, 88)], [1, 3.2, 1], "#4a2e1e")
    cv.line([(x - 6, 94), (x + 6, 94)], 1.2, "#7a3a2a")
    arm(cv, (x - 38, 140), (x - 52, 196), (x - 18, TABLE_Y + 2), 20, cloth, skin)
    arm(cv, (x + 38, 140), (x + 50, 200), (x + 26, TABLE_Y - 2), 20, cloth, skin)


def dross(cv, rng):
    skin, x, shirt = "#e2ae8c", X, "#a8302a"
    body = torso(cv, x, 130, TABLE_Y + 10, 128, 124, shirt, rng)
    cv.clip_to(cv.mask().poly(body))
    for k in range(-12, 14):
        cv.line([(x - 80 + k * 12, 120), (x - 80 + k * 12, 240)], 3, "#2a1a1a", alpha=0.45)
        cv.line([(x - 80, 120 + k * 12), (x + 80, 120 + k * 12)], 3, "#2a1a1a", alpha=0.45)
    for side in (-1, 1):
        cv.poly([(x + side * 14, 134), (x + side * 64, 140), (x + side * 62, 240), (x + side * 18, 240)],
                Linear((x, 0), (x + side * 64, 0), [(0, "#8a8a5a"), (1, "#5a5a38")]))
    cv.clip_to(None)
    cv.rect(x - 12, 104, x + 12, 134, shade(skin, 0.85))
    head(cv, x, 78, 30, 34, skin, rng)
    beard = catmull([(x - 30, 78), (x - 32, 104), (x - 20, 134), (x, 146), (x + 20, 134), (x + 32, 104),
                     (x + 30, 78), (x + 18, 96), (x, 100), (x - 18, 96)], True, 6)
    cv.poly(beard, Linear((x, 80), (x, 146), [(0, "#7a4a24"), (1, "#4a2a12")]))
    for _ in range(60):
        a = rng.uniform(0, 6.28)
        r = rng.uniform(0, 1)
        bx, by = x + math.cos(a) * 24 * r, 116 + math.sin(a) * 20 * r
        cv.line([(bx, by), (bx + rng.uniform(-2, 2), by + rng.uniform(3, 6))], 0.8, "#a06a3a", alpha=0.6)
    cv.stroke([(x - 16, 98), (x, 94), (x + 16, 98)], [2, 5, 2], "#6a3a1a")
    cv.poly(catmull([(x - 32, 64), (x - 30, 40), (x, 30), (x + 30, 40), (x + 32, 64)], False, 6) +
            [(x + 32, 66), (x - 32, 66)], Linear((x - 32, 30), (x + 32, 66), [(0, "#3a6ab0"), (1, "#1e3a6a")]))
    for k in range(8):
        cv.line([(x - 28 + k * 8, 40), (x - 28 + k * 8, 64)], 1.0, "#16305a", alpha=0.6)
    cv.rect(x - 33, 58, x + 33, 68, "#e8e0d0")
    cv.ellipse(x, 26, 8, 7, Radial((x - 2, 24), 9, [(0, "#ffffff"), (1, "#c8c0b0")]))
    eyes(cv, x, 76, 11, 4.2)
    nose(cv, x, 88, 10, 10, skin)
    arm(cv, (x - 60, 146), (x - 70, 200), (x - 30, TABLE_Y + 2), 28, "#8a8a5a", skin)
    arm(cv, (x + 60, 146), (x + 70, 200), (x + 34, TABLE_Y), 28, "#8a8a5a", skin)


def humpi(cv, rng):
    skin, x, cloth = "#e8b898", X, "#5a6a80"
    torso(cv, x, 158, TABLE_Y + 10, 92, 90, cloth, rng, lean=-6)
    arm(cv, (x + 34, 166), (x + 44, TABLE_Y - 6), (x + 18, 140), 22, cloth, skin)
    head(cv, x + 2, 132, 26, 28, skin, rng, 0.25)
    cv.poly(catmull([(x - 36, 118), (x - 24, 96), (x + 4, 88), (x + 30, 96), (x + 38, 114)], False, 6) +
            [(x + 44, 120), (x - 40, 124)], Linear((x - 36, 88), (x + 38, 124), [(0, "#eadcb0"), (1, "#b8a470")]))
    cv.poly([(x - 44, 122), (x - 10, 112), (x + 34, 112), (x + 52, 122), (x + 20, 128), (x - 20, 130)], "#d8c898")
    cv.line([(x - 30, 114), (x + 36, 108)], 3, "#6a4a2a")
    eyes(cv, x + 2, 134, 10, 5, sleepy=True)
    nose(cv, x + 4, 144, 8, 8, skin)
    cv.ellipse(x + 2, 155, 4, 2.4, "#8a3a2a")
    arm(cv, (x - 34, 170), (x - 44, 206), (x - 6, TABLE_Y + 2), 22, cloth, skin)


DRAW = {"bumber": bumber, "lipot": lipot, "dross": dross, "humpi": humpi}


def placed(name, p):
    """Where a point of a regular's sprite lands on the picture."""
    pl = PLACES[name]
    (mx, my), (ax, ay), s = pl["mouth"], pl["at"], pl["scale"]
    return ax + (p[0] - mx) * s, ay + (p[1] - my) * s


def sprite(name):
    cv = Canvas(SPRITE_W, SPRITE_H, 3)
    DRAW[name](cv, rng_for("pubcrew", name))
    return cv.image("RGBA")


def pubcrew_fitted():
    from PIL import Image
    hall = bar_hall().resize((W, int(560 * W / 800)), Image.LANCZOS).crop((0, 0, W, H)).convert("RGBA")
    for name in ("lipot", "dross", "humpi", "bumber"):       # back to front
        s = PLACES[name]["scale"]
        img = sprite(name).resize((round(SPRITE_W * s), round(SPRITE_H * s)), Image.LANCZOS)
        x0, y0 = placed(name, (0, 0))
        layer = Image.new("RGBA", (W, H), (0, 0, 0, 0))
        layer.paste(img, (round(x0), round(y0)))
        hall.alpha_composite(layer)
    # One counter along the bottom, in front of their arms, with their mugs.
    cv = Canvas(W, H, 3)
    cv.rect(0, COUNTER_Y, W, H, Linear((0, COUNTER_Y), (0, H), [(0, "#8a5a32"), (0.3, "#6a401e"), (1, "#3a200c")]))
    cv.rect(0, COUNTER_Y - 4, W, COUNTER_Y + 5, Linear((0, COUNTER_Y - 4), (0, COUNTER_Y + 5),
                                                        [(0, "#c8905a"), (1, "#7a4a24")]))
    for x, h in ((30, 30), (170, 28), (262, 26), (330, 24), (480, 22), (600, 26)):
        beer_mug(cv, x, COUNTER_Y + 2, h)
    hall.alpha_composite(cv.image("RGBA"))
    return hall.convert("RGB")


def portrait(picture, name):
    """The chooser's picture of one regular: his head, 25 x 49 in proportion."""
    from PIL import Image
    (cx, cy), r = HEADS[name]
    s = PLACES[name]["scale"]
    px, py = placed(name, (cx, cy))
    h = r * s * 3.4
    w = h * 25 / 49
    box = (round(px - w / 2), round(py - h * 0.45), round(px + w / 2), round(py + h * 0.55))
    return picture.crop(box).resize((50, 98), Image.LANCZOS)


def pointer():
    """The chooser's pointer: a golden hook, pointing with its centre."""
    cv = Canvas(32, 32, 4)
    hook = catmull([(16, 3), (16, 20), (14, 26), (9, 27), (6, 23), (7, 19)], False, 8)
    cv.line(hook, 4.2, "#2a1a08")
    cv.line(hook, 2.4, "#f0c040")
    cv.poly([(7, 17), (4, 22), (9, 21)], "#f0c040")
    cv.ellipse(16, 4, 2.6, 2.6, "#2a1a08")
    cv.ellipse(16, 4, 1.4, 1.4, "#f8e8a0")
    cv.ellipse(16, 16, 1.6, 1.6, "#c02020")
    return cv.image("RGBA")


def humpi_eyes_twips():
    """Centres of Хумпи's eyes on the bar window, in twips (for the game's code)."""
    return [tuple(round(v * 15) for v in placed("humpi", e)) for e in HUMPI_EYES]


def program_pictures(picture):
    """The bar's program pictures: (name, image) for resources/pictures."""
    return ([("rival%d" % i, portrait(picture, n)) for i, n in ((1, "bumber"), (2, "lipot"), (3, "dross"),
                                                                (4, "humpi"))]
            + [("pointer_duel", pointer())])


def build(root, pictures):
    import os
    from paint import save_jpeg, save_png
    crew = pubcrew_fitted()
    save_jpeg(crew, os.path.join(root, "images", "pubcrew.jpg"))
    for name, image in program_pictures(crew):
        save_png(image, os.path.join(pictures, name + ".png"))


if __name__ == "__main__":
    print(humpi_eyes_twips())
