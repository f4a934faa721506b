#include "parcels/text/text_cut.h"

#include <cstdio>

namespace {
constexpr size_t kQuotedCharacters = 40;

bool IsCp932Lead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The bytes of the UTF-8 character at `at`, 0 when none starts there.
size_t Utf8Length(const std::string& text, size_t at) {
    unsigned char c = static_cast<unsigned char>(text[at]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || at + length > text.size() || (length == 2 && c < 0xC2))
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

std::string Escaped(unsigned char c) {
    switch (c) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        return hex;
    }
}
} // namespace

std::string CutCp932(const std::string& cp932, size_t limit) {
    size_t end = 0;
    while (end < cp932.size()) {
        size_t next = end + (IsCp932Lead(static_cast<unsigned char>(cp932[end])) ? 2 : 1);
        if (next > limit || next > cp932.size())
            break;
        end = next;
    }
    return cp932.substr(0, end);
}

std::string QuoteValue(const std::string& value) {
    std::string out = "'";
    size_t at = 0;
    for (size_t characters = 0; at < value.size() && characters < kQuotedCharacters; ++characters) {
        size_t length = Utf8Length(value, at);
        unsigned char c = static_cast<unsigned char>(value[at]);
        if (length == 0 || c < 0x20 || c == 0x7F) {
            out += Escaped(c);
            at += 1;
        } else {
            out += value.substr(at, length);
            at += length;
        }
    }
    return out + (at < value.size() ? "'..." : "'");
}
