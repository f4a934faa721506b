#include "ui/palette_set.h"
#include "ui/dialog_scope.h"
#include "ui/make_palete_dlg.h"

int Velmora_PaletteSet(CWnd* pParent, ZEL* pDrawing, CVObjPlt* pPlt, int bNew) {
    int selIndex = 0;
    return Velmora_PaletteSet(pParent, pDrawing, pPlt, &selIndex, bNew);
}

int Velmora_PaletteSet(CWnd* pParent, ZEL* pDrawing, CVObjPlt* pPlt, int* pSelIndex, int bNew) {
    CMakePaleteDlg dlg(pDrawing, pParent, pPlt, pSelIndex, bNew == 0 ? 1 : 0);
    // Declared after the dialog: the host's resources come back before the
    // dialog object goes.
    CVelmoraDlgScope scope;
    return static_cast<int>(dlg.DoModal());
}

int Velmora_Func1(unsigned long, void*) {
    return 0;
}
