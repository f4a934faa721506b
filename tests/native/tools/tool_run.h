#pragma once

#include "tests/native/temp_dir.h"
#include "parcels/text/read_file.h"

#include <sys/wait.h>

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun RunVelmora(const TempDir& dir, const std::string& args) {
    std::string command = std::string("'") + VELMORA_TOOL + "' " + args + " >'" +
                          dir.File("stdout") + "' 2>'" + dir.File("stderr") + "'";
    int status = std::system(command.c_str());
    return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(dir.File("stdout")),
                   ReadWholeFile(dir.File("stderr"))};
}

inline std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}
