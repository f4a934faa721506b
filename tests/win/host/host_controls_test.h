// The test program's dialog that holds one of each host picker control.
#pragma once

#define IDD_HOST_CONTROLS 110
#define IDC_HC_LAYER 111
#define IDC_HC_COLOR 112
#define IDC_HC_PATTERN 113
