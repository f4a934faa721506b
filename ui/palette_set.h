// The palette editor's exports: the host hands a palette (with its attribute
// set) and its drawing, and the user edits the palette in a modal dialog.
#pragma once

#include "afx/afxwin.h"
#include "host/zel.h"
#include "model/plt.h"
#include "velmora_api.h"

// IDOK, IDCANCEL, or -1 when the dialog cannot be created. A non-zero bNew
// starts the name field with "新規パレット". Brush changes stay in the palette
// even after Cancel: a host that wants Cancel to discard them edits a copy.
VELMORA_API int Velmora_PaletteSet(CWnd* pParent, ZEL* pDrawing, CVObjPlt* pPlt, int bNew);
// The same; on OK *pSelIndex receives the first selected row, or -1. The
// pointer must not be null.
VELMORA_API int Velmora_PaletteSet(CWnd* pParent, ZEL* pDrawing, CVObjPlt* pPlt, int* pSelIndex,
                                   int bNew);

// Kept for the host's function table; does nothing.
VELMORA_API int Velmora_Func1(unsigned long, void*);
