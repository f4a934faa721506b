#include "tools/box/box_check.h"
#include "tools/box/box_file.h"
#include "tools/box/box_json.h"
#include "tools/box/box_show.h"
#include "parcels/attrs/code_book_file.h"
#include "tools/commands.h"
#include "parcels/text/read_file.h"
#include "parcels/text/text_codec.h"
#include "parcels/text/text_cut.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_args.h"

#include <algorithm>
#include <iostream>

const char* const kBoxUsage =
    "usage: velmora box show   BOX [--old] [--codes CODES.csv]\n"
    "       velmora box export BOX [--old] [-o OUT.json]\n"
    "       velmora box import IN.json -o BOX.dat [--codes CODES.csv]\n"
    "       velmora box check  BOX [--old] [--codes CODES.csv]\n"
    "       velmora box export BOX --format qml|sld [--old] [--palette NAME | --palette-no N]\n"
    "                          [--field COLUMN] -o STYLE\n"
    "       velmora box classify BOX --attrs ATTRS.csv --attr NAME\n"
    "                          --method unique|quantile|equal|jenks [--classes N]\n"
    "                          [--ramp NAME] [--codes CODES.csv] [--old]\n"
    "\n"
    "BOX is a .dat palette box (--old: brushes in the older layout) or its .json form.\n"
    "show prints the palettes and brushes; export writes the box as JSON and import\n"
    "writes it back, byte for byte; check lists brushes that can never apply and\n"
    "exits 1 when it finds any. export --format writes a palette (default: the\n"
    "selected one) as a QGIS or an SLD style on the attribute's column COLUMN\n"
    "(default: its name in the attribute CSV). classify appends a palette built from\n"
    "the values of ATTRS.csv: one brush per code or text, most frequent first\n"
    "(unique), or N ranges (quantile, equal, jenks), coloured by a ColorBrewer ramp.\n";

int RunBox(const std::vector<std::string>& words) {
    if (words.empty())
        throw UsageError{"box needs show, export, import, check or classify"};
    std::string action = words[0];
    if (action != "show" && action != "export" && action != "import" && action != "check" &&
        action != "classify")
        throw UsageError{"unknown box command " + QuoteValue(action) +
                         "; box takes show, export, import, check or classify"};
    std::vector<std::string> rest(words.begin() + 1, words.end());
    if (action == "classify")
        return RunBoxClassify(rest);
    if (action == "export" && std::count(rest.begin(), rest.end(), "--format") > 0)
        return RunBoxStyle(rest);
    ToolArgs args(rest, {"--codes", "-o"}, {"--old"});
    if (args.Positional().size() != 1)
        throw UsageError{"box " + action + " takes one box file"};
    const std::string& path = args.Positional()[0];
    if (args.Has("--codes"))
        ReadCodeBookFile(args.Value("--codes"));
    CVPaletteBox box;
    if (action == "import") {
        if (!args.Has("-o"))
            throw UsageError{"box import needs -o BOX.dat"};
        CheckBoxFilePath(args.Value("-o"), false);
        BoxFromJson(path, ReadWholeFile(path), box);
        SaveBox(args.Value("-o"), box);
        return 0;
    }
    LoadBox(path, args.Has("--old"), box);
    if (action == "show") {
        std::cout << ShowBox(box);
        return 0;
    }
    if (action == "export") {
        if (args.Has("-o"))
            WriteOutput(args.Value("-o"), BoxToJson(box));
        else
            std::cout << BoxToJson(box);
        return 0;
    }
    std::vector<BoxFinding> findings = CheckBox(box);
    for (const BoxFinding& f : findings) {
        std::cout << path << ": palette #" << f.plt + 1 << " "
                  << Cp932ToUtf8(box.GetPltName(f.plt));
        if (f.brs >= 0)
            std::cout << ", brush #" << f.brs + 1 << " "
                      << Cp932ToUtf8(box.GetPlt(f.plt)->GetBNm(static_cast<BYTE>(f.brs)));
        std::cout << ": " << f.reason << "\n";
    }
    if (findings.empty())
        std::cout << path << ": no brush is shadowed\n";
    return findings.empty() ? 0 : 1;
}
