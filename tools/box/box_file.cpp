#include "tools/box/box_file.h"
#include "tools/box/box_json.h"
#include "parcels/text/input_error.h"
#include "parcels/text/read_file.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_args.h"

#include "host/jkn_folder.h"
#include "storage/file_system.h"

#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>

namespace {
// The folder kind under which the tool names the folder of the box it works on.
constexpr int kToolFolderKind = 0;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The library finds a box by folder kind and file name, as a host does.
void NameFolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    Halvex_SetJknFolderPath(kToolFolderKind, folder.empty() ? "/" : folder.c_str());
}

std::string Hex(int code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(code));
    return text;
}
} // namespace

void CheckBoxFilePath(const std::string& path, bool json) {
    if (!EndsWith(path, ".dat") && !(json && EndsWith(path, ".json")))
        throw UsageError{path + (json ? ": a palette box is a .dat or a .json file"
                                      : ": a palette box file must end in .dat")};
}

void LoadBox(const std::string& path, bool old, CVPaletteBox& box) {
    CheckBoxFilePath(path, true);
    if (EndsWith(path, ".json")) {
        BoxFromJson(path, ReadWholeFile(path), box);
        return;
    }
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        throw InputError(path, 0, "no such palette box file");
    NameFolderOf(path);
    int result = old ? box.ReadPltsBoxOld(path.c_str(), kToolFolderKind)
                     : box.ReadPltsBox(path.c_str(), kToolFolderKind);
    if (result != 0)
        throw InputError(
            path, 0,
            "not a readable palette box" + std::string(old ? " in the older layout" : "") +
                " (code " + Hex(result) + ")" + (old ? "" : "; if it is an older file, add --old"));
}

void SaveBox(const std::string& path, CVPaletteBox& box) {
    CheckBoxFilePath(path, false);
    NameFolderOf(path);
    RemovedOnSignal saving(path + kBoxSavingSuffix);
    int result = box.WritePltsBox(path.c_str(), kToolFolderKind);
    if (result != 0)
        throw std::runtime_error(path + ": cannot write the palette box (code " + Hex(result) +
                                 ")");
}
