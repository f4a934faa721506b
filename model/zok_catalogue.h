// The attribute catalogue: seventeen parcel attributes, named by index (the
// order shown to the user) or by ID (whose hundreds give the value kind).
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

constexpr int VELMORA_ZOK_COUNT = 17;
constexpr BYTE VELMORA_NO_ZOK = 255; // index or ID answer for "no attribute"

// Value kinds, by the hundreds of an attribute ID.
enum VelmoraZokKind {
    ZOK_KIND_NONE = 0,
    ZOK_KIND_CODE = 1,
    ZOK_KIND_LONG = 2,
    ZOK_KIND_TEXT = 3,
    ZOK_KIND_DATE = 4,
    ZOK_KIND_REAL = 5
};

// The kind of any 16-bit ID by its hundreds (0 and IDs of 600 and above give none).
VelmoraZokKind VelmoraZokKindOf(WORD id);

// ID of an attribute index, or 0 for an index beyond the catalogue.
WORD VelmoraZokIdFromIndex(unsigned index);

// Index of an attribute ID, or 255 when the ID is not in the catalogue.
BYTE VelmoraZokIndexFromId(WORD id);

VELMORA_API int Velmora_GetZokCnt();
VELMORA_API int Velmora_GetZokName(int index, CString& name);
VELMORA_API int Velmora_GetZokNameFromID(int id, CString& name);
