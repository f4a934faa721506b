// velmora.dll as a host sees it: texts, objects and exceptions cross the boundary.
#include "velmora.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

const char kOwner[] = "\x8f\x8a\x97\x4c\x8e\xd2"; // 所有者, as code page 932 bytes

// A palette of the host's own kind, which the box must delete as such.
struct HostPlt : CVObjPlt {
    explicit HostPlt(int* deletions) : deletions(deletions) {}
    ~HostPlt() override { ++*deletions; }
    int* deletions;
};

TEST(ZokCatalogue, NamesCrossAsCodePage932Bytes) {
    ASSERT_EQ(GetACP(), 932u) << "Wine falls back to 1252 when the ja_JP.UTF-8 locale is missing";
    CString name;
    ASSERT_EQ(Velmora_GetZokName(7, name), 1);
    EXPECT_EQ(std::string(name.GetString(), name.GetLength()), kOwner);
}

TEST(PaletteBox, DeletesTheHostsPalettesThroughTheirOwnDestructor) {
    int deletions = 0;
    {
        CVPaletteBox box;
        for (int i = 0; i < 2; ++i)
            ASSERT_EQ(box.AddPlt(new HostPlt(&deletions)), 1);
        ASSERT_EQ(box._RemovePlt(0), 1);
        EXPECT_EQ(deletions, 1);
    }
    EXPECT_EQ(deletions, 2);
}

TEST(PaletteBox, TakesBrushesMadeByTheHostAndThrowsPointersToIt) {
    CVPaletteBox box;
    box.AddSelPlt(new CVObjPlt);
    {
        CVObjBrs brush;
        brush.BNm = kOwner;
        ASSERT_EQ(box.CreateBrs(0, &brush), 0);
    }
    EXPECT_STREQ(box.GetSelBrsNm(0), kOwner);

    ASSERT_EQ(box.SetSelPNo(5), 1);
    char message[64] = "";
    try {
        box.GetCountSelBrs();
    } catch (CInvalidArgException* e) {
        e->GetErrorMessage(message, sizeof message);
        e->Delete();
    }
    EXPECT_STRNE(message, "");
}

} // namespace
