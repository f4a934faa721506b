// The popup of the host's picker buttons: a grid of cells that drops below
// its button and lets the user choose one cell, by mouse or keyboard, the way
// a menu does (the dialog keeps its activation and focus; keys go to the grid).
#pragma once

#include "host/object_wnd_proc.h"

#include <windows.h>

#include <functional>

// The popup's window class, so that it can be found on screen.
#define LUM_POPUP_CLASS "VelmoraLumPopup"
// Asks the rectangle of a cell: wParam the cell's position, lParam a RECT*
// that receives it in the popup's client coordinates. Returns TRUE, or FALSE
// when there is no such cell.
#define LPGM_GETITEMRECT (WM_USER + 1)

class CLumPopupGrid {
public:
    // Draws the content of one cell inside its frame.
    typedef std::function<void(HDC hDC, int position, const RECT& rect)> DrawCell;

    CLumPopupGrid(int count, int columns, SIZE cell, DrawCell drawCell);
    CLumPopupGrid(const CLumPopupGrid&) = delete;
    CLumPopupGrid& operator=(const CLumPopupGrid&) = delete;

    // Shows the grid below hAnchor with the cell at position current
    // highlighted (none when it is outside the grid) and runs until the user
    // chooses a cell, whose position it returns, or cancels (-1).
    int Track(HWND hAnchor, int current);

private:
    friend LRESULT CALLBACK ObjectWndProc<CLumPopupGrid>(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    RECT Place(HWND hAnchor) const;
    RECT CellRect(int position) const;
    int CellAt(POINT point) const;
    void Paint(HDC hDC) const;
    void MoveHot(int position);
    void OnKey(UINT key);
    void End(int result);

    int m_nCount;
    int m_nColumns;
    SIZE m_cell;
    DrawCell m_drawCell;

    HWND m_hWnd = nullptr;
    int m_nHot = -1;
    int m_nResult = -1;
    bool m_bPressed = false;
    bool m_bDone = true;
};
