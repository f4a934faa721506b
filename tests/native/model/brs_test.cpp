#include "model/brs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
CVObjBrs FilledBrush() {
    CVObjBrs brs;
    brs.BFg = 7;
    brs.Col = 9;
    brs.Hat = 0xDEADBEEF;
    brs.BNm = "田";
    brs.ZVal.ZReal.Zty = 500;
    brs.ZVal.ZReal.From = 0.1;
    brs.ZVal.ZReal.To = -0.0;
    brs.LayerNo = 44;
    brs.PaintFlg = 1;
    brs.PaintData = {0x00112233, 37.5};
    brs.HatchData.Type = 3;
    brs.HatchData.Aux = 2;
    brs.HatchData.Pt[2] = PT(1.5, 2.5, 3.5);
    for (int i = 0; i < 4; ++i) {
        brs.HatchData.Space[i] = 2.25 + i;
        brs.HatchData.Aux2[i] = 1;
        brs.HatchData.Color[i] = brs.HatchData.Aux3[i] = brs.HatchData.Aux4[i] = 200;
    }
    return brs;
}
} // namespace

// Cleared, every field holds its clear value in every element; the host's
// points stay as they were.
TEST(Brs, NewAndClearedBrushesHoldTheClearValues) {
    CVObjBrs cleared = FilledBrush();
    cleared.Clear();
    for (const CVObjBrs& brs : {CVObjBrs(), cleared}) {
        EXPECT_EQ(0, +brs.BFg);
        EXPECT_EQ(0, +brs.Col);
        EXPECT_EQ(1u, +brs.Hat);
        EXPECT_TRUE(brs.BNm.IsEmpty());
        EXPECT_EQ(0, +brs.ZVal.ZReal.Zty);
        EXPECT_EQ(0.0, +brs.ZVal.ZReal.From);
        EXPECT_EQ(0u, +brs.LayerNo);
        EXPECT_EQ(0, +brs.PaintFlg);
        EXPECT_EQ(0u, +brs.PaintData.Color);
        EXPECT_EQ(100.0, +brs.PaintData.Depth);
        EXPECT_EQ(0, +brs.HatchData.Type);
        EXPECT_EQ(0u, +brs.HatchData.Aux);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(5.0, +brs.HatchData.Space[i]);
            EXPECT_EQ(0.0, +brs.HatchData.Aux2[i]);
            EXPECT_EQ(0, brs.HatchData.Color[i] | brs.HatchData.Aux3[i] | brs.HatchData.Aux4[i]);
        }
    }
    EXPECT_EQ(3.5, +cleared.HatchData.Pt[2].z);
}

TEST(Brs, CopiesAreEqualAndIndependent) {
    CVObjBrs source = FilledBrush();
    std::memset(source.ZVal.ZText.Text + 20, 'x', VELMORA_ZTEXT_MAX - 20);
    CVObjBrs assigned;
    assigned = source;
    CVObjBrs constructed(source);
    CVObjBrs copied;
    copied.BNm = "old";
    copied.Copy(source);
    for (const CVObjBrs* copy : {&assigned, &constructed, &copied}) {
        EXPECT_EQ(0, std::memcmp(&copy->ZVal, &source.ZVal, sizeof source.ZVal));
        EXPECT_EQ(0, std::memcmp(&copy->HatchData, &source.HatchData, sizeof source.HatchData));
        EXPECT_EQ(0, std::memcmp(&copy->PaintData, &source.PaintData, sizeof source.PaintData));
        EXPECT_EQ(7, +copy->BFg);
        EXPECT_EQ(9, +copy->Col);
        EXPECT_EQ(0xDEADBEEFu, +copy->Hat);
        EXPECT_EQ(44u, +copy->LayerNo);
        EXPECT_EQ(1, +copy->PaintFlg);
        EXPECT_STREQ("田", copy->BNm);
    }
    copied.BNm = "畑";
    copied.Copy(copied);
    EXPECT_STREQ("畑", copied.BNm);
    EXPECT_STREQ("田", source.BNm);
    EXPECT_TRUE(std::signbit(constructed.ZVal.ZReal.To));
}
