#include "host/code_book.h"
#include "model/plt.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

TEST(ZokCatalogue, NamesByIndexAndByIdAgreeForEveryAttribute) {
    ASSERT_EQ(Velmora_GetZokCnt(), 17);
    CVObjPlt plt;
    for (int index = 0; index < Velmora_GetZokCnt(); ++index) {
        CString byIndex, byId;
        ASSERT_EQ(Velmora_GetZokName(index, byIndex), 1);
        WORD id = plt.SetZkCode(static_cast<BYTE>(index));
        ASSERT_EQ(Velmora_GetZokNameFromID(id, byId), 1) << id;
        EXPECT_TRUE(byIndex == byId) << index;
        EXPECT_EQ(plt.GetZkLabel(), index);
    }
}

TEST(ZokCatalogue, IndexOrderIsNotIdOrder) {
    CVObjPlt plt;
    EXPECT_EQ(plt.SetZkCode(0), 200);
    EXPECT_EQ(plt.SetZkCode(1), 300);
    EXPECT_EQ(plt.SetZkCode(4), 107);
    EXPECT_EQ(plt.SetZkCode(10), 106);
    EXPECT_EQ(plt.SetZkCode(16), 301);
    CString name;
    Velmora_GetZokNameFromID(301, name);
    EXPECT_STREQ(name, "不動産番号");
    Velmora_GetZokName(4, name);
    EXPECT_STREQ(name, "小字");
}

TEST(ZokCatalogue, UnknownIndexLeavesTheNameAndUnknownIdEmptiesIt) {
    CString name("keep");
    EXPECT_EQ(Velmora_GetZokName(17, name), 0);
    EXPECT_EQ(Velmora_GetZokName(-1, name), 0);
    EXPECT_STREQ(name, "keep");
    for (int id : {0, 99, 108, 302, 402, 503, 65536 + 200, -200}) {
        name = "keep";
        EXPECT_EQ(Velmora_GetZokNameFromID(id, name), 0) << id;
        EXPECT_TRUE(name.IsEmpty()) << id;
    }
}

TEST(ZokCatalogue, UnknownIndexOrIdMapsToNoAttribute) {
    CVObjPlt plt;
    plt.SetZty(401);
    EXPECT_EQ(plt.GetZkLabel(), 12);
    EXPECT_EQ(plt.SetZkCode(17), 0);
    EXPECT_EQ(plt.GetZty(), 0);
    for (WORD id : {0, 108, 302, 402}) {
        plt.SetZty(id);
        EXPECT_EQ(plt.GetZkLabel(), 255) << id;
    }
}

TEST(ZokCatalogue, KindFollowsTheHundredsOfTheId) {
    EXPECT_EQ(VelmoraZokKindOf(107), ZOK_KIND_CODE);
    EXPECT_EQ(VelmoraZokKindOf(201), ZOK_KIND_LONG);
    EXPECT_EQ(VelmoraZokKindOf(399), ZOK_KIND_TEXT);
    EXPECT_EQ(VelmoraZokKindOf(401), ZOK_KIND_DATE);
    EXPECT_EQ(VelmoraZokKindOf(502), ZOK_KIND_REAL);
    EXPECT_EQ(VelmoraZokKindOf(0), ZOK_KIND_NONE);
    EXPECT_EQ(VelmoraZokKindOf(99), ZOK_KIND_NONE);
    EXPECT_EQ(VelmoraZokKindOf(600), ZOK_KIND_NONE);
}

TEST(ZokCatalogue, CodeAttributesTakeTheirHostCodeTables) {
    const struct {
        WORD id;
        WORD tblNo;
    } kCases[] = {
        {ZOK_TOCHI_SHUBETSU, CODE_TBL_TOCHI_SHUBETSU},
        {ZOK_OAZA, CODE_TBL_OAZA},
        {ZOK_GENKYO_CHIMOKU, CODE_TBL_CHIMOKU},
        {ZOK_KOBO_CHIMOKU, CODE_TBL_CHIMOKU},
        {ZOK_SHOYUSHA, CODE_TBL_PERSON},
        {ZOK_NOZEISHA, CODE_TBL_PERSON},
        {ZOK_KOAZA, CODE_TBL_KOAZA},
        {ZOK_SHOYUKEN, 0},
        {ZOK_KK_NO, 0},
        {ZOK_FREE, 0},
        {108, 0},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(VelmoraZokCodeTbl(c.id), c.tblNo) << c.id;
}
