// Resource IDs of velmora-host.exe: its menu, keys, rename dialog and the
// commands of its menu and palette panel.
#pragma once

#define IDC_STATIC (-1)

#define IDR_HOST_MENU 100
#define IDR_HOST_ACCEL 101
#define IDI_HOST 102

#define IDD_RENAME_PLT 200
#define IDC_RENAME_NAME 201

// File menu.
#define ID_FILE_OPEN_MAP 1001
#define ID_FILE_OPEN_BOX 1002
#define ID_FILE_OPEN_BOX_OLD 1003
#define ID_FILE_SAVE_BOX 1004
#define ID_FILE_SAVE_BOX_AS 1005
#define ID_FILE_EXIT 1006

// View menu.
#define ID_VIEW_FIT 1101
#define ID_VIEW_ZOOM_IN 1102
#define ID_VIEW_ZOOM_OUT 1103

// Palette menu and the panel's buttons.
#define ID_PLT_NEW 1201
#define ID_PLT_EDIT 1202
#define ID_PLT_DELETE 1203
#define ID_PLT_RENAME 1204
#define ID_PLT_SELECT 1205

// Child windows of the main window.
#define IDC_MAP_VIEW 1301
#define IDC_PLT_LIST 1302
#define IDC_LEGEND_LIST 1303
#define IDC_STATUS_BAR 1304
#define IDC_PLT_LABEL 1305
#define IDC_LEGEND_LABEL 1306
