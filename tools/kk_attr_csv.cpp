// The attribute CSV. Columns are found by their header names, so their order
// is free and any but 地番 may be left out; an unknown column is refused so
// that a misspelt header does not silently drop a whole attribute.
#include "tools/csv_rows.h"
#include "tools/input_error.h"
#include "tools/kk_attr.h"
#include "tools/kk_date.h"
#include "tools/kk_map.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <set>

namespace {
enum Column {
    COL_CHIBAN,
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
    COL_COUNT
};

const char* const kHeaders[COL_COUNT] = {u8"地番",     u8"土地種別", u8"現況地目", u8"公簿地目",
                                         u8"所有者",   u8"納税者",   u8"共有人数", u8"所有権",
                                         u8"立会日付", u8"登記日付", u8"公簿面積", u8"不動産番号"};

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
            Fail(std::string("bad number '") + text + u8"' in " + column +
                 " (a whole number from 0 to 65535)");
        return static_cast<WORD>(value);
    }

    // Several persons are separated by ';'; the first is the one palettes see.
    std::vector<WORD> Persons(const std::string& text, const char* column) const {
        std::vector<WORD> codes;
        size_t start = 0;
        while (start <= text.size() && !text.empty()) {
            size_t end = text.find(';', start);
            std::string code = text.substr(start, end == std::string::npos ? end : end - start);
            if (code.empty())
                Fail(std::string("empty person code in ") + column);
            codes.push_back(Word(code, column));
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
        Fail(std::string("bad value '") + text + "' in " + column + u8" (0, 1, 無し or 有り)");
    }

    std::int32_t Date(const std::string& text, const char* column) const {
        std::int32_t time = 0;
        if (!text.empty() && (text.size() != 10 || !ParseLocalTime(text, time) || time < 0))
            Fail(std::string("bad date '") + text + "' in " + column +
                 " (YYYY-MM-DD, 1970 to 2037)");
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
            Fail(std::string("bad area '") + text + "' in " + column + u8" (m², e.g. 123.45)");
        return value;
    }

    std::string FudosanNo(const std::string& text, const char* column) const {
        if (text.size() > 13 || text.find_first_not_of("0123456789") != std::string::npos)
            Fail(std::string("bad number '") + text + "' in " + column + " (up to 13 digits)");
        return text;
    }

private:
    const std::string& path_;
    const CsvRow& row_;
};

std::vector<int> HeaderColumns(const std::string& path, const CsvRow& header) {
    std::vector<int> columns;
    std::set<int> seen;
    for (const std::string& name : header.fields) {
        int column = COL_COUNT;
        for (int c = 0; c < COL_COUNT; ++c)
            if (name == kHeaders[c])
                column = c;
        if (column == COL_COUNT)
            throw InputError(path, header.line, "unknown column '" + name + "'");
        if (!seen.insert(column).second)
            throw InputError(path, header.line, "column '" + name + "' appears twice");
        columns.push_back(column);
    }
    if (!seen.count(COL_CHIBAN))
        throw InputError(path, header.line, u8"the header has no 地番 column");
    return columns;
}
} // namespace

KkAttrTable ReadKkAttrCsv(const std::string& path, const KkMap& map) {
    std::vector<CsvRow> rows = ReadCsv(path);
    if (rows.empty())
        throw InputError(path, 0, "the file has no header row");
    std::vector<int> columns = HeaderColumns(path, rows[0]);
    std::set<std::string> chibans;
    for (const MapParcel& parcel : map.parcels)
        chibans.insert(parcel.chiban);
    KkAttrTable table;
    for (size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        AttrRowReader reader(path, row);
        if (row.fields.size() != columns.size())
            reader.Fail("expected " + std::to_string(columns.size()) + " fields, found " +
                        std::to_string(row.fields.size()));
        KkAttr attr;
        std::string chiban;
        for (size_t f = 0; f < columns.size(); ++f) {
            const std::string& text = row.fields[f];
            const char* name = kHeaders[columns[f]];
            switch (columns[f]) {
            case COL_CHIBAN:
                chiban = text;
                break;
            case COL_TOCHI_SHUBETSU:
                attr.tochiShubetsu = reader.Word(text, name);
                break;
            case COL_GENKYO_CHIMOKU:
                attr.genkyoChimoku = reader.Word(text, name);
                break;
            case COL_KOBO_CHIMOKU:
                attr.koboChimoku = reader.Word(text, name);
                break;
            case COL_OWNERS:
                attr.owners = reader.Persons(text, name);
                break;
            case COL_TAXPAYERS:
                attr.taxpayers = reader.Persons(text, name);
                break;
            case COL_KYOYU_NINZU:
                attr.kyoyuNinzu = reader.Word(text, name);
                break;
            case COL_SHOYUKEN:
                attr.shoyuken = reader.Flag(text, name);
                break;
            case COL_TACHIAI_DATE:
                attr.tachiaiDate = reader.Date(text, name);
                break;
            case COL_TOKI_DATE:
                attr.tokiDate = reader.Date(text, name);
                break;
            case COL_KOBO_AREA:
                attr.koboArea = reader.Area(text, name);
                break;
            case COL_FUDOSAN_NO:
                attr.fudosanNo = reader.FudosanNo(text, name);
                break;
            }
        }
        if (!chibans.count(chiban))
            reader.Fail(u8"地番 '" + chiban + u8"' is not a parcel of " + map.path);
        if (!table.emplace(chiban, attr).second)
            reader.Fail(u8"地番 '" + chiban + "' appears twice");
    }
    return table;
}
