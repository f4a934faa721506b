#include "afx/afx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CString, KeepsBytesFormatsAndAssignsToItself) {
    CString name("画地No");
    EXPECT_EQ(std::string(name), std::string("\x89\xe6\x92\x6e\x4e\x6f"));
    EXPECT_TRUE(CString("A") != CString("a") && CString("A") != CString("A "));
    EXPECT_TRUE(CString("") == CString());
    EXPECT_FALSE(CString("a\0b", 3) == CString("a"));
    CString text;
    text.Format("%s|%.7lf", std::string(1000, 'x').c_str(), 0.5);
    EXPECT_EQ(std::string(text), std::string(1000, 'x') + "|0.5000000");
    text = "abc";
    text = text;
    text = static_cast<LPCTSTR>(text);
    text += text;
    EXPECT_STREQ(text, "abcabc");
}

TEST(CArray, InsertAndRemoveShiftAndABadIndexRaises) {
    CDWordArray values;
    for (DWORD v = 0; v < 10; ++v)
        values.Add(v);
    values.InsertAt(0, 100);
    values.InsertAt(11, 200);
    values.RemoveAt(1, 9);
    EXPECT_EQ(std::vector<DWORD>(values.GetData(), values.GetData() + values.GetSize()),
              (std::vector<DWORD>{100, 9, 200}));
    CTypedPtrArray<CPtrArray, int*> pointers;
    try {
        pointers.InsertAt(1, nullptr);
        ADD_FAILURE() << "inserting beyond the end must raise";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_EQ(pointers.GetSize(), 0);
}
