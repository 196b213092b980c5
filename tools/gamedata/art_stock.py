"""The pictures of the game folder: images/ (the picture stock and the shop
pictures) and the place pictures Scene.scn of every fishing place."""

import os

import content
from paint import save_jpeg


def _images(root):
    return os.path.join(root, "images")


def build_places(root):
    """Maps, place markers and place pictures; returns the marker positions."""
    import art_maps
    import art_places

    markers = {}
    for m in content.MAPS:
        picture, markers[m["folder"]] = art_maps.MAP_PAINTERS[m["folder"]](m["places"])
        save_jpeg(picture, os.path.join(_images(root), m["folder"] + ".jpg"), 88)
        for k, place in enumerate(m["places"], start=1):
            folder = os.path.join(root, "Data", "Maps", m["folder"], "Loc%d" % k)
            os.makedirs(folder, exist_ok=True)
            picture = art_places.place_picture(place, "%s%d" % (m["folder"], k))
            picture.save(os.path.join(folder, "Scene.scn"), "JPEG", quality=85, optimize=True)
    save_jpeg(art_maps.marker_picture().image("RGB"), os.path.join(_images(root), "scene.jpg"), 95)
    return markers


def build_fish(root):
    import art_fish
    for sp in content.SPECIES:
        save_jpeg(art_fish.fish_picture(sp["art"]), os.path.join(_images(root), sp["key"] + ".jpg"), 88)


def build_items(root):
    import art_items
    for name, _, _ in content.RODS:
        save_jpeg(art_items.rod_item(name), os.path.join(_images(root), "sp_" + name + ".jpg"))
    for name, _, _, look in content.LURES:
        save_jpeg(art_items.lure_item(name, look), os.path.join(_images(root), "bl_" + name + ".jpg"))
    for name, _, _, look in content.BAITS:
        save_jpeg(art_items.bait_item(name, look), os.path.join(_images(root), name + ".jpg"))


def build_base(root):
    import art_base
    for tag, picture in art_base.pictures():
        save_jpeg(picture, os.path.join(_images(root), tag + ".jpg"))


def build_misc(root):
    import art_misc
    for tag, picture in art_misc.pictures():
        save_jpeg(picture, os.path.join(_images(root), tag + ".jpg"))


def build_tournament(root):
    import art_tournament
    for tag, picture in art_tournament.pictures():
        save_jpeg(picture, os.path.join(_images(root), tag + ".jpg"))


GROUPS = {"places": build_places, "fish": build_fish, "items": build_items, "base": build_base,
          "misc": build_misc, "tournament": build_tournament}


def build(root, only=None):
    markers = None
    for name, fn in GROUPS.items():
        if only is not None and name not in only:
            continue
        result = fn(root)
        if name == "places":
            markers = result
    return markers
