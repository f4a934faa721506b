// velmora: paints registry maps with palette boxes, and keeps palette boxes.
// Exit status: 0 done, 1 bad input data, 2 wrong arguments.
#include "tools/commands.h"
#include "tools/common/tool_args.h"

#include "afx/afx.h"

#include <algorithm>
#include <iostream>

namespace {
const char* const kToolUsage =
    "velmora paints the parcels of registry maps by a palette of a palette box,\n"
    "and keeps palette boxes as JSON.\n"
    "\n"
    "usage: velmora paint MAP... --box BOX -o OUT [options]   (velmora paint --help)\n"
    "       velmora export MAP... --box BOX -o OUT.gpkg [options] (velmora export --help)\n"
    "       velmora box show|export|import|check|classify ... (velmora box --help)\n"
    "       velmora --help | --version\n"
    "\n"
    "Exit status: 0 done, 1 bad input data, 2 wrong arguments.\n";

bool AsksForHelp(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(),
                       [](const std::string& w) { return w == "--help" || w == "-h"; });
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string command = words.empty() ? std::string() : words[0];
    try {
        if (command.empty())
            throw UsageError{"no command"};
        if (command == "--help" || command == "-h" || command == "help") {
            std::cout << kToolUsage;
            return 0;
        }
        if (command == "--version") {
            std::cout << "velmora " VELMORA_TOOL_VERSION "\n";
            return 0;
        }
        words.erase(words.begin());
        if (command == "paint") {
            if (AsksForHelp(words)) {
                std::cout << kPaintUsage;
                return 0;
            }
            return RunPaint(words);
        }
        if (command == "export") {
            if (AsksForHelp(words)) {
                std::cout << kExportUsage;
                return 0;
            }
            return RunExport(words);
        }
        if (command == "box") {
            if (AsksForHelp(words)) {
                std::cout << kBoxUsage;
                return 0;
            }
            return RunBox(words);
        }
        throw UsageError{"unknown command '" + command + "'"};
    } catch (const UsageError& error) {
        std::string help = command == "paint" || command == "box" || command == "export"
                               ? "velmora " + command + " --help"
                               : "velmora --help";
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
