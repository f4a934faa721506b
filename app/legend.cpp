#include "app/legend.h"
#include "parcels/fill/sel_brs_position.h"
#include "parcels/fill/brush_map_fill.h"

Legend CountLegend(AppMap* map, CVPaletteBox& box, const ZelAttr& colors) {
    Legend legend;
    CVObjPlt* plt = box.GetSelPlt();
    legend.hasPalette = plt != nullptr;
    for (int b = 0; plt && b < plt->CountBrs(); ++b) {
        const CVObjBrs& brs = *plt->GetObjBrs((BYTE)b);
        LegendRow row;
        row.name = brs.BNm.GetString();
        row.fill = BrushMapFill(brs, colors);
        legend.rows.push_back(row);
    }
    if (!map)
        return legend;
    for (SvyKkData& kk : map->records) {
        int position = SelBrsPosition(box, kk);
        if (position < 0)
            ++legend.unmatched;
        else
            ++legend.rows[position].count;
    }
    return legend;
}
