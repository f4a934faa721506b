// The host's layer list: a drop-down list of the drawing's layers, each shown
// by its label, chosen by its layer number.
#pragma once

#include "afx/afxwin.h"
#include "host/zel.h"
#include "velmora_api.h"

class VELMORA_API CLayerComboBox : public CComboBox {
public:
    CLayerComboBox() = default;
    ~CLayerComboBox() override = default;

    void SetCanUseAttr(int canUse);
    // Fills the list with the drawing's layers, in layer-number order.
    void SetUp(ZelAttr* pAttr);
    // Selects a layer by its number.
    void SetData(WORD layer);
    // The selected layer's number.
    WORD GetData() const;

private:
    // Whether layers that a drawing marks unusable are listed as well; the
    // drawing model marks none, so every layer is listed.
    int m_nCanUseAttr = 0;
};
