#include "model/palette_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {
CVObjPlt* NewPlt(const char* name, int brushes = 0) {
    CVObjPlt* plt = new CVObjPlt;
    plt->SetPNm(name);
    plt->SetZkCode(5);
    for (CVObjBrs brs; brushes > 0; --brushes)
        plt->AddBrs(0, &brs);
    return plt;
}

std::string Names(const CVPaletteBox& box) {
    std::string names;
    for (int pos = 0; pos < box.GetPltCount(); ++pos)
        names += box.GetPltName(pos);
    return names;
}
} // namespace

// Positions outside the count give neutral answers.
TEST(PaletteBox, PositionsAndLimits) {
    CVPaletteBox box;
    CVObjPlt extra;
    EXPECT_EQ(std::make_tuple(0, 0, -1),
              std::make_tuple(+box.BoxWord, box.GetPltCount(), box.GetSelPNo()));
    ASSERT_EQ(1, box.AddPlt(NewPlt("Q")));
    ASSERT_EQ(1, box.AddPlt(NewPlt("R")));
    EXPECT_EQ(1, box.AddPlt(0, NewPlt("N")));
    EXPECT_EQ(1, box.AddPlt(3, NewPlt("S")));
    EXPECT_EQ(0, box.AddPlt(5, &extra) + box.AddPlt(-1, &extra));
    EXPECT_EQ("NQRS", Names(box));
    for (int pos : {-1, 4, 100})
        EXPECT_EQ(std::make_tuple(true, true, 255, 255, 0, 0),
                  std::make_tuple(box.GetPlt(pos) == nullptr, box.GetPltName(pos) == nullptr,
                                  +box.GetPltZkC(pos), +box.GetPltZkL(pos), box.ChgPltNm(pos, "x"),
                                  box._RemovePlt(pos)))
            << pos;
    EXPECT_EQ(102 * 256 + 5, box.GetPltZkC(3) * 256 + box.GetPltZkL(3));
    EXPECT_EQ(1, box.ChgPltNm(3, "T"));
    box.SetSelPNo(3);
    EXPECT_EQ(1, box._RemovePlt(0));
    EXPECT_EQ("QRT", Names(box));
    EXPECT_EQ(3, box.GetSelPNo()) << "removal leaves the selection alone";
    while (box.GetPltCount() < 99)
        ASSERT_EQ(1, box.AddPlt(NewPlt("p")));
    EXPECT_EQ(1, box.AddPlt(99, NewPlt("L")));
    EXPECT_STREQ("L", box.GetPltName(99));
    EXPECT_EQ(0, box.AddPlt(&extra) + box.AddPlt(0, &extra));
}

// Removing the selected palette selects the one before, the first staying
// selected while any is left.
TEST(PaletteBox, SelectionRangeAddAndRemove) {
    CVPaletteBox box;
    for (int pos : {-2, -1, 99, 100})
        EXPECT_EQ(pos == -1 || pos == 99, box.SetSelPNo(pos) == 1) << pos;
    EXPECT_EQ(99, box.GetSelPNo());
    box.SetSelPNo(-1);
    box.AddSelPlt(NewPlt("Q"));
    EXPECT_EQ(0, box.GetSelPNo());
    box.AddPlt(NewPlt("R"));
    box.AddPlt(NewPlt("S"));
    box.SetSelPNo(1);
    box.AddSelPlt(NewPlt("N"));
    EXPECT_EQ("QNRS", Names(box));
    EXPECT_STREQ("N", box.GetSelPltName());
    for (const auto& [sel, after, names] :
         {std::make_tuple(3, 2, "QNR"), {0, 0, "NR"}, {0, 0, "R"}, {0, -1, ""}, {-1, -1, ""}}) {
        box.SetSelPNo(sel);
        box._RemoveSelPlt();
        EXPECT_EQ(std::make_tuple(after, std::string(names)),
                  std::make_tuple(box.GetSelPNo(), Names(box)));
    }
}

TEST(PaletteBox, FindPltMatchesBytesExactlyAndTakesTheFirst) {
    CVPaletteBox box;
    for (const char* name : {"地目", "Area", "Area"})
        box.AddPlt(NewPlt(name));
    const std::vector<CVObjPlt*> found = {box.FindPlt("Area"), box.FindPlt("地目"),
                                          box.FindPlt("area"), box.FindPlt("Area ")};
    EXPECT_EQ(found, (std::vector<CVObjPlt*>{box.GetPlt(1), box.GetPlt(0), nullptr, nullptr}));
}

// Neutral answers without a selection; a selection at the count raises.
TEST(PaletteBox, SelectedBrushOperations) {
    CVPaletteBox box;
    CVObjBrs brs;
    EXPECT_EQ(std::make_tuple(0, 0, 0u, true, true, -2, -2, 0),
              std::make_tuple(+box.GetCountSelBrs(), +box.GetSelBrsCol(0), +box.GetSelBrsHat(0),
                              box.GetSelBrs(0) == nullptr, box.GetSelBrsNm(0) == nullptr,
                              box.CreateBrs(0, &brs), box.DeleteBrs(0), box.ChgSelBrsNm(0, "x")));
    box.AddPlt(NewPlt("Q"));
    box.AddPlt(NewPlt("R", 3));
    box.SetSelPNo(1);
    brs.BNm = "new";
    EXPECT_EQ(3, box.GetCountSelBrs());
    EXPECT_EQ(-1, box.CreateBrs(5, &brs));
    EXPECT_EQ(3, box.CreateBrs(3, &brs));
    EXPECT_EQ(0, box.CreateBrs(256 + 0, &brs)) << "the low 8 bits are the position";
    EXPECT_EQ(0, box.DeleteBrs(7));
    EXPECT_EQ(1, box.DeleteBrs(0));
    EXPECT_STREQ("new", box.GetSelBrsNm(3));
    EXPECT_EQ(box.GetPlt(1)->GetObjBrs(3), box.GetSelBrs(3));
    EXPECT_EQ(0, box.GetPlt(0)->CountBrs());
    box.GetSelPlt()->SetHat(1, 8);
    box.GetSelPlt()->SetLayerNo(1, 12);
    EXPECT_EQ(1, box.ChgSelBrsCol(1, 9));
    EXPECT_EQ(9 * 1000 + 8, box.GetSelBrsCol(1) * 1000 + box.GetSelBrsHat(1));
    EXPECT_EQ(2, box.ChgSelBrsHat(1, 99) + box.ChgSelBrsNm(1, "renamed"));
    EXPECT_EQ(0, box.ChgSelBrsNm(5, "beyond"));
    EXPECT_EQ(9 * 1000 + 99, box.GetSelBrsCol(1) * 1000 + box.GetSelBrsHat(1));
    EXPECT_STREQ("renamed", box.GetSelBrsNm(1));
    EXPECT_EQ(12u, box.GetPlt(1)->GetLayerNo(1));
    box.SetSelPNo(2);
    box.ChgSelPltNm("ignored");
    EXPECT_EQ(std::make_tuple(true, 255, 255, std::string("QR")),
              std::make_tuple(box.GetSelPlt() == nullptr, +box.GetSelPltZkC(), +box.GetSelPltZkL(),
                              Names(box)));
    const std::function<void()> calls[] = {
        [&] { box.GetCountSelBrs(); },   [&] { box.GetSelBrs(0); },
        [&] { box.GetSelBrsNm(0); },     [&] { box.GetSelBrsCol(0); },
        [&] { box.CreateBrs(0, &brs); }, [&] { box.DeleteBrs(0); },
        [&] { box.ChgSelBrsHat(0, 1); }};
    for (const auto& call : calls)
        try {
            call();
            ADD_FAILURE() << "no exception";
        } catch (CInvalidArgException* e) {
            e->Delete();
        }
}
