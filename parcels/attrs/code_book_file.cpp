#include "parcels/attrs/code_book_file.h"
#include "parcels/attrs/csv_rows.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "parcels/text/text_codec.h"

#include "host/code_book.h"

#include <cstdlib>

namespace {
struct TableName {
    const char* name;
    WORD tblNo;
};

const TableName kTables[] = {
    {u8"土地種別", CODE_TBL_TOCHI_SHUBETSU},
    {u8"大字", CODE_TBL_OAZA},
    {u8"小字", CODE_TBL_KOAZA},
    {u8"地目", CODE_TBL_CHIMOKU},
    {u8"人", CODE_TBL_PERSON},
};

bool ParseWord(const std::string& text, WORD& value) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    unsigned long number = std::strtoul(text.c_str(), nullptr, 10);
    if (number > 0xFFFF)
        return false;
    value = static_cast<WORD>(number);
    return true;
}

WORD TableOf(const std::string& text) {
    for (const TableName& table : kTables)
        if (text == table.name || text == std::to_string(table.tblNo))
            return table.tblNo;
    return 0;
}
} // namespace

void ReadCodeBookFile(const std::string& path) {
    std::vector<CsvRow> rows = ReadCsv(path);
    if (rows.empty() || rows[0].fields != std::vector<std::string>{u8"表", u8"コード", u8"名称"})
        throw InputError(path, rows.empty() ? 0 : rows[0].line,
                         u8"the header must be 表,コード,名称");
    for (size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.fields.size() != 3)
            throw InputError(path, row.line,
                             "expected 3 fields, found " + std::to_string(row.fields.size()));
        WORD tblNo = TableOf(row.fields[0]);
        if (tblNo == 0)
            throw InputError(path, row.line, "unknown table " + QuoteValue(row.fields[0]));
        std::string name;
        if (!Utf8ToCp932(row.fields[2], name))
            throw InputError(path, row.line, "the name has characters outside code page 932");
        const std::string& code = row.fields[1];
        if (tblNo == CODE_TBL_KOAZA) {
            size_t dash = code.find('-');
            WORD oaza, koaza;
            if (dash == std::string::npos || !ParseWord(code.substr(0, dash), oaza) ||
                !ParseWord(code.substr(dash + 1), koaza))
                throw InputError(path, row.line,
                                 u8"bad 小字 code " + QuoteValue(code) +
                                     u8" (大字-小字, e.g. 15-2)");
            CCodeBook::SetKoazaName(oaza, koaza, name.c_str());
            continue;
        }
        WORD value;
        if (!ParseWord(code, value))
            throw InputError(path, row.line, "bad code " + QuoteValue(code) + " (0 to 65535)");
        CCodeBook::SetName(tblNo, value, name.c_str());
    }
}
