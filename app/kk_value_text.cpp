#include "app/kk_value_text.h"
#include "app/app_text.h"

#include "host/code_book.h"
#include "host/men_nt.h"
#include "model/zok_catalogue.h"

#include <cstring>
#include <ctime>

namespace {
// A code of a code attribute with its name from the attribute's code table.
std::string CodeText(WORD zty, WORD group, WORD code) {
    CString name;
    if (CCodeBook::GetName(VelmoraZokCodeTbl(zty), group, code, name))
        return Format("%s (%u)", name.GetString(), (unsigned)code);
    return Format("%u", (unsigned)code);
}

std::string DateText(std::int32_t time) {
    if (time == 0)
        return "（なし）";
    __time64_t wide = time;
    std::tm local{};
    if (_localtime64_s(&local, &wide) != 0)
        return "（日付なし）";
    return Format("%d/%d/%d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string AreaText(double area) {
    return Format("%.2f ㎡", area);
}
} // namespace

std::string KkValueText(const SvyKkData& kk, WORD zty) {
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    kk.GetZoku(zoku);
    WORD person = 0;
    double area = 0.0;
    switch (zty) {
    case ZOK_KK_NO:
        return Format("%lu", (unsigned long)kk.KkNo);
    case ZOK_KK_NM:
        return kk.KkNm;
    case ZOK_TOCHI_SHUBETSU: {
        SVY_KKDB_TK tk{0};
        kk.Get_TK(tk);
        return CodeText(zty, 0, tk.Shubetsu);
    }
    case ZOK_OAZA:
        return CodeText(zty, 0, zoku.Oaza);
    case ZOK_KOAZA:
        return CodeText(zty, zoku.Oaza, zoku.Koaza);
    case ZOK_GENKYO_CHIMOKU:
        return CodeText(zty, 0, zoku.GenkyoChimoku);
    case ZOK_KOBO_CHIMOKU:
        return CodeText(zty, 0, zoku.KoboChimoku);
    case ZOK_SHOYUSHA:
        kk.GetShoyusha(0, person);
        return CodeText(zty, 0, person);
    case ZOK_NOZEISHA:
        kk.GetNozeisha(0, person);
        return CodeText(zty, 0, person);
    case ZOK_KYOYU_NINZU:
        return Format("%u", (unsigned)zoku.KyoyuNinzu);
    case ZOK_SHOYUKEN:
        return VelmoraShoyukenText(zoku.ShoyukenFlg);
    case ZOK_TACHIAI:
        return DateText(zoku.Tachiai);
    case ZOK_TOKI:
        return DateText(zoku.Toki);
    case ZOK_KOBO_MEN:
        return AreaText(zoku.KoboMen);
    case ZOK_ZAHYO_MEN:
        TMen_Nt(kk, 0).ZM_Men_Nt(&area);
        return AreaText(area);
    case ZOK_SANSYA_MEN:
        TMen_Nt(kk, 0).S3T_Men_Nt(&area);
        return AreaText(area);
    case ZOK_FUDOSAN_NO:
        return std::string(zoku.FudosanNo, strnlen(zoku.FudosanNo, sizeof zoku.FudosanNo));
    default:
        return std::string();
    }
}
