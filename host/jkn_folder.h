// The host's folder function: the folder of each folder kind, without a
// trailing separator. A host or test names folders with
// Halvex_SetJknFolderPath; a kind never named is the current folder, ".".
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

VELMORA_API CString Halvex_GetJknFolderPath(int kind);
// A null or empty folder forgets the kind's folder again.
VELMORA_API void Halvex_SetJknFolderPath(int kind, LPCTSTR folder);
