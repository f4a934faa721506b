// The class library's plain collections.
#pragma once

#include "afx/afxtempl.h"

#pragma pack(push, 1)
class CPtrArray : public CArray<void*, void*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
#pragma pack(pop)
