#include "model/palette_box.h"

#include <gtest/gtest.h>

#include <string>

namespace {
CVObjPlt* NewPlt(const char* name, int brushes = 0) {
    CVObjPlt* plt = new CVObjPlt;
    plt->SetPNm(name);
    plt->SetZkCode(5);
    CVObjBrs brs;
    for (int pos = 0; pos < brushes; ++pos)
        plt->AddBrs(static_cast<BYTE>(pos), &brs);
    return plt;
}

// The box's palettes in order, one letter each.
std::string Names(const CVPaletteBox& box) {
    std::string names;
    for (int pos = 0; pos < box.GetPltCount(); ++pos)
        names += box.GetPltName(pos);
    return names;
}

template <class Call> bool RaisesInvalidArg(Call call) {
    try {
        call();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}
} // namespace

TEST(PaletteBox, NewBoxHasNothingSelected) {
    CVPaletteBox box;
    CVObjBrs brs;
    EXPECT_EQ(0, box.GetPltCount());
    EXPECT_EQ(-1, box.GetSelPNo());
    EXPECT_EQ(0, +box.BoxWord);
    EXPECT_EQ(nullptr, box.GetSelPlt());
    EXPECT_EQ(0, box.GetCountSelBrs());
    EXPECT_EQ(nullptr, box.GetSelBrs(0));
    EXPECT_EQ(nullptr, box.GetSelBrsNm(0));
    EXPECT_EQ(0, box.GetSelBrsCol(0) + box.GetSelBrsHat(0));
    EXPECT_EQ(-2, box.CreateBrs(0, &brs));
    EXPECT_EQ(-2, box.DeleteBrs(0));
    EXPECT_EQ(0, box.ChgSelBrsNm(0, "x"));
}

// Up to 100 palettes, at any position up to the count; positions outside
// give neutral answers.
TEST(PaletteBox, PositionsAndLimits) {
    CVPaletteBox box;
    ASSERT_EQ(1, box.AddPlt(NewPlt("Q")));
    ASSERT_EQ(1, box.AddPlt(NewPlt("R")));
    EXPECT_EQ(1, box.AddPlt(0, NewPlt("N")));
    EXPECT_EQ(1, box.AddPlt(3, NewPlt("S")));
    CVObjPlt extra;
    EXPECT_EQ(0, box.AddPlt(5, &extra));
    EXPECT_EQ(0, box.AddPlt(-1, &extra));
    EXPECT_EQ("NQRS", Names(box));
    for (int pos : {-1, 4, 100}) {
        EXPECT_EQ(nullptr, box.GetPlt(pos)) << pos;
        EXPECT_EQ(nullptr, box.GetPltName(pos)) << pos;
        EXPECT_EQ(255, box.GetPltZkC(pos)) << pos;
        EXPECT_EQ(255, box.GetPltZkL(pos)) << pos;
        EXPECT_EQ(0, box.ChgPltNm(pos, "x")) << pos;
        EXPECT_EQ(0, box._RemovePlt(pos)) << pos;
    }
    EXPECT_EQ(102, box.GetPltZkC(3));
    EXPECT_EQ(5, box.GetPltZkL(3));
    EXPECT_EQ(1, box.ChgPltNm(3, "T"));
    box.SetSelPNo(3);
    EXPECT_EQ(1, box._RemovePlt(0));
    EXPECT_EQ("QRT", Names(box));
    EXPECT_EQ(3, box.GetSelPNo()) << "removal leaves the selection alone";
    while (box.GetPltCount() < 99)
        ASSERT_EQ(1, box.AddPlt(NewPlt("p")));
    EXPECT_EQ(1, box.AddPlt(99, NewPlt("L")));
    EXPECT_STREQ("L", box.GetPltName(99));
    EXPECT_EQ(0, box.AddPlt(&extra));
    EXPECT_EQ(0, box.AddPlt(0, &extra));
    EXPECT_EQ(100, box.GetPltCount());
}

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
    box.SetSelPNo(3);
    box._RemoveSelPlt();
    EXPECT_EQ(2, box.GetSelPNo());
    box.SetSelPNo(0);
    box._RemoveSelPlt();
    EXPECT_EQ(0, box.GetSelPNo());
    EXPECT_EQ("NR", Names(box));
    box._RemoveSelPlt();
    box._RemoveSelPlt();
    EXPECT_EQ(-1, box.GetSelPNo());
    EXPECT_EQ(0, box.GetPltCount());
    box._RemoveSelPlt();
    EXPECT_EQ(-1, box.GetSelPNo());
}

TEST(PaletteBox, FindPltMatchesBytesExactlyAndTakesTheFirst) {
    CVPaletteBox box;
    for (const char* name : {"地目", "Area", "Area"})
        box.AddPlt(NewPlt(name));
    EXPECT_EQ(box.GetPlt(1), box.FindPlt("Area"));
    EXPECT_EQ(nullptr, box.FindPlt("area"));
    EXPECT_EQ(nullptr, box.FindPlt("Area "));
    EXPECT_EQ(box.GetPlt(0), box.FindPlt("地目"));
}

TEST(PaletteBox, SelectedBrushOperationsReachTheSelectedPalette) {
    CVPaletteBox box;
    box.AddPlt(NewPlt("Q"));
    box.AddPlt(NewPlt("R", 3));
    box.SetSelPNo(1);
    CVObjBrs brs;
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
    CVObjPlt* plt = box.GetSelPlt();
    plt->SetCol(1, 4);
    plt->SetHat(1, 8);
    plt->SetLayerNo(1, 12);
    EXPECT_EQ(1, box.ChgSelBrsCol(1, 9));
    EXPECT_EQ(9, box.GetSelBrsCol(1));
    EXPECT_EQ(8u, box.GetSelBrsHat(1));
    EXPECT_EQ(1, box.ChgSelBrsHat(1, 99));
    EXPECT_EQ(99u, box.GetSelBrsHat(1));
    EXPECT_EQ(1, box.ChgSelBrsNm(1, "renamed"));
    EXPECT_STREQ("renamed", box.GetSelBrsNm(1));
    EXPECT_EQ(9, box.GetSelBrsCol(1));
    EXPECT_EQ(12u, plt->GetLayerNo(1));
    EXPECT_EQ(0, box.ChgSelBrsNm(5, "beyond"));
}

TEST(PaletteBox, SelectionBeyondTheCountRaisesForBrushOperationsOnly) {
    CVPaletteBox box;
    for (const char* name : {"Q", "R", "S"})
        box.AddPlt(NewPlt(name, 1));
    box.SetSelPNo(3);
    EXPECT_EQ(nullptr, box.GetSelPlt());
    EXPECT_EQ(255, box.GetSelPltZkC());
    EXPECT_EQ(255, box.GetSelPltZkL());
    box.ChgSelPltNm("ignored");
    CVObjBrs brs;
    EXPECT_TRUE(RaisesInvalidArg([&] { box.GetCountSelBrs(); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.GetSelBrs(0); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.GetSelBrsNm(0); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.GetSelBrsCol(0); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.CreateBrs(0, &brs); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.DeleteBrs(0); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.ChgSelBrsHat(0, 1); }));
    EXPECT_EQ("QRS", Names(box));
}
