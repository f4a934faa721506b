#include "tools/box_file.h"
#include "tools/attr_input/code_book_file.h"
#include "tools/commands.h"
#include "host/sample_drawing.h"
#include "tools/common/input_error.h"
#include "tools/attr_input/kk_attr.h"
#include "tools/map_input/map_xml.h"
#include "tools/paint_map.h"
#include "tools/common/read_file.h"
#include "tools/svg_map.h"
#include "tools/common/text_codec.h"
#include "tools/tool_args.h"

#include "host/code_book.h"

#include <cstdlib>

namespace {
// A 大字 that the code book does not name takes its name from the map.
void NameOazaFromMap(const KkMap& map) {
    for (const MapParcel& parcel : map.parcels) {
        CString known;
        std::string name;
        if (parcel.oazaName.empty() ||
            CCodeBook::GetName(CODE_TBL_OAZA, 0, static_cast<WORD>(parcel.oaza), known) ||
            !Utf8ToCp932(parcel.oazaName, name))
            continue;
        CCodeBook::SetName(CODE_TBL_OAZA, static_cast<WORD>(parcel.oaza), name.c_str());
    }
}

void SelectPalette(const ToolArgs& args, const std::string& boxPath, CVPaletteBox& box) {
    if (args.Has("--palette")) {
        std::string name;
        Utf8ToCp932(args.Value("--palette"), name);
        for (int p = 0; p < box.GetPltCount(); ++p)
            if (name == box.GetPltName(p)) {
                box.SetSelPNo(p);
                return;
            }
        throw InputError(boxPath, 0, "no palette named '" + args.Value("--palette") + "'");
    }
    if (args.Has("--palette-no")) {
        std::string text = args.Value("--palette-no");
        char* end = nullptr;
        long number = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || number < 1 || number > box.GetPltCount())
            throw UsageError{"--palette-no takes a palette number from 1 to " +
                             std::to_string(box.GetPltCount())};
        box.SetSelPNo(static_cast<int>(number - 1));
        return;
    }
    if (box.GetSelPNo() < 0 || box.GetSelPNo() >= box.GetPltCount())
        throw InputError(boxPath, 0, "the box has no selected palette; name one with --palette");
}
} // namespace

int RunPaint(const std::vector<std::string>& words) {
    ToolArgs args(words,
                  {"--box", "--attrs", "--codes", "--palette", "--palette-no", "--size", "-o"},
                  {"--old", "--no-labels"});
    if (args.Positional().size() != 1 || !args.Has("--box") || !args.Has("-o"))
        throw UsageError{"paint needs a map, --box and -o"};
    if (args.Has("--codes"))
        ReadCodeBookFile(args.Value("--codes"));
    KkMap map = ReadMapXml(args.Positional()[0]);
    NameOazaFromMap(map);
    KkAttrTable attrs;
    if (args.Has("--attrs")) {
        KkParcelKeys keys;
        for (const MapParcel& parcel : map.parcels)
            keys.Add(parcel.oaza, parcel.chiban);
        KkAttrReport report;
        attrs = ReadKkAttrCsv(args.Value("--attrs"), keys, KkAttrOptions(), report);
    }
    CVPaletteBox box;
    LoadBox(args.Value("--box"), args.Has("--old"), box);
    SelectPalette(args, args.Value("--box"), box);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    MapPicture picture = PaintMap(map, attrs, box, drawing.Attr());
    picture.labels = !args.Has("--no-labels");
    if (args.Has("--size")) {
        std::string text = args.Value("--size");
        char* end = nullptr;
        long size = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || size < 100 || size > 20000)
            throw UsageError{"--size takes the map's longer side in pixels, 100 to 20000"};
        picture.mapSize = static_cast<double>(size);
    }
    WriteWholeFile(args.Value("-o"), WriteMapSvg(picture));
    return 0;
}
