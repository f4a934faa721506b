#include "afx/afx.h"

#include <gtest/gtest.h>

TEST(CArray, InsertAndRemoveShiftElements) {
    CDWordArray values;
    for (DWORD v = 0; v < 10; ++v)
        values.Add(v);
    values.InsertAt(0, 100);
    values.InsertAt(11, 200);
    ASSERT_EQ(values.GetSize(), 12);
    EXPECT_EQ(values[0], 100u);
    EXPECT_EQ(values[1], 0u);
    EXPECT_EQ(values[11], 200u);
    values.RemoveAt(1, 10);
    ASSERT_EQ(values.GetSize(), 2);
    EXPECT_EQ(values[1], 200u);
}

TEST(CArray, BadIndexThrowsInvalidArgumentAsAPointer) {
    CTypedPtrArray<CPtrArray, int*> pointers;
    try {
        pointers.InsertAt(1, nullptr);
        FAIL() << "inserting beyond the end must throw";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_EQ(pointers.GetSize(), 0);
}
