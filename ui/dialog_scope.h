// What every dialog export does around its dialog: the library's module
// becomes the source of resources, and its manifest's activation context
// (common controls 6) is active; both are put back when the scope ends.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

class VELMORA_API CVelmoraDlgScope {
public:
    CVelmoraDlgScope();
    ~CVelmoraDlgScope();
    CVelmoraDlgScope(const CVelmoraDlgScope&) = delete;
    CVelmoraDlgScope& operator=(const CVelmoraDlgScope&) = delete;

private:
    HINSTANCE m_hOldResource;
    HANDLE m_hActCtx;
    ULONG_PTR m_cookie;
};
