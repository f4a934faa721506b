// Texts cross two encodings here: files and the terminal speak UTF-8, the
// library and its host speak code page 932. Natively iconv converts them,
// on Windows the system's code page functions.
#pragma once

#include <string>

// Converts UTF-8 to code page 932; false when a character has no CP932 form
// or the input is not valid UTF-8.
bool Utf8ToCp932(const std::string& utf8, std::string& cp932);

// Converts code page 932 to UTF-8; bytes that form no CP932 character become '?'.
std::string Cp932ToUtf8(const std::string& cp932);

// Converts code page 932 to UTF-8; false when some bytes form no CP932 character.
bool DecodeCp932(const std::string& cp932, std::string& utf8);

// Whether the bytes are valid UTF-8 (ASCII is).
bool IsUtf8(const std::string& text);
