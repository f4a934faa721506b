#include "parcels/fill/sel_brs_position.h"

#include <cstring>

namespace {
// The library hands the client a copy of the brush that holds; its position
// is that of the first brush equal to it, since an earlier equal brush would
// have held first.
int PositionOf(CVObjPlt& plt, const CVObjBrs& found) {
    for (int b = 0; b < plt.CountBrs(); ++b) {
        const CVObjBrs& brs = *plt.GetObjBrs(static_cast<BYTE>(b));
        if (brs.BNm == found.BNm && brs.Col == found.Col && brs.Hat == found.Hat &&
            brs.LayerNo == found.LayerNo && brs.PaintFlg == found.PaintFlg &&
            std::memcmp(&brs.ZVal, &found.ZVal, sizeof brs.ZVal) == 0 &&
            std::memcmp(&brs.PaintData, &found.PaintData, sizeof brs.PaintData) == 0 &&
            std::memcmp(&brs.HatchData, &found.HatchData, sizeof brs.HatchData) == 0)
            return b;
    }
    return -1;
}
} // namespace

int SelBrsPosition(CVPaletteBox& box, SvyKkData& kk) {
    CVObjPlt* plt = box.GetSelPlt();
    if (!plt)
        return -1;
    CVObjBrs found;
    return box.GetSelBrsObjToKk(&kk, &found) ? PositionOf(*plt, found) : -1;
}
