// CFile and CMemFile as the storage uses them, the folder function, and the
// path splitting.
#include "afx/afxfile.h"
#include "tests/native/storage/storage_support.h"

namespace {
// True when the call raised E, whose cause, if it has one, is passed on.
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

class CFileTest : public BoxFolderTest {};

TEST_F(CFileTest, OpenWriteReadSeekTruncate) {
    const std::string path = (m_root / "data.bin").string();
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open((m_root / "missing").string().c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_FALSE(file.Open(m_root.string().c_str(), CFile::modeRead));
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("abcdef", 6);
    EXPECT_EQ(6u, file.GetLength());
    EXPECT_EQ(6u, file.GetPosition());
    EXPECT_EQ(2u, file.Seek(2, CFile::begin));
    char got[8] = {};
    EXPECT_EQ(4u, file.Read(got, 8)); // short at the end, no exception
    EXPECT_STREQ("cdef", got);
    EXPECT_EQ(0u, file.Read(got, 1));
    file.Close();
    const UINT noTruncate = CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite;
    const struct {
        UINT mode;
        ULONGLONG length;
    } opens[] = {{CFile::modeRead, 6}, {noTruncate, 6}, {CFile::modeCreate | CFile::modeWrite, 0}};
    for (const auto& each : opens) {
        CFile again;
        ASSERT_TRUE(again.Open(path.c_str(), each.mode));
        EXPECT_EQ(each.length, again.GetLength()) << each.mode;
        int cause = CFileException::none;
        EXPECT_EQ(each.mode == CFile::modeRead,
                  Raises<CFileException>([&] { again.Write("x", 1); }, &cause));
        EXPECT_EQ(each.mode == CFile::modeRead, cause != CFileException::none);
    }
}

TEST(CMemFileTest, GrowsReadsBackAndFillsGapsWithZeros) {
    CMemFile file(4);
    for (int i = 0; i < 1000; ++i)
        file.Write(&i, sizeof i);
    EXPECT_EQ(4000u, file.GetLength());
    file.Seek(-8, CFile::end);
    int last[2];
    EXPECT_EQ(8u, file.Read(last, 8));
    EXPECT_EQ(998, last[0]);
    EXPECT_EQ(999, last[1]);
    EXPECT_EQ(0u, file.Read(last, 4));
    file.Seek(4005, CFile::begin);
    file.Write("b", 1);
    char got[6];
    file.Seek(4000, CFile::begin);
    ASSERT_EQ(6u, file.Read(got, 6));
    EXPECT_EQ(0, std::memcmp(got, "\0\0\0\0\0b", 6));
}

TEST(CMemFileTest, FixedBufferNeitherGrowsNorSeeksBeforeItsStart) {
    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile file(buffer, 4);
    EXPECT_EQ(4u, file.GetLength());
    file.Seek(2, CFile::begin);
    file.Write("z", 1);
    EXPECT_EQ('z', buffer[2]);
    EXPECT_TRUE(Raises<CMemoryException>([&] { file.Write("yy", 2); }));
    int cause = CFileException::none;
    EXPECT_TRUE(Raises<CFileException>([&] { file.Seek(-5, CFile::current); }, &cause));
    EXPECT_EQ(CFileException::badSeek, cause);
}

TEST(JknFolder, NamedPerKindAndTheCurrentFolderOtherwise) {
    EXPECT_EQ(CString("."), Halvex_GetJknFolderPath(31));
    Halvex_SetJknFolderPath(31, "D:\\jkn");
    EXPECT_EQ(CString("D:\\jkn"), Halvex_GetJknFolderPath(31));
    EXPECT_EQ(CString("."), Halvex_GetJknFolderPath(32));
    Halvex_SetJknFolderPath(31, "");
    EXPECT_EQ(CString("."), Halvex_GetJknFolderPath(31));
}

// Both builds split names alike: a drive letter with ':', either separator,
// double-byte characters kept whole.
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
        {"a.b\\c", "", "a.b\\", "c", ""},
        {"dir\\", "", "dir\\", "", ""},
        {".dat", "", "", "", ".dat"},
        {"town", "", "", "town", ""},
        {"", "", "", "", ""},
    };
    for (const auto& each : cases) {
        char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
        _splitpath(each[0], drive, dir, fname, ext);
        EXPECT_STREQ(each[1], drive) << each[0];
        EXPECT_STREQ(each[2], dir) << each[0];
        EXPECT_STREQ(each[3], fname) << each[0];
        EXPECT_STREQ(each[4], ext) << each[0];
    }
    char fname[_MAX_FNAME];
    _splitpath("C:\\a\\b.c", nullptr, nullptr, fname, nullptr);
    EXPECT_STREQ("b", fname);
}
