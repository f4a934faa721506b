// The colour button's picture in each state, pixel by pixel at its edge, its
// focus ring and its swatch; and a real button window drawing itself.
#include "dib_picture.h"
#include "ui/xbutton.h"

#include <gtest/gtest.h>

namespace {

const int kWidth = 40;
const int kHeight = 24;
const COLORREF kColor = RGB(30, 144, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

class TestButton : public XButton {
public:
    using XButton::DrawItem;
    using XButton::XButton;
};

// The button drawn for one item state into a picture the size of the item.
void Draw(DibPicture& picture, UINT state) {
    picture.Fill(RGB(1, 2, 3));
    TestButton button(kColor);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = picture.Dc();
    item.rcItem = {0, 0, kWidth, kHeight};
    button.DrawItem(&item);
}

struct Point {
    const char* name;
    int x, y;
    COLORREF color;
};

template <size_t N> void ExpectPoints(const DibPicture& picture, const Point (&points)[N]) {
    for (const Point& p : points)
        EXPECT_EQ(picture.At(p.x, p.y), p.color) << p.name << " (" << p.x << ", " << p.y << ")";
}

COLORREF Sys(int index) {
    return GetSysColor(index);
}

TEST(XButton, SystemColoursOfTheEdgeDifferFromEachOther) {
    const int indexes[] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT, COLOR_3DDKSHADOW,
                           COLOR_BTNSHADOW};
    for (int a : indexes)
        for (int b : indexes)
            EXPECT_TRUE(a == b || Sys(a) != Sys(b)) << a << " " << b;
}

TEST(XButton, NormalHasARaisedEdgeAndAnOutlinedSwatch) {
    DibPicture picture(kWidth, kHeight);
    Draw(picture, 0);
    const Point points[] = {
        {"left edge", 0, 10, Sys(COLOR_BTNHIGHLIGHT)},
        {"top edge", 10, 0, Sys(COLOR_BTNHIGHLIGHT)},
        {"top edge's end", 38, 0, Sys(COLOR_BTNHIGHLIGHT)},
        {"inner left", 1, 10, Sys(COLOR_3DLIGHT)},
        {"inner top", 10, 1, Sys(COLOR_3DLIGHT)},
        {"bottom edge", 10, 23, Sys(COLOR_3DDKSHADOW)},
        {"right edge", 39, 10, Sys(COLOR_3DDKSHADOW)},
        {"top right corner", 39, 0, Sys(COLOR_3DDKSHADOW)},
        {"bottom left corner", 0, 23, Sys(COLOR_3DDKSHADOW)},
        {"inner bottom", 10, 22, Sys(COLOR_BTNSHADOW)},
        {"inner right", 38, 10, Sys(COLOR_BTNSHADOW)},
        {"inner right's top", 38, 1, Sys(COLOR_BTNSHADOW)},
        {"inner bottom's start", 1, 22, Sys(COLOR_BTNSHADOW)},
        {"swatch outline left", 2, 10, kBlack},
        {"swatch outline right", 37, 10, kBlack},
        {"swatch outline top", 10, 2, kBlack},
        {"swatch outline bottom", 10, 21, kBlack},
        {"swatch top left", 3, 3, kColor},
        {"swatch bottom right", 36, 20, kColor},
    };
    ExpectPoints(picture, points);
}

TEST(XButton, PressedHasAShadowFrameInsteadOfTheEdge) {
    DibPicture picture(kWidth, kHeight);
    Draw(picture, ODS_SELECTED);
    const Point points[] = {
        {"left frame", 0, 10, Sys(COLOR_BTNSHADOW)},
        {"top frame", 10, 0, Sys(COLOR_BTNSHADOW)},
        {"right frame", 39, 10, Sys(COLOR_BTNSHADOW)},
        {"bottom frame", 10, 23, Sys(COLOR_BTNSHADOW)},
        {"face left", 1, 10, Sys(COLOR_BTNFACE)},
        {"face top", 10, 1, Sys(COLOR_BTNFACE)},
        {"face right", 38, 10, Sys(COLOR_BTNFACE)},
        {"face bottom", 10, 22, Sys(COLOR_BTNFACE)},
        {"swatch outline", 2, 10, kBlack},
        {"swatch", 3, 3, kColor},
        {"swatch bottom right", 36, 20, kColor},
    };
    ExpectPoints(picture, points);
}

TEST(XButton, FocusedHasABlackBorderAWhiteRingAndEverythingTwoPixelsIn) {
    DibPicture picture(kWidth, kHeight);
    Draw(picture, ODS_FOCUS);
    const Point points[] = {
        {"outer border left", 0, 10, kBlack},
        {"outer border top", 10, 0, kBlack},
        {"outer border right", 39, 10, kBlack},
        {"outer border bottom", 10, 23, kBlack},
        {"ring left", 1, 10, kWhite},
        {"ring top", 10, 1, kWhite},
        {"ring right", 38, 10, kWhite},
        {"ring bottom", 10, 22, kWhite},
        {"edge left", 2, 10, Sys(COLOR_BTNHIGHLIGHT)},
        {"edge inner left", 3, 10, Sys(COLOR_3DLIGHT)},
        {"edge right", 37, 10, Sys(COLOR_3DDKSHADOW)},
        {"edge inner right", 36, 10, Sys(COLOR_BTNSHADOW)},
        {"edge bottom", 10, 21, Sys(COLOR_3DDKSHADOW)},
        {"edge inner bottom", 10, 20, Sys(COLOR_BTNSHADOW)},
        {"swatch outline left", 4, 10, kBlack},
        {"swatch outline right", 35, 10, kBlack},
        {"swatch outline bottom", 10, 19, kBlack},
        {"swatch", 5, 5, kColor},
        {"swatch bottom right", 34, 18, kColor},
    };
    ExpectPoints(picture, points);
}

TEST(XButton, DisabledLooksLikeEnabled) {
    DibPicture enabled(kWidth, kHeight);
    DibPicture disabled(kWidth, kHeight);
    for (UINT state : {0u, UINT(ODS_SELECTED), UINT(ODS_FOCUS)}) {
        Draw(enabled, state);
        Draw(disabled, state | ODS_DISABLED);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(disabled.At(x, y), enabled.At(x, y)) << x << ", " << y;
    }
}

// A parent that reflects WM_DRAWITEM to the button, as a dialog does.
class ButtonWindow {
public:
    explicit ButtonWindow(DWORD buttonStyle) {
        m_parent.SubclassWindow(CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, 0, 0, 100,
                                                60, nullptr, nullptr, nullptr, nullptr));
        m_button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | buttonStyle, 10, 10,
                                   kWidth, kHeight, m_parent, (HMENU)19497, nullptr, nullptr);
        m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    }
    ~ButtonWindow() { m_parent.DestroyWindow(); }
    HWND Button() const { return m_button; }
    void Capture(DibPicture& picture) {
        picture.Fill(RGB(1, 2, 3));
        SendMessageA(m_button, WM_PRINT, (WPARAM)picture.Dc(), PRF_CLIENT | PRF_ERASEBKGND);
    }

private:
    CWnd m_parent;
    HWND m_button;
};

TEST(XButton, TemplateButtonBecomesOwnerDrawnAndShowsItsNewColour) {
    ButtonWindow window(BS_PUSHBUTTON);
    XButton button(kColor);
    ASSERT_TRUE(button.SubclassWindow(window.Button()));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, DWORD(BS_OWNERDRAW));

    DibPicture picture(kWidth, kHeight);
    window.Capture(picture);
    EXPECT_EQ(picture.At(0, 10), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(2, 10), kBlack);
    EXPECT_EQ(picture.At(20, 12), kColor);

    button.m_crColor = RGB(200, 30, 40);
    button.Invalidate();
    window.Capture(picture);
    EXPECT_EQ(picture.At(20, 12), RGB(200, 30, 40));
    button.UnsubclassWindow();
}

} // namespace
