#include "tools/box/box_show.h"
#include "parcels/fill/brush_fill.h"
#include "model/cond_text.h"
#include "tools/pictures/svg_text.h"
#include "parcels/text/text_codec.h"

#include "model/zok_catalogue.h"

#include <cstdio>

namespace {
const char* const kHatchNames[] = {"horizontal", "vertical", "diagonal \\",
                                   "diagonal /", "cross",    "diagonal cross"};

std::string Format(const char* format, double value) {
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string AttributeText(WORD zty) {
    if (zty == 0)
        return u8"フリー (ID 0)";
    CString name;
    if (!Velmora_GetZokNameFromID(zty, name))
        return "unknown attribute (ID " + std::to_string(zty) + ")";
    return Cp932ToUtf8(name.GetString()) + " (ID " + std::to_string(zty) + ")";
}

std::string ConditionText(WORD zty, const CVObjBrs& brs) {
    VelmoraZokKind kind = VelmoraZokKindOf(zty);
    if (zty == 0 || VelmoraZokIndexFromId(zty) == VELMORA_NO_ZOK)
        return "none";
    std::string text = Cp932ToUtf8(VelmoraCondText(zty, brs.ZVal));
    if (kind == ZOK_KIND_CODE) {
        std::string code = "code " + std::to_string(brs.ZVal.ZCode.Code);
        return text.empty() ? code + " (not in the code book)" : text + " (" + code + ")";
    }
    if (kind == ZOK_KIND_TEXT)
        return "\"" + text + "\"";
    return text;
}

std::string FillText(const CVObjBrs& brs) {
    if (brs.PaintFlg == 0) {
        const FACEZSKPAINT_DATA& paint = brs.PaintData;
        return "paint " + SvgColor(paint.Color) + " at density " + Format("%g", paint.Depth) +
               "% (shown " + SvgColor(DensityColor(paint.Color, paint.Depth)) + ")";
    }
    const FACEZSKHATCH_DATA& hatch = brs.HatchData;
    std::string type = "hatch type " + std::to_string(hatch.Type);
    type += hatch.Type < 6 ? std::string(" (") + kHatchNames[hatch.Type] + ")" : " (no pattern)";
    return type + ", spacing " + Format("%.2f", hatch.Space[0]) + " mm, colour number " +
           std::to_string(hatch.Color[0]);
}
} // namespace

std::string ShowBox(CVPaletteBox& box) {
    std::string out = std::to_string(box.GetPltCount()) + " palette" +
                      (box.GetPltCount() == 1 ? "" : "s") + ", selected ";
    int sel = box.GetSelPNo();
    out += sel < 0 ? "none" : "#" + std::to_string(sel + 1);
    if (sel >= box.GetPltCount())
        out += " (no such palette)";
    out += "\n";
    for (int p = 0; p < box.GetPltCount(); ++p) {
        CVObjPlt* plt = box.GetPlt(p);
        WORD zty = plt->GetZty();
        out += "\n#" + std::to_string(p + 1) + " " + Cp932ToUtf8(plt->GetPNm()) +
               (p == sel ? "  [selected]" : "") + "\n";
        out += "   attribute " + AttributeText(zty) + ", " + std::to_string(plt->CountBrs()) +
               " brush" + (plt->CountBrs() == 1 ? "" : "es") + "\n";
        for (int b = 0; b < plt->CountBrs(); ++b) {
            const CVObjBrs& brs = *plt->GetObjBrs(static_cast<BYTE>(b));
            out += "   #" + std::to_string(b + 1) + " " + Cp932ToUtf8(brs.BNm.GetString()) + "\n";
            out += "      condition: " + ConditionText(zty, brs) + "\n";
            out += "      fill: " + FillText(brs) + "; layer " + std::to_string(brs.LayerNo) +
                   ", col " + std::to_string(brs.Col) + ", hat " + std::to_string(brs.Hat) + "\n";
        }
    }
    return out;
}
