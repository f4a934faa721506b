// A brush condition in the palette editor's text form, which is also the
// name the editor gives a new brush: "%d～%d", "%d/%d/%d", "%.7lf", a code's
// display text, or the text itself. All texts are code page 932.
#pragma once

#include "afx/afx.h"
#include "host/code_tables.h"
#include "model/z_type.h"

#include <cstdint>
#include <memory>
#include <string>

// The host code table of a code attribute, built anew; null for an attribute
// without one (所有権 and every other kind).
std::unique_ptr<Ulmabase> VelmoraNewCodeTable(WORD zty);

// The 小字 table when it lists combined 大字+小字 codes, else null.
CRok00113* VelmoraMixedKoaza(Ulmabase& table);

// The display text of one code of a table, as the condition dialog lists it:
// a 小字 table that lists combined codes gives the 大字's text followed by
// the 小字's. Empty for a code the code book does not name.
std::string VelmoraCodeText(Ulmabase& table, DWORD code);

// "%d/%d/%d": year, month and day of the local day of a date; 0/0/0 for a
// negative date or one the C library cannot convert.
std::string VelmoraDayText(std::int32_t time);

// The text form of a condition under the palette's attribute ID; empty for
// a free palette or an ID outside the catalogue. 所有権 gives 無し or 有り.
std::string VelmoraCondText(WORD zty, const VELMORA_Z_TYPE& cond);
