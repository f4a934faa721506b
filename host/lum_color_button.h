// The host's colour picker button: shows the chosen colour of the drawing's
// colour table and, on a click, opens a popup grid of the table's colours.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

class VELMORA_API CLumColorButton : public CButton {
public:
    CLumColorButton();
    ~CLumColorButton() override;

    void SetImageType(int type);
    void RemoveAllColors();
    int AddColor(int index, DWORD rgb, DWORD extra);

    // The selected entry's index, and its choice; in this slot order.
    virtual int GetValue() const;
    virtual void SetValue(int index);
};
