// A parcel's attributes that a registry map does not carry: land type, land
// categories, persons, dates, registered area and real-estate number.
#pragma once

#include "afx/afxtypes.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

struct KkAttr {
    WORD tochiShubetsu = 0; // 土地種別 code
    WORD genkyoChimoku = 0; // 現況地目 code
    WORD koboChimoku = 0;   // 公簿地目 code
    std::vector<WORD> owners;
    std::vector<WORD> taxpayers;
    WORD kyoyuNinzu = 0; // 共有人数
    WORD shoyuken = 0;   // 0 none, 1 present
    std::int32_t tachiaiDate = 0;
    std::int32_t tokiDate = 0;
    double koboArea = 0.0;
    std::string fudosanNo; // up to 13 digits
};

// A parcel as the maps key it: its 大字コード and its 地番 (UTF-8).
struct KkParcelKey {
    unsigned oaza = 0;
    std::string chiban;

    bool operator<(const KkParcelKey& other) const {
        return chiban != other.chiban ? chiban < other.chiban : oaza < other.oaza;
    }
};

using KkAttrTable = std::map<KkParcelKey, KkAttr>;

// The parcels of the maps: what the rows of an attribute file may name. The
// rows of parcels added as left out (outside the area painted) are checked
// but not kept, so that the table follows the parcels painted; their keys
// are kept end to end in one text, as a map may leave out nearly all of its
// parcels.
class KkParcelKeys {
public:
    void Add(unsigned oaza, const std::string& chiban) {
        painted_.insert(KkParcelKey{oaza, chiban});
    }
    void AddLeftOut(unsigned oaza, std::string_view chiban);
    bool Has(const KkParcelKey& key) const;
    // Parcels left out, and not also added, are numbered from 0 to
    // LeftOutCount() - 1.
    bool LeftOut(const KkParcelKey& key, size_t& number) const;
    size_t LeftOutCount() const;
    // The 大字コード of the parcels with this 地番, ascending.
    std::vector<unsigned> OazaOf(const std::string& chiban) const;

private:
    struct Left {
        size_t chiban; // where it starts in leftText_
        std::uint32_t length;
        unsigned oaza;
    };

    // 地番 and 大字コード, the order the left-out keys are sorted in.
    std::tuple<std::string_view, unsigned> KeyOf(const Left& left) const;
    // Sorts the left-out keys when keys have been added since they last were.
    void Sort() const;
    // The first left-out key not before (chiban, oaza).
    std::vector<Left>::const_iterator LowerBound(std::string_view chiban, unsigned oaza) const;
    // The key's number among the left-out keys, whether or not it is also painted.
    bool FindLeftOut(const KkParcelKey& key, size_t& number) const;

    std::set<KkParcelKey> painted_;
    std::string leftText_;
    mutable std::vector<Left> left_;
    mutable bool sorted_ = true;
};

struct KkAttrOptions {
    // Leave a bad row out, with its message in the report, instead of
    // stopping at it.
    bool skipBadRows = false;
};

struct KkAttrReport {
    const char* encoding = "UTF-8";   // or "CP932": how the file was written
    int rows = 0;                     // good rows read, kept or left out
    std::vector<std::string> skipped; // the message of each row left out
    // The header's columns that name no attribute, left out, in file order.
    std::vector<std::string> ignoredColumns;
    // Per date column (UTF-8 name): dates before 1970, all of which the
    // library matches as one day.
    std::map<std::string, int> earlyDates;
};

// Reads the attribute CSV: a header row naming the columns, then one row per
// parcel keyed by 地番 and, when the file has a 大字コード column, by it too;
// without it a 地番 must belong to one 大字 of the maps. Codes are checked
// against the code book's tables that list any. Throws InputError naming the
// file, line, column and value of the first bad row, unless `skipBadRows`.
KkAttrTable ReadKkAttrCsv(const std::string& path, const KkParcelKeys& keys,
                          const KkAttrOptions& options, KkAttrReport& report);
