// Texts cut to a length without splitting a character, and values quoted
// for a message.
#pragma once

#include <cstddef>
#include <string>

// The longest start of a code page 932 text that fits in `limit` bytes and
// ends between characters (a lead byte never loses its trail byte).
std::string CutCp932(const std::string& cp932, size_t limit);

// A value from the input for a message: in single quotes, at most 40
// characters (then "..."), control characters and bytes that are no UTF-8
// written as \n, \t, \x00.
std::string QuoteValue(const std::string& value);
