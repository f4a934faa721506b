#include "model/plt.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <utility>

TEST(ZokCatalogue, IndexIdNameAndCodeTableAgreeForEveryAttribute) {
    ASSERT_EQ(17, Velmora_GetZokCnt());
    const WORD ids[] = {200, 300, 100, 101, 107, 102, 103, 104, 105,
                        201, 106, 400, 401, 500, 501, 502, 301};
    const WORD tables[] = {0, 0, 101, 105, 113, 106, 106, 114, 114}; // the code book's tables
    CVObjPlt plt;
    for (int index = 0; index < Velmora_GetZokCnt(); ++index) {
        CString byIndex, byId;
        ASSERT_EQ(1, Velmora_GetZokName(index, byIndex));
        EXPECT_EQ(ids[index], plt.SetZkCode(static_cast<BYTE>(index))) << index;
        ASSERT_EQ(1, Velmora_GetZokNameFromID(plt.GetZty(), byId));
        EXPECT_TRUE(byIndex == byId) << index;
        EXPECT_EQ(index, plt.GetZkLabel());
        EXPECT_EQ(index < 9 ? tables[index] : 0, VelmoraZokCodeTbl(ids[index])) << index;
    }
    CString name;
    Velmora_GetZokNameFromID(301, name);
    EXPECT_STREQ("不動産番号", name);
    Velmora_GetZokName(4, name);
    EXPECT_STREQ("小字", name);
}

// An unknown index leaves the name, an unknown ID empties it.
TEST(ZokCatalogue, UnknownIndexOrIdIsNoAttribute) {
    CString name("keep");
    EXPECT_EQ(0, Velmora_GetZokName(17, name) + Velmora_GetZokName(-1, name));
    EXPECT_STREQ("keep", name);
    CVObjPlt plt;
    EXPECT_EQ(0, plt.SetZkCode(17));
    for (int id : {0, 99, 108, 202, 302, 402, 503, 65536 + 200, -200}) {
        name = "keep";
        EXPECT_EQ(0, Velmora_GetZokNameFromID(id, name)) << id;
        EXPECT_TRUE(name.IsEmpty()) << id;
        plt.SetZty(static_cast<WORD>(id));
        EXPECT_EQ(id == 65536 + 200 ? 0 : 255, plt.GetZkLabel()) << id;
        EXPECT_EQ(0, VelmoraZokCodeTbl(plt.GetZty())) << id;
    }
}

TEST(ZokCatalogue, KindFollowsTheHundredsOfTheId) {
    const std::pair<WORD, VelmoraZokKind> cases[] = {
        {0, ZOK_KIND_NONE},   {99, ZOK_KIND_NONE},  {100, ZOK_KIND_CODE},
        {199, ZOK_KIND_CODE}, {201, ZOK_KIND_LONG}, {399, ZOK_KIND_TEXT},
        {401, ZOK_KIND_DATE}, {599, ZOK_KIND_REAL}, {600, ZOK_KIND_NONE}};
    for (const auto& [id, kind] : cases)
        EXPECT_EQ(kind, VelmoraZokKindOf(id)) << id;
}
