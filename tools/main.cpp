// velmora: paints registry maps with palette boxes, and keeps palette boxes.
// Exit status: 0 done, 1 bad input data, 2 wrong arguments.
#include "tools/commands.h"
#include "parcels/text/text_cut.h"
#include "tools/common/large_heap.h"
#include "tools/common/tool_args.h"

#include "afx/afx.h"

#include <algorithm>
#include <iostream>

namespace {
struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
    const char* synopsis; // its line of the tool's usage
    const char* usage;    // its --help
};

const Command kCommands[] = {
    {"paint", RunPaint, "MAP... --box BOX -o OUT [options]", kPaintUsage},
    {"export", RunExport, "MAP... --box BOX -o OUT.gpkg [options]", kExportUsage},
    {"box", RunBox, "show|export|import|check|classify ...", kBoxUsage},
};

// Each command's line ends with where its help is, from this column on when
// the line leaves room.
constexpr size_t kHelpColumn = 57;

std::string ToolUsage() {
    std::string usage =
        "velmora paints the parcels of registry maps by a palette of a palette box,\n"
        "and keeps palette boxes as JSON.\n"
        "\n";
    std::string lead = "usage: ";
    for (const Command& command : kCommands) {
        std::string line = lead + "velmora " + command.name + " " + command.synopsis;
        line.resize(std::max(line.size() + 1, kHelpColumn), ' ');
        usage += line + "(velmora " + command.name + " --help)\n";
        lead = "       ";
    }
    return usage + "       velmora --help | --version\n"
                   "\n"
                   "Exit status: 0 done, 1 bad input data, 2 wrong arguments.\n";
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : kCommands)
        if (name == command.name)
            return &command;
    return nullptr;
}

bool AsksForHelp(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(),
                       [](const std::string& w) { return w == "--help" || w == "-h"; });
}

int Run(std::vector<std::string> words) {
    if (words.empty())
        throw UsageError{"no command"};
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        std::cout << ToolUsage();
        return 0;
    }
    if (words[0] == "--version") {
        std::cout << "velmora " VELMORA_TOOL_VERSION "\n";
        return 0;
    }
    const Command* command = FindCommand(words[0]);
    if (!command)
        throw UsageError{"unknown command " + QuoteValue(words[0])};
    words.erase(words.begin());
    if (AsksForHelp(words)) {
        std::cout << command->usage;
        return 0;
    }
    return command->run(words);
}
} // namespace

int main(int argc, char** argv) {
    PrepareLargeHeap();
    std::vector<std::string> words(argv + 1, argv + argc);
    try {
        return Run(words);
    } catch (const UsageError& error) {
        const Command* command = words.empty() ? nullptr : FindCommand(words[0]);
        std::string help =
            command ? std::string("velmora ") + command->name + " --help" : "velmora --help";
        std::cerr << "velmora: " << error.what << " (see '" << help << "')\n";
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "velmora: " << error.what() << "\n";
        return 1;
    } catch (CException* error) {
        error->Delete();
        std::cerr << "velmora: the library refused the request\n";
        return 1;
    }
}
