#include "model/plt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
CVObjBrs Named(const char* name) {
    CVObjBrs brs;
    brs.BNm = name;
    brs.ZVal.ZCode.Zty = 102;
    brs.ZVal.ZCode.Code = static_cast<DWORD>(name[0]);
    return brs;
}

void AddNamed(CVObjPlt& plt, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        CVObjBrs brs = Named(name);
        const int count = plt.CountBrs();
        ASSERT_EQ(plt.AddBrs(static_cast<BYTE>(count), &brs), count);
    }
}

std::vector<std::string> Names(const CVObjPlt& plt) {
    std::vector<std::string> names;
    for (int pos = 0; pos < plt.CountBrs(); ++pos)
        names.push_back(plt.GetBNm(static_cast<BYTE>(pos)));
    return names;
}

using Strings = std::vector<std::string>;
} // namespace

TEST(Plt, AddShiftsLaterBrushesUpAndRefusesGaps) {
    CVObjPlt plt;
    CVObjBrs n = Named("N");
    EXPECT_EQ(plt.AddBrs(1, &n), -1);
    AddNamed(plt, {"Q", "R", "S"});
    EXPECT_EQ(plt.AddBrs(5, &n), -1);
    EXPECT_EQ(plt.AddBrs(4, &n), -1);
    EXPECT_EQ(plt.AddBrs(0, &n), 0);
    EXPECT_EQ(Names(plt), (Strings{"N", "Q", "R", "S"}));
    EXPECT_EQ(+plt.GetObjBrs(1)->ZVal.ZCode.Code, static_cast<DWORD>('Q'));
    EXPECT_EQ(plt.GetBFg(0), 1);
}

TEST(Plt, AddSetsInUseWhateverTheSourceSays) {
    CVObjPlt plt;
    CVObjBrs source = Named("A");
    source.BFg = 0;
    EXPECT_EQ(plt.AddBrs(0, &source), 0);
    EXPECT_EQ(plt.CountBrs(), 1);
}

TEST(Plt, AddingFromItsOwnSlotSurvivesTheShift) {
    CVObjPlt plt;
    AddNamed(plt, {"Q", "R", "S"});
    EXPECT_EQ(plt.AddBrs(0, plt.GetObjBrs(2)), 0);
    EXPECT_EQ(Names(plt), (Strings{"S", "Q", "R", "S"}));
}

TEST(Plt, DeleteMovesLaterBrushesDownAndClearsTheFreedSlot) {
    CVObjPlt plt;
    AddNamed(plt, {"Q", "R", "S"});
    plt.SetCol(2, 77);
    EXPECT_EQ(plt.DelBrs(3), 0);
    EXPECT_EQ(plt.DelBrs(1), 1);
    EXPECT_EQ(Names(plt), (Strings{"Q", "S"}));
    EXPECT_EQ(plt.GetCol(1), 77);
    EXPECT_EQ(plt.GetBFg(2), 0);
    EXPECT_STREQ(plt.GetBNm(2), "");
    EXPECT_EQ(plt.GetCol(2), 0);
    EXPECT_EQ(+plt.GetObjBrs(2)->ZVal.Zty, 0);

    CVObjPlt empty;
    for (int pos : {0, 1, 254, 255})
        EXPECT_EQ(empty.DelBrs(static_cast<BYTE>(pos)), 0) << pos;
}

TEST(Plt, FullPaletteRefusesEveryAddAndCountsAllSlots) {
    CVObjPlt plt;
    CVObjBrs brs = Named("X");
    for (int pos = 0; pos < 255; ++pos)
        ASSERT_EQ(plt.AddBrs(static_cast<BYTE>(pos), &brs), pos);
    EXPECT_EQ(plt.CountBrs(), 255);
    CVObjBrs other = Named("Y");
    for (int pos : {0, 100, 254, 255})
        EXPECT_EQ(plt.AddBrs(static_cast<BYTE>(pos), &other), -1) << pos;
    EXPECT_STREQ(plt.GetBNm(254), "X");
    EXPECT_EQ(plt.DelBrs(254), 1);
    EXPECT_EQ(plt.CountBrs(), 254);
}

TEST(Plt, CountStopsAtTheFirstFreeSlot) {
    CVObjPlt plt;
    AddNamed(plt, {"Q", "R", "S"});
    plt.SetBNm(10, "far");
    EXPECT_EQ(plt.CountBrs(), 3);
    CVObjBrs n = Named("N");
    EXPECT_EQ(plt.AddBrs(3, &n), 3);
    EXPECT_STREQ(plt.GetBNm(10), "far");

    CVObjBrs freeBrush;
    plt.SetObjBrs(0, &freeBrush);
    EXPECT_EQ(plt.CountBrs(), 0);
    EXPECT_STREQ(plt.GetBNm(1), "R");
}

TEST(Plt, ChgBrsReplacesExactlyTheMaskedFields) {
    CVObjPlt plt;
    AddNamed(plt, {"Q", "R"});
    CVObjBrs change = Named("new");
    change.Col = 5;
    change.Hat = 6;
    change.LayerNo = 7;
    change.PaintFlg = 1;
    change.PaintData.Color = 0xFF;
    change.PaintData.Depth = 20.0;
    change.HatchData.Type = 4;
    change.ZVal.ZCode.Code = 999;

    EXPECT_EQ(plt.ChgBrs(1, &change, 0), 1);
    EXPECT_STREQ(plt.GetBNm(1), "R");
    EXPECT_EQ(plt.ChgBrs(1, &change, CHG_BRS_PAINT | CHG_BRS_COL), 1);
    EXPECT_EQ(plt.GetCol(1), 5);
    EXPECT_EQ(+plt.GetObjBrs(1)->PaintData.Color, 0xFFu);
    EXPECT_EQ(plt.GetDepth(1), 20.0);
    EXPECT_EQ(plt.GetHat(1), 1u);
    EXPECT_STREQ(plt.GetBNm(1), "R");
    EXPECT_EQ(plt.ChgBrs(1, &change, CHG_BRS_ALL), 1);
    EXPECT_STREQ(plt.GetBNm(1), "new");
    EXPECT_EQ(plt.GetLayerNo(1), 7u);
    EXPECT_EQ(+plt.GetObjBrs(1)->HatchData.Type, 4);
    EXPECT_EQ(+plt.GetObjBrs(1)->ZVal.ZCode.Code, static_cast<DWORD>('R')) << "condition is fixed";
    EXPECT_EQ(plt.ChgBrs(2, &change, CHG_BRS_ALL), 0);
    EXPECT_EQ(plt.GetBFg(2), 0);
}

TEST(Plt, ChgBrsWithItsOwnBrushKeepsItIntact) {
    CVObjPlt plt;
    AddNamed(plt, {"Q", "R"});
    CVObjBrs* own = plt.GetObjBrs(1);
    own->BNm = "edited in place";
    own->LayerNo = 3;
    EXPECT_EQ(plt.ChgBrs(1, own, CHG_BRS_ALL), 1);
    EXPECT_STREQ(plt.GetBNm(1), "edited in place");
    EXPECT_EQ(plt.GetLayerNo(1), 3u);
}

TEST(Plt, SpaceWritesAllFourAndReadsTheFirst) {
    CVObjPlt plt;
    plt.SetSpace(0, 2.5);
    FACEZSKHATCH_DATA hatch;
    EXPECT_EQ(plt.GetHatchData(0, hatch), 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(+hatch.Space[i], 2.5);
    plt.GetObjBrs(0)->HatchData.Space[0] = 1.0;
    EXPECT_EQ(plt.GetSpace(0), 1.0);
}

TEST(Plt, CopyReplacesEverythingAndCopiesAreIndependent) {
    CVObjPlt source;
    source.SetPNm("source");
    source.SetZty(102);
    AddNamed(source, {"Q", "R", "S"});
    CVObjPlt target;
    AddNamed(target, {"1", "2", "3", "4", "5"});
    EXPECT_EQ(target.Copy(&source), 1);
    EXPECT_EQ(Names(target), (Strings{"Q", "R", "S"}));
    EXPECT_STREQ(target.GetPNm(), "source");
    EXPECT_EQ(target.GetZty(), 102);
    EXPECT_EQ(target.GetBFg(3), 0);

    CVObjPlt* constructed = new CVObjPlt(source);
    EXPECT_EQ(constructed->DelBrs(0), 1);
    constructed->SetBNm(0, "changed");
    EXPECT_EQ(Names(source), (Strings{"Q", "R", "S"}));
    delete constructed;

    CVObjPlt assigned;
    assigned = source;
    source.Clear();
    EXPECT_EQ(Names(assigned), (Strings{"Q", "R", "S"}));
    EXPECT_EQ(source.CountBrs(), 0);
    EXPECT_EQ(source.GetZty(), 0);
    EXPECT_STREQ(source.GetPNm(), "");
}
