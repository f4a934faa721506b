// CString: a narrow (code page 932) string compared byte for byte.
#pragma once

#include "afx/afxtypes.h"

// Byte-packed so that it can sit inside the library's packed records.
#pragma pack(push, 1)
class AFX_EXT_CLASS CString {
public:
    CString();
    CString(const CString& other);
    CString(LPCTSTR text);
    CString(LPCTSTR text, int length);
    ~CString();

    const CString& operator=(const CString& other);
    const CString& operator=(LPCTSTR text);
    const CString& operator+=(const CString& other);
    const CString& operator+=(LPCTSTR text);
    const CString& operator+=(char ch);

    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();
    LPCTSTR GetString() const { return m_pchData ? m_pchData : ""; }
    operator LPCTSTR() const { return GetString(); }
    char GetAt(int index) const { return GetString()[index]; }

    int Compare(LPCTSTR text) const;
    void Format(LPCTSTR format, ...)
#if defined(__MINGW32__)
        // The C++ runtime selects mingw's own C99 printf, not the system's.
        __attribute__((format(gnu_printf, 2, 3)))
#elif defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Buffer access as MFC gives it: write up to minLength bytes, then release.
    LPTSTR GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    void Assign(LPCTSTR text, int length);

    char* m_pchData;
    int m_nLength;
};
#pragma pack(pop)

AFX_EXT_API bool operator==(const CString& a, const CString& b);
AFX_EXT_API bool operator==(const CString& a, LPCTSTR b);
AFX_EXT_API bool operator!=(const CString& a, const CString& b);
AFX_EXT_API bool operator!=(const CString& a, LPCTSTR b);
AFX_EXT_API CString operator+(const CString& a, const CString& b);
