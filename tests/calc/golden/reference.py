#!/usr/bin/env python3
"""Independent reference of the slab calculation: writes golden_results.json, the exact stored singles.

Both code editions: JTG D60-2004 with JTG D62-2004, and JTG D60-2015 with JTG 3362-2018.

Written apart from the C++ core, from the formulas alone, so that the golden values cannot inherit a fault of
the core or of the compiler that builds it. The arithmetic rule: each formula is evaluated in double, rounded
to IEEE single (round to nearest even) when it is stored, and the next formula reads the stored single.
Regenerate after changing a design or a formula (the tests check that the committed file is this output):

    python3 tests/calc/golden/reference.py > tests/calc/golden/golden_results.json
"""

import json
import math
import struct
import sys


def single(value):
    """The stored single of a double: IEEE binary32, round to nearest even."""
    return struct.unpack("<f", struct.pack("<f", value))[0]


def single_text(value):
    """Nine significant digits identify a single uniquely."""
    return "%.9g" % value


def next_single_below(value):
    bits = struct.unpack("<I", struct.pack("<f", value))[0]
    return struct.unpack("<f", struct.pack("<I", bits - 1))[0]


# ---------------------------------------------------------------------------------------------------------
# Material and code tables of the two code editions; every table value is held as a single.
# Edition 2004: JTG D60-2004 with JTG D62-2004. Edition 2018: JTG D60-2015 with JTG 3362-2018.

BAR_GRADES = {  # fsd MPa, xiB, C1, Es MPa
    2004: {"R235": (195, 0.62, 1.4, 210000), "HRB335": (280, 0.56, 1.0, 200000),
           "HRB400": (330, 0.53, 1.0, 200000), "KL400": (330, 0.53, 1.0, 200000)},
    2018: {"HPB300": (250, 0.58, 1.4, 210000), "HRB400": (330, 0.53, 1.0, 200000),
           "HRBF400": (330, 0.53, 1.0, 200000), "RRB400": (330, 0.53, 1.0, 200000),
           "HRB500": (415, 0.49, 1.0, 200000)},
}
BAR_SIZES = {  # dBar mm: dOut mm, aBar cm2
    16: (17.5, 2.011), 18: (20, 2.545), 20: (22, 3.142), 22: (24, 3.801),
    25: (27, 4.909), 28: (30, 6.158), 32: (34.5, 8.042),
}
CONCRETE = {  # grade: fcd text, ftd text, fcu,k
    2004: {"C20": ("9.2", "1.06", 20), "C25": ("11.5", "1.23", 25), "C30": ("13.8", "1.39", 30),
           "C35": ("16.1", "1.52", 35), "C40": ("18.4", "1.65", 40)},
    2018: {"C25": ("11.5", "1.23", 25), "C30": ("13.8", "1.39", 30), "C35": ("16.1", "1.52", 35),
           "C40": ("18.4", "1.65", 40), "C45": ("20.5", "1.74", 45), "C50": ("22.4", "1.83", 50)},
}
STIRRUP_STRENGTH = {2004: {"R235": 195, "HRB335": 280}, 2018: {"HPB300": 250, "HRB400": 330}}
# Two-leg stirrup areas, cm2. Taken as singles like the bar areas; for 14, 16 and 18 mm this differs in the
# last place of Asv from dividing the decimal constant in double.
STIRRUP_AREA = {8: 1.006, 10: 1.57, 12: 2.262, 14: 3.078, 16: 4.022, 18: 5.09, 20: 6.284}
C2_2004, C3 = single(1.5), single(1.15)
# 2018: name and allowable crack width (mm) of each environment class.
ENVIRONMENTS_2018 = {
    "I类环境": ("一般环境", 0.2), "II类环境": ("冻融环境", 0.2), "III类环境": ("近海或海洋氯化物环境", 0.15),
    "IV类环境": ("除冰盐等其他氯化物环境", 0.15), "V类环境": ("盐结晶环境", 0.1),
    "VI类环境": ("化学腐蚀环境", 0.15), "VII类环境": ("磨蚀环境", 0.2),
}
SAFETY_CLASSES = {1: ("一级", 1.1), 2: ("二级", 1.0), 3: ("三级", 0.9)}  # name, structural importance γ0


def allowable_crack_width(edition, env_class):
    if edition == 2018:
        return single(ENVIRONMENTS_2018[env_class][1])
    return single(0.2) if env_class in ("I类环境", "II类环境") else single(0.15)


# The record's input texts before any edit.
DEFAULT_INPUT = {
    "CboSJHZ": "公路-I级", "CboHNTDJ": "C30", "txtHNTKY": "13.8", "txtHNTKL": "1.39", "CboZJDJ": "HRB335",
    "CboZJZJ": "25", "txtZJGS": "14", "txtGBRZ": "25", "txtTRZ": "18", "CboHJLB": "I类环境", "txtTTG": "22",
    "txtPZH": "8", "txtBCH": "9", "txtPZRZ": "25", "txtBCRZ": "23", "txtJBHZ": "10", "txtJBHZKD": "2",
    "txtJZL": "10", "txtBDH": "108", "txtBZH": "113", "txtGBK": "0.99", "txtJKJ": "3.5", "txtGZCD": "0.3",
    "txtJSKJ": "3.8", "txtBHC": "3",
}
# Switching to the 2018 edition keeps C30 and I类环境 and replaces HRB335, which that edition lacks, by its
# default HRB400.
DEFAULT_INPUT_2018 = dict(DEFAULT_INPUT, CboZJDJ="HRB400")

SINGLE_FIELDS = [
    "H", "L0", "L", "Lseat", "d1", "d2", "b", "c", "dBar", "fcd", "ftd", "gammaSlab", "gammaSoil", "H1", "H2",
    "gammaPave", "gammaSurf", "qK", "qKc", "PK", "gamma0", "dOut", "aBar", "fsd", "xiB", "C1", "Es", "C2",
    "C3", "Wlim", "q", "g", "M1", "V1", "La", "Lb", "P", "p", "M2", "V2", "M3", "V3", "gamma0Md", "gamma0Vd",
    "impact", "Ms", "Ml", "h0", "x0", "As0", "As", "x", "Mu", "Vc", "rhoPct", "rho", "sigmaSs", "Wfk", "Vmax",
    "aS", "rhoTe0", "rhoTe", "cw", "dSv", "Asv", "rhoSv", "Vcs",
]
INTEGER_FIELDS = ["nBars", "safetyClass", "fcukGrade", "sv", "fcuk", "fsv"]
TEXT_FIELDS = ["loadLevel", "concreteGrade", "barGrade", "envClass", "stirrupGrade", "safetyName", "envName"]
FLAG_FIELDS = ["isBuried", "isOpen", "isCustom"]


def fresh_record():
    """The record after the main window has loaded: zeros, empty texts, and the crack factors C2, C3."""
    r = {name: 0.0 for name in SINGLE_FIELDS}
    r.update({name: 0 for name in INTEGER_FIELDS})
    r.update({name: "" for name in TEXT_FIELDS})
    r.update({name: False for name in FLAG_FIELDS})
    r["edition"] = 2004
    r["C2"], r["C3"] = C2_2004, C3
    return r


# ---------------------------------------------------------------------------------------------------------
# Input snapshot: each text converted to double (correctly rounded), then stored as a single.

def number(text):
    return single(float(text))


def half_even(text):
    return round(float(text))  # Python rounds halves to the even number


def snapshot(inp, slab_type, edition, safety_class):
    r = fresh_record()
    r["edition"] = edition
    r["isBuried"], r["isOpen"], r["isCustom"] = (slab_type == t for t in ("Buried", "Open", "Custom"))
    for field, text in [("H", "txtTTG"), ("L0", "txtJKJ"), ("d1", "txtBDH"), ("d2", "txtBZH"),
                        ("b", "txtGBK"), ("L", "txtJSKJ"), ("Lseat", "txtGZCD"), ("dBar", "CboZJZJ")]:
        r[field] = number(inp[text])
    r["nBars"] = half_even(inp["txtZJGS"])
    r["loadLevel"], r["concreteGrade"] = inp["CboSJHZ"], inp["CboHNTDJ"]
    for field, text in [("H1", "txtPZH"), ("H2", "txtBCH"), ("gammaPave", "txtPZRZ"),
                        ("gammaSurf", "txtBCRZ"), ("qK", "txtJBHZ"), ("qKc", "txtJBHZKD"), ("PK", "txtJZL")]:
        r[field] = number(inp[text])
    d_out, a_bar = BAR_SIZES[int(inp["CboZJZJ"])]
    r["dOut"], r["aBar"] = single(d_out), single(a_bar)
    r["c"] = number(inp["txtBHC"])
    r["h0"] = single((r["d1"] - r["c"] - r["dOut"] / 10 / 2) / 100)
    r["fcd"], r["ftd"] = number(inp["txtHNTKY"]), number(inp["txtHNTKL"])
    r["fsd"], r["xiB"], r["C1"], r["Es"] = (single(v) for v in BAR_GRADES[edition][inp["CboZJDJ"]])
    r["barGrade"] = inp["CboZJDJ"]
    r["Wlim"], r["envClass"] = allowable_crack_width(edition, inp["CboHJLB"]), inp["CboHJLB"]
    r["gammaSoil"], r["gammaSlab"] = number(inp["txtTRZ"]), number(inp["txtGBRZ"])
    if edition == 2018:
        r["safetyClass"] = safety_class
        r["safetyName"], gamma0 = SAFETY_CLASSES[safety_class]
        r["gamma0"] = single(gamma0)
        r["fcukGrade"] = CONCRETE[2018][inp["CboHNTDJ"]][2]
        r["envName"] = ENVIRONMENTS_2018[inp["CboHJLB"]][0]
    return r


# ---------------------------------------------------------------------------------------------------------
# Loads and internal forces, simply supported slab: moments over L, shears at the wall face over the clear
# span L0. The 2004 edition stores the pressure of an open culvert's wheel with its impact factor; the 2018
# edition stores static effects and applies the impact in the basic combination only.

FILL_AXLES_JOIN = single(1.0392)    # m of fill where the spread areas of the rear axles meet
FILL_VEHICLE_JOINS = single(5.889)  # m of fill where the spread area reaches the front axle


def centred_load(r, pressure, a):
    """Moment at midspan and shear at the wall face of a load spread over `a` centred at midspan."""
    L, L0 = r["L"], r["L0"]
    if a < L:
        return single(pressure * a * (L - a / 2) / 4), single(pressure * a * (L0 - a / 2) / L0)
    return single(pressure * L ** 2 / 8), single(pressure * L0 / 2)


def self_weight(r):
    return single((r["d1"] + r["d2"]) / 100 / 2 * r["b"] * r["gammaSlab"])


def loads(r):
    if r["isCustom"]:
        r["M1"], r["V1"] = centred_load(r, r["qK"], r["qKc"])
        r["M2"] = single(r["PK"] / 2 * r["L"] / 2)
        r["V2"] = single(r["PK"] / 2)
        r["g"] = self_weight(r)
        r["M3"] = single(r["g"] * r["L"] ** 2 / 8)
        r["V3"] = single(r["g"] * r["L0"] / 2)
    else:
        permanent_actions(r)
        vehicle_actions(r)
    if r["edition"] == 2018:
        combine_2018(r)
    else:
        combine_2004(r)


def permanent_actions(r):
    if r["isBuried"]:
        r["q"] = single(r["gammaSoil"] * r["H"] * r["b"])
    else:
        r["q"] = single((r["H1"] * r["gammaPave"] + r["H2"] * r["gammaSurf"]) / 100 * r["b"])
    r["g"] = self_weight(r)
    r["M1"] = single((r["q"] + r["g"]) * r["L"] ** 2 / 8)
    r["V1"] = single((r["q"] + r["g"]) * r["L0"] / 2)


def vehicle_actions(r):
    """The 550 kN vehicle of both editions, spread through the fill at 30° (2·tan 30° = 1.1547)."""
    if r["isBuried"]:
        H = r["H"]
        if H < FILL_AXLES_JOIN:
            r["La"], r["Lb"], r["P"] = single(0.2 + 1.1547 * H), single(0.6 + 1.1547 * H), single(140 / 2)
        elif H < FILL_VEHICLE_JOINS:
            r["La"], r["Lb"], r["P"] = single(1.6 + 1.1547 * H), single(2.4 + 1.1547 * H), single(280)
        else:
            r["La"], r["Lb"], r["P"] = single(13 + 1.1547 * H), single(2.4 + 1.1547 * H), single(550)
    else:
        r["La"], r["Lb"], r["P"] = single(0.2), single(0.6), single(140 / 2)
    r["p"] = single(r["P"] / r["La"] / r["Lb"])
    if r["isOpen"] and r["edition"] == 2004:  # 2004: the impact factor is part of the stored pressure
        r["p"] = single(r["p"] * (1.0 + 0.3))
    r["M2"], r["V2"] = centred_load(r, r["p"], r["La"])


def combine_2004(r):
    """Importance 0.9; permanent 1.2, vehicle 1.4; a user-defined load counts as permanent."""
    if r["isCustom"]:
        r["gamma0Md"] = single(0.9 * 1.2 * (r["M1"] + r["M2"] + r["M3"]))
        r["gamma0Vd"] = single(0.9 * 1.2 * (r["V1"] + r["V2"] + r["V3"]))
        return
    r["gamma0Md"] = single((1.2 * r["M1"] + 1.4 * r["M2"]) * 0.9)
    r["gamma0Vd"] = single((1.2 * r["V1"] + 1.4 * r["V2"]) * 0.9)


def combine_2018(r):
    """Basic combination: permanent 1.2, vehicle 1.8 with impact 1+μ; the concentrated force of a custom
    load is a vehicle action without impact. Frequent (ψf 0.7) and quasi-permanent (ψq 0.4) moments
    without impact."""
    if r["isCustom"]:
        r["gamma0Md"] = single((1.2 * (r["M1"] + r["M3"]) + 1.8 * r["M2"]) * r["gamma0"])
        r["gamma0Vd"] = single((1.2 * (r["V1"] + r["V3"]) + 1.8 * r["V2"]) * r["gamma0"])
        r["Ms"] = single(r["M1"] + r["M3"] + 0.7 * r["M2"])
        r["Ml"] = single(r["M1"] + r["M3"] + 0.4 * r["M2"])
        return
    r["impact"] = single(1.3) if r["isOpen"] else single(1)  # no impact under 0.5 m of fill or more
    r["gamma0Md"] = single((1.2 * r["M1"] + 1.8 * r["impact"] * r["M2"]) * r["gamma0"])
    r["gamma0Vd"] = single((1.2 * r["V1"] + 1.8 * r["impact"] * r["V2"]) * r["gamma0"])
    r["Ms"] = single(r["M1"] + 0.7 * r["M2"])
    r["Ml"] = single(r["M1"] + 0.4 * r["M2"])


# ---------------------------------------------------------------------------------------------------------
# Section design and the five checks; the 2018 edition adds the section's upper limit in shear and computes
# the crack width from the frequent moment.

def section(r):
    discriminant = r["h0"] ** 2 - 2 * 1.25 * r["gamma0Md"] / r["fcd"] / r["b"] / 1000
    if discriminant >= 0:
        r["x0"] = single(r["h0"] - math.sqrt(discriminant))
        r["As0"] = single(r["fcd"] * r["x0"] * r["b"] / r["fsd"])
    else:  # no real compression zone: the core stores 0 for both
        r["x0"], r["As0"] = 0.0, 0.0
    r["As"] = single(r["nBars"] * r["aBar"] / 10000)
    r["x"] = single(r["fsd"] * r["As"] / r["fcd"] / r["b"])
    r["Mu"] = single(r["fcd"] * r["x"] * (r["h0"] - r["x"] / 2) * 1000 * r["b"])
    r["Vc"] = single(1.25 * 0.0005 * r["ftd"] * r["h0"] * r["b"] * 1000 * 1000)
    r["rhoPct"] = single(100 * r["As"] / r["b"] / r["h0"])
    if r["edition"] == 2018:
        crack_width_and_upper_limit_2018(r)
        return
    ratio = single(r["rhoPct"] / 100)
    r["rho"] = single(0.02) if ratio > single(0.02) else single(0.006) if ratio < single(0.006) else ratio
    r["sigmaSs"] = single(r["gamma0Md"] / 0.87 / r["As"] / r["h0"] / 1000)
    r["Wfk"] = single(r["C1"] * r["C2"] * r["C3"] * r["sigmaSs"] / r["Es"] * (30 + r["dBar"]) /
                      (0.28 + 10 * r["rho"]))


def crack_width_and_upper_limit_2018(r):
    """JTG 3362-2018 5.2.11 (upper limit of the section in shear) and 6.4.3-6.4.5 (crack width under the
    frequent combination with the long-term factor C2)."""
    r["Vmax"] = single(0.00051 * math.sqrt(r["fcukGrade"]) * r["h0"] * r["b"] * 1000 * 1000)
    r["aS"] = single((r["c"] + r["dOut"] / 10 / 2) / 100)
    r["rhoTe0"] = single(r["As"] / (2 * r["aS"] * r["b"]))
    low, high = single(0.01), single(0.1)
    r["rhoTe"] = high if r["rhoTe0"] > high else low if r["rhoTe0"] < low else r["rhoTe0"]
    r["cw"] = single(50) if r["c"] * 10 > 50 else single(r["c"] * 10)
    r["sigmaSs"] = single(r["Ms"] / 0.87 / r["As"] / r["h0"] / 1000)
    r["C2"] = single(1 + 0.5 * r["Ml"] / r["Ms"])
    r["Wfk"] = single(r["C1"] * r["C2"] * r["C3"] * r["sigmaSs"] / r["Es"] * (r["cw"] + r["dBar"]) /
                      (0.36 + 1.7 * r["rhoTe"]))


def verdicts(r):
    percentage = 100 * r["As"] / (r["b"] * r["h0"])
    shear = r["Vc"] >= r["gamma0Vd"]
    if r["edition"] == 2018:
        shear = shear and r["Vmax"] >= r["gamma0Vd"]
    return {
        "CompressionZone": r["x"] <= single(r["xiB"] * r["h0"]),
        "MinimumReinforcement": single(percentage) >= single(45 * r["ftd"] / r["fsd"]) and percentage >= 0.2,
        "FlexuralCapacity": r["Mu"] >= r["gamma0Md"],
        "CrackWidth": r["Wfk"] <= r["Wlim"],
        "Shear": shear,
    }


def stirrups(r, grade, diameter, spacing):
    """The stirrup dialog: load, choose grade and diameter, type the spacing, press. α1·α2·α3·0.45e-3 with
    α3 = 1.1 (JTG D62-2004 5.2.7) or 1.0 for a rectangular section (JTG 3362-2018 5.2.9)."""
    edition = r["edition"]
    r["stirrupGrade"] = grade
    r["dSv"] = number(diameter)
    r["sv"] = half_even(spacing)
    r["fcuk"] = CONCRETE[edition][r["concreteGrade"]][2]
    r["Asv"] = single(single(STIRRUP_AREA[int(diameter)]) / 10000)
    r["rhoSv"] = single(r["Asv"] / (r["sv"] / 100) / r["b"])
    r["fsv"] = STIRRUP_STRENGTH[edition][grade]
    factor = 2 + 0.6 * 2.5 if r["rhoPct"] > 2.5 else 2 + 0.6 * r["rhoPct"]
    coefficient = 0.00045 if edition == 2018 else 0.000495
    r["Vcs"] = single((r["b"] * coefficient * 1000 * r["h0"] * 1000) *
                      math.sqrt(factor * math.sqrt(r["fcuk"]) * r["rhoSv"] * r["fsv"]))


# ---------------------------------------------------------------------------------------------------------
# The designs: each is the default record with a few texts edited.

def grade(name, edition=2004):
    """A concrete grade as the list's selection handling enters it, with its two strengths."""
    fcd, ftd, _ = CONCRETE[edition][name]
    return {"CboHNTDJ": name, "txtHNTKY": fcd, "txtHNTKL": ftd}


BELOW_AXLES_JOIN = single_text(next_single_below(FILL_AXLES_JOIN))
BELOW_VEHICLE_JOINS = single_text(next_single_below(FILL_VEHICLE_JOINS))
THIN_DEEPLY_BURIED = {"txtBDH": "20", "txtBZH": "20", "txtTTG": "10"}

DESIGNS = [
    # (name, slab type, edits, stirrups (grade, diameter, spacing) or None)
    ("buried defaults", "Buried", {}, None),
    ("open defaults", "Open", {}, None),
    ("custom defaults", "Custom", {}, None),
    # Fill bands of the buried type: limits are single-precision values compared with the stored H.
    ("buried fill 0.5 m, the least accepted", "Buried", {"txtTTG": "0.5"}, None),
    ("buried fill 1 m, one wheel", "Buried", {"txtTTG": "1"}, None),
    ("buried fill one place below the axles limit", "Buried", {"txtTTG": BELOW_AXLES_JOIN}, None),
    ("buried fill at the axles limit 1.0392", "Buried", {"txtTTG": "1.0392"}, None),
    ("buried fill 2 m, rear axles over the full span", "Buried", {"txtTTG": "2"}, None),
    ("buried fill one place below the vehicle limit", "Buried", {"txtTTG": BELOW_VEHICLE_JOINS}, None),
    ("buried fill at the vehicle limit 5.889", "Buried", {"txtTTG": "5.889"}, None),
    ("buried fill 60 m", "Buried", {"txtTTG": "60", "txtBDH": "250", "txtBZH": "250", "txtZJGS": "40"}, None),
    ("buried long span, partial wheel load", "Buried",
     {"txtTTG": "0.75", "txtJKJ": "6", "txtJSKJ": "6.3", "txtBDH": "45", "txtBZH": "50"}, None),
    # Sections.
    ("no real compression zone", "Buried", THIN_DEEPLY_BURIED, None),
    ("custom without a real compression zone", "Custom",
     {"txtBDH": "15", "txtBZH": "15", "txtJBHZ": "400", "txtJBHZKD": "3"}, None),
    ("compression zone too high", "Buried",
     {"txtBDH": "40", "txtBZH": "40", "CboZJZJ": "32", "txtZJGS": "30", "txtTTG": "10"},
     ("R235", "10", "10")),
    ("four bars: below both minimum percentages", "Buried", {"txtZJGS": "4"}, None),
    ("five bars in C40: above 0.2 % but below 45 ftd/fsd", "Buried", {"txtZJGS": "5", **grade("C40")}, None),
    ("flexural capacity short", "Buried", {"txtZJGS": "6", "txtTTG": "30"}, ("HRB335", "12", "15")),
    ("crack width over the class III limit", "Buried", {"CboHJLB": "III类环境"}, None),
    ("shear short under 30 m of fill", "Buried", {"txtTTG": "30"}, ("R235", "10", "10")),
    ("shear short with more than 2.5 % steel", "Buried",
     {"txtTTG": "30", "txtBDH": "60", "txtBZH": "60", "CboZJZJ": "32", "txtZJGS": "36"},
     ("HRB335", "16", "12.5")),
    # Custom loads.
    ("custom load covering exactly the span", "Custom", {"txtJBHZKD": "3.8"}, None),
    ("custom load longer than the span", "Custom", {"txtJBHZKD": "5"}, None),
    ("custom without a concentrated force", "Custom", {"txtJZL": "0"}, None),
    ("custom without a uniform load", "Custom", {"txtJBHZ": "0", "txtJBHZKD": "0"}, None),
    ("custom heavy partial load", "Custom", {"txtJBHZ": "125.5", "txtJBHZKD": "1.3", "txtJZL": "240"}, None),
    # Open type.
    ("open thick pavement", "Open",
     {"txtPZH": "20", "txtBCH": "12.5", "txtPZRZ": "24", "txtBCRZ": "22"}, None),
    ("open span shorter than the wheel", "Open",
     {"txtJKJ": "0.1", "txtJSKJ": "0.2", "txtGZCD": "0.05"}, None),
    # Materials and classes.
    ("R235 bars", "Buried", {"CboZJDJ": "R235", "CboZJZJ": "16", "txtZJGS": "30"}, None),
    ("KL400 bars", "Buried", {"CboZJDJ": "KL400", "CboZJZJ": "28"}, None),
    ("HRB400 bars in C35", "Open", {"CboZJDJ": "HRB400", "CboZJZJ": "20", **grade("C35")}, None),
    ("C20 with 18 mm bars", "Buried", {"CboZJZJ": "18", "txtZJGS": "20", **grade("C20")}, None),
    ("C25 with 22 mm bars", "Custom", {"CboZJZJ": "22", "txtZJGS": "9", **grade("C25")}, None),
    ("environment class II", "Buried", {"CboHJLB": "II类环境"}, None),
    ("environment class IV", "Open", {"CboHJLB": "IV类环境", "CboSJHZ": "公路-II级"}, None),
    # Texts at the edges of the conversions: halves of the bar count, exponents, unlocked values.
    ("bar count 14.5 rounds to 14", "Buried", {"txtZJGS": "14.5"}, None),
    ("bar count 15.5 rounds to 16", "Buried", {"txtZJGS": "15.5"}, None),
    ("edited strengths, weights and width", "Buried",
     {"txtHNTKY": "14.3", "txtHNTKL": "1.43", "txtGBRZ": "26", "txtTRZ": "19.5", "txtGBK": "1.25",
      "txtBHC": "2.5", "txtTTG": "3.7e0"}, None),
    ("wide slab on a long span", "Buried",
     {"txtGBK": "1.49", "txtJKJ": "5.25", "txtGZCD": "0.35", "txtJSKJ": "5.6", "txtTTG": "4.25",
      "txtBDH": "62", "txtBZH": "66", "CboZJZJ": "28", "txtZJGS": "18"}, None),
    ("open culvert of short span", "Open",
     {"txtJKJ": "1.5", "txtJSKJ": "1.75", "txtBDH": "25", "txtBZH": "27", "CboZJZJ": "16",
      "txtZJGS": "10"}, None),
]


# Designs under the 2018 edition: (name, slab type, safety class, edits, stirrups or None). Each satisfies the
# edition's extra input checks (grade against bar grade and environment, cover against environment and bar).
OPEN_SHORT_THIN = {"txtJKJ": "2", "txtGZCD": "0.25", "txtBDH": "30", "txtBZH": "30", "txtJSKJ": "2.25",
                   "CboZJZJ": "20", "txtZJGS": "12"}
DESIGNS_2018 = [
    ("2018 buried defaults", "Buried", 2, {}, None),
    ("2018 buried defaults, safety class 1", "Buried", 1, {}, None),
    ("2018 buried defaults, safety class 3", "Buried", 3, {}, None),
    ("2018 open defaults", "Open", 2, {}, None),
    ("2018 custom defaults", "Custom", 2, {}, None),
    ("2018 buried fill 0.5 m", "Buried", 2, {"txtTTG": "0.5"}, None),
    ("2018 buried fill 2 m", "Buried", 3, {"txtTTG": "2"}, None),
    ("2018 buried fill at the vehicle limit 5.889", "Buried", 2, {"txtTTG": "5.889"}, None),
    ("2018 open short thin slab needing stirrups", "Open", 2, OPEN_SHORT_THIN, ("HPB300", "10", "10")),
    ("2018 open stirrups of HRB400", "Open", 1, OPEN_SHORT_THIN, ("HRB400", "16", "12.5")),
    ("2018 custom HPB300, safety class 1", "Custom", 1, {"CboZJDJ": "HPB300", "CboZJZJ": "20"}, None),
    ("2018 custom load covering the span", "Custom", 3,
     {"txtJBHZ": "35", "txtJBHZKD": "4", "txtJZL": "0"}, None),
    ("2018 section upper limit short", "Buried", 2, {"txtBDH": "30", "txtBZH": "30"}, None),
    ("2018 crack width over the class V limit", "Buried", 2, {"CboHJLB": "V类环境", **grade("C35", 2018)}, None),
    ("2018 class II in C35", "Open", 2, {"CboHJLB": "II类环境", **grade("C35", 2018)}, None),
    ("2018 class IV, HRBF400", "Buried", 2,
     {"CboHJLB": "IV类环境", "CboZJDJ": "HRBF400", **grade("C40", 2018)}, None),
    ("2018 class VI, RRB400", "Custom", 2,
     {"CboHJLB": "VI类环境", "CboZJDJ": "RRB400", **grade("C45", 2018)}, None),
    ("2018 class VII, HRB500 in C50", "Buried", 1,
     {"CboHJLB": "VII类环境", "CboZJDJ": "HRB500", "CboZJZJ": "28", **grade("C50", 2018)}, None),
    ("2018 cover above 50 mm", "Buried", 2, {"txtBHC": "6", "txtBDH": "115"}, None),
    ("2018 effective ratio below 0.01", "Buried", 2,
     {"CboZJZJ": "16", "txtZJGS": "3", "txtTTG": "3"}, None),
    ("2018 effective ratio above 0.1", "Buried", 2,
     {"CboZJZJ": "32", "txtZJGS": "30", "txtBHC": "3.5", "txtBDH": "60", "txtBZH": "60", "txtTTG": "30"},
     ("HRB400", "12", "10")),
    ("2018 four bars: below both minimum percentages", "Open", 2, {"txtZJGS": "4"}, None),
]


def calculate(slab_type, edits, edition=2004, safety_class=2):
    inp = dict(DEFAULT_INPUT_2018 if edition == 2018 else DEFAULT_INPUT, **edits)
    r = snapshot(inp, slab_type, edition, safety_class)
    loads(r)
    section(r)
    return r


def golden_entry(name, slab_type, edits, stirrup, edition=2004, safety_class=2):
    r = calculate(slab_type, edits, edition, safety_class)
    entry = {"name": name, "slabType": slab_type}
    if edition == 2018:
        entry.update(edition=edition, safetyClass=safety_class)
    entry["edits"] = edits
    outcome = verdicts(r)
    if stirrup is not None:
        assert not outcome["Shear"], name + ": stirrups are designed only when the shear check fails"
        assert edition == 2004 or r["Vmax"] >= r["gamma0Vd"], name + ": no stirrups beyond the upper limit"
        entry["stirrup"] = dict(zip(("grade", "diameter", "spacing"), stirrup))
        stirrups(r, *stirrup)
    for value in (r[f] for f in SINGLE_FIELDS):
        assert single(value) == value and math.isfinite(value), name
    entry["singles"] = {f: single_text(r[f]) for f in SINGLE_FIELDS}
    entry["integers"] = {f: r[f] for f in INTEGER_FIELDS}
    entry["texts"] = {f: r[f] for f in TEXT_FIELDS}
    entry["flags"] = {f: r[f] for f in FLAG_FIELDS}
    entry["verdicts"] = outcome
    return entry


def golden_text():
    entries = [golden_entry(*design) for design in DESIGNS]
    entries += [golden_entry(name, slab_type, edits, stirrup, 2018, safety_class)
                for name, slab_type, safety_class, edits, stirrup in DESIGNS_2018]
    # The designs must keep reaching what they are chosen for: every check fails somewhere, all three
    # fill bands occur, the trial zone without a real value occurs, and the stirrup dialog runs.
    for edition in (2004, 2018):
        for check in entries[0]["verdicts"]:
            assert any(not e["verdicts"][check] for e in entries if e.get("edition", 2004) == edition), \
                "no design of %d fails %s" % (edition, check)
    assert {e["singles"]["P"] for e in entries if e["slabType"] == "Buried"} >= {"70", "280", "550"}
    assert any(e["singles"]["x0"] == "0" for e in entries)
    assert any("stirrup" in e for e in entries)
    # Each part of a design on one line, so that a change reads as a small diff.
    designs = []
    for entry in entries:
        parts = ",\n  ".join("%s: %s" % (json.dumps(key), json.dumps(value, ensure_ascii=False))
                              for key, value in entry.items())
        designs.append("{\n  " + parts + "\n}")
    header = '{\n"generator": "tests/calc/golden/reference.py",\n"designs": [\n'
    return header + ",\n".join(designs) + "\n]\n}\n"


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        with open(sys.argv[2], encoding="utf-8") as committed:
            if committed.read() != golden_text():
                print(sys.argv[2] + " is not what reference.py generates; regenerate it as its top says")
                return 1
        return 0
    sys.stdout.write(golden_text())
    return 0


if __name__ == "__main__":
    sys.exit(main())
