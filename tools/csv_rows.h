// Comma-separated rows as spreadsheets write them: fields may be quoted with
// double quotes, a quote inside a quoted field is doubled, lines end in LF or
// CRLF, and a leading UTF-8 byte-order mark is skipped.
#pragma once

#include <string>
#include <vector>

struct CsvRow {
    int line; // line on which the row starts
    std::vector<std::string> fields;
};

// The non-empty rows of the file; throws InputError on an unterminated quote.
std::vector<CsvRow> ReadCsv(const std::string& path);

// Parses text already in memory; `path` only names it in messages.
std::vector<CsvRow> ParseCsv(const std::string& path, const std::string& text);
