// Resource IDs of the library's templates, controls and icon.
#pragma once

#define IDC_STATIC (-1)

#define IDI_VELMORA 9000

// The framework's help button, on every dialog that has one.
#define IDC_KESH_HELP 9

// Palette editor.
#define IDD_MAKE_PALETE 20000
#define IDC_PLT_NAME 20001
#define IDC_PLT_ZOK 20002
#define IDC_BRS_LIST 20003
#define IDC_BRS_ADD 20004
#define IDC_BRS_DELETE 20005
#define IDC_BRS_CHANGE 20006

// Attribute selection.
#define IDD_GRPNAME 20100
#define IDC_ZOK_COMBO 20101
#define IDD_GRPNAME_EX 30005
#define IDC_ZOK_LIST 9000

// New-brush condition: one value.
#define IDD_BRS_ONLY 20300
#define IDC_ONLY_LABEL 20301
#define IDC_ONLY_TEXT 20302
#define IDC_ONLY_COMBO 20303

// New-brush condition: a value or a From-To range.
#define IDD_BRS_FRTO 20400
#define IDC_FRTO_GROUP 20401
#define IDC_FRTO_FROM 20402
#define IDC_FRTO_FROM_DATE 20403
#define IDC_FRTO_TO 20404
#define IDC_FRTO_TO_DATE 20405
#define IDC_FRTO_RANGE 20406

// Fill settings, one brush and several.
#define IDD_FILL_SET 30004
#define IDD_FILL_SET_MULTI 30006
#define IDC_FILL_LAYER 7013
#define IDC_FILL_SPACE 19489
#define IDC_FILL_PAINT 19491
#define IDC_FILL_HATCH 19492
#define IDC_FILL_PAINT_COLOR_PLACE 19493
#define IDC_FILL_HATCH_COLOR 19494
#define IDC_FILL_HATCH_TYPE 19495
#define IDC_FILL_SPIN 19496
#define IDC_FILL_PAINT_COLOR 19497
#define IDC_FILL_DEPTH 20007
#define IDC_MULTI_LAYER_ON 9001
#define IDC_MULTI_PAINT_COLOR_ON 9002
#define IDC_MULTI_DEPTH_ON 9003
#define IDC_MULTI_HATCH_COLOR_ON 9004
#define IDC_MULTI_HATCH_TYPE_ON 9005
#define IDC_MULTI_SPACE_ON 9006
