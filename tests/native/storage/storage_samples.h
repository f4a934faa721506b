// Brushes, palettes and boxes with every field set to a value of its own, and
// a writer of the older layout, which the library only reads.
#pragma once

#include "model/palette_box.h"

// A brush in use whose fields all derive from n, its condition of zty's kind.
CVObjBrs SampleBrs(WORD zty, int n);

// Names the palette, gives it zty and its first `count` slots sample brushes.
void FillSamplePlt(CVObjPlt& plt, WORD zty, int count, int n);

// The golden file's box: a text and a real palette of three brushes each.
void FillGoldenBox(CVPaletteBox& box);

// 100 palettes of 255 named brushes with text conditions.
void FillFullBox(CVPaletteBox& box);

// The older layout: the current records without each brush's tail.
int WritePltOld(CVObjPlt& plt, CFile* file);
int WriteBoxOld(CVPaletteBox& box, CFile* file);
