// What the palette-box file needs of the file system beyond CFile.
#pragma once

#include "afx/afxtypes.h"

// Ends the name of the file a palette box is written to before that file
// takes the box file's place.
inline constexpr char kBoxSavingSuffix[] = ".tmp";

// True when a file or folder of that path exists.
bool BoxPathExists(LPCTSTR path);
// Creates one folder level, with default security.
bool CreateBoxFolder(LPCTSTR path);
// Puts the file `from` in the place of `to`, replacing it in one step.
bool ReplaceBoxFile(LPCTSTR from, LPCTSTR to);
void RemoveBoxFile(LPCTSTR path);
