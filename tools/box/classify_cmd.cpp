// velmora box classify: appends to a box a palette built from the values of
// the attribute CSV.
#include "parcels/attrs/code_book_file.h"
#include "parcels/attrs/csv_rows.h"
#include "tools/box/box_classify.h"
#include "tools/box/box_file.h"
#include "tools/box/box_json.h"
#include "tools/box/color_ramps.h"
#include "tools/commands.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"
#include "parcels/text/text_cut.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_args.h"
#include "tools/gis/attr_columns.h"

#include "model/zok_catalogue.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sys/stat.h>

namespace {
struct MethodName {
    const char* option;
    ClassMethod method;
    const char* label; // in the palette's name
};

const MethodName kMethods[] = {
    {"unique", ClassMethod::UNIQUE, u8"値別"},
    {"quantile", ClassMethod::QUANTILE, u8"分位"},
    {"equal", ClassMethod::EQUAL, u8"等間隔"},
    {"jenks", ClassMethod::JENKS, u8"自然分類"},
};

// An attribute by its name or its ID.
WORD AttributeOf(const std::string& text) {
    for (int index = 0; index < VELMORA_ZOK_COUNT; ++index) {
        CString name;
        Velmora_GetZokName(index, name);
        WORD id = VelmoraZokIdFromIndex(static_cast<unsigned>(index));
        if (text == Cp932ToUtf8(name.GetString()) || text == std::to_string(id))
            return id;
    }
    throw UsageError{"--attr names no attribute: " + QuoteValue(text)};
}

// The column of ATTRS.csv that gives the attribute's values.
std::string SourceColumn(WORD zty, const std::string& attrsPath) {
    std::string column = zty == ZOK_OAZA ? AttributeField(zty) : CsvColumnOf(zty);
    std::string name = AttributeField(zty);
    if (column.empty())
        throw UsageError{u8"classify takes an attribute of the attribute CSV; the maps give " +
                         name};
    std::vector<std::string> header = CsvHeader(attrsPath);
    if (std::find(header.begin(), header.end(), column) == header.end())
        throw InputError(attrsPath, 1, "no column " + column);
    return column;
}

// The parcels that the CSV names, as its own rows key them.
KkParcelKeys RowKeys(const std::string& path) {
    CsvReader csv(path);
    CsvRow row;
    KkParcelKeys keys;
    if (!csv.Next(row))
        return keys;
    std::vector<std::string> header = row.fields;
    auto chiban = std::find(header.begin(), header.end(), u8"地番") - header.begin();
    auto oaza = std::find(header.begin(), header.end(), u8"大字コード") - header.begin();
    while (csv.Next(row)) {
        if (static_cast<size_t>(chiban) >= row.fields.size())
            continue;
        unsigned code = 0;
        if (static_cast<size_t>(oaza) < row.fields.size())
            code = static_cast<unsigned>(std::strtoul(row.fields[oaza].c_str(), nullptr, 10));
        keys.Add(code, row.fields[chiban]);
    }
    return keys;
}

ClassifyRequest Request(const ToolArgs& args, WORD zty) {
    ClassifyRequest request;
    request.zty = zty;
    const MethodName* method = nullptr;
    for (const MethodName& known : kMethods)
        if (args.Value("--method") == known.option)
            method = &known;
    if (!method)
        throw UsageError{"--method takes unique, quantile, equal or jenks"};
    request.method = method->method;
    bool unique = request.method == ClassMethod::UNIQUE;
    VelmoraZokKind kind = VelmoraZokKindOf(zty);
    if (unique != (kind == ZOK_KIND_CODE || kind == ZOK_KIND_TEXT))
        throw UsageError{AttributeField(zty) + (unique ? " has ranges, by quantile, equal or jenks"
                                                       : " has codes or texts, by unique")};
    request.ramp = args.Value("--ramp", unique ? "Set3" : "YlOrRd");
    if (!HasRamp(request.ramp))
        throw UsageError{"--ramp takes one of " + RampNames()};
    if (args.Has("--classes")) {
        if (unique)
            throw UsageError{"--classes goes with quantile, equal and jenks"};
        if (RampSize(request.ramp) < 2 || IsQualitativeRamp(request.ramp))
            throw UsageError{"ranges take a sequential or diverging ramp"};
        request.classes = static_cast<int>(
            WholeValue(args, "--classes", 2, RampSize(request.ramp), "a number of ranges"));
    } else if (!unique && IsQualitativeRamp(request.ramp)) {
        throw UsageError{"ranges take a sequential or diverging ramp"};
    }
    return request;
}

std::string PaletteName(WORD zty, const ClassifyRequest& request, int brushes) {
    std::string label;
    for (const MethodName& known : kMethods)
        if (known.method == request.method)
            label = known.label;
    std::string count = request.method == ClassMethod::UNIQUE ? "" : " " + std::to_string(brushes);
    std::string name;
    Utf8ToCp932(AttributeField(zty) + u8"（" + label + count + u8"）", name);
    return name;
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}
} // namespace

int RunBoxClassify(const std::vector<std::string>& words) {
    ToolArgs args(words, {"--attrs", "--attr", "--method", "--classes", "--ramp", "--codes"},
                  {"--old"});
    if (args.Positional().size() != 1)
        throw UsageError{"box classify takes one box file"};
    if (!args.Has("--attrs") || !args.Has("--attr") || !args.Has("--method"))
        throw UsageError{"box classify needs --attrs, --attr and --method"};
    const std::string& path = args.Positional()[0];
    CheckBoxFilePath(path, true);
    WORD zty = AttributeOf(args.Value("--attr"));
    ClassifyRequest request = Request(args, zty);
    const std::string attrsPath = args.Value("--attrs");
    std::string column = SourceColumn(zty, attrsPath);
    if (args.Has("--codes"))
        ReadCodeBookFile(args.Value("--codes"));

    // A box that does not exist yet starts empty.
    CVPaletteBox box;
    if (Exists(path))
        LoadBox(path, args.Has("--old"), box);
    if (box.GetPltCount() >= VELMORA_MAX_PLT)
        throw InputError(path, 0, "the box holds 100 palettes, as many as it can");
    KkAttrReport attrReport;
    KkAttrTable attrs = ReadKkAttrCsv(attrsPath, RowKeys(attrsPath), KkAttrOptions(), attrReport);
    auto plt = std::make_unique<CVObjPlt>();
    ClassifyReport report;
    if (!ClassifyPalette(attrs, request, *plt, report))
        throw InputError(attrsPath, 0, "no parcel has a value in column " + column);
    plt->SetPNm(PaletteName(zty, request, plt->CountBrs()).c_str());
    int brushes = plt->CountBrs();
    std::string name = Cp932ToUtf8(plt->GetPNm());
    box.AddPlt(plt.release());
    box.SetSelPNo(box.GetPltCount() - 1); // painting takes the new palette without --palette
    if (path.size() > 5 && path.compare(path.size() - 5, 5, ".json") == 0)
        WriteOutput(path, BoxToJson(box));
    else
        SaveBox(path, box);
    std::cout << path << ": palette #" << box.GetPltCount() << " " << name << ": " << brushes
              << " brushes\n";
    if (report.valuesLeft > 0)
        std::cerr << "velmora: " << report.valuesLeft << " more values of " << column << " ("
                  << report.parcelsLeft
                  << " parcels) have no brush: a palette holds 255 brushes, and a brush of a "
                     "code or a text holds one value\n";
    return 0;
}
