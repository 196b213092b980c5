"""Reads the written game folder back the way the game does and reports faults.

The checks work on the files only (not on content.py), so they also catch a
writer that drifted from the formats.
"""

import math
import os
import wave

import numpy as np
from PIL import Image

MAX_FOLDER_BYTES = 20 * 1024 * 1024
GAME_TAGS = ["back1", "base(mini)", "base", "but_shop1", "but_fishery", "butt_pub", "but_oc", "order",
             "shop1", "pub", "fishery", "bar", "pubcrew", "fishery_background", "vsy", "wood", "wood2",
             "tourinfo", "kubok", "splash", "logo", "credits", "scene"]
PROGRAM_PICTURES = (
    ["Speen_normal", "speen_zabros1", "speen_zabros2", "speen_podsechka1", "speen_podsechka2",
     "speen_podsechka3", "Speen_izgib1", "Speen_izgib2", "Speen_izgib3", "speen_crash", "Empty_Pic", "Sc_a",
     "scene_float",
     "prik_3", "prik_5", "prik_7", "prik_10", "leska", "panel", "icon_map", "icon_things", "icon_fish",
     "icon_help", "help_panel"]
    + ["drink%d" % i for i in range(1, 14)] + ["dish%d" % i for i in range(1, 6)]
    + ["rival%d" % i for i in range(1, 5)] + ["pointer_duel"])


class Problems:
    def __init__(self):
        self.items = []

    def add(self, text):
        self.items.append(text)

    def ok(self):
        return not self.items


def read_text(path, problems):
    """The file's lines, checked for Windows-1251 and CR LF line ends."""
    data = open(path, "rb").read()
    try:
        text = data.decode("cp1251")
    except UnicodeDecodeError as e:
        problems.add("%s: not Windows-1251 (%s)" % (path, e))
        return []
    if not text.endswith("\r\n"):
        problems.add("%s: last line does not end with CR LF" % path)
    bare_lf = text.replace("\r\n", "").count("\n")
    bare_cr = text.replace("\r\n", "").count("\r")
    if bare_lf or bare_cr:
        problems.add("%s: line ends other than CR LF" % path)
    return text.split("\r\n")[:-1]


def strict_int(text):
    return int(text.strip())


def lenient_int(text):
    """The leading number of the text, 0 when there is none (like the game's lenient reading)."""
    s = text.lstrip()
    num = ""
    for ch in s:
        if ch.isdigit() or (ch in "+-" and not num) or (ch == "." and "." not in num):
            num += ch
        else:
            break
    try:
        return round(float(num))
    except ValueError:
        return 0


class Lines:
    def __init__(self, path, problems):
        self.path = path
        self.lines = read_text(path, problems)
        self.i = 0

    def next(self):
        if self.i >= len(self.lines):
            raise ValueError("%s: too few lines" % self.path)
        self.i += 1
        return self.lines[self.i - 1]

    def int(self):
        return strict_int(self.next())


RARE = ("сом", "синец", "усач")
LURE_KEYS = ("блесна м", "блесна с", "блесна б")


def evaluation_pass(lo, hi):
    """Share of fish whose weight reaches half the maximum: the weight is the
    minimum plus (max - min) times a product of three uniform draws."""
    t = (hi / 2 - lo) / (hi - lo)
    if t <= 0:
        return 1.0
    ln = -math.log(t)
    return 1 - t * (1 + ln + ln * ln / 2)


def retrieve_steps(cast, shore):
    """Reel steps (7 twips each) from the cast line to the shore line."""
    return max(1, math.ceil((shore - cast) / 7))


def lure_strike(place, species, key):
    """Chance that a lure of bait key `key` is taken before the retrieve ends or snags:
    per step a fish is tried 1 time in 15, then the place's abundance and the
    species' chance for the key."""
    if not place["fish"]:
        return 0.0
    by_name = {s["name"]: s for s in species}
    take = 0.0
    for name, value in place["fish"]:
        chance = max([c for b, c in by_name[name]["baits"] if b == key] or [0])
        take += value / 100 * min(chance, 100) / 100
    h = take / len(place["fish"]) / 15
    s = place["snag"] / 6000
    if h <= 0:
        return 0.0
    keep = (1 - h) * (1 - s)
    return h / (1 - keep) * (1 - keep ** retrieve_steps(place["cast"], place["shore"]))


def check_folder(root, pictures_dir=None):
    p = Problems()
    summary = {}
    try:
        _check(root, pictures_dir, p, summary)
    except (ValueError, OSError) as e:
        p.add(str(e))
    return p, summary


def _check(root, pictures_dir, p, summary):
    # settings
    conf = Lines(os.path.join(root, "conf.cfg"), p)
    first_map = conf.next()
    if conf.next().lower() not in ("true", "false"):
        p.add("conf.cfg: line 2 is not true/false")

    # every text file of the folder must be Windows-1251 with CR LF
    for dirpath, _, files in os.walk(os.path.join(root, "Data")):
        for f in files:
            if f != "Scene.scn":
                read_text(os.path.join(dirpath, f), p)

    # species, in the game's listing order
    fish_dir = os.path.join(root, "Data", "Fish")
    species = []
    for f in sorted(os.listdir(fish_dir), key=str.lower):
        L = Lines(os.path.join(fish_dir, f), p)
        sp = dict(name=L.next().strip(), min=L.int(), max=L.int(), v4=L.int(), strength=L.int(),
                  caution=L.int(), key=L.next())
        sp["baits"] = [(L.next(), L.int()) for _ in range(L.int())]
        sp["unit"], sp["price"] = L.int(), L.int()
        if not 0 < sp["min"] < sp["max"]:
            p.add("%s: weights %d..%d" % (f, sp["min"], sp["max"]))
        if not 0 <= sp["caution"] < 110:
            p.add("%s: caution %d never lets a fish bite" % (f, sp["caution"]))
        if sp["unit"] <= 0 or sp["price"] <= 0:
            p.add("%s: price unit must be positive" % f)
        for bait, chance in sp["baits"]:
            if not 1 <= chance <= 100:
                p.add("%s: chance %d for %s" % (f, chance, bait))
        species.append(sp)
        if sp["name"] not in RARE and sp["max"] > sp["min"] > 0:
            if evaluation_pass(sp["min"], sp["max"]) < 0.2:
                p.add("%s: fewer than 1 fish in 5 weighs half the maximum (%d..%d g)" % (f, sp["min"], sp["max"]))
            if sp["unit"] > 0 and sp["max"] / 2 / sp["unit"] * sp["price"] < 1:
                p.add("%s: a fish the evaluation buys earns less than 1 $" % f)
    names = [s["name"] for s in species]
    keys = [s["key"] for s in species]
    if len(set(names)) != len(names) or len(set(keys)) != len(keys):
        p.add("species names or picture keys repeat")
    for rare in ("сом", "синец", "усач"):
        if rare not in names:
            p.add("rare species %s is missing" % rare)
    summary["species"] = species

    # catalogs
    dev = os.path.join(root, "Data", "Dev")
    L = Lines(os.path.join(dev, "Sp.cfg"), p)
    rods = [(L.next(), L.int(), L.int()) for _ in range(L.int())]
    L = Lines(os.path.join(dev, "lsk.cfg"), p)
    lines = []
    for _ in range(L.int()):
        s = L.next()
        if s.count(";") != 1:
            p.add("lsk.cfg: %r needs exactly one ';'" % s)
            continue
        lines.append((lenient_int(s), strict_int(s.split(";")[1])))
    L = Lines(os.path.join(dev, "nas.cfg"), p)
    baits = [(L.next(), L.int(), L.int()) for _ in range(L.int())]
    L = Lines(os.path.join(dev, "bls.cfg"), p)
    lures = [(L.next(), L.int(), L.int()) for _ in range(L.int())]
    summary.update(rods=rods, lines=lines, baits=baits, lures=lures)
    start_kit = min(r[2] for r in rods) + min(l[1] for l in lines) + min(b[2] for b in baits)
    if start_kit > 35:
        p.add("a new angler (50 $) cannot afford rod + line + bait (%d $)" % start_kit)
    sold = set(b[0] for b in baits)
    if lures:
        sold |= set(LURE_KEYS)
    for sp in species:
        if not any(b in sold for b, _ in sp["baits"]):
            p.add("%s takes nothing the shop sells" % sp["name"])

    # maps and places
    maps_dir = os.path.join(root, "Data", "Maps")
    L = Lines(os.path.join(maps_dir, "Info.inf"), p)
    folders = [L.next() for _ in range(L.int())]
    if first_map not in folders:
        p.add("conf.cfg: first map %r is not in Info.inf" % first_map)
    seen = set()
    maps = []
    for folder in folders:
        M = Lines(os.path.join(maps_dir, folder, "conf.cfg"), p)
        title = M.next()
        M.next()
        count = M.int()
        places = []
        for k in range(1, count + 1):
            x, y = M.int(), M.int()
            M.next()
            px, py = (x - 1200) / 15, (y - 1200) / 15
            if not (0 <= px <= 640 - 24 and 0 <= py <= 480 - 24):
                p.add("%s place %d: marker outside the map picture" % (folder, k))
            loc = os.path.join(maps_dir, folder, "Loc%d" % k)
            try:
                with Image.open(os.path.join(loc, "Scene.scn")) as im:
                    im.load()
                    if im.size != (640, 380):
                        p.add("%s: place picture is %s" % (loc, im.size))
            except OSError as e:
                p.add("%s: place picture does not load (%s)" % (loc, e))
            C = Lines(os.path.join(loc, "Conf.cfg"), p)
            lenient_int(C.next())
            shore, cast, snag, nf = (lenient_int(C.next()) for _ in range(4))
            if not (1800 <= cast <= 3000 and 4300 <= shore <= 5100):
                p.add("%s: cast line %d / shore line %d out of range" % (loc, cast, shore))
            fish = []
            for _ in range(nf):
                line = C.next()
                if len(line) < 4:
                    p.add("%s: species line %r too short" % (loc, line))
                    continue
                name, field = line[:-3], line[-3:]
                try:
                    value = strict_int(field)
                except ValueError:
                    p.add("%s: abundance field %r of %r is not a number" % (loc, field, line))
                    continue
                if name not in names:
                    p.add("%s: %r names no species" % (loc, name))
                    continue
                if not 1 <= value <= 100:
                    p.add("%s: abundance %d" % (loc, value))
                fish.append((name, value))
                seen.add(name)
            if not any(v >= 10 for _, v in fish):
                p.add("%s: a tournament needs one species with abundance 10 or more" % loc)
            steps = retrieve_steps(cast, shore)
            if 1 - (1 - snag / 6000) ** steps > 0.2:
                p.add("%s: snag chance %d snags more than 1 retrieve in 5" % (loc, snag))
            place = dict(x=x, y=y, cast=cast, shore=shore, snag=snag, fish=fish)
            place["strike"] = max(lure_strike(place, species, key) for key in LURE_KEYS) if lures else 0
            places.append(place)
        if lures and max((pl["strike"] for pl in places), default=0) < 0.25:
            p.add("%s: no place where a lure retrieve brings a strike 1 time in 4" % folder)
        maps.append(dict(folder=folder, title=title, places=places))
    for n in names:
        if n not in seen:
            p.add("species %s lives in no place" % n)
    summary["maps"] = maps

    # records book
    L = Lines(os.path.join(root, "Data", "rec.cfg"), p)
    records = [(L.next(), L.int(), L.next()) for _ in range(L.int())]
    by_key = {s["key"]: s for s in species}
    for key, weight, holder in records:
        if key not in by_key:
            p.add("rec.cfg: %r is no species picture key" % key)
        elif not by_key[key]["min"] <= weight < by_key[key]["max"] * 0.6:
            p.add("rec.cfg: record of %d g for %s is out of reach or too small" % (weight, key))
    summary["records"] = records

    # pictures of the stock
    img_dir = os.path.join(root, "images")
    tags = {}
    for f in sorted(os.listdir(img_dir), key=str.lower):
        path = os.path.join(img_dir, f)
        try:
            with Image.open(path) as im:
                im.load()
                tags[f.replace(".jpg", "")] = im.size
                if im.format != "JPEG":
                    p.add("images/%s is %s, not JPEG" % (f, im.format))
        except OSError as e:
            p.add("images/%s does not load (%s)" % (f, e))
    wanted = GAME_TAGS + folders + keys
    for tag in wanted:
        if tag not in tags:
            p.add("images: no picture %s.jpg" % tag)
    for name, _, _ in rods:
        if "sp_" + name not in tags:
            p.add("images: no picture for rod %s" % name)
    for name, _, _ in lures:
        if "bl_" + name not in tags:
            p.add("images: no picture for lure %s" % name)
    for name, _, _ in baits:
        if name not in tags:
            p.add("images: no picture for bait %s" % name)
    summary["pictures"] = len(tags)

    # sounds
    snd = os.path.join(root, "sound")
    for f in ["fon%d.wav" % i for i in range(1, 14)] + ["crsp.wav"]:
        try:
            with wave.open(os.path.join(snd, f)) as w:
                if (w.getnchannels(), w.getsampwidth(), w.getframerate()) != (1, 2, 22050):
                    p.add("sound/%s: not 16-bit mono 22050 Hz" % f)
                x = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(float)
                secs = len(x) / 22050
                if f != "crsp.wav" and not 2 <= secs <= 8:
                    p.add("sound/%s: %.1f s long" % (f, secs))
                if np.abs(x).max() > 32767 * 10 ** (-1 / 20):
                    p.add("sound/%s: peak above -1 dBFS" % f)
                if abs(x[0]) > 200 or abs(x[-1]) > 200:
                    p.add("sound/%s: starts or ends with a click" % f)
        except (OSError, wave.Error) as e:
            p.add("sound/%s: %s" % (f, e))

    keep = os.path.join(root, "Saves", ".keep")
    if not os.path.isfile(keep):
        p.add("Saves/.keep is missing")

    total = 0
    for dirpath, _, files in os.walk(root):
        for f in files:
            total += os.path.getsize(os.path.join(dirpath, f))
    summary["bytes"] = total
    if total >= MAX_FOLDER_BYTES:
        p.add("game folder is %.1f MB, over 20 MB" % (total / 1e6))

    if pictures_dir:
        for name in PROGRAM_PICTURES:
            path = os.path.join(pictures_dir, name + ".png")
            try:
                with Image.open(path) as im:
                    im.load()
            except OSError as e:
                p.add("resources/pictures/%s.png: %s" % (name, e))
        # A rod frame replaces another without the image moving (a landing puts
        # the rest frame where the bent one stood): they must all be one size.
        rod_sizes = set()
        for name in PROGRAM_PICTURES:
            if name.lower().startswith("speen"):
                try:
                    with Image.open(os.path.join(pictures_dir, name + ".png")) as im:
                        rod_sizes.add(im.size)
                except OSError:
                    pass
        if len(rod_sizes) > 1:
            p.add("resources/pictures: rod frames differ in size %s" % sorted(rod_sizes))
        try:
            with Image.open(os.path.join(pictures_dir, "scene_float.png")) as im:
                if im.mode != "RGBA" or im.size[0] < 8 or im.size[1] < 24:
                    p.add("resources/pictures/scene_float.png: %s %s is no float to see" % (im.mode, im.size))
        except OSError:
            pass  # reported with the other program pictures
        extra = set(os.path.splitext(f)[0] for f in os.listdir(pictures_dir)) - set(PROGRAM_PICTURES)
        if extra:
            p.add("resources/pictures: unexpected files %s" % sorted(extra))


# ---------------------------------------------------------------- proof that the checks bite

def _edit(path, fn):
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(fn(data))


def _replace_line(data, index, text):
    lines = data.split(b"\r\n")
    lines[index] = text
    return b"\r\n".join(lines)


def _no_lure_takers(root):
    fish = os.path.join(root, "Data", "Fish")
    for f in os.listdir(fish):
        _edit(os.path.join(fish, f), lambda d: d.replace("блесна".encode("cp1251"), "блесна_".encode("cp1251")))


def _first_fish(root):
    d = os.path.join(root, "Data", "Fish")
    return os.path.join(d, sorted(os.listdir(d), key=str.lower)[0])


def _loud_sound(root):
    path = os.path.join(root, "sound", "fon1.wav")
    with wave.open(path) as w:
        params = w.getparams()
        x = np.frombuffer(w.readframes(w.getnframes()), "<i2").copy()
    x[len(x) // 2] = 32767
    with wave.open(path, "wb") as w:
        w.setparams(params)
        w.writeframes(x.tobytes())


FAULTS = [
    ("LF line ends", lambda r: _edit(_first_fish(r), lambda d: d.replace(b"\r\n", b"\n"))),
    ("abundance not a number", lambda r: _edit(os.path.join(r, "Data", "Maps", "lake", "Loc1", "Conf.cfg"),
                                               lambda d: d.replace(b" 70\r\n", b" x0\r\n", 1))),
    ("unknown species at a place", lambda r: _edit(os.path.join(r, "Data", "Maps", "lake", "Loc1", "Conf.cfg"),
                                                   lambda d: d.replace("окунь".encode("cp1251"),
                                                                       "окун".encode("cp1251"), 1))),
    ("records key", lambda r: _edit(os.path.join(r, "Data", "rec.cfg"), lambda d: d.replace("щука".encode("cp1251"), "щучка".encode("cp1251")))),
    ("bait nobody sells", lambda r: (_edit(os.path.join(r, "Data", "Dev", "nas.cfg"),
                                           lambda d: d.replace("Живец".encode("cp1251"), "Малек".encode("cp1251"))),
                                     _edit(os.path.join(r, "Data", "Dev", "bls.cfg"), lambda d: b"0\r\n"))),
    ("missing picture", lambda r: os.remove(os.path.join(r, "images", "back1.jpg"))),
    ("broken picture", lambda r: _edit(os.path.join(r, "images", "kubok.jpg"), lambda d: d[:200])),
    ("clipping sound", _loud_sound),
    ("snag chance that snags most retrieves", lambda r: _edit(os.path.join(r, "Data", "Maps", "pond", "Loc1", "Conf.cfg"),
                                                              lambda d: _replace_line(d, 3, b"40"))),
    ("weights too wide for the evaluation", lambda r: _edit(_first_fish(r), lambda d: _replace_line(d, 2, b"99000"))),
    ("no lure strike on a map", _no_lure_takers),
    ("non-Windows-1251 text", lambda r: _edit(os.path.join(r, "Data", "Maps", "Info.inf"),
                                              lambda d: d + b"\x98\r\n")),
]


def prove(root):
    """Breaks a copy of the folder in known ways; every break must be reported."""
    import shutil
    import tempfile
    missed = []
    with tempfile.TemporaryDirectory() as tmp:
        for name, fault in FAULTS:
            copy = os.path.join(tmp, "g")
            shutil.copytree(root, copy)
            fault(copy)
            problems, _ = check_folder(copy)
            if problems.ok():
                missed.append(name)
            shutil.rmtree(copy)
    return missed
