#include "model/cond_text.h"
#include "host/code_book.h"
#include "model/zok_catalogue.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

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

bool ToLocal(std::int32_t time, std::tm& local) {
    if (time < 0)
        return false;
#ifdef _WIN32
    const __time64_t wide = time;
    return _localtime64_s(&local, &wide) == 0;
#else
    const std::time_t wide = time;
    return localtime_r(&wide, &local) != nullptr;
#endif
}

std::string CodeCondText(WORD zty, DWORD code) {
    if (zty == ZOK_SHOYUKEN)
        return VelmoraShoyukenText(code);
    std::unique_ptr<Ulmabase> table = VelmoraNewCodeTable(zty);
    return table ? VelmoraCodeText(*table, code) : std::string();
}
} // namespace

std::unique_ptr<Ulmabase> VelmoraNewCodeTable(WORD zty) {
    switch (VelmoraZokCodeTbl(zty)) {
    case CODE_TBL_TOCHI_SHUBETSU:
        return std::make_unique<CMav00101>();
    case CODE_TBL_OAZA:
        return std::make_unique<CRok00105>();
    case CODE_TBL_CHIMOKU:
        return std::make_unique<CRok00106>();
    case CODE_TBL_KOAZA:
        return std::make_unique<CRok00113>();
    case CODE_TBL_PERSON:
        return std::make_unique<CRok00114>();
    default:
        return nullptr;
    }
}

CRok00113* VelmoraMixedKoaza(Ulmabase& table) {
    return table.TblNo == CODE_TBL_KOAZA && table.MixFlg ? dynamic_cast<CRok00113*>(&table)
                                                         : nullptr;
}

std::string VelmoraCodeText(Ulmabase& table, DWORD code) {
    CRok00113* koaza = VelmoraMixedKoaza(table);
    if (!koaza) {
        CString text;
        table.GetCodeName(static_cast<WORD>(code), text);
        return text.GetString();
    }
    WORD oaza = 0;
    WORD koazaCode = 0;
    koaza->CodeDiv(code, oaza, koazaCode);
    koaza->OazaCode = oaza;
    CRok00105 oazaTable;
    return std::string(oazaTable.GetDispString(oaza).GetString()) +
           koaza->GetDispString(koazaCode).GetString();
}

std::string VelmoraDayText(std::int32_t time) {
    std::tm local{};
    if (!ToLocal(time, local))
        return "0/0/0";
    return Printf("%d/%d/%d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string VelmoraCondText(WORD zty, const VELMORA_Z_TYPE& cond) {
    if (VelmoraZokIndexFromId(zty) == VELMORA_NO_ZOK)
        return std::string();
    switch (VelmoraZokKindOf(zty)) {
    case ZOK_KIND_CODE:
        return CodeCondText(zty, cond.ZCode.Code);
    case ZOK_KIND_LONG:
        return cond.ZLong.RangeFlg ? Printf("%d～%d", cond.ZLong.From, cond.ZLong.To)
                                   : Printf("%d", cond.ZLong.From);
    case ZOK_KIND_TEXT:
        return std::string(cond.ZText.Text, strnlen(cond.ZText.Text, sizeof cond.ZText.Text));
    case ZOK_KIND_DATE:
        return cond.ZDate.RangeFlg
                   ? VelmoraDayText(cond.ZDate.From) + "～" + VelmoraDayText(cond.ZDate.To)
                   : VelmoraDayText(cond.ZDate.From);
    case ZOK_KIND_REAL:
        return cond.ZReal.RangeFlg ? Printf("%.7lf～%.7lf", cond.ZReal.From, cond.ZReal.To)
                                   : Printf("%.7lf", cond.ZReal.From);
    default:
        return std::string();
    }
}
