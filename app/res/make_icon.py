#!/usr/bin/env python3
"""Writes kestrune.ico: the program's icon, a kestrel-winged starship on a
dark disc, as two 16-colour images (32 x 32 and 16 x 16, 4 bits per pixel,
with an AND mask for the transparent corners).

Run it from any directory; it writes the icon next to itself:
    python3 app/res/make_icon.py
Only the standard library is used, and the output is the same on every run.
"""

import math
import os
import struct

# The 16 colours every display can show, as (blue, green, red) of RGBQUAD.
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY = 0, 4, 7, 8
RED, YELLOW, BLUE, CYAN, WHITE = 9, 11, 12, 14, 15

STARS = [(-0.55, 0.45), (0.6, 0.5), (-0.3, -0.72), (0.7, -0.1), (0.15, 0.78)]


def in_triangle(p, a, b, c):
    def side(p1, p2, p3):
        return (p1[0] - p3[0]) * (p2[1] - p3[1]) - (p2[0] - p3[0]) * (p1[1] - p3[1])

    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def colour_at(u, v, pixel):
    """Colour index at (u, v) in [-1, 1] (v up), or None for transparent."""
    r = math.hypot(u, v)
    if r > 0.97:
        return None
    if r > 0.86:
        return BLUE
    x = abs(u)
    # Engines at the trailing edge of the wings.
    if abs(x - 0.3) < 0.09 and -0.58 < v < -0.4:
        return YELLOW if v > -0.5 else RED
    # Kestrel wings: a swept delta with a notch cut into its trailing edge.
    wing = in_triangle((x, v), (0.0, 0.72), (0.0, -0.25), (0.62, -0.45))
    if wing:
        if math.hypot(u, v - 0.25) < 0.09:
            return CYAN
        edge = not in_triangle((x, v), (0.0, 0.72 - 2.5 * pixel),
                               (0.0, -0.25 + pixel), (0.62 - 3 * pixel, -0.45 + pixel))
        return SILVER if edge else WHITE
    for sx, sy in STARS:
        if abs(u - sx) < pixel * 0.6 and abs(v - sy) < pixel * 0.6:
            return WHITE
    return NAVY


def image(size):
    """BITMAPINFOHEADER, palette, XOR bits and AND mask of one icon image."""
    pixel = 2.0 / size
    rows = []
    for row in range(size):
        v = 1.0 - (row + 0.5) * pixel
        rows.append([colour_at(-1.0 + (col + 0.5) * pixel, v, pixel) for col in range(size)])
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor_bits = bytearray()
    and_bits = bytearray()
    for row in reversed(rows):  # bottom-up, as bitmaps are stored
        line = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for col, index in enumerate(row):
            if index is None:
                mask[col // 8] |= 0x80 >> (col % 8)
                index = BLACK
            line[col // 2] |= index << (4 if col % 2 == 0 else 0)
        xor_bits += line
        and_bits += mask
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for b, g, r in PALETTE)
    return header + palette + bytes(xor_bits) + bytes(and_bits)


def icon_file(sizes):
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kestrune.ico")
    with open(path, "wb") as f:
        f.write(icon_file([32, 16]))


if __name__ == "__main__":
    main()
