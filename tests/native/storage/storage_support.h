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

// What the older layout keeps of a palette: each tail as a fresh brush has it.
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

// A private folder for one folder kind; the clock keeps two runs apart.
struct BoxFolderTest : ::testing::Test {
    static constexpr int kKind = 7;

    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("velmora-store-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
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

    std::vector<fs::path> Files() const {
        std::vector<fs::path> files(fs::directory_iterator(m_folder), {});
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
