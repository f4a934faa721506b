#include "tools/box/cond_text.h"
#include "parcels/text/kk_date.h"

#include "host/code_tables.h"
#include "model/zok_catalogue.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Printf(const char* format, ...) {
    char text[400]; // room for the widest double "%.7lf" prints
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string TableText(Ulmabase&& table, DWORD code) {
    CString text;
    table.GetCodeName(static_cast<WORD>(code), text);
    return text.GetString();
}

std::string DayText(std::int32_t time) {
    KkDay day = DayOf(time);
    return Printf("%d/%d/%d", day.year, day.month, day.day);
}
} // namespace

std::string CodeDisplayText(WORD zty, DWORD code) {
    switch (zty) {
    case 100:
        return TableText(CMav00101(), code);
    case 101:
        return TableText(CRok00105(), code);
    case 102:
    case 103:
        return TableText(CRok00106(), code);
    case 104:
    case 105:
        return TableText(CRok00114(), code);
    case 106:
        return code ? "有り" : "無し";
    case 107: {
        CRok00113 koaza;
        WORD oaza = 0, koazaCode = 0;
        koaza.CodeDiv(code, oaza, koazaCode);
        koaza.OazaCode = oaza;
        std::string oazaText = CRok00105().GetDispString(oaza).GetString();
        std::string koazaText = koaza.GetDispString(koazaCode).GetString();
        return oazaText.empty() || koazaText.empty() ? std::string() : oazaText + koazaText;
    }
    default:
        return std::string();
    }
}

std::string CondText(WORD zty, const VELMORA_Z_TYPE& cond) {
    if (VelmoraZokIndexFromId(zty) == VELMORA_NO_ZOK)
        return std::string();
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_CODE:
        return CodeDisplayText(zty, cond.ZCode.Code);
    case ZOK_KIND_LONG:
        return cond.ZLong.RangeFlg ? Printf("%d～%d", cond.ZLong.From, cond.ZLong.To)
                                   : Printf("%d", cond.ZLong.From);
    case ZOK_KIND_TEXT:
        return std::string(cond.ZText.Text, strnlen(cond.ZText.Text, sizeof cond.ZText.Text));
    case ZOK_KIND_DATE:
        return cond.ZDate.RangeFlg ? DayText(cond.ZDate.From) + "～" + DayText(cond.ZDate.To)
                                   : DayText(cond.ZDate.From);
    case ZOK_KIND_REAL:
        return cond.ZReal.RangeFlg ? Printf("%.7lf～%.7lf", cond.ZReal.From, cond.ZReal.To)
                                   : Printf("%.7lf", cond.ZReal.From);
    default:
        return std::string();
    }
}
