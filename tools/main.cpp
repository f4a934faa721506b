// velmora: paints registry maps with palette boxes, and keeps palette boxes.
#include "tools/commands.h"
#include "tools/common/input_error.h"
#include "tools/tool_args.h"

#include "afx/afx.h"

#include <iostream>

const char* const kUsage =
    "usage:\n"
    "  velmora paint MAP.xml --box BOX.dat -o OUT.svg [--attrs ATTRS.csv] [--codes CODES.csv]\n"
    "                [--palette NAME | --palette-no N] [--old] [--size PIXELS] [--no-labels]\n"
    "  velmora box show   BOX [--old] [--codes CODES.csv]\n"
    "  velmora box export BOX [--old] [-o OUT.json]\n"
    "  velmora box import IN.json -o BOX.dat [--codes CODES.csv]\n"
    "  velmora box check  BOX [--old] [--codes CODES.csv]\n"
    "BOX is a .dat palette box (--old: brushes in the older layout) or its .json form.\n";

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    try {
        if (words.empty())
            throw UsageError{"no command"};
        std::string command = words[0];
        words.erase(words.begin());
        if (command == "paint")
            return RunPaint(words);
        if (command == "box")
            return RunBox(words);
        if (command == "--help" || command == "help") {
            std::cout << kUsage;
            return 0;
        }
        throw UsageError{"unknown command '" + command + "'"};
    } catch (const UsageError& error) {
        std::cerr << "velmora: " << error.what << "\n" << kUsage;
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
