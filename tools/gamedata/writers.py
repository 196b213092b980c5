"""Writes the text files of the game folder (Windows-1251, CR LF)."""

import os

import content

TWIPS = 15          # twips per pixel
MAP_LEFT = 1200     # where the map picture stands on the main screen (twips)
MAP_TOP = 1200


def write_lines(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    data = "".join(str(line) + "\r\n" for line in lines).encode("cp1251")
    with open(path, "wb") as f:
        f.write(data)


def species_line(name, value):
    """A place's fish line: the name and a right-aligned three-character abundance."""
    assert 1 <= value <= 100
    return name + "%3d" % value


def write_settings(root):
    write_lines(os.path.join(root, "conf.cfg"), [content.FIRST_MAP, "false"])


def write_species(root):
    folder = os.path.join(root, "Data", "Fish")
    for sp in content.SPECIES:
        lines = [sp["name"], sp["min"], sp["max"], sp["typical"], sp["strength"], sp["caution"], sp["key"],
                 len(sp["baits"])]
        for bait, chance in sp["baits"]:
            lines += [bait, chance]
        lines += [sp["unit"], sp["price"]]
        write_lines(os.path.join(folder, sp["file"]), lines)


def write_catalogs(root):
    folder = os.path.join(root, "Data", "Dev")
    rods = [len(content.RODS)]
    for name, strength, price in content.RODS:
        rods += [name, strength, price]
    write_lines(os.path.join(folder, "Sp.cfg"), rods)
    write_lines(os.path.join(folder, "lsk.cfg"),
                [len(content.LINES)] + ["%d;%d" % (s, p) for s, p in content.LINES])
    baits = [len(content.BAITS)]
    for name, amount, price, _ in content.BAITS:
        baits += [name, amount, price]
    write_lines(os.path.join(folder, "nas.cfg"), baits)
    lures = [len(content.LURES)]
    for name, power, price, _ in content.LURES:
        lures += [name, power, price]
    write_lines(os.path.join(folder, "bls.cfg"), lures)


def write_maps(root, markers):
    """`markers[folder]` lists the marker top-left pixel of every place of that map."""
    folder = os.path.join(root, "Data", "Maps")
    write_lines(os.path.join(folder, "Info.inf"), [len(content.MAPS)] + [m["folder"] for m in content.MAPS])
    for m in content.MAPS:
        lines = [m["title"], m["note"], len(m["places"])]
        for place, (px, py) in zip(m["places"], markers[m["folder"]]):
            lines += [MAP_LEFT + TWIPS * px, MAP_TOP + TWIPS * py, place["name"]]
        write_lines(os.path.join(folder, m["folder"], "conf.cfg"), lines)
        for k, place in enumerate(m["places"], start=1):
            lines = [k, place["shore"] * TWIPS, place["cast"] * TWIPS, place["snag"], len(place["fish"])]
            lines += [species_line(name, value) for name, value in place["fish"]]
            write_lines(os.path.join(folder, m["folder"], "Loc%d" % k, "Conf.cfg"), lines)


def write_records(root):
    lines = [len(content.RECORDS)]
    for key, weight, holder in content.RECORDS:
        lines += [key, weight, holder]
    write_lines(os.path.join(root, "Data", "rec.cfg"), lines)


def write_saves_placeholder(root):
    os.makedirs(os.path.join(root, "Saves"), exist_ok=True)
    open(os.path.join(root, "Saves", ".keep"), "wb").close()
