#include "parcels/attrs/csv_rows.h"
#include "parcels/text/input_error.h"
#include "parcels/text/read_file.h"
#include "parcels/text/text_codec.h"

namespace {
// The first line that has no code page 932 form, for the message.
int FirstBadCp932Line(const std::string& text) {
    int line = 1;
    size_t start = 0;
    std::string ignored;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (!DecodeCp932(text.substr(start, end - start), ignored))
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}
} // namespace

CsvReader::CsvReader(const std::string& path) : path_(path), text_(ReadWholeFile(path)) {
    if (text_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        pos_ = 3;
        return;
    }
    if (IsUtf8(text_))
        return;
    std::string utf8;
    if (!DecodeCp932(text_, utf8))
        throw InputError(path, FirstBadCp932Line(text_),
                         "the file is neither UTF-8 nor code page 932 text");
    text_ = std::move(utf8);
    encoding_ = "CP932";
}

bool CsvReader::Next(CsvRow& row) {
    while (pos_ < text_.size()) {
        row.line = line_;
        row.fields.clear();
        std::string field;
        bool quoted = false;
        for (;;) {
            if (pos_ >= text_.size()) {
                if (quoted)
                    throw InputError(path_, row.line, "a quoted field is not closed");
                break;
            }
            char c = text_[pos_++];
            if (quoted) {
                if (c == '"' && pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n')
                        ++line_;
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row.fields.push_back(field);
                field.clear();
            } else if (c == '\n') {
                ++line_;
                break;
            } else if (c != '\r') {
                field += c;
            }
        }
        row.fields.push_back(field);
        if (row.fields.size() > 1 || !row.fields[0].empty())
            return true;
    }
    return false;
}

std::vector<CsvRow> ReadCsv(const std::string& path) {
    CsvReader reader(path);
    std::vector<CsvRow> rows;
    CsvRow row;
    while (reader.Next(row))
        rows.push_back(row);
    return rows;
}
