#include "model/plt.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {
std::string Names(const CVObjPlt& plt) {
    std::string names;
    for (int pos = 0; pos < plt.CountBrs(); ++pos)
        names += plt.GetBNm(static_cast<BYTE>(pos));
    return names;
}

void Add(CVObjPlt& plt, const char* names) {
    for (CVObjBrs brs; *names; ++names) {
        brs.BNm = CString(names, 1);
        brs.ZVal.ZCode.Code = static_cast<DWORD>(*names);
        const BYTE count = plt.CountBrs();
        ASSERT_EQ(count, plt.AddBrs(count, &brs));
    }
}
} // namespace

// The new slot may come from a slot the shift moves; deleting clears the freed slot.
TEST(Plt, AddAndDeleteShiftTheBrushes) {
    CVObjPlt plt, full;
    CVObjBrs n;
    n.BNm = "N";
    EXPECT_EQ(-1, plt.AddBrs(1, &n));
    Add(plt, "QRS");
    EXPECT_EQ(-1, plt.AddBrs(4, &n));
    EXPECT_EQ(3, plt.AddBrs(3, &n));
    EXPECT_EQ(0, plt.AddBrs(0, &n));
    EXPECT_EQ(0, plt.AddBrs(0, plt.GetObjBrs(3)));
    EXPECT_EQ("SNQRSN", Names(plt));
    EXPECT_EQ(static_cast<DWORD>('Q'), +plt.GetObjBrs(2)->ZVal.ZCode.Code);
    plt.SetCol(4, 77);
    plt.SetCol(5, 88);
    EXPECT_EQ(0, plt.DelBrs(6) + CVObjPlt().DelBrs(0));
    EXPECT_EQ(1, plt.DelBrs(3));
    EXPECT_EQ("SNQSN", Names(plt));
    EXPECT_EQ(std::make_tuple(77, 88, 0, 0),
              std::make_tuple(+plt.GetCol(3), +plt.GetCol(4), +plt.GetCol(5), +plt.GetBFg(5)));
    // A brush beyond the first free slot is not counted and not moved.
    plt.SetBNm(10, "far");
    EXPECT_EQ(5, plt.AddBrs(5, &n));
    EXPECT_STREQ("far", plt.GetBNm(10));
    plt.SetObjBrs(0, &n);
    EXPECT_EQ(0, plt.CountBrs());
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos)
        ASSERT_EQ(pos, full.AddBrs(static_cast<BYTE>(pos), &n));
    EXPECT_EQ(255, full.CountBrs());
    for (int pos : {0, 254, 255})
        EXPECT_EQ(-1, full.AddBrs(static_cast<BYTE>(pos), &n)) << pos;
    EXPECT_EQ(1, full.DelBrs(254));
    EXPECT_EQ(254, full.CountBrs());
}

// Each mask bit alone replaces its field, never the condition; a brush may
// change from its own slot.
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
        EXPECT_EQ(0, plt.ChgBrs(2, &change, mask) + plt.GetBFg(2));
        const CVObjBrs& got = *plt.GetObjBrs(1);
        EXPECT_EQ(mask & 0x7F, (got.BNm == "new") * CHG_BRS_NAME + (got.Col == 5) * CHG_BRS_COL +
                                   (got.Hat == 6) * CHG_BRS_HAT +
                                   (got.LayerNo == 7) * CHG_BRS_LAYER +
                                   (got.PaintFlg == 1) * CHG_BRS_PAINTFLG +
                                   (got.PaintData.Color == 0xFF) * CHG_BRS_PAINT +
                                   (got.HatchData.Type == 4) * CHG_BRS_HATCH);
        EXPECT_EQ(static_cast<DWORD>('R'), +got.ZVal.ZCode.Code) << +mask;
        plt.GetObjBrs(0)->BNm = "in place";
        EXPECT_EQ(1, plt.ChgBrs(0, plt.GetObjBrs(0), mask));
        EXPECT_STREQ("in place", plt.GetBNm(0));
    }
}

// The spacing is set on all four lines and read from the first.
TEST(Plt, CopiesAndSpacing) {
    CVObjPlt source;
    source.SetPNm("source");
    source.SetZty(ZOK_GENKYO_CHIMOKU);
    Add(source, "QRS");
    CVObjPlt assigned;
    Add(assigned, "12345");
    assigned = source;
    CVObjPlt constructed(source);
    source.Clear();
    for (const CVObjPlt* plt : {&assigned, &constructed, &source})
        EXPECT_EQ(plt == &source ? std::make_tuple(std::string(), std::string(), 0)
                                 : std::make_tuple(std::string("QRS"), std::string("source"), 102),
                  std::make_tuple(Names(*plt), std::string(plt->GetPNm()), +plt->GetZty()));
    source.SetSpace(0, 2.5);
    FACEZSKHATCH_DATA hatch;
    EXPECT_EQ(1, source.GetHatchData(0, hatch));
    EXPECT_EQ(std::make_tuple(2.5, 2.5, 2.5, 2.5),
              std::make_tuple(+hatch.Space[0], +hatch.Space[1], +hatch.Space[2], +hatch.Space[3]));
    source.GetObjBrs(0)->HatchData.Space[0] = 1.0;
    EXPECT_EQ(1.0, source.GetSpace(0));
}
