#!/usr/bin/env python3
"""Draws the game's icon (a fish on a lake-blue disc) as PNG files of the
hicolor sizes, with nothing but the standard library. Run from anywhere:
    python3 packaging/icons/make_icons.py
"""
import math
import os
import struct
import zlib

SIZES = (32, 48, 64, 128, 256)
HERE = os.path.dirname(os.path.abspath(__file__))


def colour_at(x, y):
    """RGBA of the point (x, y) of the unit square."""
    dx, dy = x - 0.5, y - 0.5
    if dx * dx + dy * dy > 0.48 * 0.48:
        return (0, 0, 0, 0)
    # Body: an ellipse; tail: a triangle behind it; eye: a dark dot.
    bx, by = (x - 0.45) / 0.27, (y - 0.5) / 0.14
    if (x - 0.36) ** 2 + (y - 0.47) ** 2 < 0.025 ** 2:
        return (20, 30, 40, 255)
    if bx * bx + by * by <= 1:
        shade = 0.85 + 0.15 * (1 - by)
        return (int(235 * shade), int(180 * shade), int(60 * shade), 255)
    tx = x - 0.70
    if 0 <= tx <= 0.16 and abs(y - 0.5) <= tx * 1.1:
        return (220, 150, 40, 255)
    depth = y
    return (int(40 + 30 * (1 - depth)), int(110 + 50 * (1 - depth)), int(170 + 40 * (1 - depth)), 255)


def render(size, samples=4):
    rows = []
    for j in range(size):
        row = bytearray([0])
        for i in range(size):
            acc = [0, 0, 0, 0]
            for sj in range(samples):
                for si in range(samples):
                    c = colour_at((i + (si + 0.5) / samples) / size, (j + (sj + 0.5) / samples) / size)
                    a = c[3]
                    for k in range(3):
                        acc[k] += c[k] * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            rgb = [min(255, int(acc[k] / acc[3])) if acc[3] else 0 for k in range(3)]
            row += bytes(rgb + [int(round(alpha))])
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b"")


for s in SIZES:
    with open(os.path.join(HERE, f"klevnitsa-{s}.png"), "wb") as f:
        f.write(png(s, render(s)))
