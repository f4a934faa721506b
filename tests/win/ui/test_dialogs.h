// The test program's own dialog: the host framework's bound edit fields and
// the class library's data exchange, outside any dialog of the library.
#pragma once

#define IDD_EDIT_TEST 100
#define IDC_TEST_INT 101
#define IDC_TEST_DBL 102
#define IDC_TEST_STR 103
#define IDC_TEST_CHECK 104
#define IDC_TEST_COMBO 105
