#include "app/box_store.h"
#include "app/app_text.h"

#include "host/jkn_folder.h"

#include <windows.h>

namespace {
// The folder kind under which the host names the box's folder to the library.
constexpr int kBoxFolderKind = 1;

struct BoxPath {
    std::string folder; // without a trailing separator
    std::string name;   // without folder and extension
};

// The library finds the file as folder\name.dat, so only a ".dat" path can
// be handed to it unchanged.
bool SplitBoxPath(const std::string& path, BoxPath& split, std::string& error) {
    size_t slash = path.find_last_of("\\/");
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = file.find_last_of('.');
    if (dot == std::string::npos || dot == 0 || lstrcmpiA(file.c_str() + dot, ".dat") != 0) {
        error = "パレットボックスのファイルは拡張子が .dat のファイルです。";
        return false;
    }
    split.folder = slash == std::string::npos ? "." : path.substr(0, slash);
    split.name = file.substr(0, dot);
    return true;
}

std::string Described(const std::string& path, int code, bool writing) {
    return Format("%s\n\n%s（結果コード 0x%X）", path.c_str(), BoxResultText(code, writing).c_str(),
                  (unsigned)code);
}
} // namespace

std::string BoxResultText(int code, bool writing) {
    const char* verb = writing ? "書き込めません" : "読めません";
    // A reading code is the writing code of the same item without 0x100.
    switch (writing ? code : code | 0x100) {
    case 0x10001:
    case 0x10101:
        return writing ? "フォルダまたはファイルを作れないか、先頭の所有者マークを書き込めません。"
                       : "ファイルを開けないか、パレットボックスのファイルではありません"
                         "（所有者マーク 5004 がありません）。";
    case 0x140:
        return "見出し（選択番号・パレット数）を書き込めません。";
    case 0x101:
        return Format("パレットの所有者マークが%s。", verb);
    case 0x102:
        return writing ? "ブラシの使用フラグ・条件・塗り設定を書き込めません。"
                       : "見出し（選択番号・パレット数）またはブラシの使用フラグ・条件・塗り設定が"
                         "読めないか、値が正しくありません。";
    case 0x104:
        return Format("ブラシの描画色が%s。", verb);
    case 0x108:
        return Format("ブラシのハッチコードが%s。", verb);
    case 0x110:
        return Format("ブラシ名が%s。", verb);
    case 0x120:
        return Format("パレット名または対象属性が%s。", verb);
    default:
        return Format("パレットボックスが%s。", verb);
    }
}

std::unique_ptr<CVPaletteBox> ReadBoxFile(const std::string& path, BoxLayout layout,
                                          std::string& error) {
    BoxPath split;
    if (!SplitBoxPath(path, split, error))
        return nullptr;
    // The library would create a missing file from an empty box.
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = path + "\n\nファイルがありません。";
        return nullptr;
    }
    Halvex_SetJknFolderPath(kBoxFolderKind, split.folder.c_str());
    auto box = std::make_unique<CVPaletteBox>();
    int code = layout == BoxLayout::OLD ? box->ReadPltsBoxOld(split.name.c_str(), kBoxFolderKind)
                                        : box->ReadPltsBox(split.name.c_str(), kBoxFolderKind);
    if (code != 0) {
        error = Described(path, code, false);
        return nullptr;
    }
    return box;
}

bool WriteBoxFile(CVPaletteBox& box, const std::string& path, std::string& error) {
    BoxPath split;
    if (!SplitBoxPath(path, split, error))
        return false;
    // Written beside the file first: the library empties a file before it
    // writes, and a write that fails half-way must not cost the saved box.
    std::string partName = split.name + "~saving";
    std::string partPath = split.folder + "\\" + partName + ".dat";
    Halvex_SetJknFolderPath(kBoxFolderKind, split.folder.c_str());
    int code = box.WritePltsBox(partName.c_str(), kBoxFolderKind);
    if (code != 0) {
        ::DeleteFileA(partPath.c_str());
        error = Described(path, code, true);
        return false;
    }
    if (!::MoveFileExA(partPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        ::DeleteFileA(partPath.c_str());
        error = path + "\n\nファイルを置き換えられません。";
        return false;
    }
    return true;
}
