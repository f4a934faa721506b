#!/usr/bin/env python3
"""Writes a CSV of fictitious attributes for the parcels of a registry map
(地図XML), so that a real map can be painted by every sample palette.

usage: make_attrs.py MAP.xml OUT.csv [SEED]"""

import csv
import random
import sys
import xml.etree.ElementTree as ET

from sample_attrs import CSV_HEADER, parcel_row, ring_area

NS = {"m": "http://www.moj.go.jp/MINJI/tizuxml", "z": "http://www.moj.go.jp/MINJI/tizuzumen"}
Z = "{%s}" % NS["z"]


def parcels(path):
    """(地番, 座標面積) of each 筆, in file order."""
    root = ET.parse(path).getroot()
    points = {p.get("id"): (float(p.find(".//z:X", NS).text), float(p.find(".//z:Y", NS).text))
              for p in root.iter(Z + "GM_Point")}
    curves = {}
    for c in root.iter(Z + "GM_Curve"):
        seq = []
        for col in c.iter(Z + "GM_PointArray.column"):
            direct = col.find("z:GM_Position.direct", NS)
            if direct is not None:
                seq.append((float(direct.find("z:X", NS).text), float(direct.find("z:Y", NS).text)))
            else:
                seq.append(points[col.find(".//z:GM_PointRef.point", NS).get("idref")])
        curves[c.get("id")] = seq
    surfaces = {}
    for s in root.iter(Z + "GM_Surface"):
        exterior = s.find(".//z:GM_SurfaceBoundary.exterior", NS)
        ring = []
        for g in exterior.iter(Z + "GM_CompositeCurve.generator"):
            ring += curves[g.get("idref")][0 if not ring else 1:]
        surfaces[s.get("id")] = ring
    for hitsu in root.iter("{%s}筆" % NS["m"]):
        chiban = hitsu.find("m:地番", NS).text
        ring = surfaces[hitsu.find("m:形状", NS).get("idref")]
        yield chiban, ring_area(ring)


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) == 4 else 20261205)
    categories = ["宅地"] * 5 + ["畑"] * 3 + ["田"] * 2 + ["山林"] * 3 + ["原野", "雑種地", "公衆用道路"]
    with open(sys.argv[2], "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(CSV_HEADER)
        for number, (chiban, area) in enumerate(parcels(sys.argv[1]), start=1):
            writer.writerow(parcel_row(rng, number, chiban, area, rng.choice(categories)))


if __name__ == "__main__":
    main()
