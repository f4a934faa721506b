// The class library's exceptions, thrown as MFC throws them: a pointer to a
// heap object, which the catcher releases with Delete().
#pragma once

#include "afx/afxtypes.h"

class AFX_EXT_CLASS CException {
public:
    CException() = default;
    virtual ~CException();
    void Delete();
    virtual BOOL GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext = nullptr) const;
};

class AFX_EXT_CLASS CInvalidArgException : public CException {
public:
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext = nullptr) const override;
};

class AFX_EXT_CLASS CMemoryException : public CException {
public:
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext = nullptr) const override;
};

[[noreturn]] AFX_EXT_API void AfxThrowInvalidArgException();
[[noreturn]] AFX_EXT_API void AfxThrowMemoryException();
