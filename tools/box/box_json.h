// Palette boxes as JSON, so that palettes can live in version control and be
// written by scripts. Texts in the JSON are UTF-8; in the box, code page 932.
#pragma once

#include "model/palette_box.h"

#include <cstddef>
#include <string>

// The longest palette or brush name the JSON form takes, in code page 932
// bytes; names the tool makes up are cut to it, so that every box exported
// imports again.
constexpr size_t kBoxNameMax = 255;

// The box as JSON text: selected number, palettes, and every brush with its
// condition and fill settings. Values the host carries without meaning are
// written only when they differ from a cleared brush's.
std::string BoxToJson(const CVPaletteBox& box);

// Appends the palettes of JSON text to the box and takes its selected number;
// throws InputError naming the file and the JSON element at fault.
void BoxFromJson(const std::string& path, const std::string& text, CVPaletteBox& box);
