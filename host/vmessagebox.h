// The host's message box.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

// Shows text over the active window; extra is the host's and has no use here.
VELMORA_API int VMessageBox(const char* text, const char* caption, UINT type, UINT extra);
