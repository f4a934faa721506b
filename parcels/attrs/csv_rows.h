// Comma-separated rows as spreadsheets write them: fields may be quoted with
// double quotes, a quote inside a quoted field is doubled, lines end in LF or
// CRLF. Files come in UTF-8, with or without a byte-order mark, or in code
// page 932; rows are handed out in UTF-8 either way.
#pragma once

#include <fstream>
#include <string>
#include <vector>

struct CsvRow {
    int line; // line on which the row starts
    std::vector<std::string> fields;
};

class CsvReader {
public:
    // Opens the file and reads it through once to learn its encoding; throws
    // InputError when it cannot be read or is neither UTF-8 nor code page 932.
    explicit CsvReader(const std::string& path);

    // The next non-empty row; false after the last. Throws InputError on an
    // unterminated quote.
    bool Next(CsvRow& row);

    // "UTF-8" or "CP932": how the file was written.
    const char* Encoding() const { return encoding_; }

    const std::string& Path() const { return path_; }

private:
    // The file is read a block of whole lines at a time, so that an
    // attribute file of a whole city is never held at once.
    bool ReadBlock(std::string& block);
    // Whether text is left to read, reading the next block when it is not.
    bool Have();

    std::string path_;
    std::ifstream in_;
    std::vector<char> chunk_; // what one read gives
    std::string carry_;       // bytes read after the last line end
    std::string text_;        // the block being read, in UTF-8, from pos_ on
    size_t pos_ = 0;
    bool cp932_ = false;
    const char* encoding_ = "UTF-8";
    int line_ = 1;
};

// All rows of a small file, such as the code book.
std::vector<CsvRow> ReadCsv(const std::string& path);
