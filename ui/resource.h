// Resource IDs of the library's templates, controls and icon.
#pragma once

#define IDC_STATIC (-1)

#define IDI_VELMORA 9000

#define IDD_GRPNAME 20100
#define IDC_ZOK_COMBO 20101

#define IDD_GRPNAME_EX 30005
#define IDC_ZOK_LIST 9000

#define IDC_KESH_HELP 9
