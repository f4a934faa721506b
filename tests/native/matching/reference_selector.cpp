// The plain rules: per brush the value is asked again, and dates made local days.
#include "host/men_nt.h"
#include "match_support.h"

#include <cstring>

namespace {
CString Text(const char* text, std::size_t size) {
    return CString(text, static_cast<int>(strnlen(text, size)));
}

template <class T> bool InRange(DWORD rangeFlg, T value, T from, T to) {
    return rangeFlg ? from <= value && value <= to : value == from;
}

bool Holds(WORD zty, const VELMORA_Z_TYPE& z, const SvyKkData& kk, const SVY_KKDB_ZOKUSEI& zoku) {
    const DWORD code = z.ZCode.Code;
    WORD person = 0;
    SVY_KKDB_TK tk{};
    SVY_KKDB_ZOKUSEI fresh{};
    double area = 0.0;
    switch (zty) {
    case 100:
        kk.Get_TK(tk);
        return code == tk.Shubetsu;
    case 101:
        return code == zoku.Oaza;
    case 102:
        return code == zoku.GenkyoChimoku;
    case 103:
        return code == zoku.KoboChimoku;
    case 104:
        kk.GetShoyusha(0, person);
        return code == person;
    case 105:
        kk.GetNozeisha(0, person);
        return code == person;
    case 106:
        return (code != 0) == (zoku.ShoyukenFlg != 0);
    case 107:
        return code == ((DWORD{zoku.Oaza} << 16) | zoku.Koaza);
    case 200:
        return InRange<std::uint32_t>(z.ZLong.RangeFlg, kk.KkNo, z.ZLong.From, z.ZLong.To);
    case 201:
        return InRange<std::int32_t>(z.ZLong.RangeFlg, zoku.KyoyuNinzu, z.ZLong.From, z.ZLong.To);
    case 300:
        return Text(z.ZText.Text, sizeof z.ZText.Text) == CString(kk.KkNm);
    case 301:
        return kk.GetZoku(fresh) && Text(z.ZText.Text, sizeof z.ZText.Text) ==
                                        Text(fresh.FudosanNo, sizeof fresh.FudosanNo);
    case 400:
    case 401: {
        const std::int64_t v = zty == 400 ? zoku.Tachiai : zoku.Toki;
        const std::int64_t from = z.ZDate.From, to = z.ZDate.To;
        const bool onFrom = RefDayOf(v) == RefDayOf(from);
        return z.ZDate.RangeFlg ? (from < v && v < to) || onFrom || RefDayOf(v) == RefDayOf(to)
                                : onFrom;
    }
    case 501:
        TMen_Nt(kk, 0).ZM_Men_Nt(&area);
        return InRange(z.ZReal.RangeFlg, area, z.ZReal.From, z.ZReal.To);
    case 502:
        TMen_Nt(kk, 0).S3T_Men_Nt(&area);
        return InRange(z.ZReal.RangeFlg, area, z.ZReal.From, z.ZReal.To);
    case 500:
        return InRange(z.ZReal.RangeFlg, zoku.KoboMen, z.ZReal.From, z.ZReal.To);
    default:
        return false;
    }
}
} // namespace

int ReferenceChoice(const CVObjPlt& plt, const SvyKkData& kk) {
    SVY_KKDB_ZOKUSEI zoku{};
    kk.GetZoku(zoku);
    for (int pos = 0; pos < plt.CountBrs(); ++pos)
        if (Holds(plt.GetZty(), plt.Brs[pos].ZVal, kk, zoku))
            return pos;
    return -1;
}
