#!/usr/bin/env python3
"""Generates the bundled sample: a made-up town of a few hundred parcels in
the registry's map XML format (town.xml), its attribute CSV, a code book and
a palette box in JSON, all from a fixed seed so the files never change.

usage: make_sample.py [OUT_DIR]   (default: the folder of this script)"""

import csv
import json
import os
import random
import sys

from sample_attrs import CSV_HEADER, PERSONS, chimoku_code, code_book_rows, parcel_row, ring_area

SEED = 20261205
SCALE = 500
ORIGIN_X, ORIGIN_Y = -36000.0, -12000.0  # northing, easting of the town's south-west corner
ROAD = 8.0

OAZA = {1: "本町", 2: "新町", 3: "川原", 4: "山手"}
KOAZA = {(1, 1): "宮前", (1, 2): "寺前", (2, 1): "松ケ丘", (2, 2): "竹ノ内",
         (3, 1): "川端", (3, 2): "中島", (4, 1): "上ノ原", (4, 2): "下ノ原"}

# Land categories each 大字 is mostly made of, with weights.
CATEGORIES = {
    1: [("宅地", 8), ("雑種地", 1), ("境内地", 1), ("公衆用道路", 1)],
    2: [("宅地", 6), ("公園", 1), ("学校用地", 1), ("雑種地", 2)],
    3: [("田", 6), ("畑", 3), ("宅地", 2), ("用悪水路", 1), ("ため池", 1)],
    4: [("山林", 6), ("畑", 2), ("原野", 2), ("墓地", 1), ("保安林", 1)],
}


def oaza_of(col, row, cols, rows):
    """The town's quarters: 山手 north, 川原 south, 本町 and 新町 between."""
    if row >= rows - 1:
        return 4
    if row == 0:
        return 3
    return 1 if col < cols // 2 else 2


def block_parcels(rng, west, south, width, height):
    """Cuts one block into two rows of parcels that share their middle line.
    Rings are lists of (northing, easting), closed."""
    splits = []
    for _ in range(2):
        count = rng.randint(3, 7)
        cuts = sorted(rng.uniform(0.12, 0.88) * width for _ in range(count - 1))
        cuts = [c for i, c in enumerate(cuts) if i == 0 or c - cuts[i - 1] > 9.0]
        splits.append([0.0] + [round(c, 3) for c in cuts] + [width])
    middle_e = sorted(set(splits[0] + splits[1]))
    middle = {e: round(height / 2 + rng.uniform(-5.0, 5.0), 3) for e in middle_e}
    rings = []
    for row, cuts in enumerate(splits):
        for a, b in zip(cuts, cuts[1:]):
            inner = [e for e in middle_e if a <= e <= b]
            if row == 0:  # south row: along the block edge, back along the middle line
                pts = [(0.0, a), (0.0, b)] + [(middle[e], e) for e in reversed(inner)]
            else:  # north row: along the middle line, back along the block edge
                pts = [(middle[e], e) for e in inner] + [(height, b), (height, a)]
            ring = [(round(south + n, 3), round(west + e, 3)) for n, e in pts]
            rings.append((row, ring + [ring[0]]))
    return rings


def weighted(rng, choices):
    return rng.choices([c for c, _ in choices], weights=[w for _, w in choices])[0]


def make_town(rng):
    cols, rows = 7, 6
    widths = [rng.uniform(70, 100) for _ in range(cols)]
    heights = [rng.uniform(50, 70) for _ in range(rows)]
    parcels = []
    block_no = 0
    south = ORIGIN_X
    for row in range(rows):
        west = ORIGIN_Y
        for col in range(cols):
            block_no += 1
            oaza = oaza_of(col, row, cols, rows)
            koaza = 1 if (col + row) % 2 == 0 else 2
            for k, (half, ring) in enumerate(block_parcels(rng, west, south, widths[col], heights[row])):
                parcels.append({"chiban": f"{block_no}-{k + 1}", "oaza": oaza, "koaza": koaza,
                                "ring": ring, "category": weighted(rng, CATEGORIES[oaza])})
            west += widths[col] + ROAD
        south += heights[row] + ROAD
    return parcels


def map_xml(parcels):
    """The town in the registry's map XML: points, two-point curves by point
    reference, one surface per parcel, one 筆 per parcel, one map sheet."""
    point_ids = {}
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<地図 xmlns="http://www.moj.go.jp/MINJI/tizuxml" '
             'xmlns:zmn="http://www.moj.go.jp/MINJI/tizuzumen">',
             "\t<version>ver1.0</version>", "\t<地図名>見本町全図（生成データ）</地図名>",
             "\t<市区町村コード>99999</市区町村コード>", "\t<市区町村名>見本郡見本町</市区町村名>",
             "\t<座標系>公共座標9系</座標系>", "\t<空間属性>"]
    for p in parcels:
        for point in p["ring"][:-1]:
            if point not in point_ids:
                point_ids[point] = f"P{len(point_ids) + 1:09d}"
                lines += [f'\t\t<zmn:GM_Point id="{point_ids[point]}">',
                          "\t\t\t<zmn:GM_Point.position>", "\t\t\t\t<zmn:DirectPosition>",
                          f"\t\t\t\t\t<zmn:X>{point[0]:.3f}</zmn:X>",
                          f"\t\t\t\t\t<zmn:Y>{point[1]:.3f}</zmn:Y>",
                          "\t\t\t\t</zmn:DirectPosition>", "\t\t\t</zmn:GM_Point.position>",
                          "\t\t</zmn:GM_Point>"]
    curve_no = 0
    for i, p in enumerate(parcels):
        p["curves"] = []
        for a, b in zip(p["ring"], p["ring"][1:]):
            curve_no += 1
            cid = f"C{curve_no:09d}"
            p["curves"].append(cid)
            lines += [f'\t\t<zmn:GM_Curve id="{cid}">',
                      "\t\t\t<zmn:GM_OrientablePrimitive.orientation>+</zmn:GM_OrientablePrimitive.orientation>",
                      "\t\t\t<zmn:GM_Curve.segment>", "\t\t\t\t<zmn:GM_LineString>",
                      "\t\t\t\t\t<zmn:GM_LineString.controlPoint>"]
            for point in (a, b):
                lines += ["\t\t\t\t\t\t<zmn:GM_PointArray.column>",
                          "\t\t\t\t\t\t\t<zmn:GM_Position.indirect>",
                          f'\t\t\t\t\t\t\t\t<zmn:GM_PointRef.point idref="{point_ids[point]}"/>',
                          "\t\t\t\t\t\t\t</zmn:GM_Position.indirect>",
                          "\t\t\t\t\t\t</zmn:GM_PointArray.column>"]
            lines += ["\t\t\t\t\t</zmn:GM_LineString.controlPoint>", "\t\t\t\t</zmn:GM_LineString>",
                      "\t\t\t</zmn:GM_Curve.segment>", "\t\t</zmn:GM_Curve>"]
    for i, p in enumerate(parcels):
        lines += [f'\t\t<zmn:GM_Surface id="F{i + 1:09d}">', "\t\t\t<zmn:GM_Surface.patch>",
                  "\t\t\t\t<zmn:GM_Polygon>", "\t\t\t\t\t<zmn:GM_Polygon.boundary>",
                  "\t\t\t\t\t\t<zmn:GM_SurfaceBoundary>",
                  "\t\t\t\t\t\t\t<zmn:GM_SurfaceBoundary.exterior>", "\t\t\t\t\t\t\t\t<zmn:GM_Ring>"]
        lines += [f'\t\t\t\t\t\t\t\t\t<zmn:GM_CompositeCurve.generator idref="{c}"/>' for c in p["curves"]]
        lines += ["\t\t\t\t\t\t\t\t</zmn:GM_Ring>", "\t\t\t\t\t\t\t</zmn:GM_SurfaceBoundary.exterior>",
                  "\t\t\t\t\t\t</zmn:GM_SurfaceBoundary>", "\t\t\t\t\t</zmn:GM_Polygon.boundary>",
                  "\t\t\t\t</zmn:GM_Polygon>", "\t\t\t</zmn:GM_Surface.patch>", "\t\t</zmn:GM_Surface>"]
    lines += ["\t</空間属性>", "\t<主題属性>"]
    for i, p in enumerate(parcels):
        lines += [f'\t\t<筆 id="H{i + 1:09d}">', f"\t\t\t<大字コード>{p['oaza']:03d}</大字コード>",
                  "\t\t\t<丁目コード>000</丁目コード>", f"\t\t\t<小字コード>{p['koaza']:04d}</小字コード>",
                  "\t\t\t<予備コード>00</予備コード>", f"\t\t\t<大字名>{OAZA[p['oaza']]}</大字名>",
                  f"\t\t\t<地番>{p['chiban']}</地番>", f'\t\t\t<形状 idref="F{i + 1:09d}"/>',
                  "\t\t\t<精度区分>甲二</精度区分>", "\t\t\t<座標値種別>測量成果</座標値種別>", "\t\t</筆>"]
    lines += ["\t</主題属性>", "\t<図郭>", "\t\t<地図番号>見本1</地図番号>",
              f"\t\t<縮尺分母>{SCALE}</縮尺分母>", "\t\t<方位不明フラグ>false</方位不明フラグ>",
              "\t\t<地図種類>地積測量図</地図種類>", "\t\t<地図分類>見本</地図分類>", "\t</図郭>", "</地図>"]
    return "\n".join(lines) + "\n"


def paint(color, density=100):
    return {"fill": "paint", "paint": {"color": color, "density": density}}


def hatch(kind, color, spacing=8.0):
    return {"fill": "hatch", "hatch": {"type": kind, "spacing": spacing, "color": color}}


def palettes(owner_counts):
    """The sample palettes. Colours of hatches are numbers in the drawing's
    colour table (1 red, 2 green, 3 blue, 5 purple, 8 brown ...)."""
    chimoku = [("宅地", paint("#e8543f")), ("田", hatch(0, 3)), ("畑", paint("#d9a441", 70)),
               ("山林", hatch(5, 2)), ("保安林", hatch(2, 2)), ("原野", paint("#a6c46a", 60)),
               ("雑種地", paint("#9a9a9a", 50)), ("公園", paint("#3fae5a", 80)),
               ("学校用地", paint("#f2c12e")), ("境内地", paint("#b05fc2", 60)), ("墓地", hatch(4, 13)),
               ("公衆用道路", paint("#cccccc")), ("用悪水路", paint("#5aa9e6")), ("ため池", paint("#2f6fb5"))]
    by_area = [((0, 499.99), 15), ((500, 999.99), 35), ((1000, 1499.99), 55), ((1500, 1999.99), 75),
               ((2000, 99999), 100)]
    decades = [(1970, 1979, hatch(3, 8)), (1980, 1989, paint("#fdae61")), (1990, 1999, paint("#fee08b")),
               (2000, 2009, paint("#a6d96a")), (2010, 2019, paint("#66bd63")), (2020, 2029, paint("#1a9850"))]
    oaza_fills = [hatch(0, 1), hatch(1, 3), hatch(2, 8), hatch(3, 2)]
    koaza_colors = ["#e41a1c", "#377eb8", "#4daf4a", "#984ea3", "#ff7f00", "#a65628", "#f781bf", "#999999"]
    owner_colors = ["#1b9e77", "#d95f02", "#7570b3", "#e7298a", "#66a61e", "#e6ab02", "#a6761d", "#666666"]
    top_owners = sorted(owner_counts, key=lambda o: (-owner_counts[o], o))[:8]
    return [
        {"name": "現況地目別", "attribute": "現況地目",
         "brushes": [dict(name=n, condition={"code": chimoku_code(n)}, **f) for n, f in chimoku]},
        {"name": "公簿面積別", "attribute": "公簿面積",
         "brushes": [dict(name=f"{lo:,}～{hi:,.2f}㎡" if hi < 99999 else f"{lo:,}㎡以上",
                          condition={"from": lo, "to": hi}, **paint("#c0392b", d))
                     for (lo, hi), d in by_area]},
        {"name": "登記日付別", "attribute": "登記日付",
         "brushes": [dict(name=f"{a}年代", condition={"from": f"{a}-01-01", "to": f"{b}-12-31"}, **f)
                     for a, b, f in decades]},
        {"name": "大字別", "attribute": "大字",
         "brushes": [dict(name=OAZA[c], condition={"code": c}, **f) for c, f in zip(OAZA, oaza_fills)]},
        {"name": "小字別", "attribute": "小字",
         "brushes": [dict(name=OAZA[o] + KOAZA[(o, k)], condition={"oaza": o, "koaza": k}, **paint(c))
                     for (o, k), c in zip(KOAZA, koaza_colors)]},
        {"name": "所有者別（上位8名）", "attribute": "所有者",
         "brushes": [dict(name=PERSONS[o], condition={"code": o}, **paint(c))
                     for o, c in zip(top_owners, owner_colors)]},
    ]


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    rng = random.Random(SEED)
    parcels = make_town(rng)
    with open(os.path.join(out_dir, "town.xml"), "w", encoding="utf-8") as f:
        f.write(map_xml(parcels))
    owner_counts = {}
    with open(os.path.join(out_dir, "town.csv"), "w", newline="", encoding="utf-8") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(CSV_HEADER)
        for number, p in enumerate(parcels, start=1):
            row = parcel_row(rng, number, p["chiban"], ring_area(p["ring"]), p["category"])
            first_owner = int(row[4].split(";")[0])
            owner_counts[first_owner] = owner_counts.get(first_owner, 0) + 1
            writer.writerow(row)
    with open(os.path.join(out_dir, "codes.csv"), "w", newline="", encoding="utf-8") as f:
        csv.writer(f, lineterminator="\n").writerows(code_book_rows(OAZA, KOAZA))
    with open(os.path.join(out_dir, "palettes.json"), "w", encoding="utf-8") as f:
        json.dump({"selected": 0, "palettes": palettes(owner_counts)}, f, ensure_ascii=False, indent=2)
        f.write("\n")
    print(f"{len(parcels)} parcels written to {out_dir}")


if __name__ == "__main__":
    main()
