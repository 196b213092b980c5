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
    save_jpeg(art_maps.marker_picture().image("RGB", background=(122, 160, 78)),
              os.path.join(_images(root), "scene.jpg"), 95)
    return markers


GROUPS = {"places": build_places}


def build(root, only=None):
    markers = None
    for name, fn in GROUPS.items():
        if only is not None and name not in only:
            continue
        result = fn(root)
        if name == "places":
            markers = result
    return markers
