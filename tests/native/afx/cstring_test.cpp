#include "afx/afx.h"

#include <gtest/gtest.h>

#include <string>

TEST(CString, ComparesBytesNotCharacters) {
    CString name("画地No");
    EXPECT_EQ(std::string(name), std::string("\x89\xe6\x92\x6e\x4e\x6f"));
    EXPECT_EQ(name.GetLength(), 6);
    EXPECT_TRUE(CString("A") != CString("a"));
    EXPECT_TRUE(CString("A") != CString("A "));
    EXPECT_TRUE(CString("") == CString());
}

TEST(CString, KeepsEmbeddedBytesOfALengthGivenConstruction) {
    CString text("a\0b", 3);
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_FALSE(text == CString("a"));
}

TEST(CString, FormatGrowsToAnyLength) {
    CString text;
    text.Format("%d～%d", 1, 2);
    EXPECT_STREQ(text, "1\x81\x60"
                       "2");
    std::string wide(1000, 'x');
    text.Format("%s|%.7lf", wide.c_str(), 0.5);
    EXPECT_EQ(text.GetLength(), 1000 + 1 + 9);
}

TEST(CString, SelfAssignmentAndAppendFromItself) {
    CString text("abc");
    text = text;
    text = static_cast<LPCTSTR>(text);
    text += text;
    EXPECT_STREQ(text, "abcabc");
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_STREQ(text, "");
}
