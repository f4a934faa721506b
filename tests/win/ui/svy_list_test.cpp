// The brush list in a real window: its rows' texts, and its swatches as painted.
#include "control_window.h"
#include "dib_picture.h"
#include "host/sample_drawing.h"
#include "ui/svy_list_crl.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(10, 120, 200);
// The list's text colour, which the hatch lines take.
const COLORREF kListText = RGB(0, 0, 160);

// Rows 0 to 7 of hatch types 0 to 5, leftmost pixel in the high bit, 0 a line.
const BYTE kPatternRows[6][8] = {
    {0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x00},
    {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE},
    {0x7F, 0xBF, 0xDF, 0xEF, 0xF7, 0xFB, 0xFD, 0xFE},
    {0xFE, 0xFD, 0xFB, 0xF7, 0xEF, 0xDF, 0xBF, 0x7F},
    {0xEE, 0xEE, 0xEE, 0x00, 0xEE, 0xEE, 0xEE, 0x00},
    {0x7E, 0xBD, 0xDB, 0xE7, 0xE7, 0xDB, 0xBD, 0x7E},
};

void AddPaint(CVObjPlt& plt, const char* name, COLORREF color, double depth, DWORD layer) {
    plt.AddBrs(plt.CountBrs(), name, 0, 1, VELMORA_Z_TYPE(), layer, 0, {color, depth}, {});
}

void AddHatch(CVObjPlt& plt, const char* name, WORD type, BYTE color, double space, DWORD layer) {
    FACEZSKHATCH_DATA hatch = {};
    hatch.Type = type;
    hatch.Color[0] = color;
    hatch.Space[0] = space;
    plt.AddBrs(plt.CountBrs(), name, 0, 1, VELMORA_Z_TYPE(), layer, 1, {kRed, 100}, hatch);
}

// The brush list as the editor shows it: six columns, 32-pixel rows.
class ListWindow : public ControlWindow {
public:
    ListWindow(ZEL& drawing, CVObjPlt& plt) : ControlWindow(WC_LISTVIEWA, LVS_REPORT, 460, 520) {
        m_list.SubclassWindow(control);
        m_images.Create(1, 32, ILC_COLOR24 | ILC_MASK, 1, 1);
        m_list.SetImageList(&m_images, LVSIL_SMALL);
        int col = 0;
        for (int width : {90, 90, 45, 53, 70, 80})
            m_list.InsertColumn(col++, "", LVCFMT_LEFT, width);
        m_list.SendMessage(LVM_SETTEXTCOLOR, 0, kListText);
        m_list.SetExtendedStyle(LVS_EX_HEADERDRAGDROP);
        m_list.SetData(&drawing, &plt);
        m_list.FillList();
        m_picture.Print(control);
    }

    CSvyListCrl& List() { return m_list; }
    std::string Text(int row, int col) const { return m_list.GetItemText(row, col).GetString(); }
    // A 1-pixel border in the button face one pixel inside the cell, expect(x, y) within.
    bool Shows(int row, int col, const std::function<COLORREF(int, int)>& expect) const {
        RECT cell = {};
        m_list.GetSubItemRect(row, col, LVIR_BOUNDS, cell);
        for (int y = cell.top + 1; y < cell.bottom - 1; ++y)
            for (int x = cell.left + 1; x < cell.right - 1; ++x) {
                bool border = x == cell.left + 1 || y == cell.top + 1 || x == cell.right - 2 ||
                              y == cell.bottom - 2;
                if (m_picture.At(x, y) != (border ? GetSysColor(COLOR_BTNFACE) : expect(x, y)))
                    return false;
            }
        return true;
    }
    COLORREF At(int row, int col) const {
        RECT cell = {};
        m_list.GetSubItemRect(row, col, LVIR_BOUNDS, cell);
        return m_picture.At(cell.left + 2, cell.top + 2);
    }

private:
    CSvyListCrl m_list;
    CImageList m_images;
    DibPicture m_picture{460, 520};
};

std::function<COLORREF(int, int)> Solid(COLORREF color) {
    return [color](int, int) { return color; };
}

// The brush origin is the context's origin, the list's top left corner.
std::function<COLORREF(int, int)> Hatch(int type) {
    return [type](int x, int y) {
        bool background = (kPatternRows[type][y % 8] >> (7 - x % 8)) & 1;
        return background ? GetSysColor(COLOR_WINDOW) : kListText;
    };
}

class SvyListTest : public ::testing::Test {
protected:
    SvyListTest() {
        m_drawing.Attr().AddColor(RGB(30, 160, 90)); // entry 0 is not the colour of no entry
        FillSampleDrawing(m_drawing.Attr());
        AddPaint(m_plt, "赤50", kRed, 50, 3);
        AddPaint(m_plt, "赤0", kRed, 0, 7);
        AddPaint(m_plt, "青150", kBlue, 150, 1);
        AddPaint(m_plt, "青-10", kBlue, -10, 2);
        AddPaint(m_plt, "青33.9", kBlue, 33.9, 8);
        for (WORD type = 0; type < 6; ++type)
            AddHatch(m_plt, "ハッチ", type, (BYTE)(type + 1), 2.5 + type,
                     type == 1 ? 0xFFFFFFFF : 4);
        AddHatch(m_plt, "種類6", 6, 16, 1, 4);
        AddHatch(m_plt, "表外", 0, 17, 1, 4);
    }

    ZEL m_drawing;
    CVObjPlt m_plt;
};

TEST_F(SvyListTest, RowsShowTheirTextsAndSwatches) {
    ListWindow window(m_drawing, m_plt);
    CSvyListCrl& list = window.List();
    EXPECT_EQ(list.GetExtendedStyle(), DWORD(LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT));
    ASSERT_EQ(list.GetItemCount(), 13);
    // Layer 8 lies beyond the table, 0xFFFFFFFF is negative: both show layer 0.
    const struct {
        int row, col;
        const char* text;
    } texts[] = {{0, 0, "赤50"},     {0, 1, "3:塗潰し"}, {0, 2, ""},       {0, 3, ""},
                 {0, 4, "50"},       {1, 1, "7:作業用"}, {1, 4, "0"},      {2, 4, "150"},
                 {3, 4, "-10"},      {4, 0, "青33.9"},   {4, 1, "0:基本"}, {4, 4, "33"},
                 {4, 5, "----"},     {5, 4, "----"},     {5, 5, "2.50"},   {6, 1, "0:基本"},
                 {7, 1, "4:ハッチ"}, {8, 5, "5.50"}};
    for (const auto& t : texts)
        EXPECT_EQ(window.Text(t.row, t.col), t.text) << t.row << ", " << t.col;

    // Paint: the colour lightened by the density, out of range not at all.
    const COLORREF paint[] = {RGB(255, 128, 128), RGB(255, 255, 255), kBlue, kBlue,
                              RGB(172, 210, 237)};
    for (int row = 0; row < 5; ++row) {
        EXPECT_TRUE(window.Shows(row, 2, Solid(paint[row]))) << row;
        EXPECT_TRUE(window.Shows(row, 3, Solid(GetSysColor(COLOR_WINDOWTEXT))));
    }
    // Hatch: one past the colour table is entry 0; type 6 has no pattern.
    for (int type = 0; type < 6; ++type) {
        EXPECT_TRUE(window.Shows(5 + type, 2, Solid(m_drawing.Attr().GetColor(type + 1)))) << type;
        EXPECT_TRUE(window.Shows(5 + type, 3, Hatch(type))) << type;
    }
    EXPECT_TRUE(window.Shows(11, 2, Solid(m_drawing.Attr().GetColor(16))));
    EXPECT_TRUE(window.Shows(11, 3, Solid(window.At(11, 3))));
    EXPECT_NE(window.At(11, 3), kListText);
    EXPECT_TRUE(window.Shows(12, 2, Solid(RGB(30, 160, 90))));
}

// Out of range rows change nothing; a row repaints even when no text changes.
TEST_F(SvyListTest, UpdateRowRefreshesAndRepaintsOneRowFromItsBrush) {
    ListWindow window(m_drawing, m_plt);
    CSvyListCrl& list = window.List();
    m_plt.SetLayerNo(4, 5);
    m_plt.SetDepth(4, 100);
    m_plt.SetPaintData(3, {RGB(0, 200, 0), -10}); // a new colour only
    EXPECT_EQ(list.UpdateRow(-1) + list.UpdateRow(13), 0);
    EXPECT_EQ(window.Text(4, 4), "33");
    ValidateRect(list, nullptr);
    EXPECT_EQ(list.UpdateRow(3), 1);
    RECT box, row;
    GetUpdateRect(list, &box, FALSE);
    list.GetItemRect(3, &row, LVIR_BOUNDS);
    EXPECT_TRUE(EqualRect(&box, &row));
    EXPECT_EQ(list.UpdateRow(4), 1);
    EXPECT_EQ(window.Text(4, 1) + window.Text(4, 4), "5:凡例100");
}

} // namespace
