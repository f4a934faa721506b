// The condition of a new brush: the condition dialog that fits the palette's
// attribute asks for it, and the brush takes its name and condition from the
// answer, in the editor's text form ("10～20", "12.5000000", "2013/4/5").
#pragma once

#include "afx/afxwin.h"
#include "model/brs.h"

// Sets BNm and ZVal of brs; FALSE when the user cancelled or the attribute
// is not one of the catalogue's (the user is told so).
BOOL AskNewBrsCondition(CWnd* pParent, WORD zty, CVObjBrs& brs);
