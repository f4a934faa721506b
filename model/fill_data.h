// Paint and hatch settings of a brush. Both are stored in palette records as
// raw byte images, so their layouts are a file format.
#pragma once

#include "afx/afxtypes.h"
#include "host/pt.h"

#include <cstddef>

#pragma pack(push, 1)
struct FACEZSKPAINT_DATA {
    DWORD Color;  // RGB, red in the lowest byte
    double Depth; // density in percent; 100 is the full colour
};

struct FACEZSKHATCH_DATA {
    WORD Type;       // hatch pattern type
    DWORD Aux;       // carried
    PT Pt[4];        // carried; constructed by the host's PT, never cleared
    double Space[4]; // line spacing in millimetres
    double Aux2[4];  // carried
    BYTE Color[4];   // numbers in the drawing's colour table
    BYTE Aux3[4];    // carried
    BYTE Aux4[4];    // carried
};
#pragma pack(pop)

static_assert(sizeof(FACEZSKPAINT_DATA) == 12, "paint settings are 12 bytes");
static_assert(offsetof(FACEZSKPAINT_DATA, Depth) == 4, "paint settings layout");

static_assert(sizeof(FACEZSKHATCH_DATA) == 178, "hatch settings are 178 bytes");
static_assert(offsetof(FACEZSKHATCH_DATA, Aux) == 2, "hatch settings layout");
static_assert(offsetof(FACEZSKHATCH_DATA, Pt) == 6, "hatch settings layout");
static_assert(offsetof(FACEZSKHATCH_DATA, Space) == 102, "hatch settings layout");
static_assert(offsetof(FACEZSKHATCH_DATA, Aux2) == 134, "hatch settings layout");
static_assert(offsetof(FACEZSKHATCH_DATA, Color) == 166, "hatch settings layout");
static_assert(offsetof(FACEZSKHATCH_DATA, Aux3) == 170, "hatch settings layout");
static_assert(offsetof(FACEZSKHATCH_DATA, Aux4) == 174, "hatch settings layout");
