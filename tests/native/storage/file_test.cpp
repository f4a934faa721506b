// CFile and CMemFile as the storage uses them, the folder function, and the
// path splitting.
#include "afx/afxfile.h"
#include "host/jkn_folder.h"
#include "tests/native/storage/box_test_support.h"

#include <cstring>

class CFileTest : public BoxFolderTest {
protected:
    std::string PathOf(const char* name) { return (m_root / name).string(); }
};

TEST_F(CFileTest, OpenReportsAMissingFile) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(PathOf("missing").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_FALSE(file.Open(m_root.string().c_str(), CFile::modeRead));
}

TEST_F(CFileTest, WritesReadsSeeksAndTruncatesOnCreate) {
    const std::string path = PathOf("data.bin");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
        file.Write("abcdef", 6);
        EXPECT_EQ(6u, file.GetLength());
        EXPECT_EQ(6u, file.GetPosition());
        EXPECT_EQ(2u, file.Seek(2, CFile::begin));
        char got[8] = {};
        EXPECT_EQ(4u, file.Read(got, 8)); // short at the end, no exception
        EXPECT_STREQ("cdef", got);
        EXPECT_EQ(0u, file.Read(got, 1));
        file.Flush();
        file.Close();
    }
    {
        CFile file;
        ASSERT_TRUE(
            file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
        EXPECT_EQ(6u, file.GetLength());
    }
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_EQ(0u, file.GetLength());
}

TEST_F(CFileTest, WriteToAFileOpenedForReadingThrows) {
    const std::string path = PathOf("ro.bin");
    WriteBytes(path, {1, 2});
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    try {
        file.Write("x", 1);
        ADD_FAILURE() << "no exception";
    } catch (CFileException* e) {
        EXPECT_NE(CFileException::none, e->m_cause);
        e->Delete();
    }
}

TEST(CMemFileTest, GrowsAndReadsBack) {
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
}

TEST(CMemFileTest, GapBehindTheEndReadsAsZeros) {
    CMemFile file;
    file.Write("a", 1);
    file.Seek(5, CFile::begin);
    file.Write("b", 1);
    char got[6];
    file.SeekToBegin();
    ASSERT_EQ(6u, file.Read(got, 6));
    EXPECT_EQ(0, std::memcmp(got, "a\0\0\0\0b", 6));
}

TEST(CMemFileTest, FixedBufferNeitherGrowsNorSeeksBeforeItsStart) {
    BYTE buffer[4] = {1, 2, 3, 4};
    CMemFile file(buffer, 4);
    EXPECT_EQ(4u, file.GetLength());
    file.Seek(2, CFile::begin);
    file.Write("z", 1);
    EXPECT_EQ('z', buffer[2]);
    try {
        file.Write("yy", 2);
        ADD_FAILURE() << "fixed buffer grew";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    try {
        file.Seek(-5, CFile::current);
        ADD_FAILURE() << "seek before the start";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::badSeek, e->m_cause);
        e->Delete();
    }
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
    struct {
        const char* path;
        const char* drive;
        const char* dir;
        const char* fname;
        const char* ext;
    } cases[] = {
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
        _splitpath(each.path, drive, dir, fname, ext);
        EXPECT_STREQ(each.drive, drive) << each.path;
        EXPECT_STREQ(each.dir, dir) << each.path;
        EXPECT_STREQ(each.fname, fname) << each.path;
        EXPECT_STREQ(each.ext, ext) << each.path;
    }
    char fname[_MAX_FNAME];
    _splitpath("C:\\a\\b.c", nullptr, nullptr, fname, nullptr);
    EXPECT_STREQ("b", fname);
}
