// The attribute CSV. Columns are found by their header names, so their order
// is free and any but 地番 may be left out. Registry exports carry columns of
// their own (備考 and more): an unknown column is left out and named in the
// report, so that a misspelt header does not drop an attribute unnoticed.
#include "parcels/attrs/csv_rows.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "parcels/text/kk_date.h"

#include "host/code_book.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <set>
#include <unordered_map>

namespace {
enum Column {
    COL_CHIBAN,
    COL_OAZA,
    COL_TOCHI_SHUBETSU,
    COL_GENKYO_CHIMOKU,
    COL_KOBO_CHIMOKU,
    COL_OWNERS,
    COL_TAXPAYERS,
    COL_KYOYU_NINZU,
    COL_SHOYUKEN,
    COL_TACHIAI_DATE,
    COL_TOKI_DATE,
    COL_KOBO_AREA,
    COL_FUDOSAN_NO,
    COL_COUNT,
    COL_IGNORED = COL_COUNT
};

const char* const kHeaders[COL_COUNT] = {u8"地番",      u8"大字コード", u8"土地種別", u8"現況地目",
                                         u8"公簿地目",  u8"所有者",     u8"納税者",   u8"共有人数",
                                         u8"所有権",    u8"立会日付",   u8"登記日付", u8"公簿面積",
                                         u8"不動産番号"};

// The codes of one code-book table; a table that lists none checks nothing,
// since the host may not have loaded it.
class KnownCodes {
public:
    explicit KnownCodes(WORD tblNo) {
        CDWordArray codes;
        CCodeBook::GetCodes(tblNo, 0, codes);
        for (INT_PTR i = 0; i < codes.GetSize(); ++i)
            known_.insert(static_cast<WORD>(codes[i]));
    }
    bool Knows(WORD code) const { return known_.empty() || known_.count(code) > 0; }

private:
    std::set<WORD> known_;
};

// The dates read so far with their times: each new date looks up the local
// clock's rules, and the rows of a register repeat their dates many times.
// There are fewer than 50,000 days that a date may name.
class KnownDates {
public:
    bool Time(const std::string& text, std::int32_t& time) {
        auto known = times_.find(text);
        if (known != times_.end()) {
            time = known->second;
            return true;
        }
        if (!ParseLocalTime(text, time))
            return false;
        times_.emplace(text, time);
        return true;
    }

private:
    std::unordered_map<std::string, std::int32_t> times_;
};

struct CodeBookChecks {
    KnownCodes landTypes{CODE_TBL_TOCHI_SHUBETSU};
    KnownCodes categories{CODE_TBL_CHIMOKU};
    KnownCodes persons{CODE_TBL_PERSON};
};

class AttrRowReader {
public:
    AttrRowReader(const std::string& path, const CsvRow& row) : path_(path), row_(row) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw InputError(path_, row_.line, what);
    }

    WORD Word(const std::string& text, const char* column) const {
        if (text.empty())
            return 0;
        char* end = nullptr;
        errno = 0;
        unsigned long value = std::strtoul(text.c_str(), &end, 10);
        if (text.find_first_not_of("0123456789") != std::string::npos || *end != '\0' ||
            errno == ERANGE || value > 0xFFFF)
            Fail("bad number " + QuoteValue(text) + " in " + column +
                 " (a whole number from 0 to 65535)");
        return static_cast<WORD>(value);
    }

    // 0, for an empty field, is no code at all.
    WORD Code(const std::string& text, const char* column, const KnownCodes& known,
              const char* table) const {
        WORD code = Word(text, column);
        if (code != 0 && !known.Knows(code))
            Fail("unknown code " + text + " in " + column + u8" (not in the code book's " + table +
                 u8" table)");
        return code;
    }

    // Several persons are separated by ';'; the first is the one palettes see.
    std::vector<WORD> Persons(const std::string& text, const char* column,
                              const KnownCodes& known) const {
        std::vector<WORD> codes;
        size_t start = 0;
        while (start <= text.size() && !text.empty()) {
            size_t end = text.find(';', start);
            std::string code = text.substr(start, end == std::string::npos ? end : end - start);
            if (code.empty())
                Fail(std::string("empty person code in ") + column);
            codes.push_back(Code(code, column, known, u8"人"));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        return codes;
    }

    WORD Flag(const std::string& text, const char* column) const {
        if (text.empty() || text == "0" || text == u8"無し")
            return 0;
        if (text == "1" || text == u8"有り")
            return 1;
        Fail("bad value " + QuoteValue(text) + " in " + column + u8" (0, 1, 無し or 有り)");
    }

    std::int32_t Date(const std::string& text, const char* column, KnownDates& dates) const {
        std::int32_t time = 0;
        if (!text.empty() && (text.size() != 10 || !dates.Time(text, time)))
            Fail("bad date " + QuoteValue(text) + " in " + column +
                 " (YYYY-MM-DD, 1901-12-14 to 2038-01-19)");
        return time;
    }

    double Area(const std::string& text, const char* column) const {
        if (text.empty())
            return 0.0;
        char* end = nullptr;
        errno = 0;
        double value = std::strtod(text.c_str(), &end);
        if (text.find_first_not_of("0123456789.") != std::string::npos || *end != '\0' ||
            errno == ERANGE || !std::isfinite(value))
            Fail("bad area " + QuoteValue(text) + " in " + column + u8" (m², e.g. 123.45)");
        return value;
    }

    std::string FudosanNo(const std::string& text, const char* column) const {
        if (text.size() > 13 || text.find_first_not_of("0123456789") != std::string::npos)
            Fail("bad number " + QuoteValue(text) + " in " + column + " (up to 13 digits)");
        return text;
    }

    unsigned Oaza(const std::string& text, const char* column) const {
        if (text.empty() || text.size() > 4 ||
            text.find_first_not_of("0123456789") != std::string::npos)
            Fail("bad code " + QuoteValue(text) + " in " + column + " (up to 4 digits)");
        return static_cast<unsigned>(std::stoul(text));
    }

private:
    const std::string& path_;
    const CsvRow& row_;
};

std::vector<int> HeaderColumns(const std::string& path, const CsvRow& header,
                               std::vector<std::string>& ignored) {
    std::vector<int> columns;
    std::set<int> seen;
    for (const std::string& name : header.fields) {
        int column = COL_IGNORED;
        for (int c = 0; c < COL_COUNT; ++c)
            if (name == kHeaders[c])
                column = c;
        columns.push_back(column);
        if (column == COL_IGNORED) {
            if (std::find(ignored.begin(), ignored.end(), name) == ignored.end())
                ignored.push_back(name);
            continue;
        }
        if (!seen.insert(column).second)
            throw InputError(path, header.line, "column " + QuoteValue(name) + " appears twice");
    }
    if (!seen.count(COL_CHIBAN))
        throw InputError(path, header.line, u8"the header has no 地番 column");
    return columns;
}

std::string CodeList(const std::vector<unsigned>& codes) {
    std::string list;
    for (unsigned code : codes)
        list += (list.empty() ? "" : ", ") + std::to_string(code);
    return list;
}

// One row's parcel and attributes; throws InputError for a bad row.
void ReadRow(const std::string& path, const CsvRow& row, const std::vector<int>& columns,
             const CodeBookChecks& checks, KnownDates& dates, const KkParcelKeys& keys,
             KkParcelKey& key, KkAttr& attr) {
    AttrRowReader reader(path, row);
    if (row.fields.size() != columns.size())
        reader.Fail("expected " + std::to_string(columns.size()) + " fields, found " +
                    std::to_string(row.fields.size()));
    bool hasOaza = false;
    for (size_t f = 0; f < columns.size(); ++f) {
        if (columns[f] == COL_IGNORED)
            continue;
        const std::string& text = row.fields[f];
        const char* name = kHeaders[columns[f]];
        switch (columns[f]) {
        case COL_CHIBAN:
            key.chiban = text;
            break;
        case COL_OAZA:
            hasOaza = !text.empty();
            key.oaza = hasOaza ? reader.Oaza(text, name) : 0;
            break;
        case COL_TOCHI_SHUBETSU:
            attr.tochiShubetsu = reader.Code(text, name, checks.landTypes, u8"土地種別");
            break;
        case COL_GENKYO_CHIMOKU:
            attr.genkyoChimoku = reader.Code(text, name, checks.categories, u8"地目");
            break;
        case COL_KOBO_CHIMOKU:
            attr.koboChimoku = reader.Code(text, name, checks.categories, u8"地目");
            break;
        case COL_OWNERS:
            attr.owners = reader.Persons(text, name, checks.persons);
            break;
        case COL_TAXPAYERS:
            attr.taxpayers = reader.Persons(text, name, checks.persons);
            break;
        case COL_KYOYU_NINZU:
            attr.kyoyuNinzu = reader.Word(text, name);
            break;
        case COL_SHOYUKEN:
            attr.shoyuken = reader.Flag(text, name);
            break;
        case COL_TACHIAI_DATE:
            attr.tachiaiDate = reader.Date(text, name, dates);
            break;
        case COL_TOKI_DATE:
            attr.tokiDate = reader.Date(text, name, dates);
            break;
        case COL_KOBO_AREA:
            attr.koboArea = reader.Area(text, name);
            break;
        case COL_FUDOSAN_NO:
            attr.fudosanNo = reader.FudosanNo(text, name);
            break;
        }
    }
    if (hasOaza) {
        if (!keys.Has(key))
            reader.Fail(u8"大字コード " + std::to_string(key.oaza) + u8", 地番 " +
                        QuoteValue(key.chiban) + " is not a parcel of the maps");
        return;
    }
    std::vector<unsigned> oazas = keys.OazaOf(key.chiban);
    if (oazas.empty())
        reader.Fail(u8"地番 " + QuoteValue(key.chiban) + " is not a parcel of the maps");
    if (oazas.size() > 1)
        reader.Fail(u8"地番 " + QuoteValue(key.chiban) + u8" lies in several 大字 (" +
                    CodeList(oazas) + u8"); add a 大字コード column");
    key.oaza = oazas[0];
}
} // namespace

KkAttrTable ReadKkAttrCsv(const std::string& path, const KkParcelKeys& keys,
                          const KkAttrOptions& options, KkAttrReport& report) {
    CsvReader csv(path);
    report = KkAttrReport();
    report.encoding = csv.Encoding();
    CsvRow row;
    if (!csv.Next(row))
        throw InputError(path, 0, "the file has no header row");
    std::vector<int> columns = HeaderColumns(path, row, report.ignoredColumns);
    CodeBookChecks checks;
    KnownDates dates;
    KkAttrTable table;
    // The rows of parcels left out, by their numbers, for rows that name one twice.
    std::vector<bool> leftOutRows(keys.LeftOutCount());
    while (csv.Next(row)) {
        try {
            KkParcelKey key;
            KkAttr attr;
            ReadRow(path, row, columns, checks, dates, keys, key, attr);
            size_t leftOut = 0;
            bool placed;
            if (keys.LeftOut(key, leftOut)) {
                placed = !leftOutRows[leftOut];
                leftOutRows[leftOut] = true;
            } else {
                placed = table.emplace(key, attr).second;
            }
            if (!placed)
                throw InputError(path, row.line,
                                 u8"地番 " + QuoteValue(key.chiban) + " appears twice");
            if (attr.tachiaiDate < 0)
                ++report.earlyDates[kHeaders[COL_TACHIAI_DATE]];
            if (attr.tokiDate < 0)
                ++report.earlyDates[kHeaders[COL_TOKI_DATE]];
            ++report.rows;
        } catch (const InputError& error) {
            if (!options.skipBadRows)
                throw;
            report.skipped.push_back(error.what());
        }
    }
    return table;
}
