// Comparisons of brushes and palettes for the storage tests.
#pragma once

#include "model/palette_box.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// Every field, the condition by the items that the palette's kind stores.
inline void ExpectSameBrs(const CVObjBrs& want, const CVObjBrs& got, WORD zty) {
    EXPECT_EQ(+want.BFg, +got.BFg);
    EXPECT_EQ(+want.Col, +got.Col);
    EXPECT_EQ(+want.Hat, +got.Hat);
    EXPECT_EQ(want.BNm, got.BNm);
    EXPECT_EQ(+want.ZVal.Zty, +got.ZVal.Zty);
    switch (zty / 100) {
    case 1:
        EXPECT_EQ(+want.ZVal.ZCode.Code, +got.ZVal.ZCode.Code);
        break;
    case 2:
    case 4: // ZLong and ZDate share their layout
        EXPECT_EQ(+want.ZVal.ZLong.RangeFlg, +got.ZVal.ZLong.RangeFlg);
        EXPECT_EQ(+want.ZVal.ZLong.From, +got.ZVal.ZLong.From);
        EXPECT_EQ(+want.ZVal.ZLong.To, +got.ZVal.ZLong.To);
        break;
    case 3:
        EXPECT_STREQ(want.ZVal.ZText.Text, got.ZVal.ZText.Text);
        break;
    case 5:
        EXPECT_EQ(+want.ZVal.ZReal.RangeFlg, +got.ZVal.ZReal.RangeFlg);
        EXPECT_EQ(+want.ZVal.ZReal.From, +got.ZVal.ZReal.From);
        EXPECT_EQ(+want.ZVal.ZReal.To, +got.ZVal.ZReal.To);
        break;
    default:
        break;
    }
    EXPECT_EQ(+want.LayerNo, +got.LayerNo);
    EXPECT_EQ(+want.PaintFlg, +got.PaintFlg);
    EXPECT_EQ(0, std::memcmp(&want.PaintData, &got.PaintData, sizeof want.PaintData));
    // The hatch points included: the whole 178-byte image.
    EXPECT_EQ(0, std::memcmp(&want.HatchData, &got.HatchData, sizeof want.HatchData));
}

inline void ExpectSamePlt(const CVObjPlt& want, const CVObjPlt& got) {
    EXPECT_EQ(want.PNm, got.PNm);
    EXPECT_EQ(+want.Zty, +got.Zty);
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        SCOPED_TRACE(pos);
        ExpectSameBrs(want.Brs[pos], got.Brs[pos], want.Zty);
    }
}

inline void ExpectSameBox(const CVPaletteBox& want, const CVPaletteBox& got) {
    EXPECT_EQ(+want.SelPNo, +got.SelPNo);
    EXPECT_EQ(+want.BoxWord, +got.BoxWord);
    ASSERT_EQ(want.GetPltCount(), got.GetPltCount());
    for (int pos = 0; pos < want.GetPltCount(); ++pos)
        ExpectSamePlt(*want.GetPlt(pos), *got.GetPlt(pos));
}

// The bytes a CMemFile holds; the file keeps them.
inline std::vector<BYTE> BytesOf(CMemFile& file) {
    const ULONGLONG position = file.GetPosition();
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Seek(static_cast<LONGLONG>(position), CFile::begin);
    return bytes;
}
