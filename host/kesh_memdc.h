// The host's buffered drawing context: drawing goes to a bitmap, which is
// copied to the target when the context is destroyed, so a cell never flickers.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

class VELMORA_API CKeshMemDC : public CDC {
public:
    explicit CKeshMemDC(CDC* pDC);
    ~CKeshMemDC() override;

private:
    CDC* m_pTarget;
    RECT m_rect;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
};
