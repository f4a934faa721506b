#include "afx/afxexcept.h"

#include <cstdio>

namespace {
BOOL CopyMessage(LPCTSTR text, LPTSTR error, UINT maxError, UINT* helpContext) {
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    std::snprintf(error, maxError, "%s", text);
    return TRUE;
}
} // namespace

CException::~CException() = default;

void CException::Delete() {
    delete this;
}

BOOL CException::GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext) const {
    return CopyMessage("", error, maxError, helpContext) && FALSE;
}

BOOL CInvalidArgException::GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext) const {
    return CopyMessage("Invalid argument.", error, maxError, helpContext);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext) const {
    return CopyMessage("Out of memory.", error, maxError, helpContext);
}

void AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}

void AfxThrowMemoryException() {
    throw new CMemoryException;
}
