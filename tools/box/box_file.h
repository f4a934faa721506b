// Palette boxes on disk: the library's own ".dat" file, read and written
// through the box's file operations as a host does, or the tool's JSON.
#pragma once

#include "model/palette_box.h"

#include <string>

// A box path on the command line names a ".dat" file, or with `json` also a
// ".json" one; UsageError otherwise.
void CheckBoxFilePath(const std::string& path, bool json);

// Loads `path` into the box: a ".json" file through the JSON reader, any
// other through CVPaletteBox::ReadPltsBox (ReadPltsBoxOld with `old`).
// A missing file is an error here, not a new file.
void LoadBox(const std::string& path, bool old, CVPaletteBox& box);

// Saves the box through CVPaletteBox::WritePltsBox; the path must end in ".dat".
void SaveBox(const std::string& path, CVPaletteBox& box);
