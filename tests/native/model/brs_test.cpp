#include "model/brs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
void ExpectCleared(const CVObjBrs& brs) {
    EXPECT_EQ(+brs.BFg, 0);
    EXPECT_EQ(+brs.Col, 0);
    EXPECT_EQ(+brs.Hat, 1u);
    EXPECT_TRUE(brs.BNm.IsEmpty());
    EXPECT_EQ(+brs.ZVal.Zty, 0);
    EXPECT_EQ(+brs.LayerNo, 0u);
    EXPECT_EQ(+brs.PaintFlg, 0);
    EXPECT_EQ(+brs.PaintData.Color, 0u);
    EXPECT_EQ(+brs.PaintData.Depth, 100.0);
    EXPECT_EQ(+brs.HatchData.Type, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(+brs.HatchData.Space[i], 5.0);
        EXPECT_EQ(+brs.HatchData.Color[i], 0);
        EXPECT_EQ(+brs.HatchData.Aux2[i], 0.0);
    }
}

CVObjBrs FilledBrush() {
    CVObjBrs brs;
    brs.BFg = 7;
    brs.Col = 9;
    brs.Hat = 0xDEADBEEF;
    brs.BNm = "田";
    brs.ZVal.ZReal.Zty = 500;
    brs.ZVal.ZReal.RangeFlg = 1;
    brs.ZVal.ZReal.From = 0.1;
    brs.ZVal.ZReal.To = -0.0;
    brs.LayerNo = 44;
    brs.PaintFlg = 1;
    brs.PaintData.Color = 0x00112233;
    brs.PaintData.Depth = 37.5;
    brs.HatchData.Type = 3;
    brs.HatchData.Pt[2] = PT(1.5, 2.5, 3.5);
    brs.HatchData.Space[1] = 2.25;
    brs.HatchData.Color[3] = 200;
    brs.HatchData.Aux4[0] = 5;
    return brs;
}
} // namespace

TEST(Brs, NewAndClearedBrushesHoldTheClearValues) {
    CVObjBrs brs;
    ExpectCleared(brs);
    brs = FilledBrush();
    brs.Clear();
    ExpectCleared(brs);
}

TEST(Brs, ClearLeavesTheHostPointsAlone) {
    CVObjBrs brs = FilledBrush();
    brs.Clear();
    EXPECT_EQ(+brs.HatchData.Pt[2].x, 1.5);
    EXPECT_EQ(+brs.HatchData.Pt[2].z, 3.5);
}

TEST(Brs, CopiesAreEqualAndIndependent) {
    const CVObjBrs source = FilledBrush();
    CVObjBrs assigned;
    assigned = source;
    CVObjBrs constructed(source);
    CVObjBrs copied;
    copied.BNm = "old";
    copied.Copy(source);
    for (const CVObjBrs* copy : {&assigned, &constructed, &copied}) {
        EXPECT_EQ(std::memcmp(&copy->ZVal, &source.ZVal, sizeof source.ZVal), 0);
        EXPECT_EQ(std::memcmp(&copy->HatchData, &source.HatchData, sizeof source.HatchData), 0);
        EXPECT_EQ(std::memcmp(&copy->PaintData, &source.PaintData, sizeof source.PaintData), 0);
        EXPECT_EQ(+copy->BFg, 7);
        EXPECT_EQ(+copy->Hat, 0xDEADBEEFu);
        EXPECT_EQ(+copy->LayerNo, 44u);
        EXPECT_STREQ(copy->BNm, "田");
    }
    copied.BNm = "畑";
    EXPECT_STREQ(source.BNm, "田");
    EXPECT_TRUE(std::signbit(constructed.ZVal.ZReal.To));
}

TEST(Brs, CopyingATextConditionCopiesTheWholeField) {
    CVObjBrs source;
    source.ZVal.ZText.Zty = 300;
    std::memset(source.ZVal.ZText.Text, 'x', sizeof source.ZVal.ZText.Text - 1);
    source.ZVal.ZText.Text[254] = '\0';
    CVObjBrs copy;
    copy.Copy(source);
    EXPECT_EQ(std::strlen(copy.ZVal.ZText.Text), 254u);
}
