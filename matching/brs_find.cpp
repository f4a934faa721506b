#include "matching/brs_find.h"
#include "matching/kk_day.h"
#include "matching/kk_value.h"
#include "model/plt.h"
#include "model/zok_catalogue.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
// The loop steps one pointer and counts no position: the position is worked
// out only for the brush that holds.
template <class Holds> int FirstHolding(const CVObjBrs* brs, Holds holds, int first = 0) {
    const CVObjBrs* const end = brs + VELMORA_MAX_BRS;
    for (const CVObjBrs* slot = brs + first; slot != end && slot->BFg != 0; ++slot)
        if (holds(slot->ZVal))
            return static_cast<int>(slot - brs);
    return -1;
}

int FindCode(const CVObjBrs* brs, const SvyKkData& kk, const SVY_KKDB_ZOKUSEI& zoku, WORD zty) {
    switch (zty) {
    case ZOK_TOCHI_SHUBETSU:
        return FirstHolding(
            brs, [&kk](const VELMORA_Z_TYPE& z) { return z.ZCode.Code == KkTochiShubetsu(kk); });
    case ZOK_SHOYUSHA:
        return FirstHolding(
            brs, [&kk](const VELMORA_Z_TYPE& z) { return z.ZCode.Code == KkShoyusha(kk); });
    case ZOK_NOZEISHA:
        return FirstHolding(
            brs, [&kk](const VELMORA_Z_TYPE& z) { return z.ZCode.Code == KkNozeisha(kk); });
    case ZOK_SHOYUKEN: {
        const bool present = zoku.ShoyukenFlg != 0;
        return FirstHolding(
            brs, [present](const VELMORA_Z_TYPE& z) { return (z.ZCode.Code != 0) == present; });
    }
    default: {
        const DWORD value = KkZokuCode(zoku, zty);
        return FirstHolding(brs,
                            [value](const VELMORA_Z_TYPE& z) { return z.ZCode.Code == value; });
    }
    }
}

// 画地No: unsigned 32-bit.
int FindKkNo(const CVObjBrs* brs, DWORD value) {
    return FirstHolding(brs, [value](const VELMORA_Z_TYPE& z) {
        const DWORD from = static_cast<DWORD>(z.ZLong.From);
        if (z.ZLong.RangeFlg == 0)
            return value == from;
        return from <= value && value <= static_cast<DWORD>(z.ZLong.To);
    });
}

// 共有人数: signed 32-bit.
int FindKyoyuNinzu(const CVObjBrs* brs, std::int32_t value) {
    return FirstHolding(brs, [value](const VELMORA_Z_TYPE& z) {
        if (z.ZLong.RangeFlg == 0)
            return value == z.ZLong.From;
        return z.ZLong.From <= value && value <= z.ZLong.To;
    });
}

// The bytes of a condition's text from the ninth on against those of a value
// whose first eight bytes agree with it and hold no NUL.
bool TextTailEquals(const VELMORA_ZTEXT& z, const char* value, std::size_t valueSize) {
    const std::size_t length = strnlen(value, valueSize);
    if (length > sizeof z.Text || (length < sizeof z.Text && z.Text[length] != '\0'))
        return false;
    return std::memcmp(z.Text + 8, value + 8, length - 8) == 0;
}

// Whether a condition's text equals a NUL-terminated value whose buffer holds
// at least 8 bytes. The condition's text ends at its NUL or at the end of its
// field; equal texts agree in every byte and in length.
//
// The first eight bytes of both are compared as one word, up to and including
// the value's NUL when it lies among them; that settles most brushes at once,
// so it is kept inline in the brush loop.
[[gnu::always_inline]] inline bool TextEquals(const VELMORA_ZTEXT& z, const char* value,
                                              std::size_t valueSize) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    std::uint64_t text = 0;
    std::uint64_t head = 0;
    std::memcpy(&text, z.Text, sizeof text);
    std::memcpy(&head, value, sizeof head);
    const std::uint64_t differ = text ^ head;
    // The lowest set bit marks the value's first NUL (little-endian bytes).
    const std::uint64_t nuls = (head - kOnes) & ~head & (kOnes << 7);
    if (nuls != 0) {
        const int used = __builtin_ctzll(nuls) + 1;
        const std::uint64_t mask = used >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << used) - 1;
        return (differ & mask) == 0;
    }
    return differ == 0 && TextTailEquals(z, value, valueSize);
}

int FindText(const CVObjBrs* brs, const SvyKkData& kk, WORD zty) {
    if (zty == ZOK_KK_NM)
        return FirstHolding(brs, [&kk](const VELMORA_Z_TYPE& z) {
            return TextEquals(z.ZText, kk.KkNm, sizeof kk.KkNm);
        });
    return FirstHolding(brs, [&kk](const VELMORA_Z_TYPE& z) {
        char fudosanNo[sizeof(SVY_KKDB_ZOKUSEI::FudosanNo) + 1];
        return KkFudosanNo(kk, fudosanNo) && TextEquals(z.ZText, fudosanNo, sizeof fudosanNo);
    });
}

// The day (0, 0, 0) of a negative date, or of one the C library cannot
// convert; every non-negative 32-bit date converts, so only negative dates
// share it.
int FindDateOnNoDay(const CVObjBrs* brs, std::int32_t value) {
    return FirstHolding(brs, [value](const VELMORA_Z_TYPE& z) {
        const std::int32_t from = z.ZDate.From;
        if (z.ZDate.RangeFlg == 0)
            return from < 0;
        const std::int32_t to = z.ZDate.To;
        return (from < value && value < to) || from < 0 || to < 0;
    });
}

// A range holds for a date strictly between its ends whatever its day.
bool RangeHoldsWithin(const VELMORA_ZDATE& date, std::int32_t value) {
    return date.RangeFlg != 0 && date.From < value && value < date.To;
}

// Brushes tried without the parcel's day while none comes near its date:
// `pos` is the brush that holds, or the first that needs the day
// (`needsDay`), or -1 when none holds.
struct KK_DATE_SCAN {
    int pos;
    bool needsDay;
};

KK_DATE_SCAN ScanWithoutDay(const CVObjBrs* brs, std::int32_t value) {
    const CKkDayReach near(value);
    const int pos = FirstHolding(brs, [value, near](const VELMORA_Z_TYPE& z) {
        const VELMORA_ZDATE& date = z.ZDate;
        if (date.RangeFlg == 0)
            return near.Holds(date.From);
        return near.Holds(date.From) || RangeHoldsWithin(date, value) || near.Holds(date.To);
    });
    return KK_DATE_SCAN{pos, pos >= 0 && !RangeHoldsWithin(brs[pos].ZVal.ZDate, value)};
}

template <bool kGap>
int FirstHoldingOnDay(const CVObjBrs* brs, const CKkDay& day, std::int32_t value, int first) {
    return FirstHolding(
        brs,
        [value, &day](const VELMORA_Z_TYPE& z) {
            const std::int32_t from = z.ZDate.From;
            if (z.ZDate.RangeFlg == 0)
                return day.Holds<kGap>(from);
            return day.RangeHolds<kGap>(from, z.ZDate.To, value);
        },
        first);
}

// The parcel's day is found once, and only when a brush comes near its date
// (the day kept from an earlier parcel serves at once); each brush then takes
// integer comparisons.
int FindDate(const CVObjBrs* brs, std::int32_t value) {
    if (value < 0)
        return FindDateOnNoDay(brs, value);
    const CKkDay* found = KkDayKept(value);
    int first = 0;
    if (!found) {
        const KK_DATE_SCAN scan = ScanWithoutDay(brs, value);
        if (!scan.needsDay)
            return scan.pos;
        first = scan.pos;
        found = KkDayOf(value);
        if (!found)
            return FindDateOnNoDay(brs, value);
    }
    // A copy of its own keeps the day in registers through the brushes.
    const CKkDay day = *found;
    return day.HasGap() ? FirstHoldingOnDay<true>(brs, day, value, first)
                        : FirstHoldingOnDay<false>(brs, day, value, first);
}

template <class Value> int FindReal(const CVObjBrs* brs, Value value) {
    return FirstHolding(brs, [&value](const VELMORA_Z_TYPE& z) {
        const double v = value();
        if (z.ZReal.RangeFlg == 0)
            return v == z.ZReal.From;
        return z.ZReal.From <= v && v <= z.ZReal.To;
    });
}
} // namespace

int FindBrsToKk(WORD zty, const CVObjBrs* brs, const SvyKkData& kk) {
    const SVY_KKDB_ZOKUSEI zoku = KkZokuRead(kk);
    switch (zty) {
    case ZOK_TOCHI_SHUBETSU:
    case ZOK_OAZA:
    case ZOK_GENKYO_CHIMOKU:
    case ZOK_KOBO_CHIMOKU:
    case ZOK_SHOYUSHA:
    case ZOK_NOZEISHA:
    case ZOK_SHOYUKEN:
    case ZOK_KOAZA:
        return FindCode(brs, kk, zoku, zty);
    case ZOK_KK_NO:
        return FindKkNo(brs, kk.KkNo);
    case ZOK_KYOYU_NINZU:
        return FindKyoyuNinzu(brs, zoku.KyoyuNinzu);
    case ZOK_KK_NM:
    case ZOK_FUDOSAN_NO:
        return FindText(brs, kk, zty);
    case ZOK_TACHIAI:
        return FindDate(brs, zoku.Tachiai);
    case ZOK_TOKI:
        return FindDate(brs, zoku.Toki);
    case ZOK_KOBO_MEN: {
        const double koboMen = zoku.KoboMen;
        return FindReal(brs, [koboMen] { return koboMen; });
    }
    case ZOK_ZAHYO_MEN:
        return FindReal(brs, [&kk] { return KkZahyoMen(kk); });
    case ZOK_SANSYA_MEN:
        return FindReal(brs, [&kk] { return KkSansyaMen(kk); });
    default:
        return -1;
    }
}
