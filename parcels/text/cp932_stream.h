// A stream of code page 932 bytes read as UTF-8, for files that declare
// Shift_JIS: decoded a block at a time, so that a large file is never held.
#pragma once

#include <istream>
#include <memory>
#include <string>

// Reads `head`, bytes already taken from `source`, and then the rest of
// `source`, which must outlive the stream; `path` names the file in
// messages. Reads fail with InputError at bytes that form no character.
std::unique_ptr<std::istream> Cp932AsUtf8(std::istream& source, std::string head,
                                          const std::string& path);
