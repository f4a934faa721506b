#include "parcels/fill/brush_map_fill.h"

#include "model/density_color.h"

MapFill BrushMapFill(const CVObjBrs& brs, const ZelAttr& colors) {
    MapFill fill;
    if (brs.PaintFlg == 0) {
        fill.kind = MapFill::PAINT;
        fill.color = DensityColor(brs.PaintData.Color, brs.PaintData.Depth);
        return fill;
    }
    int number = brs.HatchData.Color[0];
    fill.kind = MapFill::HATCH;
    fill.color = colors.GetColor(number < colors.GetColorCnt() ? number : 0);
    fill.hatchType = brs.HatchData.Type & 0xFF;
    fill.spacingMm = brs.HatchData.Space[0];
    return fill;
}
