// The value of a parcel's attribute as the status bar shows it, read from
// the host's parcel record: numbers, texts, dates, areas and codes with
// their names from the code book.
#pragma once

#include "host/svy_kk_data.h"

#include <string>

// The value of attribute `zty` (an attribute ID) of the parcel, in code page
// 932; empty for a free palette (0) or an ID outside the catalogue.
std::string KkValueText(const SvyKkData& kk, WORD zty);
