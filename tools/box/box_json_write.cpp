// The box written as JSON.
#include "tools/box/box_json.h"
#include "parcels/text/kk_date.h"
#include "parcels/text/text_codec.h"
#include "tools/pictures/svg_text.h"

#include "host/code_tables.h"
#include "model/zok_catalogue.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

using nlohmann::ordered_json;

namespace {
std::string AttributeName(WORD zty) {
    CString name;
    if (!Velmora_GetZokNameFromID(zty, name))
        return std::string();
    return Cp932ToUtf8(name.GetString());
}

std::uint64_t BitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A NaN other than the usual one keeps its bits: "nan:7ff4000000000001".
ordered_json Real(double value) {
    if (std::isnan(value)) {
        if (BitsOf(value) == BitsOf(std::numeric_limits<double>::quiet_NaN()))
            return "nan";
        char text[32];
        std::snprintf(text, sizeof text, "nan:%016llx",
                      static_cast<unsigned long long>(BitsOf(value)));
        return text;
    }
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return value;
}

// A date as local time when the text reads back as the same second (not
// before 1970, nor in an hour that a clock change repeats); otherwise the count.
ordered_json Date(std::int32_t time) {
    std::string text = FormatLocalTime(time);
    std::int32_t back = 0;
    if (text.empty() || !ParseLocalTime(text, back) || back != time)
        return time;
    return text;
}

// Texts are code page 932 in the box. One whose bytes do not come back from
// UTF-8 unchanged (a byte no character uses, a character with two codes)
// keeps its bytes: {"cp932": "8279"}.
ordered_json Text(const std::string& cp932) {
    std::string utf8, back;
    if (DecodeCp932(cp932, utf8) && Utf8ToCp932(utf8, back) && back == cp932)
        return utf8;
    std::string hex;
    char digits[3];
    for (unsigned char c : cp932) {
        std::snprintf(digits, sizeof digits, "%02x", c);
        hex += digits;
    }
    return ordered_json{{"cp932", hex}};
}

// The four values of a packed array field, read element by element since
// the field may lie at any address.
#define VELMORA_FOUR(field)                                                                        \
    { (field)[0], (field)[1], (field)[2], (field)[3] }

// Four values that the editor always keeps equal are written as one.
template <typename T, typename F>
ordered_json FourOrOne(const std::array<T, 4>& values, F convert) {
    if (values[1] == values[0] && values[2] == values[0] && values[3] == values[0])
        return convert(values[0]);
    ordered_json list = ordered_json::array();
    for (const T& value : values)
        list.push_back(convert(value));
    return list;
}

ordered_json Condition(WORD zty, const VELMORA_Z_TYPE& cond) {
    ordered_json out = ordered_json::object();
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_CODE: {
        WORD oaza = 0, koaza = 0;
        if (zty == ZOK_KOAZA && CRok00113().CodeDiv(cond.ZCode.Code, oaza, koaza) &&
            R113CODEMIX(oaza, koaza) == cond.ZCode.Code) {
            out["oaza"] = oaza;
            out["koaza"] = koaza;
        } else {
            out["code"] = static_cast<DWORD>(cond.ZCode.Code);
        }
        break;
    }
    case ZOK_KIND_LONG: {
        auto value = [zty](std::int32_t v) {
            return zty == ZOK_KK_NO ? ordered_json(static_cast<std::uint32_t>(v)) : ordered_json(v);
        };
        if (cond.ZLong.RangeFlg) {
            out["from"] = value(cond.ZLong.From);
            out["to"] = value(cond.ZLong.To);
        } else {
            out["value"] = value(cond.ZLong.From);
        }
        break;
    }
    case ZOK_KIND_TEXT:
        out["text"] =
            Text(std::string(cond.ZText.Text, strnlen(cond.ZText.Text, sizeof cond.ZText.Text)));
        break;
    case ZOK_KIND_DATE:
        if (cond.ZDate.RangeFlg) {
            out["from"] = Date(cond.ZDate.From);
            out["to"] = Date(cond.ZDate.To);
        } else {
            out["value"] = Date(cond.ZDate.From);
        }
        break;
    case ZOK_KIND_REAL:
        if (cond.ZReal.RangeFlg) {
            out["from"] = Real(cond.ZReal.From);
            out["to"] = Real(cond.ZReal.To);
        } else {
            out["value"] = Real(cond.ZReal.From);
        }
        break;
    default:
        break;
    }
    return out;
}

// What a condition holds beyond what it means: the To of a single value
// (left from an earlier range), a range flag other than 1, an attribute ID
// other than the palette's.
void CarriedCondition(WORD zty, const VELMORA_Z_TYPE& cond, ordered_json& out) {
    const WORD own = cond.Zty; // copied: the field is packed
    if (own != zty)
        out["zty"] = own;
    DWORD rangeFlg = 0;
    ordered_json to;
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_LONG: {
        rangeFlg = cond.ZLong.RangeFlg;
        const std::int32_t value = cond.ZLong.To;
        if (value != 0)
            to = zty == ZOK_KK_NO ? ordered_json(static_cast<std::uint32_t>(value))
                                  : ordered_json(value);
        break;
    }
    case ZOK_KIND_DATE:
        rangeFlg = cond.ZDate.RangeFlg;
        if (cond.ZDate.To != 0)
            to = Date(cond.ZDate.To);
        break;
    case ZOK_KIND_REAL:
        rangeFlg = cond.ZReal.RangeFlg;
        if (BitsOf(cond.ZReal.To) != 0)
            to = Real(cond.ZReal.To);
        break;
    default:
        return;
    }
    if (rangeFlg > 1)
        out["range"] = rangeFlg;
    if (rangeFlg == 0 && !to.is_null())
        out["to"] = to;
}

bool IsPercentage(double density) {
    return density >= 0.0 && density <= 100.0;
}

ordered_json Carried(WORD zty, const CVObjBrs& brs) {
    const FACEZSKHATCH_DATA& hatch = brs.HatchData;
    ordered_json out = ordered_json::object();
    if (brs.BFg != 1)
        out["flag"] = brs.BFg;
    CarriedCondition(zty, brs.ZVal, out);
    if (brs.PaintFlg > 1)
        out["fill"] = static_cast<WORD>(brs.PaintFlg);
    if (brs.PaintData.Color > 0xFFFFFF)
        out["colorbyte"] = static_cast<COLORREF>(brs.PaintData.Color) >> 24;
    if (!IsPercentage(brs.PaintData.Depth))
        out["density"] = Real(brs.PaintData.Depth);
    if (hatch.Aux != 0)
        out["aux"] = static_cast<DWORD>(hatch.Aux);
    bool pointsSet = false;
    for (int i = 0; i < 4; ++i)
        pointsSet =
            pointsSet || hatch.Pt[i].x != 0.0 || hatch.Pt[i].y != 0.0 || hatch.Pt[i].z != 0.0;
    if (pointsSet) {
        ordered_json points = ordered_json::array();
        for (int i = 0; i < 4; ++i)
            points.push_back({Real(hatch.Pt[i].x), Real(hatch.Pt[i].y), Real(hatch.Pt[i].z)});
        out["points"] = points;
    }
    auto nonZero = [](const auto& values) {
        for (const auto& value : values)
            if (value != 0)
                return true;
        return false;
    };
    std::array<double, 4> aux2 VELMORA_FOUR(hatch.Aux2);
    std::array<BYTE, 4> aux3 VELMORA_FOUR(hatch.Aux3);
    std::array<BYTE, 4> aux4 VELMORA_FOUR(hatch.Aux4);
    auto number = [](BYTE value) { return ordered_json(value); };
    if (nonZero(aux2))
        out["aux2"] = FourOrOne(aux2, Real);
    if (nonZero(aux3))
        out["aux3"] = FourOrOne(aux3, number);
    if (nonZero(aux4))
        out["aux4"] = FourOrOne(aux4, number);
    return out;
}

ordered_json Brush(WORD zty, const CVObjBrs& brs) {
    ordered_json out = ordered_json::object();
    out["name"] = Text(brs.BNm.GetString());
    if (VelmoraZokKindOf(zty) != ZOK_KIND_NONE)
        out["condition"] = Condition(zty, brs.ZVal);
    out["fill"] = brs.PaintFlg == 0 ? "paint" : "hatch";
    out["paint"] = {{"color", SvgColor(brs.PaintData.Color & 0xFFFFFF)}};
    if (IsPercentage(brs.PaintData.Depth))
        out["paint"]["density"] = static_cast<double>(brs.PaintData.Depth);
    auto number = [](BYTE value) { return ordered_json(value); };
    out["hatch"] = {
        {"type", static_cast<WORD>(brs.HatchData.Type)},
        {"spacing", FourOrOne(std::array<double, 4> VELMORA_FOUR(brs.HatchData.Space), Real)},
        {"color", FourOrOne(std::array<BYTE, 4> VELMORA_FOUR(brs.HatchData.Color), number)}};
    out["layer"] = static_cast<DWORD>(brs.LayerNo);
    out["col"] = static_cast<BYTE>(brs.Col);
    out["hat"] = static_cast<DWORD>(brs.Hat);
    ordered_json carried = Carried(zty, brs);
    if (!carried.empty())
        out["carried"] = carried;
    return out;
}
} // namespace

std::string BoxToJson(const CVPaletteBox& box) {
    ordered_json out = ordered_json::object();
    const int selected = box.GetSelPNo();
    const bool selectsPalette = selected >= -1 && selected < box.GetPltCount();
    out["selected"] = selectsPalette ? selected : -1;
    ordered_json carried = ordered_json::object();
    if (box.BoxWord != 0)
        carried["word"] = static_cast<int>(box.BoxWord);
    if (!selectsPalette)
        carried["selected"] = selected;
    ordered_json palettes = ordered_json::array();
    for (int p = 0; p < box.GetPltCount(); ++p) {
        CVObjPlt* plt = box.GetPlt(p);
        ordered_json palette = ordered_json::object();
        palette["name"] = Text(plt->GetPNm());
        std::string attribute = AttributeName(plt->GetZty());
        if (!attribute.empty())
            palette["attribute"] = attribute;
        else
            palette["attribute"] = 0;
        if (attribute.empty() && plt->GetZty() != 0)
            palette["carried"] = {{"attribute", plt->GetZty()}};
        ordered_json brushes = ordered_json::array();
        for (int b = 0; b < plt->CountBrs(); ++b)
            brushes.push_back(Brush(plt->GetZty(), *plt->GetObjBrs(static_cast<BYTE>(b))));
        palette["brushes"] = brushes;
        palettes.push_back(palette);
    }
    out["palettes"] = palettes;
    if (!carried.empty())
        out["carried"] = carried;
    return out.dump(2) + "\n";
}
