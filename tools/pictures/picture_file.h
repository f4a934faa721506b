// Picture files by the extension of their path: SVG, and PNG and PDF drawn
// on cairo from the same layout, so all three look alike.
#pragma once

#include "tools/pictures/map_picture.h"

#include <string>

struct PictureOptions {
    double dpi = 96.0; // PNG: pixels per inch; the SVG counts 96 pixels to the inch
    std::string paper; // PDF: a paper format such as A3; empty for a page the picture's size
};

// "svg", "png" or "pdf" for a path ending in .svg, .png or .pdf; empty otherwise.
std::string PictureFormat(const std::string& path);

// The width and height in millimetres of a paper format, A0 to A6 or B0 to
// B6 (JIS); false for another name.
bool PaperSize(const std::string& name, double& widthMm, double& heightMm);

// Writes the picture, all or nothing. A PDF page on paper turns to the
// picture's longer side and holds the whole picture, legend and
// attribution included, within a margin of 10 mm. Throws
// std::runtime_error when the picture cannot be made or written.
void WritePicture(const std::string& path, const MapPicture& picture,
                  const PictureOptions& options);
