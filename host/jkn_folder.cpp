#include "host/jkn_folder.h"

#include <map>

namespace {
std::map<int, CString>& Folders() {
    static std::map<int, CString> folders;
    return folders;
}
} // namespace

CString Halvex_GetJknFolderPath(int kind) {
    const auto found = Folders().find(kind);
    return found == Folders().end() ? CString(".") : found->second;
}

void Halvex_SetJknFolderPath(int kind, LPCTSTR folder) {
    if (folder && *folder)
        Folders()[kind] = folder;
    else
        Folders().erase(kind);
}
