// The host's record file functions: items at a file's current position.
// A data item is a field's raw bytes; a text item is a 32-bit little-endian
// byte count followed by that many bytes; an owner mark is a 16-bit number.
// The data and text functions return non-zero on success, the owner-mark
// functions 0. None of them throws: file and memory exceptions become a
// failure result.
#pragma once

#include "afx/afx.h"
#include "afx/afxfile.h"
#include "velmora_api.h"

VELMORA_API int WriteData(CFile* file, const void* data, UINT size);
// Fails on a short read; the field then holds the bytes that were there.
VELMORA_API int ReadData(CFile* file, void* data, UINT size);
VELMORA_API int WriteCString(CFile* file, const CString& text);
// Fails, leaving text as it was, when the stored count runs past the end of
// the file: nothing is allocated for bytes the file does not hold. After a
// read error the text holds what could be read, or nothing.
VELMORA_API int ReadCString(CFile* file, CString& text);
VELMORA_API int WriteOwnNo(CFile* file, WORD ownNo);
// 0 when the next item is the owner mark ownNo.
VELMORA_API int OwnNoCheck(CFile* file, WORD ownNo);
