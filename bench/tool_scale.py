#!/usr/bin/python3
"""Times `velmora paint` on the bundled sample town tiled side by side.

Tiles tools/sample/town.xml (290 parcels) into maps of about 10,000, 50,000
and 100,000 parcels, with an attribute CSV for each, and paints each with
the sample palette box once per tool and picture format given. `--real`
tiles a registry map instead (by default ../shared/data/moj's 平内 map of 169
parcels, read in place), whose parcels carry more vertices and far more XML
than the sample's; its attributes are made up by tools/sample/make_attrs.py. Reports wall time, parcels per
second and peak memory (from /usr/bin/time -v). Parcels per second count CPU
time (user and system), which other work on the machine does not stretch as
it does the wall time. Goals: 100,000 parcels in
under 2 s, under 300 MB, time growing linearly.

    bench/tool_scale.py [--sizes 10000,50000,100000] [--work DIR]
                        [--maps one|tiles] [--real [MAP.xml]]
                        [--formats svg,png,pdf] [--bbox] [LABEL=]VELMORA ...

`--maps one` writes one map file per size (what every version of the tool
reads); `--maps tiles` writes a folder with one map file per tile and paints
the folder. `--bbox` paints only the first tile of each map, whose parcels
are then the ones counted. Without a tool, build/native/tools/velmora is timed.
"""
import argparse
import math
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE = os.path.join(ROOT, "tools", "sample")
TOWN_STEP = (450.0, 650.0)  # the town spans 408 m by 615 m
REAL_MAP = os.path.join(os.path.dirname(ROOT), "shared", "data", "moj", "46505-3411-102.xml")

COORD = re.compile(r"(<zmn:[XY]>)([-0-9.]+)(</zmn:[XY]>)")
IDS = re.compile(r'(id|idref)="([A-Z])')
CHIBAN = re.compile(r"<地番>([^<]*)</地番>")


class Town:
    """A map to tile, with the attribute CSV of its parcels."""

    def __init__(self, map_path, csv_path, step=None):
        with open(map_path, encoding="utf-8") as f:
            text = f.read()
        space_start = text.index("<空間属性>") + len("<空間属性>")
        space_end = text.index("</空間属性>")
        theme_start = text.index("<主題属性>") + len("<主題属性>")
        theme_end = text.index("</主題属性>")
        self.head = text[:space_start]
        self.between = text[space_end:theme_start]
        self.tail = text[theme_end:]
        # Space text split around coordinates: text, tag, number, tag, text ...
        self.space = COORD.split(text[space_start:space_end])
        self.theme = text[theme_start:theme_end]
        self.parcels = len(CHIBAN.findall(self.theme))
        xs = [float(v) for t, v in zip(self.space[1::4], self.space[2::4]) if t == "<zmn:X>"]
        ys = [float(v) for t, v in zip(self.space[1::4], self.space[2::4]) if t == "<zmn:Y>"]
        # The first tile's extent, which --bbox paints.
        self.extent = (min(xs), min(ys), max(xs), max(ys))
        # Tiles lie side by side, by default a tenth of the map's extent apart.
        if step is None:
            step = (math.ceil((max(xs) - min(xs)) * 1.1), math.ceil((max(ys) - min(ys)) * 1.1))
        self.step_x, self.step_y = step
        with open(csv_path, encoding="utf-8") as f:
            lines = f.read().splitlines()
        self.csv_header = lines[0]
        self.csv_rows = [line.split(",", 1) for line in lines[1:] if line]

    def tile_space(self, tile, dx, dy):
        parts = self.space[:]
        for i in range(1, len(parts), 4):
            shift = dx if parts[i] == "<zmn:X>" else dy
            parts[i + 1] = "%.3f" % (float(parts[i + 1]) + shift)
        return IDS.sub(r'\1="T%d\2' % tile, "".join(parts))

    def tile_theme(self, tile):
        text = IDS.sub(r'\1="T%d\2' % tile, self.theme)
        return CHIBAN.sub(lambda m: "<地番>%d-%s</地番>" % (tile, m.group(1)), text)

    def tile_csv(self, tile):
        return "".join("%d-%s,%s\n" % (tile, c, rest) for c, rest in self.csv_rows)


def offsets(town, tiles):
    columns = math.ceil(math.sqrt(tiles))
    for t in range(tiles):
        yield t, (t // columns) * town.step_x, (t % columns) * town.step_y


def write_maps(town, tiles, folder, layout):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "attrs.csv"), "w", encoding="utf-8") as csv:
        csv.write(town.csv_header + "\n")
        for t, _, _ in offsets(town, tiles):
            csv.write(town.tile_csv(t + 1))
    if layout == "one":
        path = os.path.join(folder, "map.xml")
        with open(path, "w", encoding="utf-8") as out:
            out.write(town.head)
            for t, dx, dy in offsets(town, tiles):
                out.write(town.tile_space(t + 1, dx, dy))
            out.write(town.between)
            for t, _, _ in offsets(town, tiles):
                out.write(town.tile_theme(t + 1))
            out.write(town.tail)
        return path
    maps = os.path.join(folder, "maps")
    os.makedirs(maps, exist_ok=True)
    for t, dx, dy in offsets(town, tiles):
        with open(os.path.join(maps, "tile-%04d.xml" % (t + 1)), "w", encoding="utf-8") as out:
            out.write(town.head + town.tile_space(t + 1, dx, dy) + town.between +
                      town.tile_theme(t + 1) + town.tail)
    return maps


def measure(tool, maps, folder, picture_format, bbox):
    out = os.path.join(folder, "out." + picture_format)
    command = ["/usr/bin/time", "-v", tool, "paint", maps,
               "--box", os.path.join(SAMPLE, "palettes.json"),
               "--attrs", os.path.join(folder, "attrs.csv"),
               "--codes", os.path.join(SAMPLE, "codes.csv"), "-o", out]
    if bbox:
        command += ["--bbox", " " + ",".join("%.3f" % v for v in bbox)]
    run = subprocess.run(command, capture_output=True, text=True,
                         env=dict(os.environ, TZ="Asia/Tokyo"))
    if run.returncode != 0:
        sys.exit("%s failed:\n%s" % (" ".join(command), run.stderr))
    wall = re.search(r"Elapsed \(wall clock\) time.*: (?:(\d+):)?(\d+):([\d.]+)", run.stderr)
    seconds = (int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3)))
    cpu = sum(float(re.search(r"%s time \(seconds\): ([\d.]+)" % kind, run.stderr).group(1))
              for kind in ("User", "System"))
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1))
    return seconds, cpu, rss / 1024.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sizes", default="10000,50000,100000")
    parser.add_argument("--work", help="folder for the generated maps (kept)")
    parser.add_argument("--maps", choices=["one", "tiles"], default="one")
    parser.add_argument("--real", nargs="?", const=REAL_MAP, metavar="MAP.xml",
                        help="tile this registry map instead of the sample town")
    parser.add_argument("--formats", default="svg", help="picture formats, e.g. svg,png,pdf")
    parser.add_argument("--bbox", action="store_true",
                        help="paint only the first tile, to see memory follow what is painted")
    parser.add_argument("tools", nargs="*")
    args = parser.parse_args()
    tools = args.tools or [os.path.join(ROOT, "build", "native", "tools", "velmora")]
    tools = [t.split("=", 1) if "=" in t else [t, t] for t in tools]
    work = args.work or tempfile.mkdtemp(prefix="velmora-scale-")
    os.makedirs(work, exist_ok=True)
    if args.real:
        csv_path = os.path.join(work, "real-attrs.csv")
        subprocess.run([sys.executable, "-B", os.path.join(SAMPLE, "make_attrs.py"), args.real,
                        csv_path], check=True)
        town = Town(args.real, csv_path)
    else:
        town = Town(os.path.join(SAMPLE, "town.xml"), os.path.join(SAMPLE, "town.csv"),
                    TOWN_STEP)
    print("%-12s %6s %9s %8s %8s %12s %9s" % ("tool", "format", "parcels", "wall s", "cpu s",
                                               "parcels/s", "peak MB"))
    for size in [int(s) for s in args.sizes.split(",")]:
        tiles = max(1, math.ceil(size / town.parcels))
        folder = os.path.join(work, "%d-%s%s" % (size, args.maps, "-real" if args.real else ""))
        maps = write_maps(town, tiles, folder, args.maps)
        for label, tool in tools:
            for picture_format in args.formats.split(","):
                wall, cpu, peak = measure(tool, maps, folder, picture_format,
                                          town.extent if args.bbox else None)
                parcels = town.parcels if args.bbox else tiles * town.parcels
                print("%-12s %6s %9d %8.2f %8.2f %12.0f %9.0f" % (
                    label, picture_format, parcels, wall, cpu, parcels / cpu, peak), flush=True)


if __name__ == "__main__":
    main()
