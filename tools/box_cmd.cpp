#include "tools/box_check.h"
#include "tools/box_file.h"
#include "tools/box_json.h"
#include "tools/box_show.h"
#include "tools/attr_input/code_book_file.h"
#include "tools/commands.h"
#include "tools/common/read_file.h"
#include "tools/common/text_codec.h"
#include "tools/tool_args.h"

#include <iostream>

int RunBox(const std::vector<std::string>& words) {
    if (words.empty())
        throw UsageError{"box needs show, export, import or check"};
    std::string action = words[0];
    ToolArgs args(std::vector<std::string>(words.begin() + 1, words.end()), {"--codes", "-o"},
                  {"--old"});
    if (args.Positional().size() != 1)
        throw UsageError{"box " + action + " takes one box file"};
    const std::string& path = args.Positional()[0];
    if (args.Has("--codes"))
        ReadCodeBookFile(args.Value("--codes"));
    CVPaletteBox box;
    if (action == "import") {
        if (!args.Has("-o"))
            throw UsageError{"box import needs -o BOX.dat"};
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
            WriteWholeFile(args.Value("-o"), BoxToJson(box));
        else
            std::cout << BoxToJson(box);
        return 0;
    }
    if (action == "check") {
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
    throw UsageError{"unknown box action '" + action + "'"};
}
