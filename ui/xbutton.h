// The paint colour button of the fill settings dialogs: a push button that
// shows a colour swatch instead of a caption and draws itself completely.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

class VELMORA_API XButton : public CButton {
public:
    explicit XButton(COLORREF color);
    ~XButton() override;

    COLORREF m_crColor; // the colour shown; the dialogs read and write it

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    DECLARE_MESSAGE_MAP()
};
