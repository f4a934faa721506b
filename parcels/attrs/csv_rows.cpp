#include "parcels/attrs/csv_rows.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"

#include <algorithm>

namespace {
constexpr size_t kBlock = 1u << 20;
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
CsvReader::CsvReader(const std::string& path) : path_(path), in_(path, std::ios::binary) {
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

bool CsvReader::ReadBlock(std::string& block) {
    block.swap(carry_);
    carry_.clear();
    for (;;) {
        size_t had = block.size();
        block.resize(had + kBlock);
        in_.read(&block[had], static_cast<std::streamsize>(kBlock));
        block.resize(had + static_cast<size_t>(in_.gcount()));
        if (in_.bad())
            throw InputError(path_, 0, "cannot read the file");
        size_t end = block.rfind('\n');
        if (end != std::string::npos && end >= had) {
            carry_.assign(block, end + 1, std::string::npos);
            block.resize(end + 1);
            return true;
        }
        if (block.size() == had)
            return !block.empty(); // the end of the file: the last line, if any
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
