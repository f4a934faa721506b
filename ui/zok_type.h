// Exports that let the user choose the attribute of a new palette.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

// Both return the dialog's result; only on 1 (OK) is the chosen attribute
// index (0 to 16) written through index.
VELMORA_API int Velmora_GetZokType(CWnd* parent, BYTE* index);
VELMORA_API int Velmora_GetZokTypeEx(CWnd* parent, BYTE* index);
