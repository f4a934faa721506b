// Finds brushes that can never apply. Brushes are tried in list order and
// the first that holds wins, so a brush whose every parcel an earlier brush
// already takes (same code, same text, a range inside earlier ranges) is
// dead; so is one whose condition holds for no value at all.
#pragma once

#include "model/palette_box.h"

#include <string>
#include <vector>

struct BoxFinding {
    int plt;            // palette position
    int brs;            // brush position, -1 for the palette as a whole
    std::string reason; // UTF-8
};

std::vector<BoxFinding> CheckBox(CVPaletteBox& box);
