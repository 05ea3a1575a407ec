#!/usr/bin/env python3
"""Writes the small seed files of the section library fuzz target to corpus/profile_lib/.

Run again after a change of the file layout; the files are committed.
"""
import os
import struct

HEADER = b"Orvex Profile Library v1.0"


def name(text, capacity, length=None):
    data = text.encode("cp1256")
    return bytes([len(data) if length is None else length]) + data + bytes(capacity - len(data))


def bmp(width, height):
    row = (width * 3 + 3) // 4 * 4
    pixels = bytes(range(row * height))
    return (struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0) + pixels)


def library(tables):
    """tables: (kind, name, columns, rows [(name, values)], picture bytes)"""
    out = HEADER + bytes([len(tables)])
    for kind, title, columns, rows, _ in tables:
        out += bytes([kind]) + name(title, 29) + bytes([len(rows), len(columns)])
        out += b"".join(name(c, 4) for c in columns)
    for _, _, columns, rows, picture in tables:
        for row, values in rows:
            out += name(row, 19) + b"".join(struct.pack("<d", v) for v in values)
        out += struct.pack("<q", len(picture)) + picture
    return out


ipe = (0, "IPE", ["d", "bf", "tw"], [("IPE100", [10, 5.5, 0.41]), ("IPE120", [12, 6.4, 0.44])], bmp(2, 2))
angles = (2, "نبشي", ["d", "A"], [], b"")
box = (5, "BOX", [], [("قوطي", [])], bmp(1, 1))
one = library([ipe])

seeds = {
    "empty.opr": library([]),
    "one-table.opr": one,
    "three-tables.opr": library([ipe, angles, box]),
    "long-length-bytes.opr": HEADER + b"\x01\x07" + name("T", 29, 255) + b"\x01\x01" + name("d", 4, 9)
    + name("R", 19, 40) + struct.pack("<d", float("nan")) + struct.pack("<q", 0),
    "truncated.opr": one[:len(one) - 30],
    "wrong-header.opr": b"Orvex Profile Library v1.1" + one[26:],
    "negative-picture.opr": library([(0, "T", [], [], b"")])[:-8] + struct.pack("<q", -1),
    "too-many-rows.opr": HEADER + b"\x01\x00" + name("T", 29) + b"\x65\x00",
}

folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "profile_lib")
os.makedirs(folder, exist_ok=True)
for file_name, data in seeds.items():
    with open(os.path.join(folder, file_name), "wb") as f:
        f.write(data)
