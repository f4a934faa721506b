"""Fictitious parcel attributes for sample maps: land categories, persons,
dates, registered areas. Every person and number is made up; codes of
persons start at 9001 so that they can never be mistaken for real ones."""

import datetime

# The 23 land categories of the registration rules, in their official order.
CHIMOKU = ["田", "畑", "宅地", "学校用地", "鉄道用地", "塩田", "鉱泉地", "池沼", "山林",
           "牧場", "原野", "墓地", "境内地", "運河用地", "水道用地", "用悪水路", "ため池",
           "堤", "井溝", "保安林", "公衆用道路", "公園", "雑種地"]

TOCHI_SHUBETSU = {1: "民有地", 2: "国有地", 3: "公有地"}

FAMILY = ["見本", "試験", "仮名", "例示", "架空"]
GIVEN = ["太郎", "花子", "次郎", "桜", "三郎", "葵", "健一", "陽子"]
PERSONS = {9001 + i: f"{FAMILY[i // len(GIVEN)]} {GIVEN[i % len(GIVEN)]}"
           for i in range(len(FAMILY) * len(GIVEN))}

CSV_HEADER = ["地番", "土地種別", "現況地目", "公簿地目", "所有者", "納税者", "共有人数",
              "所有権", "立会日付", "登記日付", "公簿面積", "不動産番号"]


def chimoku_code(name):
    return CHIMOKU.index(name) + 1


def ring_area(ring):
    """Shoelace area of a closed ring of (northing, easting) points."""
    total = 0.0
    for (x1, y1), (x2, y2) in zip(ring, ring[1:]):
        total += y1 * x2 - y2 * x1
    return abs(total) / 2.0


def random_date(rng, first_year, last_year):
    start = datetime.date(first_year, 1, 1).toordinal()
    end = datetime.date(last_year, 12, 31).toordinal()
    return datetime.date.fromordinal(rng.randint(start, end)).isoformat()


def parcel_row(rng, number, chiban, area, genkyo):
    """One CSV row for a parcel whose current land category is `genkyo`."""
    kobo = genkyo
    if genkyo == "宅地" and rng.random() < 0.2:
        kobo = rng.choice(["田", "畑"])  # registered before the houses were built
    shubetsu = 3 if genkyo in ("公園", "学校用地", "公衆用道路") else (2 if rng.random() < 0.04 else 1)
    owners = [rng.choice(list(PERSONS)) for _ in range(rng.choice([1, 1, 1, 1, 2, 3]))]
    owners = list(dict.fromkeys(owners))
    taxpayer = owners[0] if rng.random() < 0.85 else rng.choice(list(PERSONS))
    tachiai = random_date(rng, 1985, 2024) if rng.random() < 0.7 else ""
    toki = random_date(rng, 1971, 2024)
    kobo_area = round(area * rng.uniform(0.9, 1.04), 2)
    return [chiban, shubetsu, chimoku_code(genkyo), chimoku_code(kobo),
            ";".join(str(o) for o in owners), taxpayer, len(owners),
            0 if rng.random() < 0.05 else 1, tachiai, toki, f"{kobo_area:.2f}",
            f"9999{number:09d}"]


def code_book_rows(oaza, koaza):
    """Rows of the code book: land types, 大字, 小字, land categories, persons."""
    rows = [["表", "コード", "名称"]]
    rows += [["土地種別", code, name] for code, name in TOCHI_SHUBETSU.items()]
    rows += [["大字", code, name] for code, name in oaza.items()]
    rows += [["小字", f"{o}-{k}", name] for (o, k), name in koaza.items()]
    rows += [["地目", chimoku_code(name), name] for name in CHIMOKU]
    rows += [["人", code, name] for code, name in PERSONS.items()]
    return rows
