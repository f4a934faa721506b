// Shared by the storage tests: the bytes a palette or box stores, the items
// of a written box with the code of a read or write that stops in each, and
// a private folder per test for box files.
#pragma once

#include "afx/afxfile.h"
#include "host/jkn_folder.h"
#include "storage/record_codes.h"
#include "storage/record_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<BYTE>;

inline Bytes BytesOf(CMemFile& file) {
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// What a palette or a box stores: two are alike when these bytes are.
inline Bytes Stored(CVObjPlt& plt) {
    CMemFile file(1 << 16);
    EXPECT_EQ(0, plt.WritePlt(&file));
    return BytesOf(file);
}
inline Bytes Stored(const CVPaletteBox& box) {
    Bytes bytes;
    for (int value : {box.SelPNo, box.BoxWord, box.GetPltCount()})
        bytes.insert(bytes.end(), reinterpret_cast<BYTE*>(&value),
                     reinterpret_cast<BYTE*>(&value) + sizeof value);
    for (int pos = 0; pos < box.GetPltCount(); ++pos) {
        const Bytes record = Stored(*box.GetPlt(pos));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

// What the older layout keeps of a palette: each brush's tail as a fresh
// brush has it.
inline void ClearTails(CVObjPlt& plt) {
    const CVObjBrs fresh;
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        CVObjBrs& brs = plt.Brs[pos];
        brs.LayerNo = fresh.LayerNo;
        brs.PaintFlg = fresh.PaintFlg;
        brs.PaintData = fresh.PaintData;
        brs.HatchData = fresh.HatchData;
    }
}

// One item of a written box: where it ends, and the code of a read of either
// layout or of a write that stops inside it.
struct Item {
    size_t end;
    int olderRead;
    int currentRead;
    int write;
};

// The items of a box file holding the one palette: 7 per brush, 5 in the
// older layout.
inline std::vector<Item> BoxItems(const CVObjPlt& plt, bool older) {
    std::vector<Item> items;
    size_t end = 0;
    auto add = [&](size_t size, int olderRead, int currentRead, int write) {
        end += size;
        items.push_back({end, olderRead, currentRead, write});
    };
    add(kOwnNoBytes, BOX_FILE_FAILED, BOX_FILE_FAILED, BOX_FILE_FAILED);
    add(kBoxHeaderBytes - kOwnNoBytes, BOX_HEAD_READ_FAILED, BOX_HEAD_READ_FAILED,
        BOX_HEAD_WRITE_FAILED);
    add(kOwnNoBytes, REC_OWN_NO, REC_OWN_NO, REC_WRITE | REC_OWN_NO);
    add(kTextCountBytes + plt.PNm.GetLength() + sizeof plt.Zty, REC_PLT_HEAD, REC_PLT_HEAD,
        REC_WRITE | REC_PLT_HEAD);
    const VelmoraZokKind kind = VelmoraZokKindOf(plt.Zty);
    // A current record cut in a brush head reads as far as it goes.
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        const CVObjBrs& brs = plt.Brs[pos];
        add(sizeof brs.BFg, REC_ITEM, 0, REC_WRITE | REC_ITEM);
        add(sizeof brs.Col, REC_COL, 0, REC_WRITE | REC_COL);
        add(sizeof brs.Hat, REC_HAT, 0, REC_WRITE | REC_HAT);
        add(kTextCountBytes + brs.BNm.GetLength(), REC_BNM, 0, REC_WRITE | REC_BNM);
        add(sizeof(WORD) + (kind == ZOK_KIND_TEXT
                                ? kTextCountBytes + std::strlen(brs.ZVal.ZText.Text)
                                : kConditionValueBytes[kind]),
            REC_ITEM, 0, REC_WRITE | REC_ITEM);
        if (older)
            continue;
        add(sizeof kBrsTailMark, 0, 0, REC_WRITE | REC_ITEM);
        add(kBrsTailBytes - sizeof kBrsTailMark, 0, REC_ITEM, REC_WRITE | REC_ITEM);
    }
    return items;
}

// The item a read or write stopping at `at` fails in; nullptr past the last.
inline const Item* ItemAt(const std::vector<Item>& items, size_t at) {
    for (const Item& item : items)
        if (item.end > at)
            return &item;
    return nullptr;
}

// A private folder, named to the library as the folder of one folder kind.
// The clock keeps two runs of the same tests on one machine apart.
class BoxFolderTest : public ::testing::Test {
protected:
    static constexpr int kKind = 7;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 ("velmora-store-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                  "-" + info->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        m_folder = m_root / "jkn";
        Halvex_SetJknFolderPath(kKind, m_folder.string().c_str());
    }

    void TearDown() override {
        Halvex_SetJknFolderPath(kKind, nullptr);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path BoxPath(const std::string& name) const { return m_folder / (name + ".dat"); }

    static Bytes ReadBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    // The files of a folder, in name order.
    static std::vector<fs::path> FilesIn(const fs::path& folder) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        return files;
    }

    static void WriteBytes(const fs::path& path, const Bytes& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    fs::path m_root;
    fs::path m_folder;
};
