// Brush selection per parcel, in its worst case: no brush of the palette holds,
// so every brush in use is tried. One iteration asks for one parcel.
//
// Run (native build), comparing the medians of one run; repetitions in random
// order spread a busy machine's noise over all cases:
//   cmake --preset native && cmake --build build/native --target bench_match
//   build/native/bench/bench_match --benchmark_repetitions=10
//     --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
//
// Dates are those of Tokyo, set here. PlainScan is the floor: reading each
// slot's in-use flag and condition once.
//
// RegistryDate is a palette of dates as a registry has them, and not a worst
// case: parcels on days spread over 1970-2037, one day after another, and
// brushes on single days, then year ranges of even years, then decade ranges,
// the first `count` of them; a parcel mostly passes the single days and holds
// at its year or its decade. RegistryInteger is the same palette and parcels
// with the dates' second counts as 画地No, the measure of what dates cost.
#include "host/svy_kk_data.h"
#include "model/plt.h"
#include "model/zok_catalogue.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {
constexpr int kParcels = 64;
constexpr std::int32_t kDay = 86400;
// 2021-06-15 12:00 in Tokyo; the brushes lie on the days around it.
constexpr std::int32_t kNoon = 1623726000;

void UseTokyo() {
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
}

// The k-th day away from the parcels' day, skipping that day itself.
std::int32_t OtherDay(int k) {
    const int away = k / 2 + 1;
    return kNoon + (k % 2 ? away : -away) * kDay;
}

std::vector<SvyKkData> Parcels() {
    std::vector<SvyKkData> parcels(kParcels);
    for (int i = 0; i < kParcels; ++i) {
        SVY_KKDB_ZOKUSEI zoku{};
        zoku.Oaza = static_cast<WORD>(5000 + i);
        zoku.KyoyuNinzu = static_cast<WORD>(i);
        zoku.Tachiai = kNoon - 3 * 3600 + i * 300; // all on one day
        zoku.KoboMen = 1000.0 + i * 0.25;
        parcels[i].SetZoku(zoku);
        parcels[i].SetNo(static_cast<DWORD>(100000 + i));
        char name[32];
        std::snprintf(name, sizeof name, "画地%04d", 9000 + i);
        parcels[i].SetName(name);
    }
    return parcels;
}

VELMORA_Z_TYPE Condition(WORD zty, bool range, int k) {
    VELMORA_Z_TYPE z{};
    switch (zty) {
    case ZOK_OAZA:
        z.ZCode.Code = static_cast<DWORD>(k + 1);
        break;
    case ZOK_KK_NO:
        z.ZLong.RangeFlg = range;
        z.ZLong.From = k * 10;
        z.ZLong.To = k * 10 + 5;
        break;
    case ZOK_KK_NM:
        std::snprintf(z.ZText.Text, sizeof z.ZText.Text, "画地%04d", k);
        break;
    case ZOK_TACHIAI:
        z.ZDate.RangeFlg = range;
        z.ZDate.From = OtherDay(k);
        z.ZDate.To = z.ZDate.From + (k % 2 ? kDay : -kDay / 2);
        if (range && k % 2 == 0) // before the parcels' day, ending before it
            z.ZDate.From -= kDay;
        break;
    case ZOK_KOBO_MEN:
        z.ZReal.RangeFlg = range;
        z.ZReal.From = k * 2.0;
        z.ZReal.To = k * 2.0 + 1.0;
        break;
    }
    return z;
}

// Noon in Tokyo (no daylight saving since 1951) of a calendar date.
std::int32_t TokyoNoon(int year, int month, int day) {
    std::tm noon{};
    noon.tm_year = year - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12 - 9;
    return static_cast<std::int32_t>(timegm(&noon));
}

// Single days, year ranges of even years, then decade ranges, over 1970-2037.
VELMORA_Z_TYPE RegistryCondition(int k) {
    constexpr int kSingleDays = 255 - 34 - 7;
    constexpr std::int32_t kDays = 68 * 365;
    VELMORA_Z_TYPE z{};
    if (k < kSingleDays) {
        z.ZDate.From = TokyoNoon(1970, 1, 2) + (k * 7919 % kDays) * kDay;
        return z;
    }
    const bool year = k < kSingleDays + 34;
    const int first = year ? 1970 + 2 * (k - kSingleDays) : 1970 + 10 * (k - kSingleDays - 34);
    z.ZDate.RangeFlg = 1;
    z.ZDate.From = TokyoNoon(first, 1, 1);
    z.ZDate.To = TokyoNoon(year ? first : first + 9, 12, 31);
    return z;
}

// Parcels on days spread over 1970-2037; each next one on a distant day.
std::vector<SvyKkData> RegistryParcels(WORD zty) {
    std::vector<SvyKkData> parcels(kParcels);
    const std::int32_t start = TokyoNoon(1970, 1, 2);
    const std::int32_t step = (TokyoNoon(2037, 12, 30) - start) / kParcels;
    for (int i = 0; i < kParcels; ++i) {
        SVY_KKDB_ZOKUSEI zoku{};
        zoku.Tachiai = start + (i * 37 % kParcels) * step + (i * 7919 % kDay) - kDay / 2;
        parcels[i].SetZoku(zoku);
        if (zty == ZOK_KK_NO)
            parcels[i].SetNo(static_cast<DWORD>(zoku.Tachiai));
    }
    return parcels;
}

template <class Condition> void Fill(CVObjPlt& plt, WORD zty, int count, Condition condition) {
    plt.SetZty(zty);
    for (int k = 0; k < count; ++k) {
        CVObjBrs brs;
        brs.ZVal = condition(k);
        plt.AddBrs(static_cast<BYTE>(k), &brs);
    }
}

// Selects for the parcels in turn; the count of those a brush held for.
int Run(benchmark::State& state, CVObjPlt& plt, std::vector<SvyKkData>& parcels) {
    BYTE col = 0;
    DWORD hat = 0, layer = 0;
    int matched = 0;
    int next = 0;
    for (auto _ : state) {
        matched += plt.GetBrsToKk(&parcels[next], &col, &hat, &layer);
        next = (next + 1) % kParcels;
    }
    benchmark::DoNotOptimize(col);
    return matched;
}

void Select(benchmark::State& state, WORD zty, bool range) {
    UseTokyo();
    CVObjPlt plt;
    Fill(plt, zty, static_cast<int>(state.range(0)),
         [zty, range](int k) { return Condition(zty, range, k); });
    std::vector<SvyKkData> parcels = Parcels();
    if (Run(state, plt, parcels) != 0)
        state.SkipWithError("a brush held; the case must have none");
}

void Registry(benchmark::State& state, WORD zty) {
    UseTokyo();
    CVObjPlt plt;
    Fill(plt, zty, static_cast<int>(state.range(0)), [zty](int k) {
        VELMORA_Z_TYPE z = RegistryCondition(k);
        if (zty == ZOK_KK_NO) {
            const VELMORA_ZDATE date = z.ZDate;
            z.ZLong.RangeFlg = date.RangeFlg;
            z.ZLong.From = date.From;
            z.ZLong.To = date.To;
        }
        return z;
    });
    std::vector<SvyKkData> parcels = RegistryParcels(zty);
    Run(state, plt, parcels);
}

void PlainScan(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CVObjPlt plt;
    plt.SetZty(ZOK_KK_NO);
    for (int k = 0; k < count; ++k) {
        CVObjBrs brs;
        brs.ZVal = Condition(ZOK_KK_NO, false, k);
        plt.AddBrs(static_cast<BYTE>(k), &brs);
    }
    std::uint32_t value = 7;
    for (auto _ : state) {
        int found = -1;
        for (int pos = 0; pos < VELMORA_MAX_BRS && plt.Brs[pos].BFg != 0; ++pos)
            if (static_cast<std::uint32_t>(plt.Brs[pos].ZVal.ZLong.From) == value) {
                found = pos;
                break;
            }
        benchmark::DoNotOptimize(found);
        value = value * 3 + 1;
        value |= 1;
    }
}

void Integer(benchmark::State& s) {
    Select(s, ZOK_KK_NO, false);
}
void IntegerRange(benchmark::State& s) {
    Select(s, ZOK_KK_NO, true);
}
void Code(benchmark::State& s) {
    Select(s, ZOK_OAZA, false);
}
void Date(benchmark::State& s) {
    Select(s, ZOK_TACHIAI, false);
}
void DateRange(benchmark::State& s) {
    Select(s, ZOK_TACHIAI, true);
}
void Real(benchmark::State& s) {
    Select(s, ZOK_KOBO_MEN, false);
}
void RealRange(benchmark::State& s) {
    Select(s, ZOK_KOBO_MEN, true);
}
void Text(benchmark::State& s) {
    Select(s, ZOK_KK_NM, false);
}
void RegistryDate(benchmark::State& s) {
    Registry(s, ZOK_TACHIAI);
}
void RegistryInteger(benchmark::State& s) {
    Registry(s, ZOK_KK_NO);
}
} // namespace

BENCHMARK(PlainScan)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(Integer)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(IntegerRange)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(Code)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(Date)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(DateRange)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(Real)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(RealRange)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(Text)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(RegistryInteger)->Arg(1)->Arg(16)->Arg(255);
BENCHMARK(RegistryDate)->Arg(1)->Arg(16)->Arg(255);

BENCHMARK_MAIN();
