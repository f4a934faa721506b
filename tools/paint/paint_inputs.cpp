#include "tools/paint/paint_inputs.h"
#include "parcels/attrs/code_book_file.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"
#include "parcels/text/text_cut.h"
#include "tools/box/box_file.h"

#include "host/code_book.h"
#include "model/zok_catalogue.h"

#include <iostream>
#include <set>

namespace {
constexpr size_t kSkippedShown = 10;
} // namespace

PaintArgs ReadPaintArgs(const std::vector<std::string>& words, const std::string& command,
                        const std::set<std::string>& valued, const std::set<std::string>& flags,
                        const std::function<void(const ToolArgs&)>& checkOwn) {
    std::set<std::string> allValued{"--box",     "--attrs",      "--codes",
                                    "--palette", "--palette-no", "-o"};
    allValued.insert(valued.begin(), valued.end());
    std::set<std::string> allFlags{"--old", "--skip-bad-rows"};
    allFlags.insert(flags.begin(), flags.end());
    ToolArgs args(words, allValued, allFlags);
    if (args.Positional().empty() || !args.Has("--box") || !args.Has("-o"))
        throw UsageError{command + " needs maps, --box and -o"};
    checkOwn(args);
    if (args.Has("--skip-bad-rows") && !args.Has("--attrs"))
        throw UsageError{"--skip-bad-rows goes with --attrs"};
    auto given = [&args](const char* option) {
        return args.Has(option) ? std::optional<std::string>(args.Value(option)) : std::nullopt;
    };
    return PaintArgs{args,
                     args.Positional(),
                     args.Value("-o"),
                     args.Value("--box"),
                     args.Has("--old"),
                     given("--codes"),
                     given("--attrs"),
                     args.Has("--skip-bad-rows")};
}

void ReadCodesAndBox(const PaintArgs& in, CVPaletteBox& box) {
    if (in.codes)
        ReadCodeBookFile(*in.codes);
    LoadBox(in.box, in.oldBox, box);
    SelectPalette(in.args, in.box, box);
}

void NameOazaFromMaps(const MapSet& set) {
    std::set<unsigned> named;
    for (const MapParcel& parcel : set.parcels) {
        if (parcel.oazaName.empty() || !named.insert(parcel.oaza).second)
            continue;
        CString known;
        std::string name;
        if (CCodeBook::GetName(CODE_TBL_OAZA, 0, static_cast<WORD>(parcel.oaza), known) ||
            !Utf8ToCp932(parcel.oazaName, name))
            continue;
        CCodeBook::SetName(CODE_TBL_OAZA, static_cast<WORD>(parcel.oaza), name.c_str());
    }
}

void CheckPaintingPalette(CVObjPlt& plt, const std::string& boxPath) {
    std::string name = "palette " + QuoteValue(Cp932ToUtf8(plt.GetPNm()));
    if (plt.CountBrs() == 0)
        throw InputError(boxPath, 0, name + " has no brush");
    if (plt.GetZty() == 0)
        throw InputError(boxPath, 0, name + " is a free palette, which colours no parcel");
    if (VelmoraZokIndexFromId(plt.GetZty()) == VELMORA_NO_ZOK)
        throw InputError(boxPath, 0,
                         name + " has the unknown attribute ID " + std::to_string(plt.GetZty()));
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
        throw InputError(boxPath, 0, "no palette named " + QuoteValue(args.Value("--palette")));
    }
    if (args.Has("--palette-no")) {
        // A number no box can have is the command line's fault; one this box lacks, the box's.
        long number = WholeValue(args, "--palette-no", 1, VELMORA_MAX_PLT, "a palette number");
        if (number > box.GetPltCount())
            throw InputError(boxPath, 0,
                             "no palette #" + std::to_string(number) + "; the box has " +
                                 std::to_string(box.GetPltCount()));
        box.SetSelPNo(static_cast<int>(number - 1));
        return;
    }
    if (box.GetSelPNo() < 0 || box.GetSelPNo() >= box.GetPltCount())
        throw InputError(boxPath, 0, "the box has no selected palette; name one with --palette");
}

KkAttrTable ReadAttributes(const PaintArgs& in, const std::vector<MapParcel>& parcels,
                           KkParcelKeys keys, Progress& progress) {
    if (!in.attrs)
        return KkAttrTable();
    const std::string path = *in.attrs;
    for (const MapParcel& parcel : parcels)
        keys.Add(parcel.oaza, parcel.chiban);
    KkAttrOptions options;
    options.skipBadRows = in.skipBadRows;
    KkAttrReport report;
    KkAttrTable table = ReadKkAttrCsv(path, keys, options, report);
    progress.Clear();
    for (size_t i = 0; i < report.skipped.size() && i < kSkippedShown; ++i)
        std::cerr << "velmora: skipped " << report.skipped[i] << "\n";
    if (!report.skipped.empty())
        std::cerr << "velmora: " << path << ": skipped " << report.skipped.size() << " bad rows of "
                  << report.skipped.size() + report.rows
                  << (report.skipped.size() > kSkippedShown ? " (the first 10 shown)" : "") << "\n";
    if (!report.ignoredColumns.empty()) {
        std::string columns;
        for (const std::string& column : report.ignoredColumns)
            columns += (columns.empty() ? "" : ", ") + column;
        std::cerr << "velmora: " << path
                  << ": columns left out, as they name no attribute: " << columns << "\n";
    }
    if (!report.earlyDates.empty()) {
        int total = 0;
        std::string columns;
        for (const auto& column : report.earlyDates) {
            total += column.second;
            columns +=
                (columns.empty() ? "" : ", ") + column.first + " " + std::to_string(column.second);
        }
        std::cerr << "velmora: " << path << ": " << total << " dates before 1970 (" << columns
                  << "); the library matches all dates before 1970 as one day\n";
    }
    return table;
}
