#include "model/brs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {
auto Plain(const CVObjBrs& b) {
    return std::make_tuple(+b.BFg, +b.Col, +b.Hat, +b.LayerNo, +b.PaintFlg, +b.PaintData.Color,
                           +b.PaintData.Depth, +b.HatchData.Type, +b.HatchData.Aux);
}
} // namespace

// Clearing zeroes the whole condition union but keeps the host's hatch
// points; copies stand on their own.
TEST(Brs, ClearedAndCopiedBrushes) {
    CVObjBrs source;
    source.BFg = 7;
    source.Col = 9;
    source.Hat = 0xDEADBEEF;
    source.BNm = "田";
    std::memset(&source.ZVal, 'x', sizeof source.ZVal);
    source.LayerNo = 44;
    source.PaintFlg = 1;
    source.PaintData = {0x00112233, 37.5};
    std::memset(static_cast<void*>(&source.HatchData), 200, sizeof source.HatchData);
    CVObjBrs cleared = source, assigned, copied;
    cleared.Clear();
    const VELMORA_Z_TYPE zero{};
    for (const CVObjBrs& brs : {CVObjBrs(), cleared}) {
        EXPECT_EQ(Plain(brs), std::make_tuple(0, 0, 1u, 0u, 0, 0u, 100.0, 0, 0u));
        EXPECT_TRUE(brs.BNm.IsEmpty());
        EXPECT_EQ(0, std::memcmp(&zero, &brs.ZVal, sizeof zero));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(std::make_tuple(5.0, 0.0, 0, 0, 0),
                      std::make_tuple(+brs.HatchData.Space[i], +brs.HatchData.Aux2[i],
                                      +brs.HatchData.Color[i], +brs.HatchData.Aux3[i],
                                      +brs.HatchData.Aux4[i]));
    }
    EXPECT_EQ(0,
              std::memcmp(&source.HatchData.Pt, &cleared.HatchData.Pt, sizeof source.HatchData.Pt));
    assigned = source;
    CVObjBrs constructed(source);
    copied.BNm = "old";
    copied.Copy(source);
    for (const CVObjBrs* copy : {&assigned, &constructed, &copied}) {
        EXPECT_EQ(Plain(source), Plain(*copy));
        EXPECT_EQ(0, std::memcmp(&copy->ZVal, &source.ZVal, sizeof source.ZVal));
        EXPECT_EQ(0, std::memcmp(&copy->HatchData, &source.HatchData, sizeof source.HatchData));
        EXPECT_STREQ("田", copy->BNm);
    }
    copied.BNm = "畑";
    copied.Copy(copied);
    EXPECT_STREQ("畑", copied.BNm);
    EXPECT_STREQ("田", source.BNm);
}
