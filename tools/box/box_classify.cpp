#include "tools/box/box_classify.h"
#include "tools/box/box_json.h"
#include "tools/box/class_breaks.h"
#include "tools/box/color_ramps.h"
#include "model/cond_text.h"
#include "parcels/text/text_codec.h"
#include "parcels/text/text_cut.h"
#include "tools/gis/local_days.h"

#include "model/zok_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>

namespace {
// The value of a code attribute (大字 from the row's 大字コード).
DWORD CodeOf(WORD zty, const KkParcelKey& key, const KkAttr& attr) {
    switch (zty) {
    case ZOK_TOCHI_SHUBETSU:
        return attr.tochiShubetsu;
    case ZOK_OAZA:
        return key.oaza;
    case ZOK_GENKYO_CHIMOKU:
        return attr.genkyoChimoku;
    case ZOK_KOBO_CHIMOKU:
        return attr.koboChimoku;
    case ZOK_SHOYUSHA:
        return attr.owners.empty() ? 0 : attr.owners[0];
    case ZOK_NOZEISHA:
        return attr.taxpayers.empty() ? 0 : attr.taxpayers[0];
    default:
        return attr.shoyuken != 0 ? 1 : 0;
    }
}

VELMORA_Z_TYPE Cleared(WORD zty) {
    VELMORA_Z_TYPE z;
    std::memset(&z, 0, sizeof z);
    z.Zty = zty;
    return z;
}

void AddPaintBrush(CVObjPlt& plt, const VELMORA_Z_TYPE& z, const std::string& name,
                   COLORREF color) {
    CVObjBrs brs;
    brs.BFg = 1;
    brs.BNm = CutCp932(name, kBoxNameMax).c_str();
    brs.ZVal = z;
    brs.PaintData.Color = color;
    plt.AddBrs(plt.CountBrs(), &brs);
}

// Values, most frequent first; equally frequent ones in ascending order.
template <typename T> std::vector<T> ByFrequency(const std::map<T, int>& counts) {
    std::vector<std::pair<T, int>> order(counts.begin(), counts.end());
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<T> values;
    for (const auto& value : order)
        values.push_back(value.first);
    return values;
}

template <typename T>
void CountLeft(const std::vector<T>& values, const std::map<T, int>& counts,
               ClassifyReport& report) {
    for (size_t i = VELMORA_MAX_BRS; i < values.size(); ++i) {
        ++report.valuesLeft;
        report.parcelsLeft += counts.at(values[i]);
    }
}

bool UniqueCodes(const KkAttrTable& attrs, const ClassifyRequest& request, CVObjPlt& plt,
                 ClassifyReport& report) {
    std::map<DWORD, int> counts;
    for (const auto& row : attrs) {
        DWORD code = CodeOf(request.zty, row.first, row.second);
        if (code != 0 || request.zty == ZOK_SHOYUKEN)
            ++counts[code];
    }
    std::vector<DWORD> codes = ByFrequency(counts);
    CountLeft(codes, counts, report);
    codes.resize(std::min<size_t>(codes.size(), VELMORA_MAX_BRS));
    std::vector<COLORREF> colors = RampColors(request.ramp, static_cast<int>(codes.size()));
    for (size_t i = 0; i < codes.size(); ++i) {
        VELMORA_Z_TYPE z = Cleared(request.zty);
        z.ZCode.Code = codes[i];
        std::string name = VelmoraCondText(request.zty, z);
        AddPaintBrush(plt, z, name.empty() ? std::to_string(codes[i]) : name, colors[i]);
    }
    return !codes.empty();
}

// 不動産番号 holds digits only, so its code page 932 form is its UTF-8 form.
bool UniqueTexts(const KkAttrTable& attrs, const ClassifyRequest& request, CVObjPlt& plt,
                 ClassifyReport& report) {
    std::map<std::string, int> counts;
    for (const auto& row : attrs)
        if (!row.second.fudosanNo.empty())
            ++counts[row.second.fudosanNo];
    std::vector<std::string> texts = ByFrequency(counts);
    CountLeft(texts, counts, report);
    texts.resize(std::min<size_t>(texts.size(), VELMORA_MAX_BRS));
    std::vector<COLORREF> colors = RampColors(request.ramp, static_cast<int>(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i) {
        VELMORA_Z_TYPE z = Cleared(request.zty);
        std::strncpy(z.ZText.Text, texts[i].c_str(), VELMORA_ZTEXT_MAX);
        AddPaintBrush(plt, z, VelmoraCondText(request.zty, z), colors[i]);
    }
    return !texts.empty();
}

// The first day whose local midnight the library counts as a date of its
// own, 1970 or later.
std::int64_t FirstOwnDay() {
    std::int64_t day = LocalDayOf(0);
    return LocalMidnight(day) >= 0 ? day : day + 1;
}

std::int32_t TimeOfDay(std::int64_t day) {
    std::int64_t time = LocalMidnight(day);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        time, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Numbers of a range attribute: whole numbers, days (dates before 1970 all
// as the earliest of them) or areas.
std::vector<double> RangeValues(const KkAttrTable& attrs, WORD zty) {
    std::vector<double> values;
    std::int32_t earliest = 0;
    for (const auto& row : attrs) {
        const KkAttr& attr = row.second;
        if (zty == ZOK_KYOYU_NINZU)
            values.push_back(attr.kyoyuNinzu);
        else if (zty == ZOK_KOBO_MEN)
            values.push_back(attr.koboArea);
        else if (std::int32_t time = zty == ZOK_TACHIAI ? attr.tachiaiDate : attr.tokiDate;
                 time != 0)
            earliest = std::min(earliest, time);
    }
    if (VelmoraZokKindOf(zty) != ZOK_KIND_DATE)
        return values;
    for (const auto& row : attrs) {
        std::int32_t time = zty == ZOK_TACHIAI ? row.second.tachiaiDate : row.second.tokiDate;
        if (time != 0)
            values.push_back(static_cast<double>(LocalDayOf(time < 0 ? earliest : time)));
    }
    return values;
}

std::vector<double> Limits(const std::vector<double>& sorted, const ClassifyRequest& request) {
    bool whole = VelmoraZokKindOf(request.zty) != ZOK_KIND_REAL;
    switch (request.method) {
    case ClassMethod::QUANTILE:
        return QuantileBreaks(sorted, request.classes);
    case ClassMethod::EQUAL:
        return EqualBreaks(sorted, request.classes, whole);
    default:
        return JenksBreaks(sorted, request.classes);
    }
}

VELMORA_Z_TYPE RangeCondition(WORD zty, double lo, double hi) {
    VELMORA_Z_TYPE z = Cleared(zty);
    DWORD range = lo != hi ? 1 : 0;
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_LONG:
        z.ZLong = VELMORA_ZLONG{zty, range, static_cast<std::int32_t>(lo),
                                range ? static_cast<std::int32_t>(hi) : 0};
        break;
    case ZOK_KIND_DATE:
        z.ZDate = VELMORA_ZDATE{zty, range, TimeOfDay(static_cast<std::int64_t>(lo)),
                                range ? TimeOfDay(static_cast<std::int64_t>(hi)) : 0};
        break;
    default:
        z.ZReal = VELMORA_ZREAL{zty, range, lo, range ? hi : 0.0};
        break;
    }
    return z;
}

bool Ranges(const KkAttrTable& attrs, const ClassifyRequest& request, CVObjPlt& plt) {
    std::vector<double> sorted = RangeValues(attrs, request.zty);
    if (sorted.empty())
        return false;
    std::sort(sorted.begin(), sorted.end());
    std::vector<double> limits = Limits(sorted, request);
    bool dates = VelmoraZokKindOf(request.zty) == ZOK_KIND_DATE;
    bool whole = VelmoraZokKindOf(request.zty) != ZOK_KIND_REAL;
    std::int64_t ownDay = FirstOwnDay();
    if (dates) {
        // A limit before 1970 would part ranges that the library joins.
        for (double& limit : limits)
            limit = limit < ownDay ? sorted.front() : limit;
        limits.erase(std::unique(limits.begin(), limits.end()), limits.end());
    }
    std::vector<COLORREF> colors = RampColors(request.ramp, static_cast<int>(limits.size()));
    double lo = sorted.front();
    for (size_t c = 0; c < limits.size(); ++c) {
        VELMORA_Z_TYPE z = RangeCondition(request.zty, lo, limits[c]);
        AddPaintBrush(plt, z, VelmoraCondText(request.zty, z), colors[c]);
        lo = whole ? limits[c] + 1.0 : limits[c];
        if (dates)
            lo = std::max(lo, static_cast<double>(ownDay));
    }
    return true;
}
} // namespace

bool ClassifyPalette(const KkAttrTable& attrs, const ClassifyRequest& request, CVObjPlt& plt,
                     ClassifyReport& report) {
    report = ClassifyReport();
    plt.SetZty(request.zty);
    switch (VelmoraZokKindOf(request.zty)) {
    case ZOK_KIND_CODE:
        return UniqueCodes(attrs, request, plt, report);
    case ZOK_KIND_TEXT:
        return UniqueTexts(attrs, request, plt, report);
    default:
        return Ranges(attrs, request, plt);
    }
}
