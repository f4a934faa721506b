#include "model/plt.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The palette's brushes in list order, one letter each.
std::string Names(const CVObjPlt& plt) {
    std::string names;
    for (int pos = 0; pos < plt.CountBrs(); ++pos)
        names += plt.GetBNm(static_cast<BYTE>(pos));
    return names;
}

void Add(CVObjPlt& plt, const char* names) {
    for (; *names; ++names) {
        CVObjBrs brs;
        brs.BNm = CString(names, 1);
        brs.ZVal.ZCode.Code = static_cast<DWORD>(*names);
        const BYTE count = plt.CountBrs();
        ASSERT_EQ(count, plt.AddBrs(count, &brs));
    }
}
} // namespace

TEST(Plt, AddInsertsUpToTheCountAndSetsInUse) {
    CVObjPlt plt;
    CVObjBrs n;
    n.BNm = "N";
    EXPECT_EQ(-1, plt.AddBrs(1, &n));
    Add(plt, "QRS");
    EXPECT_EQ(-1, plt.AddBrs(4, &n));
    EXPECT_EQ(0, plt.AddBrs(0, &n));
    EXPECT_EQ("NQRS", Names(plt));
    EXPECT_EQ(static_cast<DWORD>('Q'), +plt.GetObjBrs(1)->ZVal.ZCode.Code);
    // From its own slot, which the shift overwrites.
    EXPECT_EQ(0, plt.AddBrs(0, plt.GetObjBrs(3)));
    EXPECT_EQ("SNQRS", Names(plt));
    // A brush beyond the first free slot is not counted and not moved.
    plt.SetBNm(10, "far");
    EXPECT_EQ(5, plt.AddBrs(5, &n));
    EXPECT_STREQ("far", plt.GetBNm(10));
    plt.SetObjBrs(0, &n);
    EXPECT_EQ(0, plt.CountBrs());
}

TEST(Plt, FullPaletteRefusesEveryAdd) {
    CVObjPlt plt;
    CVObjBrs brs;
    brs.BNm = "X";
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
        ASSERT_EQ(pos, plt.AddBrs(static_cast<BYTE>(pos), &brs));
    EXPECT_EQ(255, plt.CountBrs());
    for (int pos : {0, 254, 255})
        EXPECT_EQ(-1, plt.AddBrs(static_cast<BYTE>(pos), &brs)) << pos;
    EXPECT_EQ(1, plt.DelBrs(254));
    EXPECT_EQ(254, plt.CountBrs());
}

TEST(Plt, DeleteMovesLaterBrushesDownAndClearsTheFreedSlot) {
    CVObjPlt plt;
    Add(plt, "QRS");
    plt.SetCol(2, 77);
    EXPECT_EQ(0, plt.DelBrs(3));
    EXPECT_EQ(1, plt.DelBrs(1));
    EXPECT_EQ("QS", Names(plt));
    EXPECT_EQ(77, plt.GetCol(1));
    EXPECT_EQ(0, plt.GetCol(2));
    EXPECT_STREQ("", plt.GetBNm(2));
    EXPECT_EQ(0, +plt.GetObjBrs(2)->ZVal.ZCode.Code);
    CVObjPlt empty;
    EXPECT_EQ(0, empty.DelBrs(0));
}

// Each mask bit on its own replaces its field and nothing else; the
// condition is never replaced.
TEST(Plt, ChgBrsReplacesExactlyTheMaskedFields) {
    CVObjBrs change;
    change.BNm = "new";
    change.Col = 5;
    change.Hat = 6;
    change.LayerNo = 7;
    change.PaintFlg = 1;
    change.PaintData.Color = 0xFF;
    change.HatchData.Type = 4;
    change.ZVal.ZCode.Code = 999;
    for (BYTE mask : {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x7F, 0xFF}) {
        CVObjPlt plt;
        Add(plt, "QR");
        EXPECT_EQ(1, plt.ChgBrs(1, &change, mask));
        EXPECT_EQ(0, plt.ChgBrs(2, &change, mask));
        const CVObjBrs& got = *plt.GetObjBrs(1);
        EXPECT_EQ((mask & CHG_BRS_NAME) != 0, got.BNm == "new") << +mask;
        EXPECT_EQ((mask & CHG_BRS_COL) != 0, got.Col == 5) << +mask;
        EXPECT_EQ((mask & CHG_BRS_HAT) != 0, got.Hat == 6) << +mask;
        EXPECT_EQ((mask & CHG_BRS_LAYER) != 0, got.LayerNo == 7) << +mask;
        EXPECT_EQ((mask & CHG_BRS_PAINTFLG) != 0, got.PaintFlg == 1) << +mask;
        EXPECT_EQ((mask & CHG_BRS_PAINT) != 0, got.PaintData.Color == 0xFF) << +mask;
        EXPECT_EQ((mask & CHG_BRS_HATCH) != 0, got.HatchData.Type == 4) << +mask;
        EXPECT_EQ(static_cast<DWORD>('R'), +got.ZVal.ZCode.Code) << +mask;
        EXPECT_EQ(0, plt.GetBFg(2));
    }
}

TEST(Plt, FieldsByPosition) {
    CVObjPlt plt;
    Add(plt, "QR");
    CVObjBrs* own = plt.GetObjBrs(1);
    own->BNm = "edited in place";
    own->LayerNo = 3;
    EXPECT_EQ(1, plt.ChgBrs(1, own, CHG_BRS_ALL));
    EXPECT_STREQ("edited in place", plt.GetBNm(1));
    EXPECT_EQ(3u, plt.GetLayerNo(1));
    plt.SetSpace(0, 2.5);
    FACEZSKHATCH_DATA hatch;
    EXPECT_EQ(1, plt.GetHatchData(0, hatch));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(2.5, +hatch.Space[i]);
    plt.GetObjBrs(0)->HatchData.Space[0] = 1.0;
    EXPECT_EQ(1.0, plt.GetSpace(0));
}

TEST(Plt, CopyReplacesEverythingAndCopiesAreIndependent) {
    CVObjPlt source;
    source.SetPNm("source");
    source.SetZty(102);
    Add(source, "QRS");
    CVObjPlt target;
    Add(target, "12345");
    EXPECT_EQ(1, target.Copy(&source));
    EXPECT_EQ("QRS", Names(target));
    EXPECT_STREQ("source", target.GetPNm());
    EXPECT_EQ(102, target.GetZty());
    CVObjPlt constructed(source);
    EXPECT_EQ(1, constructed.DelBrs(0));
    EXPECT_EQ("QRS", Names(source));
    CVObjPlt assigned;
    assigned = source;
    source.Clear();
    EXPECT_EQ("QRS", Names(assigned));
    EXPECT_EQ("", Names(source));
    EXPECT_EQ(0, source.GetZty());
    EXPECT_STREQ("", source.GetPNm());
}
