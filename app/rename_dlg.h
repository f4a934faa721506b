// The dialog that renames a palette.
#pragma once

#include <windows.h>

#include <string>

// Shows the dialog with `name` in its field; true and the new name on OK.
// OK stays disabled while the field is empty.
bool AskPaletteName(HWND owner, std::string& name);
