// The palette-box file's content at a file's current position: the header
// (owner mark, SelPNo, BoxWord, palette count) and one record per palette
// (storage/record_format.h).
// The box file functions write it into memory; it is read from the file
// ahead of its items, in large pieces.
#pragma once

#include "model/palette_box.h"

int WriteBoxRecords(CVPaletteBox& box, CFile* file);

// Reads the palettes into the box at the front, in file order; a palette
// whose record fails is dropped without leaving a gap. Returns the header's
// code, or the code of the last palette read.
int ReadBoxRecords(CVPaletteBox& box, CFile* file, bool olderLayout);
