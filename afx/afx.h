// The portable part of the class-library subset that the library uses.
#pragma once

#include "afx/afxtypes.h"
#include "afx/afxexcept.h"
#include "afx/afxstr.h"
#include "afx/afxcoll.h"
#include "afx/afxfile.h"
