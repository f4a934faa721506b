#include "tools/csv_rows.h"
#include "tools/input_error.h"
#include "tools/read_file.h"

std::vector<CsvRow> ParseCsv(const std::string& path, const std::string& text) {
    std::vector<CsvRow> rows;
    size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int line = 1;
    while (i < text.size()) {
        CsvRow row{line, {}};
        std::string field;
        bool quoted = false;
        bool rowEnded = false;
        while (!rowEnded) {
            if (i >= text.size()) {
                if (quoted)
                    throw InputError(path, row.line, "a quoted field is not closed");
                rowEnded = true;
                break;
            }
            char c = text[i++];
            if (quoted) {
                if (c == '"' && i < text.size() && text[i] == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n')
                        ++line;
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row.fields.push_back(field);
                field.clear();
            } else if (c == '\n') {
                ++line;
                rowEnded = true;
            } else if (c != '\r') {
                field += c;
            }
        }
        row.fields.push_back(field);
        if (row.fields.size() > 1 || !row.fields[0].empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<CsvRow> ReadCsv(const std::string& path) {
    return ParseCsv(path, ReadWholeFile(path));
}
