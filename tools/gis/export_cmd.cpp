// velmora export: the maps, the attributes and the box in, a GeoPackage of
// the painted parcels with the palette's style out.
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "parcels/text/text_codec.h"
#include "parcels/text/read_file.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_args.h"
#include "tools/gis/attr_columns.h"
#include "tools/commands.h"
#include "tools/gis/gpkg_module.h"
#include "tools/gis/plane_crs.h"
#include "tools/gis/qml_style.h"
#include "tools/gis/sld_style.h"
#include "parcels/attrs/kk_record.h"
#include "tools/paint/paint_inputs.h"
#include "tools/paint/paint_map.h"
#include "tools/pictures/svg_text.h"

#include "host/men_nt.h"
#include "host/sample_drawing.h"

#include <algorithm>

const char* const kExportUsage =
    u8"usage: velmora export MAP... --box BOX -o OUT.gpkg [--attrs ATTRS.csv [--skip-bad-rows]]\n"
    "                 [--codes CODES.csv] [--palette NAME | --palette-no N] [--old]\n"
    "\n"
    "Writes the parcels of registry maps as a GeoPackage: one polygon layer 筆 in\n"
    "the maps' coordinate system (公共座標1系-19系: JGD2011, EPSG 6669-6687;\n"
    "任意座標系: undefined), with the map keys, every attribute column and the brush of\n"
    "the palette that holds for each parcel (ブラシ番号, ブラシ名, 塗り色), and the\n"
    "palette's QGIS style as the layer's default.\n"
    "\n"
    "  --box BOX          palette box, .dat (--old: brushes in the older layout) or .json\n"
    "  --attrs ATTRS.csv  parcel attributes by 地番 (and 大字コード), UTF-8 or CP932\n"
    "  --skip-bad-rows    export without the bad rows of ATTRS.csv, and count them\n"
    "  --codes CODES.csv  code book: names of codes (表,コード,名称)\n"
    "  --palette NAME     the palette to colour by (default: the box's selected one)\n"
    "  --palette-no N     the same by number, from 1\n";

namespace {
bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// An attribute that the maps do not give must be a column of the attribute CSV.
void CheckAttributeSource(const PaintArgs& in, CVObjPlt& plt) {
    std::string column = CsvColumnOf(plt.GetZty());
    if (column.empty())
        return;
    std::string palette = "palette " + QuoteValue(Cp932ToUtf8(plt.GetPNm()));
    if (!in.attrs)
        throw InputError(in.box, 0,
                         palette + " colours by " + column +
                             ", which the maps do not give; add --attrs");
    std::vector<std::string> header = CsvHeader(*in.attrs);
    if (std::find(header.begin(), header.end(), column) == header.end())
        throw InputError(*in.attrs, 1,
                         "no column " + column + ", by which " + palette + " colours");
}

// Every map must name a coordinate system that the export can give its layer.
int MapsEpsg(const MapSet& set) {
    int epsg = 0;
    for (const KkMap& map : set.maps) {
        if (map.crs.empty())
            throw InputError(map.path, 0, u8"the map names no 座標系");
        epsg = PlaneCrsEpsg(map.crs);
        if (epsg < 0)
            throw InputError(map.path, 0,
                             u8"unknown 座標系 " + QuoteValue(map.crs) +
                                 u8" (公共座標1系 to 公共座標19系, or 任意座標系)");
    }
    return epsg;
}

std::vector<ParcelFeature> Features(const MapSet& set, const KkAttrTable& attrs,
                                    const MapPicture& painted, CVObjPlt& plt) {
    std::vector<ParcelFeature> features;
    features.reserve(set.parcels.size());
    for (size_t i = 0; i < set.parcels.size(); ++i) {
        const MapParcel& parcel = set.parcels[i];
        const KkMap& map = set.maps[set.mapOf[i]];
        auto attr = attrs.find(KkParcelKey{parcel.oaza, parcel.chiban});
        ParcelFeature feature;
        feature.map = &map;
        feature.parcel = &parcel;
        feature.attr = attr == attrs.end() ? nullptr : &attr->second;
        SvyKkData kk;
        FillKkRecord(map, parcel, static_cast<DWORD>(i + 1), feature.attr, kk);
        TMen_Nt(kk, 0).ZM_Men_Nt(&feature.zahyoArea);
        TMen_Nt(kk, 0).S3T_Men_Nt(&feature.sansyaArea);
        int brush = painted.fillOfParcel[i];
        if (brush >= 0) {
            feature.brush = brush + 1;
            feature.brushName = Cp932ToUtf8(plt.GetBNm(static_cast<BYTE>(brush)));
            feature.fillColor = SvgColor(painted.fills[brush].color);
        }
        features.push_back(feature);
    }
    return features;
}
} // namespace

int RunExport(const std::vector<std::string>& words) {
    const PaintArgs in = ReadPaintArgs(words, "export", {}, {}, [](const ToolArgs& args) {
        if (!EndsWith(args.Value("-o"), ".gpkg"))
            throw UsageError{"-o names a .gpkg file"};
    });

    Progress progress;
    CVPaletteBox box;
    ReadCodesAndBox(in, box);
    CVObjPlt& plt = *box.GetSelPlt();
    CheckPaintingPalette(plt, in.box);
    CheckAttributeSource(in, plt);
    MapSources sources(in.maps);
    MapSet set = ReadMapSet(sources, nullptr, progress);
    int epsg = MapsEpsg(set);
    NameOazaFromMaps(set);
    KkAttrTable attrs = ReadAttributes(in, set.parcels, std::move(set.leftOut), progress);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    MapPicture painted = PaintMap(set, attrs, box, drawing.Attr(), progress);
    PaletteStyle style = BrushNumberStyle(plt, drawing.Attr(), kBrushNoField);
    if (progress.Due())
        progress.Show("writing " + in.out);
    // SQLite keeps its journal beside the file GDAL writes until it is done.
    RemovedOnSignal part(PartFileOf(in.out)), journal(PartFileOf(in.out) + "-journal");
    GpkgWriter()(in.out, Features(set, attrs, painted, plt), epsg,
                 GpkgStyle{style.name, WriteQml(style), WriteSld(style, kParcelLayer)});
    return 0;
}
