#include "matching/kk_value.h"
#include "host/code_tables.h"
#include "host/men_nt.h"
#include "model/zok_catalogue.h"

#include <cstring>

SVY_KKDB_ZOKUSEI KkZokuRead(const SvyKkData& kk) {
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    kk.GetZoku(zoku);
    return zoku;
}

WORD KkTochiShubetsu(const SvyKkData& kk) {
    SVY_KKDB_TK tk;
    tk.Shubetsu = 0;
    kk.Get_TK(tk);
    return tk.Shubetsu;
}

WORD KkShoyusha(const SvyKkData& kk) {
    WORD code = 0;
    kk.GetShoyusha(0, code);
    return code;
}

WORD KkNozeisha(const SvyKkData& kk) {
    WORD code = 0;
    kk.GetNozeisha(0, code);
    return code;
}

DWORD KkZokuCode(const SVY_KKDB_ZOKUSEI& zoku, WORD zty) {
    switch (zty) {
    case ZOK_OAZA:
        return zoku.Oaza;
    case ZOK_GENKYO_CHIMOKU:
        return zoku.GenkyoChimoku;
    case ZOK_KOBO_CHIMOKU:
        return zoku.KoboChimoku;
    case ZOK_KOAZA:
        return R113CODEMIX(zoku.Oaza, zoku.Koaza);
    default:
        return 0;
    }
}

bool KkFudosanNo(const SvyKkData& kk, char (&text)[sizeof(SVY_KKDB_ZOKUSEI::FudosanNo) + 1]) {
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    if (!kk.GetZoku(zoku))
        return false;
    std::memcpy(text, zoku.FudosanNo, sizeof zoku.FudosanNo);
    text[sizeof zoku.FudosanNo] = '\0';
    return true;
}

double KkZahyoMen(const SvyKkData& kk) {
    double area = 0.0;
    TMen_Nt(kk, 0).ZM_Men_Nt(&area);
    return area;
}

double KkSansyaMen(const SvyKkData& kk) {
    double area = 0.0;
    TMen_Nt(kk, 0).S3T_Men_Nt(&area);
    return area;
}
