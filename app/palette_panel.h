// The palette panel beside the map: the box's palettes by name and
// attribute with the selected one marked, the buttons that act on them, and
// the legend of the selected palette.
#pragma once

#include "app/legend.h"

#include "model/palette_box.h"

#include <windows.h>

#include <string>
#include <vector>

class PalettePanel {
public:
    PalettePanel() = default;
    PalettePanel(const PalettePanel&) = delete;
    PalettePanel& operator=(const PalettePanel&) = delete;

    // Creates the panel's controls as children of parent; their commands go
    // to parent as the menu's do.
    void Create(HWND parent, HFONT font);
    // Places the panel in the parent's client rectangle `area`.
    void Layout(const RECT& area);

    // Lists the box's palettes, keeping the row under the cursor where it can.
    void ShowPalettes(CVPaletteBox& box);
    // The palette of the row under the list's cursor, or -1.
    int CurrentPalette() const;
    void SetCurrentPalette(int position);
    void ShowLegend(const Legend& legend, const std::string& title);

    // Both lists draw their own rows; true when the item was one of theirs.
    bool MeasureItem(MEASUREITEMSTRUCT& item) const;
    bool DrawItem(const DRAWITEMSTRUCT& item) const;

private:
    struct PaletteRow {
        std::string name;
        std::string attribute;
        bool selected;
    };
    void DrawPaletteRow(const DRAWITEMSTRUCT& item) const;
    void DrawLegendRow(const DRAWITEMSTRUCT& item) const;

    HWND m_parent = nullptr;
    HWND m_pltLabel = nullptr;
    HWND m_pltList = nullptr;
    std::vector<HWND> m_buttons;
    HWND m_legendLabel = nullptr;
    HWND m_legendList = nullptr;
    std::vector<PaletteRow> m_palettes;
    Legend m_legend;
};
