#!/usr/bin/python3
"""Builds the default game folder (gamedata/) and the program's own pictures
(resources/pictures/) from a fixed seed, then checks what it wrote.

    /usr/bin/python3 tools/gamedata/generate.py           # build and check
    /usr/bin/python3 tools/gamedata/generate.py --check   # only check

Needs Debian's python3 with python3-pil and python3-numpy.
"""

import argparse
import os
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)

import check      # noqa: E402
import content    # noqa: E402
import sounds     # noqa: E402
import writers    # noqa: E402


def clean(path):
    if os.path.isdir(path):
        shutil.rmtree(path)
    os.makedirs(path)


def build(root, pictures, only=None):
    """Writes everything; `only` limits the pictures to the named builders (for quick work)."""
    import art_program
    import art_stock

    started = time.time()
    if only is None:
        for sub in ("Data", "images", "sound"):
            clean(os.path.join(root, sub))
        clean(pictures)
    os.makedirs(os.path.join(root, "images"), exist_ok=True)
    os.makedirs(pictures, exist_ok=True)

    markers = art_stock.build(root, only)
    if only is None:
        writers.write_settings(root)
        writers.write_species(root)
        writers.write_catalogs(root)
        writers.write_maps(root, markers)
        writers.write_records(root)
        writers.write_saves_placeholder(root)
        sounds.build(root)
    if only is None or "bar" in only:
        import art_bar
        art_bar.build(root, pictures)
    art_program.build(pictures, only)
    print("written in %.0f s" % (time.time() - started))


def report(root, pictures):
    problems, summary = check.check_folder(root, pictures)
    if summary.get("species"):
        print("species: %d, rods %d, lines %d, baits %d, lures %d" % (
            len(summary["species"]), len(summary["rods"]), len(summary["lines"]),
            len(summary["baits"]), len(summary["lures"])))
    for m in summary.get("maps", []):
        print("map %-6s %-16s %d places" % (m["folder"], m["title"], len(m["places"])))
    if "records" in summary:
        print("records: %d, pictures in the stock: %d" % (len(summary["records"]), summary.get("pictures", 0)))
    if "bytes" in summary:
        print("game folder: %.2f MB" % (summary["bytes"] / 1024 / 1024))
    for item in problems.items:
        print("PROBLEM: " + item)
    print("check: %s" % ("ok" if problems.ok() else "%d problems" % len(problems.items)))
    missed = check.prove(root)
    for name in missed:
        print("PROBLEM: the check does not notice: " + name)
    print("the check notices %d of %d planted faults" % (len(check.FAULTS) - len(missed), len(check.FAULTS)))
    return problems.ok() and not missed


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--check", action="store_true", help="only check the existing output")
    ap.add_argument("--game-folder", default=os.path.join(REPO, "gamedata"))
    ap.add_argument("--pictures", default=os.path.join(REPO, "resources", "pictures"))
    ap.add_argument("--only", nargs="*", help="redraw only these picture groups (no cleaning, no check)")
    args = ap.parse_args()
    if not args.check:
        build(args.game_folder, args.pictures, args.only)
        if args.only is not None:
            return 0
    return 0 if report(args.game_folder, args.pictures) else 1


if __name__ == "__main__":
    sys.exit(main())
