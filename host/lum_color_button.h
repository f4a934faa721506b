// The host's colour picker button: shows the chosen colour of the drawing's
// colour table and, on a click, opens a popup grid of the table's colours.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

#include <vector>

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

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    DECLARE_MESSAGE_MAP()

private:
    struct Entry {
        int nIndex;
        COLORREF crColor;
    };

    // The position of the value's entry, or -1 when the table lacks it.
    int Position() const;
    void OnClicked();

    int m_nImageType = 0; // the host's picture style; one look here
    int m_nValue = 0;
    std::vector<Entry> m_entries;
};
