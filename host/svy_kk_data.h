// The host's parcel record as the library sees it: two public members, the
// land type, the attribute record and the owner and taxpayer lists. Tools and
// tests fill a record with the setters below; the library only reads it.
#pragma once

#include "afx/afx.h"
#include "host/pt.h"
#include "velmora_api.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#pragma pack(push, 1)
// Filled by SvyKkData::Get_TK.
struct SVY_KKDB_TK {
    WORD Shubetsu; // 土地種別 code
};

// The parcel's attribute record, filled by SvyKkData::GetZoku.
struct SVY_KKDB_ZOKUSEI {
    WORD KyoyuNinzu;      // 共有人数, number of co-owners
    WORD ShoyukenFlg;     // 所有権: 0 none, anything else present
    std::int32_t Tachiai; // 立会日付, seconds since 1970-01-01 00:00 UTC
    std::int32_t Toki;    // 登記日付, same unit
    double KoboMen;       // 公簿面積
    WORD Oaza;            // 大字 code
    WORD Koaza;           // 小字 code, within its 大字
    WORD GenkyoChimoku;   // 現況地目 code
    WORD KoboChimoku;     // 公簿地目 code
    BYTE Reserved[2];
    char FudosanNo[14]; // 不動産番号, NUL-terminated unless it fills the field
};
#pragma pack(pop)

static_assert(sizeof(SVY_KKDB_TK) == 2, "land type record");
static_assert(sizeof(SVY_KKDB_ZOKUSEI) == 44, "attribute record is 44 bytes");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, ShoyukenFlg) == 2, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, Tachiai) == 4, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, Toki) == 8, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, KoboMen) == 12, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, Oaza) == 20, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, Koaza) == 22, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, GenkyoChimoku) == 24, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, KoboChimoku) == 26, "attribute record layout");
static_assert(offsetof(SVY_KKDB_ZOKUSEI, FudosanNo) == 30, "attribute record layout");

// Longest parcel name the record holds, without its NUL.
constexpr int SVY_KK_NAME_MAX = 255;

// How often each host call was made on one record, for tests that check
// which values are asked for once and which once per brush.
struct SvyKkCalls {
    int Tk;       // Get_TK
    int Zoku;     // GetZoku
    int Shoyusha; // GetShoyusha
    int Nozeisha; // GetNozeisha
    int Boundary; // Boundary, once per area calculator built on the record
};

class VELMORA_API SvyKkData {
public:
    // A new record: number 0, empty name, no boundary, no land type, no owners
    // or taxpayers, and an attribute record that cannot be read.
    SvyKkData();

    // Parcel number and name, read by the library directly.
    DWORD KkNo;
    char KkNm[SVY_KK_NAME_MAX + 1];

    // Host calls. Each returns non-zero when it filled its output and leaves
    // the output untouched otherwise.
    int Get_TK(SVY_KKDB_TK& tk) const;
    int GetZoku(SVY_KKDB_ZOKUSEI& zoku) const;
    int GetShoyusha(int index, WORD& code) const;
    int GetNozeisha(int index, WORD& code) const;

    // The boundary ring, in order, for the area calculator; the closing point
    // may or may not repeat the first.
    const std::vector<PT>& Boundary() const;

    // Setters for whoever builds a record.
    void SetNo(DWORD no);
    void SetName(LPCTSTR name); // cut to SVY_KK_NAME_MAX bytes
    void SetBoundary(const std::vector<PT>& ring);
    void SetTk(WORD shubetsu); // from now on Get_TK fills the land type
    void SetZoku(const SVY_KKDB_ZOKUSEI& zoku);
    void SetZokuUnreadable(); // from now on GetZoku fails and writes nothing
    void SetShoyusha(const std::vector<WORD>& owners);
    void SetNozeisha(const std::vector<WORD>& taxpayers);

    const SvyKkCalls& Calls() const { return m_calls; }
    void ResetCalls();

private:
    std::vector<PT> m_boundary;
    bool m_hasTk;
    SVY_KKDB_TK m_tk;
    bool m_zokuReadable;
    SVY_KKDB_ZOKUSEI m_zoku;
    std::vector<WORD> m_shoyusha;
    std::vector<WORD> m_nozeisha;
    mutable SvyKkCalls m_calls;
};
