#include "afx/afxfile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>

namespace {
template <class E, class Call> bool Raises(Call call, int* cause = nullptr) {
    try {
        call();
    } catch (E* e) {
        if constexpr (std::is_same_v<E, CFileException>)
            if (cause)
                *cause = e->m_cause;
        e->Delete();
        return true;
    }
    return false;
}
} // namespace

TEST(CFileTest, OpenWriteReadSeekTruncate) {
    const auto folder = std::filesystem::temp_directory_path();
    const std::string path =
        (folder / ("velmora-cfile-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count())))
            .string();
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open((path + "-missing").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_FALSE(file.Open(folder.string().c_str(), CFile::modeRead));
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("abcdef", 6);
    EXPECT_EQ(6u * 100 + 6u, file.GetLength() * 100 + file.GetPosition());
    EXPECT_EQ(2u, file.Seek(2, CFile::begin));
    char got[8] = {};
    EXPECT_EQ(4u, file.Read(got, 8)); // short at the end, no exception
    EXPECT_STREQ("cdef", got);
    file.Close();
    const UINT noTruncate = CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite;
    for (const auto& [mode, length] : {std::pair<UINT, ULONGLONG>{CFile::modeRead, 6},
                                       {noTruncate, 6},
                                       {CFile::modeCreate | CFile::modeWrite, 0}}) {
        CFile again;
        ASSERT_TRUE(again.Open(path.c_str(), mode));
        EXPECT_EQ(length, again.GetLength()) << mode;
        int cause = CFileException::none;
        EXPECT_EQ(mode == CFile::modeRead,
                  Raises<CFileException>([&] { again.Write("x", 1); }, &cause) &&
                      cause != CFileException::none);
    }
    std::filesystem::remove(path);
}

// A gap behind a seek reads as zeros; a fixed buffer neither grows nor seeks before it.
TEST(CMemFileTest, GrowsFillsGapsAndKeepsAFixedBuffer) {
    CMemFile file(4);
    for (int i = 0; i < 1000; ++i)
        file.Write(&i, sizeof i);
    file.Seek(-8, CFile::end);
    int last[2];
    EXPECT_EQ(8u, file.Read(last, 8));
    EXPECT_EQ(998 * 1000 + 999, last[0] * 1000 + last[1]);
    file.Seek(4005, CFile::begin);
    file.Write("b", 1);
    char got[6];
    file.Seek(4000, CFile::begin);
    ASSERT_EQ(6u, file.Read(got, 6));
    EXPECT_EQ(0, std::memcmp(got, "\0\0\0\0\0b", 6));

    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile fixed(buffer, 4);
    fixed.Seek(2, CFile::begin);
    fixed.Write("z", 1);
    EXPECT_EQ('z', buffer[2]);
    EXPECT_TRUE(Raises<CMemoryException>([&] { fixed.Write("yy", 2); }));
    int cause = CFileException::none;
    EXPECT_TRUE(Raises<CFileException>([&] { fixed.Seek(-4, CFile::current); }, &cause));
    EXPECT_EQ(CFileException::badSeek, cause);
    EXPECT_EQ(0u, fixed.Seek(-3, CFile::current));
    BYTE spare[4] = {9, 9, 9, 9};
    CMemFile growing(spare, 4, 16); // starts empty
    growing.Seek(1, CFile::begin);
    growing.Write("b", 1);
    EXPECT_EQ(0, std::memcmp(spare, "\0b\x09\x09", 4));
}

// Both builds split names alike, double-byte characters kept whole.
TEST(SplitPath, PartsOfANameAsTheWindowsRuntimeTakesThem) {
    const char* const cases[][5] = {
        {"C:\\work\\town.txt", "C:", "\\work\\", "town", ".txt"},
        {"d:town.txt", "d:", "", "town", ".txt"},
        {"/work/town.txt", "", "/work/", "town", ".txt"},
        {"a\\b.txt", "", "a\\", "b", ".txt"},
        {"E:/x\\y/z.q.r", "E:", "/x\\y/", "z.q", ".r"},
        {"\\\\server\\share\\f", "", "\\\\server\\share\\", "f", ""},
        // ソ and 表 end in the byte of '\\' in code page 932.
        {"C:\\ソフト\\表.txt", "C:", "\\ソフト\\", "表", ".txt"},
        // The edges of the lead-byte ranges, and the bytes just outside them.
        {"\x81\\\x9F\\\xE0\\\xFC\\.t", "", "", "\x81\\\x9F\\\xE0\\\xFC\\", ".t"},
        {"\x80\\\xA0\\\xDF\\\xFD\\x", "", "\x80\\\xA0\\\xDF\\\xFD\\", "x", ""},
        {"a.b\\c", "", "a.b\\", "c", ""},
        {"dir\\", "", "dir\\", "", ""},
        {".dat", "", "", "", ".dat"},
        {"town", "", "", "town", ""},
        {"", "", "", "", ""},
    };
    char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
    for (const auto& each : cases) {
        _splitpath(each[0], drive, dir, fname, ext);
        EXPECT_EQ(std::string(each[1]) + "|" + each[2] + "|" + each[3] + "|" + each[4],
                  std::string(drive) + "|" + dir + "|" + fname + "|" + ext);
    }
    _splitpath("C:\\a\\b.c", nullptr, nullptr, fname, nullptr);
    EXPECT_STREQ("b", fname);
}
