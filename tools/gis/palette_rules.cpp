#include "tools/gis/palette_rules.h"
#include "parcels/text/text_codec.h"
#include "tools/gis/attr_columns.h"
#include "tools/gis/local_days.h"
#include "tools/gis/value_set.h"
#include "parcels/fill/brush_map_fill.h"

#include "host/code_tables.h"
#include "model/zok_catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {
constexpr double kNoEnd = std::numeric_limits<double>::infinity();
constexpr std::int64_t kFirstTime = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLastTime = std::numeric_limits<std::int32_t>::max();

ValueSpan Point(double value) {
    return ValueSpan{value, value};
}

// The times on the local day of a date, as the matcher sees days: every
// negative time shares one day, and no other time has it.
ValueSpan DaySpan(std::int32_t time) {
    if (time < 0)
        return ValueSpan{static_cast<double>(kFirstTime), -1.0};
    std::int64_t day = LocalDayOf(time);
    std::int64_t start = std::max<std::int64_t>(0, LocalMidnight(day));
    std::int64_t end = std::min(kLastTime, LocalMidnight(day + 1) - 1);
    return ValueSpan{static_cast<double>(start), static_cast<double>(end)};
}

// The values for which a brush's condition holds: codes, whole numbers,
// date times in seconds or reals.
ValueSet HeldValues(WORD zty, const VELMORA_Z_TYPE& z) {
    ValueSet held(VelmoraZokKindOf(zty) != ZOK_KIND_REAL);
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_CODE:
        if (zty == ZOK_SHOYUKEN && z.ZCode.Code != 0) {
            held.Add(ValueSpan{-kNoEnd, -1.0});
            held.Add(ValueSpan{1.0, kNoEnd});
        } else {
            held.Add(Point(zty == ZOK_SHOYUKEN ? 0.0 : z.ZCode.Code));
        }
        break;
    case ZOK_KIND_LONG: {
        // 画地No compares as unsigned, 共有人数 as signed numbers.
        double from = zty == ZOK_KK_NO ? static_cast<double>(static_cast<DWORD>(z.ZLong.From))
                                       : static_cast<double>(z.ZLong.From);
        double to = zty == ZOK_KK_NO ? static_cast<double>(static_cast<DWORD>(z.ZLong.To))
                                     : static_cast<double>(z.ZLong.To);
        held.Add(z.ZLong.RangeFlg ? ValueSpan{from, to} : Point(from));
        break;
    }
    case ZOK_KIND_DATE:
        held.Add(DaySpan(z.ZDate.From));
        if (z.ZDate.RangeFlg) {
            held.Add(ValueSpan{static_cast<double>(z.ZDate.From), static_cast<double>(z.ZDate.To),
                               true, true});
            held.Add(DaySpan(z.ZDate.To));
        }
        break;
    case ZOK_KIND_REAL:
        held.Add(z.ZReal.RangeFlg ? ValueSpan{z.ZReal.From, z.ZReal.To} : Point(z.ZReal.From));
        break;
    default:
        break;
    }
    return held;
}

std::string WholeText(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

// The shortest text that reads back as the same double.
std::string RealText(double value) {
    char text[48];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return text;
}

FieldTerm Term(const std::string& field, FieldTerm::Op op, FieldTerm::Kind kind,
               const std::string& value) {
    return FieldTerm{field, op, kind, value};
}

// One clause per run of values: equal to a single value, or between its
// finite ends.
void AddNumberClauses(const ValueSet& values, const std::string& field, StyleFilter& filter) {
    for (const ValueSpan& span : values.Spans()) {
        auto text = [&values](double v) { return values.Whole() ? WholeText(v) : RealText(v); };
        std::vector<FieldTerm> clause;
        if (span.lo == span.hi) {
            clause.push_back(Term(field, FieldTerm::EQUAL, FieldTerm::NUMBER, text(span.lo)));
        } else {
            if (std::isfinite(span.lo))
                clause.push_back(Term(field, span.loOpen ? FieldTerm::ABOVE : FieldTerm::AT_LEAST,
                                      FieldTerm::NUMBER, text(span.lo)));
            if (std::isfinite(span.hi))
                clause.push_back(Term(field, span.hiOpen ? FieldTerm::BELOW : FieldTerm::AT_MOST,
                                      FieldTerm::NUMBER, text(span.hi)));
        }
        filter.clauses.push_back(clause);
    }
}

// Dates are kept by day: a day holds when the time of its local midnight,
// which is how the tool reads a date, does.
void AddDateClauses(const ValueSet& times, const std::string& field, StyleFilter& filter) {
    for (const ValueSpan& span : times.Spans()) {
        bool fromStart = span.lo <= kFirstTime;
        bool toEnd = span.hi >= kLastTime;
        std::int64_t first = LocalDayOf(static_cast<std::int64_t>(span.lo));
        if (LocalMidnight(first) < span.lo)
            ++first;
        std::int64_t last = LocalDayOf(static_cast<std::int64_t>(span.hi));
        if (!fromStart && !toEnd && first > last)
            continue;
        std::vector<FieldTerm> clause;
        if (first == last && !fromStart && !toEnd) {
            clause.push_back(Term(field, FieldTerm::EQUAL, FieldTerm::DATE, DayText(first)));
        } else {
            if (!fromStart)
                clause.push_back(Term(field, FieldTerm::AT_LEAST, FieldTerm::DATE, DayText(first)));
            if (!toEnd)
                clause.push_back(Term(field, FieldTerm::AT_MOST, FieldTerm::DATE, DayText(last)));
        }
        filter.clauses.push_back(clause);
    }
}

// A 小字 is its 大字 and its own code, each in its column.
void AddKoazaClauses(const ValueSet& codes, const std::string& field, StyleFilter& filter) {
    for (const ValueSpan& span : codes.Spans())
        for (double code = span.lo; code <= span.hi; ++code) {
            WORD oaza = 0, koaza = 0;
            CRok00113().CodeDiv(static_cast<DWORD>(code), oaza, koaza);
            filter.clauses.push_back(
                {Term(AttributeField(ZOK_OAZA), FieldTerm::EQUAL, FieldTerm::NUMBER,
                      WholeText(oaza)),
                 Term(field, FieldTerm::EQUAL, FieldTerm::NUMBER, WholeText(koaza))});
        }
}

void AddNullClause(const std::string& field, StyleFilter& filter) {
    filter.clauses.push_back({Term(field, FieldTerm::IS_NULL, FieldTerm::NUMBER, "")});
}

std::string ConditionText(const VELMORA_ZTEXT& z) {
    return std::string(z.Text, strnlen(z.Text, sizeof z.Text));
}

// Text conditions hold for one text each: a brush takes its text unless an
// earlier brush has the same.
StyleFilter TextFilter(CVObjPlt& plt, int b, const std::string& field) {
    std::string text = ConditionText(plt.GetObjBrs(static_cast<BYTE>(b))->ZVal.ZText);
    StyleFilter filter;
    for (int earlier = 0; earlier < b; ++earlier)
        if (ConditionText(plt.GetObjBrs(static_cast<BYTE>(earlier))->ZVal.ZText) == text)
            return filter;
    filter.clauses.push_back({Term(field, FieldTerm::EQUAL, FieldTerm::TEXT, Cp932ToUtf8(text))});
    if (text.empty())
        AddNullClause(field, filter);
    return filter;
}

StyleRule BrushRule(CVObjPlt& plt, int b, const ZelAttr& colors) {
    const CVObjBrs& brs = *plt.GetObjBrs(static_cast<BYTE>(b));
    return StyleRule{Cp932ToUtf8(brs.BNm.GetString()), b, BrushMapFill(brs, colors), StyleFilter()};
}

StyleRule RestRule() {
    return StyleRule{u8"該当なし", -1, MapFill(), StyleFilter()};
}
} // namespace

PaletteStyle BrushNumberStyle(CVObjPlt& plt, const ZelAttr& colors, const std::string& field) {
    PaletteStyle style{Cp932ToUtf8(plt.GetPNm()), {}};
    for (int b = 0; b < plt.CountBrs(); ++b) {
        StyleRule rule = BrushRule(plt, b, colors);
        rule.filter.clauses.push_back(
            {Term(field, FieldTerm::EQUAL, FieldTerm::NUMBER, std::to_string(b + 1))});
        style.rules.push_back(rule);
    }
    style.rules.push_back(RestRule());
    return style;
}

PaletteStyle AttributeStyle(CVObjPlt& plt, const ZelAttr& colors, const std::string& field) {
    WORD zty = plt.GetZty();
    bool known = VelmoraZokIndexFromId(zty) != VELMORA_NO_ZOK;
    VelmoraZokKind kind = VelmoraZokKindOf(zty);
    PaletteStyle style{Cp932ToUtf8(plt.GetPNm()), {}};
    ValueSet taken(kind != ZOK_KIND_REAL);
    for (int b = 0; b < plt.CountBrs(); ++b) {
        StyleRule rule = BrushRule(plt, b, colors);
        if (known && kind == ZOK_KIND_TEXT) {
            rule.filter = TextFilter(plt, b, field);
        } else if (known) {
            ValueSet held = HeldValues(zty, plt.GetObjBrs(static_cast<BYTE>(b))->ZVal);
            ValueSet first = held;
            first.Remove(taken);
            for (const ValueSpan& span : held.Spans())
                taken.Add(span);
            if (zty == ZOK_KOAZA)
                AddKoazaClauses(first, field, rule.filter);
            else if (kind == ZOK_KIND_DATE)
                AddDateClauses(first, field, rule.filter);
            else
                AddNumberClauses(first, field, rule.filter);
            if (zty != ZOK_KOAZA && first.Holds(0.0))
                AddNullClause(field, rule.filter);
        }
        style.rules.push_back(rule);
    }
    style.rules.push_back(RestRule());
    return style;
}
