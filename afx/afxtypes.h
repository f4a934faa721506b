// Windows' basic types with their Windows widths in both builds, and the
// export macros. Identical typedefs are legal in C++, so these agree with
// <windows.h> when the Win32 layer includes it too.
#pragma once

#include <cstdint>

typedef unsigned char BYTE;
typedef unsigned short WORD;
#ifdef _WIN32
typedef unsigned long DWORD; // 32 bits under mingw, as in <windef.h>
#else
typedef std::uint32_t DWORD;
#endif
typedef int BOOL;
typedef unsigned int UINT;
typedef DWORD COLORREF;
typedef const char* LPCTSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef std::intptr_t INT_PTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

static_assert(sizeof(BYTE) == 1 && sizeof(WORD) == 2 && sizeof(DWORD) == 4, "Windows widths");
static_assert(sizeof(BOOL) == 4 && sizeof(UINT) == 4 && sizeof(COLORREF) == 4, "Windows widths");

// Classes of the class-library subset live inside velmora.dll and are exported
// from it, as an MFC extension DLL exports its classes.
#if defined(_WIN32) && defined(_AFXEXT)
#define AFX_EXT_CLASS __declspec(dllexport)
#elif defined(_WIN32)
#define AFX_EXT_CLASS __declspec(dllimport)
#else
#define AFX_EXT_CLASS
#endif
#define AFX_EXT_API AFX_EXT_CLASS
