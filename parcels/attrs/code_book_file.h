// The code-book file: the display names of the host's codes (land types,
// 大字, 小字, land categories, persons), loaded into the host's code book.
//
// A CSV with the header 表,コード,名称. 表 names the table: 土地種別, 大字,
// 小字, 地目 or 人 (or its number 101, 105, 113, 106, 114). コード is a whole
// number from 0 to 65535; a 小字 is given with its 大字 as "大字-小字", e.g. 15-2.
#pragma once

#include <string>

// Adds the file's names to the code book; throws InputError naming the file
// and line of the first bad row.
void ReadCodeBookFile(const std::string& path);
