#include "reference_selector.h"
#include "host/men_nt.h"
#include "match_support.h"

#include <cstring>

namespace {
CString ConditionText(const VELMORA_ZTEXT& z) {
    return CString(z.Text, static_cast<int>(strnlen(z.Text, sizeof z.Text)));
}

bool SameDay(std::int64_t a, std::int64_t b) {
    return RefDayOf(a) == RefDayOf(b);
}

bool CodeHolds(WORD zty, DWORD code, const SvyKkData& kk, const SVY_KKDB_ZOKUSEI& zoku) {
    DWORD value = 0;
    switch (zty) {
    case 100: {
        SVY_KKDB_TK tk{};
        kk.Get_TK(tk);
        value = tk.Shubetsu;
        break;
    }
    case 101:
        value = zoku.Oaza;
        break;
    case 102:
        value = zoku.GenkyoChimoku;
        break;
    case 103:
        value = zoku.KoboChimoku;
        break;
    case 104:
    case 105: {
        WORD person = 0;
        if (zty == 104)
            kk.GetShoyusha(0, person);
        else
            kk.GetNozeisha(0, person);
        value = person;
        break;
    }
    case 106:
        return (code != 0) == (zoku.ShoyukenFlg != 0);
    case 107:
        value = (DWORD{zoku.Oaza} << 16) | zoku.Koaza;
        break;
    }
    return code == value;
}

bool Holds(WORD zty, const VELMORA_Z_TYPE& z, const SvyKkData& kk, const SVY_KKDB_ZOKUSEI& zoku) {
    switch (zty) {
    case 100:
    case 101:
    case 102:
    case 103:
    case 104:
    case 105:
    case 106:
    case 107:
        return CodeHolds(zty, z.ZCode.Code, kk, zoku);
    case 200: {
        const std::uint32_t v = kk.KkNo;
        const std::uint32_t from = static_cast<std::uint32_t>(z.ZLong.From);
        const std::uint32_t to = static_cast<std::uint32_t>(z.ZLong.To);
        return z.ZLong.RangeFlg ? from <= v && v <= to : v == from;
    }
    case 201: {
        const std::int32_t v = zoku.KyoyuNinzu;
        return z.ZLong.RangeFlg ? z.ZLong.From <= v && v <= z.ZLong.To : v == z.ZLong.From;
    }
    case 300:
        return ConditionText(z.ZText) == CString(kk.KkNm);
    case 301: {
        SVY_KKDB_ZOKUSEI fresh;
        std::memset(&fresh, 0, sizeof fresh);
        if (!kk.GetZoku(fresh))
            return false;
        CString value;
        value.Format(
            "%s",
            CString(fresh.FudosanNo, static_cast<int>(strnlen(fresh.FudosanNo, 14))).GetString());
        return ConditionText(z.ZText) == value;
    }
    case 400:
    case 401: {
        const std::int64_t v = zty == 400 ? zoku.Tachiai : zoku.Toki;
        const std::int64_t from = z.ZDate.From;
        const std::int64_t to = z.ZDate.To;
        if (!z.ZDate.RangeFlg)
            return SameDay(v, from);
        if (from < v && v < to)
            return true;
        if (SameDay(v, from))
            return true;
        return SameDay(v, to);
    }
    case 500:
    case 501:
    case 502: {
        double v = zoku.KoboMen;
        if (zty != 500) {
            v = 0.0;
            TMen_Nt men(kk, 0);
            if (zty == 501)
                men.ZM_Men_Nt(&v);
            else
                men.S3T_Men_Nt(&v);
        }
        return z.ZReal.RangeFlg ? z.ZReal.From <= v && v <= z.ZReal.To : v == z.ZReal.From;
    }
    default:
        return false;
    }
}
} // namespace

int ReferenceChoice(const CVObjPlt& plt, const SvyKkData& kk) {
    const int count = plt.CountBrs();
    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    kk.GetZoku(zoku);
    for (int pos = 0; pos < count; ++pos)
        if (Holds(plt.GetZty(), plt.Brs[pos].ZVal, kk, zoku))
            return pos;
    return -1;
}
