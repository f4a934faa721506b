// A palette box in readable form: its palettes with their attributes, and
// every brush with its condition in the editor's text form and its fill.
#pragma once

#include "model/palette_box.h"

#include <string>

// UTF-8 text; palettes and brushes are numbered from #1.
std::string ShowBox(CVPaletteBox& box);
