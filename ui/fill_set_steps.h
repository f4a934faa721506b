// The steps that the single- and the multi-brush fill settings dialogs share:
// binding the density and spacing, placing the paint colour button, listing
// the drawing's colours, the colour dialog, the density spin and writing a
// brush back.
#pragma once

#include "afx/afxcmn.h"
#include "host/kesh_dialog.h"
#include "host/layer_combo_box.h"
#include "host/lum_brush_pat_button.h"
#include "host/lum_color_button.h"
#include "host/zel.h"
#include "model/brs.h"
#include "ui/xbutton.h"

// The host controls that both dialogs bind.
struct FillControls {
    CLayerComboBox& layer;
    CLumColorButton& hatchColor;
    CLumBrushPatButtonS& hatchType;
    CSpinButtonCtrl& spin;
};

// The bound values and the fields that the framework makes for them.
struct FillFields {
    int* depth;
    double* space;
    CKeshIntEdit*& depthEdit;
    CKeshDblEdit*& spaceEdit;
};

void ExchangeFillControls(CDataExchange* pDX, const FillControls& controls);

// Sets the dialog up from the brush: the layer list, the density (1 to 100 %,
// with the spin over the same range) and spacing (0.1 to 99.99 mm) fields,
// the paint colour button in the place of the template's hidden one, the
// drawing's colours in the hatch colour button, and the paint or hatching
// radio button.
void InitFillControls(CKeshDialog& dlg, const FillControls& controls, const FillFields& fields,
                      XButton& paintColor, ZelAttr* pAttr, const CVObjBrs& brs);

// Lets the user pick the paint colour in the standard colour dialog.
void ChoosePaintColor(XButton& button);

// One step of the density spin: the typed text counts, the sum stays in the
// spin's range, and the spin does not move by itself.
void StepDensity(CKeshIntEdit& depthEdit, CSpinButtonCtrl& spin, const NMHDR* header,
                 LRESULT* pResult);

struct FillSettings {
    WORD layer;
    BOOL paint;
    COLORREF paintColor;
    int depth;
    CLumColorButton* hatchColor;
    CLumBrushPatButtonS* hatchType;
    double space;
};

// Writes every fill field of the brush, whatever the paint or hatching choice.
void WriteFillSettings(CVObjBrs& brs, const FillSettings& fill);

void EnableDlgItem(CWnd& dlg, int id, BOOL enable);
