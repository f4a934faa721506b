// velmora paint: the maps, the attributes and the box in, a picture out.
#include "parcels/attrs/kk_attr.h"
#include "tools/commands.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "tools/common/progress.h"
#include "tools/common/tool_args.h"
#include "tools/map_input/map_set.h"
#include "tools/paint/paint_inputs.h"
#include "tools/paint/paint_map.h"
#include "tools/pictures/picture_file.h"

#include "host/sample_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

const char* const kPaintUsage =
    u8"usage: velmora paint MAP... --box BOX -o OUT [--attrs ATTRS.csv [--skip-bad-rows]]\n"
    "                [--codes CODES.csv] [--palette NAME | --palette-no N] [--old]\n"
    "                [--bbox X1,Y1,X2,Y2] [--size PIXELS] [--no-labels]\n"
    "                [--dpi DPI] [--paper A3]\n"
    "\n"
    "Paints the parcels of registry maps (map XML files, folders of them, or the\n"
    "registry's zip archives) by the brushes of a palette and writes the picture\n"
    "OUT: .svg, .png or .pdf.\n"
    "\n"
    "  --box BOX          palette box, .dat (--old: brushes in the older layout) or .json\n"
    "  --attrs ATTRS.csv  parcel attributes by 地番 (and 大字コード), UTF-8 or CP932\n"
    "  --skip-bad-rows    paint without the bad rows of ATTRS.csv, and count them\n"
    "  --codes CODES.csv  code book: names of codes (表,コード,名称)\n"
    "  --palette NAME     the palette to paint by (default: the box's selected one)\n"
    "  --palette-no N     the same by number, from 1\n"
    "  --bbox X1,Y1,X2,Y2 paint only this part, in the maps' coordinates (X north, Y east)\n"
    "  --size PIXELS      pixels of the map's longer side (default 1200)\n"
    "  --no-labels        no 地番 on the parcels\n"
    "  --dpi DPI          PNG: resolution, 96 draws the SVG's pixels one to one (default)\n"
    "  --paper FORMAT     PDF: a page of A0-A6 or B0-B6 holding the whole picture\n"
    "                     (default: a page the picture's size)\n";

namespace {
// "X1,Y1,X2,Y2": two corners in any order.
MapBounds BoxArea(const std::string& text) {
    double v[4];
    const char* at = text.c_str();
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        v[i] = std::strtod(at, &end);
        if (end == at || *end != (i < 3 ? ',' : '\0') || !std::isfinite(v[i]))
            throw UsageError{
                "--bbox takes X1,Y1,X2,Y2 in metres, e.g. -36000,-12000,-35800,-11700"};
        at = end + 1;
    }
    if (v[0] == v[2] || v[1] == v[3])
        throw UsageError{"--bbox needs an area, not a line or point"};
    return MapBounds{std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]),
                     std::max(v[1], v[3])};
}

// The options of the picture's format, which -o gives.
PictureOptions ReadPictureOptions(const ToolArgs& args) {
    const std::string format = PictureFormat(args.Value("-o"));
    PictureOptions options;
    if (format.empty())
        throw UsageError{"-o names a .svg, .png or .pdf file"};
    if (args.Has("--dpi")) {
        if (format != "png")
            throw UsageError{"--dpi applies to .png pictures"};
        options.dpi = static_cast<double>(WholeValue(args, "--dpi", 24, 2400, "dots per inch"));
    }
    if (args.Has("--paper")) {
        double width = 0.0, height = 0.0;
        if (format != "pdf")
            throw UsageError{"--paper applies to .pdf pictures"};
        if (!PaperSize(args.Value("--paper"), width, height))
            throw UsageError{"--paper takes A0 to A6 or B0 to B6"};
        options.paper = args.Value("--paper");
    }
    return options;
}
} // namespace

int RunPaint(const std::vector<std::string>& words) {
    PictureOptions options;
    const PaintArgs in =
        ReadPaintArgs(words, "paint", {"--size", "--bbox", "--dpi", "--paper"}, {"--no-labels"},
                      [&options](const ToolArgs& args) { options = ReadPictureOptions(args); });
    const ToolArgs& args = in.args;
    double size = 1200.0;
    if (args.Has("--size"))
        size = static_cast<double>(
            WholeValue(args, "--size", 100, 20000, "the map's longer side in pixels"));
    MapBounds area{0.0, 0.0, 0.0, 0.0};
    if (args.Has("--bbox"))
        area = BoxArea(args.Value("--bbox"));

    Progress progress;
    CVPaletteBox box;
    ReadCodesAndBox(in, box);
    CheckPaintingPalette(*box.GetSelPlt(), in.box);
    MapSources sources(in.maps);
    MapSet set = ReadMapSet(sources, args.Has("--bbox") ? &area : nullptr, progress);
    if (args.Has("--bbox") && set.parcels.empty())
        throw std::runtime_error("no parcel of the maps lies in --bbox " +
                                 QuoteValue(args.Value("--bbox")));
    NameOazaFromMaps(set);
    KkAttrTable attrs = ReadAttributes(in, set.parcels, std::move(set.leftOut), progress);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    MapPicture picture = PaintMap(set, attrs, box, drawing.Attr(), progress);
    picture.labels = !args.Has("--no-labels");
    picture.mapSize = size;
    picture.framed = args.Has("--bbox");
    picture.frame = area;
    if (progress.Due())
        progress.Show("writing " + in.out);
    WritePicture(in.out, picture, options);
    return 0;
}
