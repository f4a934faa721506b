#include "app/kk_value_text.h"
#include "app/host_text.h"

#include "host/code_book.h"
#include "host/men_nt.h"

#include <cstring>
#include <ctime>

namespace {
std::string CodeText(WORD tblNo, WORD group, WORD code) {
    CString name;
    if (CCodeBook::GetName(tblNo, group, code, name))
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
    case 200:
        return Format("%lu", (unsigned long)kk.KkNo);
    case 300:
        return kk.KkNm;
    case 100: {
        SVY_KKDB_TK tk{0};
        kk.Get_TK(tk);
        return CodeText(CODE_TBL_TOCHI_SHUBETSU, 0, tk.Shubetsu);
    }
    case 101:
        return CodeText(CODE_TBL_OAZA, 0, zoku.Oaza);
    case 107:
        return CodeText(CODE_TBL_KOAZA, zoku.Oaza, zoku.Koaza);
    case 102:
        return CodeText(CODE_TBL_CHIMOKU, 0, zoku.GenkyoChimoku);
    case 103:
        return CodeText(CODE_TBL_CHIMOKU, 0, zoku.KoboChimoku);
    case 104:
        kk.GetShoyusha(0, person);
        return CodeText(CODE_TBL_PERSON, 0, person);
    case 105:
        kk.GetNozeisha(0, person);
        return CodeText(CODE_TBL_PERSON, 0, person);
    case 201:
        return Format("%u", (unsigned)zoku.KyoyuNinzu);
    case 106:
        return zoku.ShoyukenFlg ? "有り" : "無し";
    case 400:
        return DateText(zoku.Tachiai);
    case 401:
        return DateText(zoku.Toki);
    case 500:
        return AreaText(zoku.KoboMen);
    case 501:
        TMen_Nt(kk, 0).ZM_Men_Nt(&area);
        return AreaText(area);
    case 502:
        TMen_Nt(kk, 0).S3T_Men_Nt(&area);
        return AreaText(area);
    case 301:
        return std::string(zoku.FudosanNo, strnlen(zoku.FudosanNo, sizeof zoku.FudosanNo));
    default:
        return std::string();
    }
}
