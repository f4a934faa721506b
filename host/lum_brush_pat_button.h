// The host's hatch pattern picker button: shows the chosen hatch pattern and,
// on a click, opens a popup grid of the patterns, each drawn in its cell.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

class VELMORA_API CLumBrushPatButtonS : public CButton {
public:
    CLumBrushPatButtonS();
    ~CLumBrushPatButtonS() override;

    // The chosen pattern type, and its choice; in this slot order.
    virtual WORD GetValue() const;
    virtual void SetValue(WORD type);

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    DECLARE_MESSAGE_MAP()

private:
    void OnClicked();

    WORD m_wType = 0;
};
