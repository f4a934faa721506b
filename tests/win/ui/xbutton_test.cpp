// The colour button's picture in each state, and a real button window drawing itself.
#include "control_window.h"
#include "dib_picture.h"
#include "ui/xbutton.h"

#include <gtest/gtest.h>

namespace {

const int kWidth = 40, kHeight = 24;
const COLORREF kColor = RGB(30, 144, 255), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

class TestButton : public XButton {
public:
    using XButton::DrawItem;
    using XButton::XButton;
};

void Draw(DibPicture& picture, UINT state) {
    picture.Fill(RGB(1, 2, 3));
    DRAWITEMSTRUCT item = {
        ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, nullptr, picture.Dc(), {0, 0, kWidth, kHeight}, 0};
    TestButton(kColor).DrawItem(&item);
}

// Pressed: a shadow frame instead of the raised edge. Focused: a black border, a
// white ring, and the rest two pixels in. Disabled looks the same in each state.
TEST(XButton, EachStateDrawsItsEdgeAndSwatch) {
    const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), light = GetSysColor(COLOR_3DLIGHT),
                   dark = GetSysColor(COLOR_3DDKSHADOW), shadow = GetSysColor(COLOR_BTNSHADOW),
                   face = GetSysColor(COLOR_BTNFACE);
    const UINT sel = ODS_SELECTED, focus = ODS_FOCUS;
    const struct {
        UINT state;
        int x, y;
        COLORREF color;
    } points[] = {
        // clang-format off
        {0, 0, 10, hi}, {0, 38, 0, hi}, {0, 1, 10, light}, {0, 10, 1, light}, {0, 39, 10, dark},
        {0, 39, 0, dark}, {0, 0, 23, dark}, {0, 38, 1, shadow}, {0, 1, 22, shadow},
        {0, 2, 10, kBlack}, {0, 10, 21, kBlack}, {0, 3, 3, kColor}, {0, 36, 20, kColor},
        {sel, 0, 10, shadow}, {sel, 39, 10, shadow}, {sel, 1, 10, face}, {sel, 10, 22, face},
        {sel, 2, 10, kBlack}, {sel, 3, 3, kColor}, {sel, 36, 20, kColor},
        {focus, 0, 10, kBlack}, {focus, 39, 10, kBlack}, {focus, 1, 10, kWhite},
        {focus, 10, 22, kWhite}, {focus, 2, 10, hi}, {focus, 3, 10, light}, {focus, 37, 10, dark},
        {focus, 36, 10, shadow}, {focus, 4, 10, kBlack}, {focus, 10, 19, kBlack},
        {focus, 5, 5, kColor}, {focus, 34, 18, kColor},
        // clang-format on
    };
    DibPicture picture(kWidth, kHeight);
    for (UINT disabled : {0u, UINT(ODS_DISABLED)})
        for (const auto& p : points) {
            Draw(picture, p.state | disabled);
            EXPECT_EQ(picture.At(p.x, p.y), p.color)
                << "state " << (p.state | disabled) << " (" << p.x << ", " << p.y << ")";
        }
}

// A host's template may hold a plain push button.
TEST(XButton, TemplateButtonBecomesOwnerDrawn) {
    ControlWindow window("BUTTON", BS_PUSHBUTTON, kWidth, kHeight);
    XButton button(kColor);
    ASSERT_TRUE(button.SubclassWindow(window.control));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, DWORD(BS_OWNERDRAW));
    DibPicture picture(kWidth, kHeight);
    picture.Print(window.control);
    EXPECT_EQ(picture.At(20, 12), kColor);
    button.UnsubclassWindow();
}

} // namespace
