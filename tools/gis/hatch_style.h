// Hatching in GIS styles: the line spacing of a hatch brush on paper.
#pragma once

// Spacing in millimetres for a style: a spacing finer than a line's width,
// or not a number, is drawn at a line's width (0.26 mm), as pictures draw it
// at one pixel; a spacing beyond a metre of paper is drawn at a metre.
double HatchSpacingMm(double spacingMm);
