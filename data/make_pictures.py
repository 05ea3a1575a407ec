#!/usr/bin/env python3
"""Draws the 64 x 64 pictures of the section tables (24-bit Windows BMP) into data/pictures/.

Run from anywhere: python3 data/make_pictures.py
Standard library only. The generated .bmp files are committed, so the build needs no Python.
Each shape is a union of simple pieces (rectangles, quarter-circle fillets, rings) on a 64 x 64
grid of pixel centres; y grows downwards, as on screen.
"""

import math
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent
PICTURES = HERE / "pictures"
SIZE = 64

BACKGROUND = (255, 255, 255)
STEEL = (52, 73, 118)
SHADOW = (170, 182, 205)


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def ring(cx, cy, outer, inner):
    return lambda x, y: inner ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= outer ** 2


def fillet(cx, cy, radius, sx, sy):
    """The concave fillet in the corner at (cx, cy) between two faces; (sx, sy) points from the
    corner into the fillet (away from the faces)."""
    def inside(x, y):
        dx, dy = (x - cx) * sx, (y - cy) * sy
        if not (0 <= dx <= radius and 0 <= dy <= radius):
            return False
        return (dx - radius) ** 2 + (dy - radius) ** 2 >= radius ** 2
    return inside


def rounded_box(x0, y0, x1, y1, outer_radius, wall):
    inner_radius = max(outer_radius - wall, 0)

    def in_rounded(x, y, a0, b0, a1, b1, radius):
        if not (a0 <= x <= a1 and b0 <= y <= b1):
            return False
        cx = min(max(x, a0 + radius), a1 - radius)
        cy = min(max(y, b0 + radius), b1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    return lambda x, y: (in_rounded(x, y, x0, y0, x1, y1, outer_radius)
                         and not in_rounded(x, y, x0 + wall, y0 + wall, x1 - wall, y1 - wall,
                                            inner_radius))


def i_shape(height, width, web, flange, root, cx=32.0, cy=32.0):
    top, bottom = cy - height / 2, cy + height / 2
    left, right = cx - width / 2, cx + width / 2
    w0, w1 = cx - web / 2, cx + web / 2
    return [
        rect(left, top, right, top + flange),
        rect(left, bottom - flange, right, bottom),
        rect(w0, top, w1, bottom),
        fillet(w0, top + flange, root, -1, 1),
        fillet(w1, top + flange, root, 1, 1),
        fillet(w0, bottom - flange, root, -1, -1),
        fillet(w1, bottom - flange, root, 1, -1),
    ]


def channel(height, width, web, flange, root, left, cy=32.0, facing=1):
    """A channel whose web is at `left` (facing = 1: flanges point right; -1: left)."""
    top, bottom = cy - height / 2, cy + height / 2
    far = left + facing * width
    back = left + facing * web
    x0, x1 = min(left, far), max(left, far)
    return [
        rect(x0, top, x1, top + flange),
        rect(x0, bottom - flange, x1, bottom),
        rect(min(left, back), top, max(left, back), bottom),
        fillet(back, top + flange, root, facing, 1),
        fillet(back, bottom - flange, root, facing, -1),
    ]


def angle(leg_v, leg_h, thick, root, left, top):
    """An angle with its heel at (left, top + leg_v): vertical leg up, horizontal leg right."""
    bottom = top + leg_v
    return [
        rect(left, top, left + thick, bottom),
        rect(left, bottom - thick, left + leg_h, bottom),
        fillet(left + thick, bottom - thick, root, 1, -1),
    ]


def tee(height, width, web, flange, root, cx=32.0, top=10.0):
    w0, w1 = cx - web / 2, cx + web / 2
    return [
        rect(cx - width / 2, top, cx + width / 2, top + flange),
        rect(w0, top, w1, top + height),
        fillet(w0, top + flange, root, -1, 1),
        fillet(w1, top + flange, root, 1, 1),
    ]


def mirrored_angle(leg_v, leg_h, thick, root, right, top):
    """An angle facing left: vertical leg at `right`, horizontal leg towards smaller x."""
    bottom = top + leg_v
    return [
        rect(right - thick, top, right, bottom),
        rect(right - leg_h, bottom - thick, right, bottom),
        fillet(right - thick, bottom - thick, root, -1, -1),
    ]


SHAPES = {
    "ipe.bmp": i_shape(52, 26, 4, 5, 3),
    "inp.bmp": i_shape(52, 22, 5, 6, 3),
    "hea.bmp": i_shape(42, 46, 5, 6, 3),
    "heb.bmp": i_shape(46, 46, 6, 8, 3),
    "hem.bmp": i_shape(50, 44, 8, 11, 3),
    "unp.bmp": channel(52, 22, 5, 6, 3, left=21),
    "l_equal.bmp": angle(40, 40, 6, 3, left=12, top=12),
    "l_unequal.bmp": angle(46, 28, 6, 3, left=18, top=9),
    "shs.bmp": [rounded_box(10, 10, 54, 54, 6, 5)],
    "rhs.bmp": [rounded_box(16, 6, 48, 58, 6, 5)],
    "chs.bmp": [ring(32, 32, 24, 19)],
    "t_ipe.bmp": tee(40, 30, 5, 6, 3, top=12),
    "double_l.bmp": (mirrored_angle(36, 22, 5, 3, right=30, top=14)
                     + angle(36, 22, 5, 3, left=34, top=14)),
    "double_ipe.bmp": i_shape(48, 24, 4, 5, 3, cx=19) + i_shape(48, 24, 4, 5, 3, cx=45),
    "double_inp.bmp": i_shape(48, 20, 5, 6, 3, cx=20) + i_shape(48, 20, 5, 6, 3, cx=44),
    # Two channels with their flange tips touching: a closed box of two channels.
    "double_unp.bmp": (channel(48, 22, 5, 6, 3, left=10, facing=1)
                       + channel(48, 22, 5, 6, 3, left=54, facing=-1)),
}


def render(pieces):
    """Rows of pixels, top row first; each pixel is sampled on a 3 x 3 grid and the steel
    colour is blended in proportion, which keeps curves smooth at this size."""
    rows = []
    offsets = (-1 / 3, 0, 1 / 3)
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            hits = sum(1 for ox in offsets for oy in offsets
                       if any(piece(px + 0.5 + ox, py + 0.5 + oy) for piece in pieces))
            share = hits / 9
            row.append(tuple(round(b + (s - b) * share) for s, b in zip(STEEL, BACKGROUND)))
        rows.append(row)
    # A soft shadow to the lower right lifts the shape off the white background.
    shaded = [list(row) for row in rows]
    for py in range(SIZE):
        for px in range(SIZE):
            if rows[py][px] == BACKGROUND and px >= 1 and py >= 1:
                if rows[py - 1][px - 1] != BACKGROUND:
                    shaded[py][px] = SHADOW
    return shaded


def bmp_bytes(rows):
    """A 24-bit bottom-up Windows BMP with a BITMAPINFOHEADER (rows of 64 * 3 bytes need no
    padding)."""
    pixels = bytearray()
    for row in reversed(rows):
        for red, green, blue in row:
            pixels += bytes((blue, green, red))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835,
                              0, 0)
    return file_header + info_header + bytes(pixels)


def main():
    PICTURES.mkdir(exist_ok=True)
    for name, pieces in SHAPES.items():
        (PICTURES / name).write_bytes(bmp_bytes(render(pieces)))
        print(name)


if __name__ == "__main__":
    main()
