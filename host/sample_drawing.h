// A drawing model as a host's typical drawing carries it: sixteen colours and
// eight named layers. The command-line tool draws on it, and the Windows
// tests, the screenshots and the demo host open the dialogs on it.
#pragma once

#include "host/zel.h"
#include "velmora_api.h"

// Appends the sixteen colours (0 black, 1 red, 2 green, 3 blue, 4 orange,
// 5 purple, 6 teal, 7 grey, 8 brown, 9 pink, 10 olive, 11 navy, 12 crimson,
// 13 charcoal, 14 sea green, 15 ochre) and the eight layers to attr.
VELMORA_API void FillSampleDrawing(ZelAttr& attr);
