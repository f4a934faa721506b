#include "host/sample_drawing.h"

namespace {
// RGB values with red in the lowest byte, in the order named in the header.
const COLORREF kColors[] = {0x000000, 0x1C19D7, 0x41961A, 0xBA832B, 0x61AEFD, 0x94327B,
                            0xA0A000, 0x808080, 0x0A518C, 0x8A29E7, 0x1EA666, 0xB4781F,
                            0x2B18B2, 0x4D4D4D, 0x8F9735, 0x2D81BF};

const char* const kLayers[] = {"0:基本",   "1:画地界", "2:地番", "3:塗潰し",
                               "4:ハッチ", "5:凡例",   "6:注記", "7:作業用"};
} // namespace

void FillSampleDrawing(ZelAttr& attr) {
    for (COLORREF color : kColors)
        attr.AddColor(color);
    for (const char* label : kLayers)
        attr.AddLayer(label);
}
