#include "parcels/attrs/csv_rows.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"

#include <algorithm>
#include <string_view>

namespace {
constexpr size_t kBlock = 1u << 20;
constexpr size_t kChunk = 64u << 10;
const char kBom[] = "\xEF\xBB\xBF";

// The first line of the block that has no code page 932 form, from 1.
int FirstBadCp932Line(const std::string& block) {
    int line = 1;
    size_t start = 0;
    std::string ignored;
    while (start < block.size()) {
        size_t end = std::min(block.find('\n', start), block.size());
        if (!DecodeCp932(block.substr(start, end - start), ignored))
            return line;
        start = end + 1;
        ++line;
    }
    return 0;
}

int Lines(const std::string& block) {
    return static_cast<int>(std::count(block.begin(), block.end(), '\n'));
}
} // namespace

// Blocks end at a line end, which falls inside no UTF-8 or code page 932
// character, so that each block is checked and decoded on its own.
CsvReader::CsvReader(const std::string& path)
    : path_(path), in_(path, std::ios::binary), chunk_(kChunk) {
    if (!in_)
        throw InputError(path, 0, "cannot read the file");
    std::string block, scratch;
    bool bom = false, utf8 = true, cp932 = true;
    int lines = 0, badLine = 0;
    for (bool first = true; ReadBlock(block); first = false) {
        bom = bom || (first && block.compare(0, 3, kBom) == 0);
        utf8 = utf8 && IsUtf8(block);
        if (!bom && !utf8 && cp932 && !DecodeCp932(block, scratch)) {
            cp932 = false;
            badLine = lines + FirstBadCp932Line(block);
        }
        lines += Lines(block);
    }
    if (!bom && !utf8 && !cp932)
        throw InputError(path, badLine, "the file is neither UTF-8 nor code page 932 text");
    cp932_ = !bom && !utf8;
    encoding_ = cp932_ ? "CP932" : "UTF-8";
    in_.clear();
    in_.seekg(bom ? 3 : 0);
}

// A block ends at the first line end after a megabyte, or where the file
// ends; what follows its last line end is kept for the next. Each byte is
// looked at once, however long its line.
bool CsvReader::ReadBlock(std::string& block) {
    block.swap(carry_);
    carry_.clear();
    size_t lineEnd = 0; // after the block's last line end; what was kept has none
    for (;;) {
        if (lineEnd != 0 && block.size() >= kBlock) {
            carry_.assign(block, lineEnd, std::string::npos);
            block.resize(lineEnd);
            return true;
        }
        in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
        const size_t got = static_cast<size_t>(in_.gcount());
        if (in_.bad())
            throw InputError(path_, 0, "cannot read the file");
        if (got == 0)
            return !block.empty(); // the end of the file: the last line, if any
        const size_t last = std::string_view(chunk_.data(), got).rfind('\n');
        if (last != std::string_view::npos)
            lineEnd = block.size() + last + 1;
        block.append(chunk_.data(), got);
    }
}

bool CsvReader::Have() {
    if (pos_ < text_.size())
        return true;
    text_.clear();
    pos_ = 0;
    std::string block;
    while (text_.empty() && ReadBlock(block)) {
        if (!cp932_)
            text_.swap(block);
        else if (!DecodeCp932(block, text_)) // the file changed since it was checked
            throw InputError(path_, line_, "the file is neither UTF-8 nor code page 932 text");
    }
    return !text_.empty();
}

bool CsvReader::Next(CsvRow& row) {
    while (Have()) {
        row.line = line_;
        row.fields.clear();
        std::string field;
        bool quoted = false;
        for (;;) {
            if (!Have()) {
                if (quoted)
                    throw InputError(path_, row.line, "a quoted field is not closed");
                break;
            }
            char c = text_[pos_++];
            if (quoted) {
                if (c == '"' && Have() && text_[pos_] == '"') {
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
