// The palette box file as the host keeps it: a ".dat" file in a folder that
// the host names to the library, read and written by the library's box
// members. A failed read leaves the caller's box alone; a failed write
// leaves the file that was there.
#pragma once

#include "model/palette_box.h"

#include <memory>
#include <string>

enum class BoxLayout { CURRENT, OLD };

// Reads the file into a new box, or returns null with the reason in error.
std::unique_ptr<CVPaletteBox> ReadBoxFile(const std::string& path, BoxLayout layout,
                                          std::string& error);

// Writes the box to the file; false with the reason in error.
bool WriteBoxFile(CVPaletteBox& box, const std::string& path, std::string& error);

// What a result code of the box's file members means, in the screen's words.
std::string BoxResultText(int code, bool writing);
