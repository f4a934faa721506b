#include "model/palette_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

std::vector<std::string> Names(const CVPaletteBox& box) {
    std::vector<std::string> names;
    for (int pos = 0; pos < box.GetPltCount(); ++pos)
        names.push_back(box.GetPltName(pos));
    return names;
}

using Strings = std::vector<std::string>;

// True when the call raised the framework's invalid-argument exception.
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
    EXPECT_EQ(box.GetPltCount(), 0);
    EXPECT_EQ(box.GetSelPNo(), -1);
    EXPECT_EQ(+box.BoxWord, 0);
    EXPECT_EQ(box.GetSelPlt(), nullptr);
    EXPECT_EQ(box.GetCountSelBrs(), 0);
    EXPECT_EQ(box.GetSelBrs(0), nullptr);
    EXPECT_EQ(box.GetSelBrsNm(0), nullptr);
    EXPECT_EQ(box.CreateBrs(0, &brs), -2);
    EXPECT_EQ(box.DeleteBrs(0), -2);
    EXPECT_EQ(box.ChgSelBrsNm(0, "x"), 0);
}

TEST(PaletteBox, PositionalAddAndRemove) {
    CVPaletteBox box;
    ASSERT_EQ(box.AddPlt(NewPlt("Q")), 1);
    ASSERT_EQ(box.AddPlt(NewPlt("R")), 1);
    EXPECT_EQ(box.AddPlt(0, NewPlt("N")), 1);
    EXPECT_EQ(Names(box), (Strings{"N", "Q", "R"}));
    CVObjPlt* refused = NewPlt("X");
    EXPECT_EQ(box.AddPlt(4, refused), 0);
    EXPECT_EQ(box.AddPlt(-1, refused), 0);
    delete refused;
    box.SetSelPNo(2);
    EXPECT_EQ(box._RemovePlt(0), 1);
    EXPECT_EQ(box._RemovePlt(2), 0);
    EXPECT_EQ(Names(box), (Strings{"Q", "R"}));
    EXPECT_EQ(box.GetSelPNo(), 2) << "removal leaves the selection alone";
}

TEST(PaletteBox, HoldsAtMostAHundredPalettes) {
    CVPaletteBox box;
    for (int i = 0; i < 99; ++i)
        ASSERT_EQ(box.AddPlt(NewPlt("p")), 1);
    EXPECT_EQ(box.AddPlt(99, NewPlt("last")), 1);
    EXPECT_STREQ(box.GetPltName(99), "last");
    CVObjPlt* extra = NewPlt("extra");
    EXPECT_EQ(box.AddPlt(extra), 0);
    EXPECT_EQ(box.AddPlt(0, extra), 0);
    EXPECT_EQ(box.GetPltCount(), 100);
    EXPECT_EQ(box.GetPlt(100), nullptr);
    delete extra;
}

TEST(PaletteBox, BadPositionsGiveNeutralAnswers) {
    CVPaletteBox box;
    box.AddPlt(NewPlt("Q"));
    for (int pos : {-1, 1, 100}) {
        EXPECT_EQ(box.GetPlt(pos), nullptr);
        EXPECT_EQ(box.GetPltName(pos), nullptr);
        EXPECT_EQ(box.GetPltZkC(pos), 255);
        EXPECT_EQ(box.GetPltZkL(pos), 255);
        EXPECT_EQ(box.ChgPltNm(pos, "x"), 0);
    }
    EXPECT_EQ(box.GetPltZkC(0), 102);
    EXPECT_EQ(box.GetPltZkL(0), 5);
    EXPECT_EQ(box.ChgPltNm(0, "renamed"), 1);
    EXPECT_STREQ(box.GetPltName(0), "renamed");
}

TEST(PaletteBox, SelectionRange) {
    CVPaletteBox box;
    EXPECT_EQ(box.SetSelPNo(99), 1);
    EXPECT_EQ(box.SetSelPNo(-1), 1);
    EXPECT_EQ(box.SetSelPNo(100), 0);
    EXPECT_EQ(box.SetSelPNo(-2), 0);
    EXPECT_EQ(box.GetSelPNo(), -1);
}

TEST(PaletteBox, AddSelPltTakesTheSelectedPosition) {
    CVPaletteBox box;
    box.AddSelPlt(NewPlt("Q"));
    EXPECT_EQ(box.GetSelPNo(), 0);
    box.AddPlt(NewPlt("R"));
    box.SetSelPNo(1);
    box.AddSelPlt(NewPlt("N"));
    EXPECT_EQ(Names(box), (Strings{"Q", "N", "R"}));
    EXPECT_STREQ(box.GetSelPltName(), "N");
}

TEST(PaletteBox, RemovingTheSelectedPaletteSelectsItsNeighbour) {
    CVPaletteBox box;
    for (const char* name : {"Q", "R", "S"})
        box.AddPlt(NewPlt(name));
    box.SetSelPNo(2);
    box._RemoveSelPlt();
    EXPECT_EQ(box.GetSelPNo(), 1);
    EXPECT_EQ(Names(box), (Strings{"Q", "R"}));
    box.SetSelPNo(0);
    box._RemoveSelPlt();
    EXPECT_EQ(box.GetSelPNo(), 0);
    EXPECT_EQ(Names(box), (Strings{"R"}));
    box._RemoveSelPlt();
    EXPECT_EQ(box.GetSelPNo(), -1);
    EXPECT_EQ(box.GetPltCount(), 0);
    box._RemoveSelPlt();
    EXPECT_EQ(box.GetSelPNo(), -1);
}

TEST(PaletteBox, FindPltMatchesBytesExactlyAndTakesTheFirst) {
    CVPaletteBox box;
    box.AddPlt(NewPlt("地目"));
    box.AddPlt(NewPlt("Area"));
    box.AddPlt(NewPlt("Area"));
    EXPECT_EQ(box.FindPlt("Area"), box.GetPlt(1));
    EXPECT_EQ(box.FindPlt("area"), nullptr);
    EXPECT_EQ(box.FindPlt("Area "), nullptr);
    EXPECT_EQ(box.FindPlt("地目"), box.GetPlt(0));
}

TEST(PaletteBox, SelectedBrushOperationsReachTheSelectedPalette) {
    CVPaletteBox box;
    box.AddPlt(NewPlt("Q"));
    box.AddPlt(NewPlt("R", 3));
    box.SetSelPNo(1);
    CVObjBrs brs;
    brs.BNm = "new";
    EXPECT_EQ(box.GetCountSelBrs(), 3);
    EXPECT_EQ(box.CreateBrs(5, &brs), -1);
    EXPECT_EQ(box.CreateBrs(3, &brs), 3);
    EXPECT_EQ(box.CreateBrs(256 + 0, &brs), 0) << "the low 8 bits are the position";
    EXPECT_EQ(box.DeleteBrs(7), 0);
    EXPECT_EQ(box.DeleteBrs(0), 1);
    EXPECT_STREQ(box.GetSelBrsNm(3), "new");
    EXPECT_EQ(box.GetPlt(0)->CountBrs(), 0);
}

TEST(PaletteBox, ChgSelBrsChangesOnlyTheOneField) {
    CVPaletteBox box;
    box.AddPlt(NewPlt("Q", 2));
    box.SetSelPNo(0);
    CVObjPlt* plt = box.GetSelPlt();
    plt->SetBNm(1, "name");
    plt->SetCol(1, 4);
    plt->SetHat(1, 8);
    plt->SetLayerNo(1, 12);
    EXPECT_EQ(box.ChgSelBrsCol(1, 9), 1);
    EXPECT_EQ(box.ChgSelBrsHat(1, 99), 1);
    EXPECT_EQ(box.GetSelBrsCol(1), 9);
    EXPECT_EQ(box.GetSelBrsHat(1), 99u);
    EXPECT_STREQ(box.GetSelBrsNm(1), "name");
    EXPECT_EQ(plt->GetLayerNo(1), 12u);
    EXPECT_EQ(box.ChgSelBrsNm(1, "renamed"), 1);
    EXPECT_EQ(box.GetSelBrsCol(1), 9);
    EXPECT_EQ(box.ChgSelBrsNm(2, "beyond"), 0);
}

TEST(PaletteBox, SelectionBeyondTheCountRaisesForBrushOperationsOnly) {
    CVPaletteBox box;
    for (const char* name : {"Q", "R", "S"})
        box.AddPlt(NewPlt(name, 1));
    box.SetSelPNo(5);
    EXPECT_EQ(box.GetSelPlt(), nullptr);
    EXPECT_EQ(box.GetSelPltName(), nullptr);
    EXPECT_EQ(box.GetSelPltZkC(), 255);
    box.ChgSelPltNm("ignored");
    CVObjBrs brs;
    EXPECT_TRUE(RaisesInvalidArg([&] { box.GetCountSelBrs(); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.GetSelBrs(0); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.CreateBrs(0, &brs); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.DeleteBrs(0); }));
    EXPECT_TRUE(RaisesInvalidArg([&] { box.ChgSelBrsHat(0, 1); }));
    EXPECT_EQ(Names(box), (Strings{"Q", "R", "S"}));
}
