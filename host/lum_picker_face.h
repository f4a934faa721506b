// The face that both picker buttons share: a push button's frame, the focus
// rectangle and a framed swatch, which each button fills with its choice.
#pragma once

#include <windows.h>

// Draws the face of one drawing request; false when the button is too small
// for a swatch, else inside receives the swatch's inner rectangle.
bool DrawPickerFace(const DRAWITEMSTRUCT& item, RECT& inside);
