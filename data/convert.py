#!/usr/bin/env python3
"""Turns the published section tables under data/sources/ into the table files under
data/tables/ (one file per section table, values in cm, cm2, cm3, cm4 and kg/m).

Run from anywhere: python3 data/convert.py
Standard library only. The output is committed; the build reads the table files, not this script.
"""

import json
import math
from decimal import Decimal
from pathlib import Path

HERE = Path(__file__).resolve().parent
SOURCES = HERE / "sources"
TABLES = HERE / "tables"

COLUMNS = ["d", "bf", "tw", "tf", "r", "r2", "A", "G", "Ix", "Sx", "rx", "Iy", "Sy", "ry", "ex",
           "ey", "Z"]
MAX_ROWS = 100

# SI source values (m, m2, m3, m4) to the library's units.
CM = Decimal(100)
CM2 = Decimal(10) ** 4
CM3 = Decimal(10) ** 6
CM4 = Decimal(10) ** 8


def load(name):
    # Decimal keeps the published digits exactly through the unit conversion.
    with open(SOURCES / name, encoding="utf-8") as f:
        return json.load(f, parse_float=Decimal, parse_int=Decimal)


def text(value):
    """Shortest plain decimal text of a value (no exponent, no trailing zeros)."""
    if isinstance(value, float):
        value = Decimal(repr(round(value, 6)))
    value = Decimal(value)
    if value == 0:
        return "0"
    out = format(value.normalize(), "f")
    if "." in out:
        out = out.rstrip("0").rstrip(".")
    return out


def write_table(file_name, header_lines, rows):
    """rows: list of (name, {column: value}); sorted by weight (then area) so that the first
    passing section of a design search is the lightest of the family."""
    if len(rows) > MAX_ROWS:
        raise SystemExit(f"{file_name}: {len(rows)} rows, the library holds at most {MAX_ROWS}")
    rows = sorted(rows, key=lambda row: (Decimal(row[1]["G"]), Decimal(row[1]["A"])))
    names = [name for name, _ in rows]
    if len(set(names)) != len(names):
        raise SystemExit(f"{file_name}: duplicate section names")
    lines = ["# " + line for line in header_lines]
    lines.append("\t".join(["NAME"] + COLUMNS))
    for name, values in rows:
        if len(name) > 19:
            raise SystemExit(f"{file_name}: section name {name} longer than 19 characters")
        lines.append("\t".join([name] + [text(values[column]) for column in COLUMNS]))
    TABLES.mkdir(exist_ok=True)
    (TABLES / file_name).write_text("\n".join(lines) + "\n", encoding="utf-8")
    return rows


# ---------------------------------------------------------------------------------------------
# Families read from the ArcelorMittal tables (xc's JSON: SI units; the strong axis is "z",
# the weak axis "y", so Iz -> Ix and Iy -> Iy).

ARCELOR_NOTE = ("values in SI units (m, m2, m3, m4; P in kg/m), strong axis z and weak axis y")


def arcelor_i_section(entry):
    return {
        "d": entry["h"] * CM, "bf": entry["b"] * CM, "tw": entry["tw"] * CM,
        "tf": entry["tf"] * CM, "r": entry["r"] * CM, "r2": 0,
        "A": entry["A"] * CM2, "G": entry["P"],
        "Ix": entry["Iz"] * CM4, "Sx": entry["Wzel"] * CM3, "rx": entry["iz"] * CM,
        "Iy": entry["Iy"] * CM4, "Sy": entry["Wyel"] * CM3, "ry": entry["iy"] * CM,
        "ex": entry["b"] * CM / 2, "ey": entry["h"] * CM / 2, "Z": entry["Wzpl"] * CM3,
    }


def ipe():
    data = load("arcelor_ipe_profiles.json")
    rows = []
    for key, entry in data.items():
        # The standard series only: IPE A, IPE O and IPE 750 are other series.
        series, _, size = key.partition("_")
        if series != "IPE" or not size.isdigit():
            continue
        rows.append(("IPE" + size, arcelor_i_section(entry)))
    return write_table("IPE.tsv", [
        "IPE, parallel flange I sections (EN 10365), standard series IPE100 to IPE600.",
        "Source: ArcelorMittal sections catalogue as published in the xc finite element library",
        "(xcfem/xc, python_modules/materials/sections/structural_shapes/aux/"
        "arcelor_ipe_profiles.json), " + ARCELOR_NOTE + ".",
        "Converted by data/convert.py; r = root radius, Z = plastic modulus about x.",
    ], rows)


def unp():
    data = load("arcelor_upn_profiles.json")
    rows = []
    for key, entry in data.items():
        size = key.partition("_")[2]
        values = {
            "d": entry["h"] * CM, "bf": entry["b"] * CM, "tw": entry["tw"] * CM,
            "tf": entry["tf"] * CM, "r": entry["r1"] * CM, "r2": entry["r2"] * CM,
            "A": entry["A"] * CM2, "G": entry["P"],
            "Ix": entry["Iz"] * CM4, "Sx": entry["Wzel"] * CM3, "rx": entry["iz"] * CM,
            "Iy": entry["Iy"] * CM4, "Sy": entry["Wyel"] * CM3, "ry": entry["iy"] * CM,
            # zs: distance of the centroid from the back of the web.
            "ex": entry["zs"] * CM, "ey": entry["h"] * CM / 2, "Z": entry["Wzpl"] * CM3,
        }
        rows.append(("UNP" + size, values))
    return write_table("UNP.tsv", [
        "UNP (UPN), channels with sloping flanges (DIN 1026-1), UNP80 to UNP400.",
        "Source: ArcelorMittal sections catalogue as published in the xc finite element library",
        "(xcfem/xc, python_modules/materials/sections/structural_shapes/aux/"
        "arcelor_upn_profiles.json), " + ARCELOR_NOTE + ".",
        "Converted by data/convert.py; r = root radius r1, r2 = toe radius, tf = flange thickness",
        "as published (sloping inner flange faces), ex = distance of the centroid from the back of the web, Sy = Iy / (bf - ex),",
        "Z = plastic modulus about x.",
    ], rows)


FAMILIES = [ipe, unp]


def main():
    for family in FAMILIES:
        rows = family()
        print(f"{family.__name__}: {len(rows)} rows")


if __name__ == "__main__":
    main()
