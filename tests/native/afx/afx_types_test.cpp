// The MFC classes as the library leans on them: strings of bytes, arrays
// that shift and raise on a bad index.
#include "afx/afx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CString, ComparesAndKeepsBytes) {
    CString name("画地No");
    EXPECT_EQ(std::string(name), std::string("\x89\xe6\x92\x6e\x4e\x6f"));
    EXPECT_EQ(name.GetLength(), 6);
    EXPECT_TRUE(CString("A") != CString("a") && CString("A") != CString("A "));
    EXPECT_TRUE(CString("") == CString());
    CString text("a\0b", 3);
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_FALSE(text == CString("a"));
}

TEST(CString, FormatGrowsAndSelfAssignmentHolds) {
    CString text;
    text.Format("%d～%d", 1, 2);
    EXPECT_STREQ(text, "1\x81\x60"
                       "2");
    text.Format("%s|%.7lf", std::string(1000, 'x').c_str(), 0.5);
    EXPECT_EQ(text.GetLength(), 1000 + 1 + 9);
    text = "abc";
    text = text;
    text = static_cast<LPCTSTR>(text);
    text += text;
    EXPECT_STREQ(text, "abcabc");
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_STREQ(text, "");
}

TEST(CArray, InsertAndRemoveShiftAndABadIndexRaises) {
    CDWordArray values;
    for (DWORD v = 0; v < 10; ++v)
        values.Add(v);
    values.InsertAt(0, 100);
    values.InsertAt(11, 200);
    EXPECT_EQ(std::vector<DWORD>(values.GetData(), values.GetData() + values.GetSize()),
              (std::vector<DWORD>{100, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 200}));
    values.RemoveAt(1, 10);
    EXPECT_EQ(std::vector<DWORD>(values.GetData(), values.GetData() + 2),
              (std::vector<DWORD>{100, 200}));
    EXPECT_EQ(values.GetSize(), 2);
    CTypedPtrArray<CPtrArray, int*> pointers;
    try {
        pointers.InsertAt(1, nullptr);
        ADD_FAILURE() << "inserting beyond the end must raise";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_EQ(pointers.GetSize(), 0);
}
