// A brush condition in the palette editor's text form, which is also the
// name the editor gives a new brush: "%d～%d", "%d/%d/%d", "%.7lf", a code's
// display text, or the text itself. All texts are code page 932.
#pragma once

#include "afx/afxtypes.h"
#include "model/z_type.h"

#include <string>

// The display text of a code of a code attribute (100 to 107), as the
// condition dialog lists it: 所有権 gives 無し or 有り, 小字 its 大字's text
// followed by its own. Empty when the code book does not know the code.
std::string CodeDisplayText(WORD zty, DWORD code);

// The text form of a condition under the palette's attribute ID; empty for
// a free palette or an ID outside the catalogue.
std::string CondText(WORD zty, const VELMORA_Z_TYPE& cond);
