#include "app/palette_panel.h"
#include "app/fill_brush.h"
#include "app/app_resource.h"
#include "app/app_text.h"

#include "model/zok_catalogue.h"

#include <algorithm>

namespace {
constexpr int kRowHeight = 20;
constexpr int kGap = 6;
constexpr int kLabelHeight = 18;
constexpr int kButtonHeight = 26;

struct ButtonText {
    int id;
    const char* text;
};
const ButtonText kButtons[] = {
    {ID_PLT_NEW, "新規..."},        {ID_PLT_EDIT, "編集..."}, {ID_PLT_DELETE, "削除"},
    {ID_PLT_RENAME, "名前変更..."}, {ID_PLT_SELECT, "選択"},
};

std::string AttributeText(WORD zty) {
    if (zty == 0)
        return "フリー";
    CString name;
    return Velmora_GetZokNameFromID(zty, name) ? std::string(name.GetString())
                                               : Format("属性 ID %u", (unsigned)zty);
}

// Swatch lines a few pixels apart, wider for wider spacings, so that the
// patterns tell apart in a small box.
double SwatchSpacing(double spacingMm) {
    return std::clamp(spacingMm, 3.0, 8.0);
}

void DrawSwatch(HDC dc, const RECT& box, const MapFill& fill) {
    ::FillRect(dc, &box, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    HBRUSH brush = CreateFillBrush(fill, SwatchSpacing(fill.spacingMm));
    if (brush) {
        ::SetBrushOrgEx(dc, box.left, box.top, nullptr);
        ::FillRect(dc, &box, brush);
        ::DeleteObject(brush);
    }
    ::FrameRect(dc, &box, (HBRUSH)::GetStockObject(GRAY_BRUSH));
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id,
                 HFONT font) {
    HWND child =
        ::CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                          (HMENU)(INT_PTR)id, ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(child, WM_SETFONT, (WPARAM)font, FALSE);
    return child;
}
} // namespace

void PalettePanel::Create(HWND parent, HFONT font) {
    m_parent = parent;
    m_pltLabel = CreateChild(parent, "STATIC", "パレット", SS_LEFT, IDC_PLT_LABEL, font);
    m_pltList = CreateChild(parent, "LISTBOX", "",
                            WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                            IDC_PLT_LIST, font);
    for (const ButtonText& button : kButtons)
        m_buttons.push_back(CreateChild(parent, "BUTTON", button.text, BS_PUSHBUTTON | WS_TABSTOP,
                                        button.id, font));
    m_legendLabel =
        CreateChild(parent, "STATIC", "凡例", SS_LEFT | SS_ENDELLIPSIS, IDC_LEGEND_LABEL, font);
    m_legendList = CreateChild(parent, "LISTBOX", "",
                               WS_BORDER | WS_VSCROLL | LBS_NOSEL | LBS_OWNERDRAWFIXED |
                                   LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                               IDC_LEGEND_LIST, font);
}

void PalettePanel::Layout(const RECT& area) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    int y = area.top;
    ::MoveWindow(m_pltLabel, area.left, y, width, kLabelHeight, TRUE);
    y += kLabelHeight;
    int listHeight = std::max(height * 2 / 5 - kLabelHeight, 3 * kRowHeight);
    ::MoveWindow(m_pltList, area.left, y, width, listHeight, TRUE);
    y += listHeight + kGap;
    // Three buttons on the first row, two on the second.
    int buttonWidth = (width - 2 * kGap) / 3;
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        int column = (int)(i % 3);
        int row = (int)(i / 3);
        ::MoveWindow(m_buttons[i], area.left + column * (buttonWidth + kGap),
                     y + row * (kButtonHeight + kGap / 2), buttonWidth, kButtonHeight, TRUE);
    }
    y += 2 * kButtonHeight + kGap / 2 + 2 * kGap;
    ::MoveWindow(m_legendLabel, area.left, y, width, kLabelHeight, TRUE);
    y += kLabelHeight;
    ::MoveWindow(m_legendList, area.left, y, width, std::max((int)area.bottom - y, kRowHeight),
                 TRUE);
}

void PalettePanel::ShowPalettes(CVPaletteBox& box) {
    int current = CurrentPalette();
    m_palettes.clear();
    ::SendMessageA(m_pltList, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(m_pltList, LB_RESETCONTENT, 0, 0);
    for (int p = 0; p < box.GetPltCount(); ++p) {
        PaletteRow row{box.GetPltName(p), AttributeText(box.GetPltZkC(p)), p == box.GetSelPNo()};
        m_palettes.push_back(row);
        // The row's text names the palette for whoever reads the list.
        std::string text = (row.selected ? "● " : "") + row.name + "\t" + row.attribute;
        ::SendMessageA(m_pltList, LB_ADDSTRING, 0, (LPARAM)text.c_str());
    }
    if (current < 0 || current >= box.GetPltCount())
        current = box.GetSelPNo() < box.GetPltCount() ? box.GetSelPNo() : -1;
    ::SendMessageA(m_pltList, LB_SETCURSEL, (WPARAM)current, 0);
    ::SendMessageA(m_pltList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_pltList, nullptr, TRUE);
}

int PalettePanel::CurrentPalette() const {
    return (int)::SendMessageA(m_pltList, LB_GETCURSEL, 0, 0);
}

void PalettePanel::SetCurrentPalette(int position) {
    ::SendMessageA(m_pltList, LB_SETCURSEL, (WPARAM)position, 0);
}

void PalettePanel::ShowLegend(const Legend& legend, const std::string& title) {
    m_legend = legend;
    ::SetWindowTextA(m_legendLabel, title.c_str());
    ::SendMessageA(m_legendList, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(m_legendList, LB_RESETCONTENT, 0, 0);
    for (const LegendRow& row : legend.rows) {
        std::string text = Format("%s\t%d", row.name.c_str(), row.count);
        ::SendMessageA(m_legendList, LB_ADDSTRING, 0, (LPARAM)text.c_str());
    }
    std::string unmatched = Format("該当なし（輪郭のみ）\t%d", legend.unmatched);
    ::SendMessageA(m_legendList, LB_ADDSTRING, 0, (LPARAM)unmatched.c_str());
    ::SendMessageA(m_legendList, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_legendList, nullptr, TRUE);
}

bool PalettePanel::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlID != IDC_PLT_LIST && item.CtlID != IDC_LEGEND_LIST)
        return false;
    item.itemHeight = kRowHeight;
    return true;
}

bool PalettePanel::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlID == IDC_PLT_LIST)
        DrawPaletteRow(item);
    else if (item.CtlID == IDC_LEGEND_LIST)
        DrawLegendRow(item);
    else
        return false;
    return true;
}

void PalettePanel::DrawPaletteRow(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    bool current = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &rect, ::GetSysColorBrush(current ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID < m_palettes.size()) {
        const PaletteRow& row = m_palettes[item.itemID];
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(current ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT mark = {rect.left + 4, rect.top, rect.left + 20, rect.bottom};
        if (row.selected)
            ::DrawTextA(dc, "●", -1, &mark, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        int attributeWidth = (rect.right - rect.left) * 2 / 5;
        RECT name = {mark.right, rect.top, rect.right - attributeWidth - 4, rect.bottom};
        ::DrawTextA(dc, row.name.c_str(), -1, &name,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
        RECT attribute = {rect.right - attributeWidth, rect.top, rect.right - 4, rect.bottom};
        ::DrawTextA(dc, row.attribute.c_str(), -1, &attribute,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS)
        ::DrawFocusRect(dc, &rect);
}

void PalettePanel::DrawLegendRow(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID > m_legend.rows.size())
        return;
    bool unmatched = item.itemID == m_legend.rows.size();
    MapFill none;
    const MapFill& fill = unmatched ? none : m_legend.rows[item.itemID].fill;
    const std::string& name = unmatched ? "該当なし（輪郭のみ）" : m_legend.rows[item.itemID].name;
    int count = unmatched ? m_legend.unmatched : m_legend.rows[item.itemID].count;
    RECT swatch = {rect.left + 4, rect.top + 3, rect.left + 32, rect.bottom - 3};
    DrawSwatch(dc, swatch, fill);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    RECT text = {swatch.right + 6, rect.top, rect.right - 56, rect.bottom};
    ::DrawTextA(dc, name.c_str(), -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    RECT number = {rect.right - 56, rect.top, rect.right - 6, rect.bottom};
    std::string counted = Format("%d 筆", count);
    ::DrawTextA(dc, counted.c_str(), -1, &number, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}
