// Texts of the host program: its windows speak the process's code page
// (932), while the map and CSV readers speak UTF-8.
#pragma once

#include <string>

// UTF-8 to the process's ANSI code page; a character without a form there
// becomes '?'.
std::string Utf8ToAnsi(const std::string& utf8);

// A reader's message for display. Readers begin their messages with the
// path they were given, which is already in the ANSI code page; only the
// rest is UTF-8.
std::string ReaderMessage(const std::string& path, const std::string& what);

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
