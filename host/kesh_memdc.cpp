#include "host/kesh_memdc.h"

CKeshMemDC::CKeshMemDC(CDC* pDC) : m_pTarget(pDC), m_rect(), m_pOldBitmap(nullptr) {
    pDC->GetClipBox(&m_rect);
    CreateCompatibleDC(pDC);
    m_bitmap.CreateCompatibleBitmap(pDC, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    m_pOldBitmap = SelectObject(&m_bitmap);
    // Logical coordinates stay those of the target.
    SetViewportOrg(-m_rect.left, -m_rect.top);
}

CKeshMemDC::~CKeshMemDC() {
    m_pTarget->BitBlt(m_rect.left, m_rect.top, m_rect.right - m_rect.left,
                      m_rect.bottom - m_rect.top, this, m_rect.left, m_rect.top, SRCCOPY);
    if (m_pOldBitmap)
        SelectObject(m_pOldBitmap);
}
