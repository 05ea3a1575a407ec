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


def inp():
    data = load("arcelor_ipn_profiles.json")
    rows = []
    for key, entry in data.items():
        size = key.partition("_")[2]
        values = arcelor_i_section(dict(entry, r=entry["r1"]))
        values["r2"] = entry["r2"] * CM
        rows.append(("INP" + size, values))
    return write_table("INP.tsv", [
        "INP (IPN), I sections with sloping inner flange faces (DIN 1025-1), INP80 to INP600.",
        "Source: ArcelorMittal sections catalogue as published in the xc finite element library",
        "(xcfem/xc, python_modules/materials/sections/structural_shapes/aux/"
        "arcelor_ipn_profiles.json), " + ARCELOR_NOTE + ".",
        "Converted by data/convert.py; r = root radius r1, r2 = toe radius, tf = flange thickness",
        "as published, Z = plastic modulus about x.",
    ], rows)


def he(series):
    data = load("arcelor_he_profiles.json")
    rows = []
    for key, entry in data.items():
        _, size, letter = key.split("_")
        if letter == series:
            rows.append(("HE" + series + size, arcelor_i_section(entry)))
    return write_table(f"HE{series}.tsv", [
        f"HE{series}, wide flange I sections (EN 10365), HE{series}100 to HE{series}1000.",
        "Source: ArcelorMittal sections catalogue as published in the xc finite element library",
        "(xcfem/xc, python_modules/materials/sections/structural_shapes/aux/"
        "arcelor_he_profiles.json), " + ARCELOR_NOTE + ".",
        "Converted by data/convert.py; r = root radius, Z = plastic modulus about x.",
    ], rows)


def hea():
    return he("A")


def heb():
    return he("B")


def hem():
    return he("M")


# xc's angle table gives the centroid distances zs/ys in units of 10 mm / 1000 (the cm value
# divided by 1000 instead of 100): L100x100x10 has zs = 0.00282 for e = 2.82 cm. convert.py
# checks this reading against the centroid computed from the section's geometry.
ANGLE_E_TO_CM = Decimal(1000)


def angle_centroid(leg_v, leg_h, t, r1, r2):
    """Distance of the centroid of an angle from the back of its horizontal leg (cm), with the
    root fillet and the two toe roundings."""
    parts = [
        (t * leg_v, leg_v / 2),                      # vertical leg, full height
        ((leg_h - t) * t, t / 2),                    # horizontal leg beside it
    ]
    spandrel_area = (1 - math.pi / 4)
    offset = (10 - 3 * math.pi) / (12 - 3 * math.pi)
    parts.append((spandrel_area * r1 ** 2, t + offset * r1))                # root fillet
    parts.append((-spandrel_area * r2 ** 2, leg_v - offset * r2))           # toe, vertical leg
    parts.append((-spandrel_area * r2 ** 2, t - offset * r2))               # toe, horizontal leg
    area = sum(a for a, _ in parts)
    return sum(a * y for a, y in parts) / area


def l_equal():
    data = load("arcelor_l_profiles.json")
    rows = []
    for key, entry in data.items():
        b, t = entry["b"] * CM, entry["t"] * CM
        e = entry["zs"] * ANGLE_E_TO_CM
        computed = angle_centroid(float(b), float(b), float(t), float(entry["r1"] * CM),
                                  float(entry["r2"] * CM))
        if abs(float(e) - computed) > 0.03:
            raise SystemExit(f"{key}: centroid {e} cm, geometry gives {computed:.3f} cm")
        values = {
            "d": b, "bf": b, "tw": t, "tf": t, "r": entry["r1"] * CM, "r2": entry["r2"] * CM,
            "A": entry["A"] * CM2, "G": entry["P"],
            "Ix": entry["Iy"] * CM4, "Sx": entry["Wyel"] * CM3, "rx": entry["iy"] * CM,
            "Iy": entry["Iz"] * CM4, "Sy": entry["Wzel"] * CM3, "ry": entry["iz"] * CM,
            "ex": e, "ey": e, "Z": 0,
        }
        rows.append((key, values))
    return write_table("L.tsv", [
        "L, equal leg angles (EN 10056-1), L20x20x3 to L250x250x35 (the metric sizes of the",
        "source; its four 203 mm inch sizes are left out).",
        "Source: ArcelorMittal sections catalogue as published in the xc finite element library",
        "(xcfem/xc, python_modules/materials/sections/structural_shapes/aux/"
        "arcelor_l_profiles.json), " + ARCELOR_NOTE + ".",
        "Converted by data/convert.py; d = bf = leg, tw = tf = thickness, r = root radius r1,",
        "r2 = toe radius, ex = ey = distance of the centroid from the back of each leg (the",
        "source's zs, given there in cm / 1000), x axis parallel to the horizontal leg,",
        "Sx = Ix / (d - ey), Sy = Iy / (bf - ex), Z = 0 (not published).",
    ], rows)


def l_unequal():
    data = load("bs_en_10056_l_unequal.json")
    rows = []
    for key, entry in data.items():
        leg_v, leg_h = (Decimal(x) for x in entry["hxb"].split("x"))
        values = {
            "d": leg_v / 10, "bf": leg_h / 10, "tw": entry["t"] / 10, "tf": entry["t"] / 10,
            "r": entry["r_1"] / 10, "r2": entry["r_2"] / 10,
            "A": entry["A"], "G": entry["mass_per_metre"],
            "Ix": entry["I_yy"], "Sx": entry["W_el_yy"], "rx": entry["i_yy"],
            "Iy": entry["I_zz"], "Sy": entry["W_el_zz"], "ry": entry["i_zz"],
            "ex": entry["c_z"], "ey": entry["c_y"], "Z": 0,
        }
        rows.append(("L" + key, values))
    return write_table("L-UNEQUAL.tsv", [
        "L-UNEQUAL, unequal leg angles (BS EN 10056-1), L30x20x3 to L200x150x18.",
        "Source: the UK section tables (BS EN 10056-1) as published in the steelsnakes library",
        "(waynemaranga/steelsnakes, src/steelsnakes/data/sections/UK/L_UNEQUAL.json); dimensions",
        "in mm, properties in cm units, mass in kg/m.",
        "Converted by data/convert.py; d = long leg (vertical), bf = short leg (horizontal),",
        "tw = tf = thickness, r = root radius r1, r2 = toe radius, x axis parallel to the short",
        "leg (the source's y-y axis), ey = distance of the centroid from the back of the short",
        "leg (c_y), ex = from the back of the long leg (c_z), Sx = Ix / (d - ey),",
        "Sy = Iy / (bf - ex), Z = 0 (not published).",
    ], rows)


# ---------------------------------------------------------------------------------------------
# Hot-finished hollow sections (EN 10210-2). Their published properties are defined by the
# standard's formulas: a wall of thickness t with outer corner radius 1.5 t and inner corner
# radius 1.0 t (rectangular), or a plain ring (circular), steel at 7850 kg/m3. They are computed
# here from the sizes of xc's EN 10210 tables, and checked against the entries of those tables
# kept in sources/en_10210_hollow_samples.json.

DENSITY = 7850.0  # kg/m3


def spandrel(radius):
    """Area, centroid distance from the two faces, and own moment of inertia (about the
    centroidal axis parallel to a face) of the region between a square corner and a quarter
    circle of the given radius."""
    area = (1 - math.pi / 4) * radius ** 2
    offset = radius * (10 - 3 * math.pi) / (12 - 3 * math.pi)
    about_face = radius ** 4 * (1 - 5 * math.pi / 16)
    return area, offset, about_face - area * offset ** 2


def rounded_rectangle(width, height, radius):
    """Area, I about the axis parallel to `width`, and the first moment of the half above
    that axis, of a solid rectangle with rounded corners."""
    area_s, offset, own = spandrel(radius)
    area = width * height - 4 * area_s
    inertia = width * height ** 3 / 12 - 4 * (own + area_s * (height / 2 - offset) ** 2)
    half_moment = width * (height / 2) ** 2 / 2 - 2 * area_s * (height / 2 - offset)
    return area, inertia, half_moment


def rectangular_hollow(height, width, t):
    """Properties in cm, cm2, cm3, cm4 of an EN 10210 rectangular hollow section; the x axis is
    parallel to the width."""
    outer, inner = 1.5 * t, 1.0 * t
    a_o, ix_o, qx_o = rounded_rectangle(width, height, outer)
    a_i, ix_i, qx_i = rounded_rectangle(width - 2 * t, height - 2 * t, inner)
    _, iy_o, qy_o = rounded_rectangle(height, width, outer)
    _, iy_i, qy_i = rounded_rectangle(height - 2 * t, width - 2 * t, inner)
    area = a_o - a_i
    ix, iy = ix_o - ix_i, iy_o - iy_i
    return {
        "A": area, "G": DENSITY * area / 1e4,
        "Ix": ix, "Sx": 2 * ix / height, "rx": math.sqrt(ix / area),
        "Iy": iy, "Sy": 2 * iy / width, "ry": math.sqrt(iy / area),
        "Z": 2 * (qx_o - qx_i), "Zy": 2 * (qy_o - qy_i),
    }


def circular_hollow(diameter, t):
    inner = diameter - 2 * t
    area = math.pi * (diameter ** 2 - inner ** 2) / 4
    inertia = math.pi * (diameter ** 4 - inner ** 4) / 64
    return {
        "A": area, "G": DENSITY * area / 1e4,
        "Ix": inertia, "Sx": 2 * inertia / diameter, "rx": math.sqrt(inertia / area),
        "Iy": inertia, "Sy": 2 * inertia / diameter, "ry": math.sqrt(inertia / area),
        "Z": (diameter ** 3 - inner ** 3) / 6,
    }


def significant(value, digits=4):
    """The value rounded to `digits` significant digits, as the published tables print them."""
    if value == 0:
        return Decimal(0)
    return Decimal(f"{value:.{digits - 1}e}")


def check_hollow_samples():
    samples = load("en_10210_hollow_samples.json")
    for key, entry in samples.items():
        if key.startswith("CHS"):
            props = circular_hollow(float(entry["D"] * CM), float(entry["t"] * CM))
        else:
            props = rectangular_hollow(float(entry["h"] * CM), float(entry["b"] * CM),
                                       float(entry["e"] * CM))
        expected = {"A": entry["A"] * CM2, "G": entry["P"], "Ix": entry["Iz"] * CM4,
                    "Sx": entry["Wzel"] * CM3, "rx": entry["iz"] * CM,
                    "Z": entry["Wzpl"] * CM3}
        if "Iy" in entry and not key.startswith("CHS"):
            expected.update({"Iy": entry["Iy"] * CM4, "Sy": entry["Wyel"] * CM3,
                             "ry": entry["iy"] * CM, "Zy": entry["Wypl"] * CM3})
        for name, value in expected.items():
            if abs(props[name] / float(value) - 1) > 1e-9:
                raise SystemExit(f"{key}: {name} computed {props[name]}, published {value}")


def hollow_row(props, d, bf, t, radius):
    values = {name: significant(props[name]) for name in
              ("A", "Ix", "Sx", "rx", "Iy", "Sy", "ry", "Z")}
    values.update({"d": d, "bf": bf, "tw": t, "tf": t, "r": radius, "r2": 0,
                   "G": significant(props["G"], 3), "ex": bf / 2, "ey": d / 2})
    return values


SHS_SIZES = {  # side (mm): wall thicknesses (mm)
    50: [3, 4, 5], 60: [3, 4, 5], 70: [3, 4, 5], 80: [3, 4, 5, 6], 90: [4, 5, 6],
    100: [4, 5, 6, 7], 120: [4, 5, 6, 7], 140: [5, 6, 7, 8], 150: [5, 6, 7, 8],
    160: [5, 6, 7, 8], 175: [5, 6, 7, 8],
}

RHS_SIZES = {  # (height, width) (mm): wall thicknesses (mm)
    (60, 40): [3, 4], (80, 40): [3, 4], (80, 60): [3, 4, 5], (120, 60): [5, 6],
    (120, 80): [4, 5, 6], (140, 80): [4, 5, 6, 8], (160, 90): [4, 5, 6], (160, 120): [5, 6, 8],
    (180, 90): [5, 6, 7], (200, 100): [5, 6, 8], (200, 120): [5, 6, 8], (200, 150): [6, 8],
    (250, 100): [6, 8], (250, 150): [16],
}

CHS_SIZES = {  # outside diameter (mm): wall thicknesses (mm)
    "48.3": ["3.2", "4", "5"], "60.3": ["3.2", "4", "5"], "76.1": ["3.2", "4", "5"],
    "88.9": ["3.2", "4", "5", "6.3"], "101.6": ["4", "5", "6.3"],
    "114.3": ["4", "5", "6.3", "8"], "139.7": ["4", "5", "6.3", "8"],
    "168.3": ["5", "6.3", "8", "10"], "193.7": ["5", "6.3", "8", "10"],
    "219.1": ["5", "6.3", "8", "10"], "244.5": ["6.3", "8", "10"], "273": ["6.3", "8", "10"],
    "323.9": ["6.3", "8", "10"],
}

EN10210_NOTE = [
    "Values are those of EN 10210-2 for hot-finished sections: computed by data/convert.py with",
    "the standard's formulas, as in the EN 10210 tables of the xc finite element library",
    "(xcfem/xc, python_modules/materials/sections/structural_shapes/aux/en_10210_*.json),",
    "against whose entries the computation is checked, and rounded to 4 significant digits",
    "(G to 3); G for steel of 7850 kg/m3.",
]


def shs():
    rows = []
    for side, walls in SHS_SIZES.items():
        for wall in walls:
            d, t = Decimal(side) / 10, Decimal(wall) / 10
            props = rectangular_hollow(float(d), float(d), float(t))
            rows.append((f"SHS{side}x{side}x{wall}", hollow_row(props, d, d, t, t)))
    return write_table("SHS.tsv", [
        "SHS, square hollow sections, hot finished (EN 10210-2), a selection of common sizes",
        "from SHS50x50x3 to SHS175x175x8.",
    ] + EN10210_NOTE + [
        "d = bf = side, tw = tf = wall thickness, r = inner corner radius (= t; the outer corner",
        "radius is 1.5 t), Z = plastic modulus about x.",
    ], rows)


def rhs():
    rows = []
    for (height, width), walls in RHS_SIZES.items():
        for wall in walls:
            d, bf, t = Decimal(height) / 10, Decimal(width) / 10, Decimal(wall) / 10
            props = rectangular_hollow(float(d), float(bf), float(t))
            rows.append((f"RHS{height}x{width}x{wall}", hollow_row(props, d, bf, t, t)))
    return write_table("RHS.tsv", [
        "RHS, rectangular hollow sections, hot finished (EN 10210-2), a selection of common",
        "sizes from RHS60x40x3 to RHS250x150x16.",
    ] + EN10210_NOTE + [
        "d = height, bf = width, tw = tf = wall thickness, r = inner corner radius (= t; the",
        "outer corner radius is 1.5 t), x axis parallel to the width (strong axis),",
        "Z = plastic modulus about x.",
    ], rows)


def chs():
    rows = []
    for diameter, walls in CHS_SIZES.items():
        for wall in walls:
            d, t = Decimal(diameter) / 10, Decimal(wall) / 10
            props = circular_hollow(float(d), float(t))
            rows.append((f"CHS{diameter}x{wall}", hollow_row(props, d, d, t, 0)))
    return write_table("CHS.tsv", [
        "CHS, circular hollow sections, hot finished (EN 10210-2), a selection of common sizes",
        "from CHS48.3x3.2 to CHS323.9x10.",
    ] + EN10210_NOTE + [
        "d = bf = outside diameter, tw = tf = wall thickness, r = 0, Z = plastic modulus.",
    ], rows)


# ---------------------------------------------------------------------------------------------
# Families without a published table at hand, derived from published ones.

def ipe_tees():
    """Tees cut from IPE sections at mid-depth, from the published IPE properties: half the area,
    weight and weak-axis inertia; the centroid from the plastic modulus (Z = 2 * (A/2) * c, c
    the distance of the tee's centroid from the cut); Ix by the parallel axis theorem."""
    data = load("arcelor_ipe_profiles.json")
    rows = []
    for key, entry in data.items():
        series, _, size = key.partition("_")
        if series != "IPE" or not size.isdigit():
            continue
        ipe = arcelor_i_section(entry)
        d = ipe["d"] / 2
        area = ipe["A"] / 2
        c = ipe["Z"] / ipe["A"]  # centroid of the tee from the cut (stem tip)
        ix = ipe["Ix"] / 2 - area * c * c
        iy = ipe["Iy"] / 2
        values = {
            "d": d, "bf": ipe["bf"], "tw": ipe["tw"], "tf": ipe["tf"], "r": ipe["r"], "r2": 0,
            "A": area, "G": Decimal(entry["P"]) / 2,
            "Ix": significant(float(ix)), "Sx": significant(float(ix / c)),
            "rx": significant(math.sqrt(ix / area), 3),
            "Iy": iy, "Sy": significant(float(2 * iy / ipe["bf"])), "ry": ipe["ry"],
            "ex": ipe["bf"] / 2, "ey": significant(float(d - c)), "Z": 0,
        }
        rows.append((f"IPET{d * 10:f}".rstrip("0").rstrip("."), values))
    return write_table("IPET.tsv", [
        "IPET, tees cut from IPE sections at mid-depth: IPET50 (from IPE100) to IPET300 (from",
        "IPE600); the name gives the tee's depth in mm.",
        "No published table was at hand: data/convert.py derives them from the published IPE",
        "properties (tables/IPE.tsv): A, G and Iy are halved; the centroid's distance c from the",
        "stem tip follows from the IPE plastic modulus (Z = A c); Ix = Ix(IPE)/2 - (A/2) c2.",
        "ey = distance of the centroid from the outer face of the flange, Sx = Ix / c (stem",
        "tip), Sy = 2 Iy / bf, ry as the IPE's, Z = 0 (not derived).",
    ], rows)


DOUBLE_ANGLE_GAP = Decimal(1)  # cm: a 10 mm gusset plate between the two angles


def double_angles():
    data = load("arcelor_l_profiles.json")
    rows = []
    for key, entry in data.items():
        b, t = entry["b"] * CM, entry["t"] * CM
        if not (4 <= b <= 15):
            continue
        e = entry["zs"] * ANGLE_E_TO_CM
        area = entry["A"] * CM2 * 2
        ix = entry["Iy"] * CM4 * 2
        arm = e + DOUBLE_ANGLE_GAP / 2
        iy = 2 * (entry["Iz"] * CM4 + entry["A"] * CM2 * arm * arm)
        width = 2 * b + DOUBLE_ANGLE_GAP
        values = {
            "d": b, "bf": width, "tw": t, "tf": t, "r": entry["r1"] * CM, "r2": entry["r2"] * CM,
            "A": area, "G": entry["P"] * 2,
            "Ix": ix, "Sx": entry["Wyel"] * CM3 * 2, "rx": entry["iy"] * CM,
            "Iy": significant(float(iy)), "Sy": significant(float(iy / (width / 2))),
            "ry": significant(math.sqrt(iy / area), 3),
            "ex": width / 2, "ey": e, "Z": 0,
        }
        rows.append(("2" + key, values))
    return write_table("2L.tsv", [
        "2L, pairs of equal leg angles back to back with a 10 mm gap (for a gusset plate),",
        "from 2L40x40x4 to 2L150x150x18.",
        "No published table was at hand: data/convert.py derives them from the published equal",
        "angles (tables/L.tsv): A, G, Ix and Sx are doubled, rx is the angle's; about the axis of",
        "symmetry Iy = 2 (Iy(L) + A(L) (e + 5 mm)2), Sy = Iy / (bf / 2).",
        "d = leg, bf = overall width (two legs and the gap), tw = tf = thickness, ex = bf / 2,",
        "ey = e (distance of the centroid from the back of the horizontal legs), Z = 0.",
    ], rows)


FAMILIES = [ipe, inp, hea, heb, hem, unp, l_equal, l_unequal, shs, rhs, chs, ipe_tees,
            double_angles]


def main():
    check_hollow_samples()
    for family in FAMILIES:
        rows = family()
        print(f"{family.__name__}: {len(rows)} rows")


if __name__ == "__main__":
    main()
