#include "host/code_book.h"
#include "host/code_tables.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<DWORD> Codes(const CDWordArray& codes) {
    return std::vector<DWORD>(codes.GetData(), codes.GetData() + codes.GetSize());
}

class CodeTables : public ::testing::Test {
protected:
    void SetUp() override {
        CCodeBook::Clear();
        CCodeBook::SetName(CODE_TBL_CHIMOKU, 20, "畑");
        CCodeBook::SetName(CODE_TBL_CHIMOKU, 10, "田");
        CCodeBook::SetName(CODE_TBL_OAZA, 1, "本町");
        CCodeBook::SetName(CODE_TBL_OAZA, 2, "新町");
        CCodeBook::SetKoazaName(2, 5, "西");
        CCodeBook::SetKoazaName(1, 5, "東");
        CCodeBook::SetKoazaName(1, 3, "北");
    }
    void TearDown() override { CCodeBook::Clear(); }
};
} // namespace

TEST_F(CodeTables, ListCodesInOrderWithTheirNames) {
    CRok00106 chimoku;
    EXPECT_EQ(chimoku.TblNo, CODE_TBL_CHIMOKU);
    CDWordArray codes;
    EXPECT_EQ(chimoku.GetCodeArray(codes), 2);
    EXPECT_EQ(Codes(codes), (std::vector<DWORD>{10, 20}));
    CString name;
    EXPECT_EQ(chimoku.GetCodeName(20, name), 1);
    EXPECT_EQ(name, "畑");
    EXPECT_EQ(chimoku.GetCodeName(30, name), 0);
    EXPECT_EQ(name, "");
    EXPECT_EQ(CMav00101().GetCodeArray(codes), 0);
    EXPECT_EQ(CRok00114().GetCodeArray(codes), 0);
    EXPECT_EQ(CRok00105().GetDispString(2), "新町");
}

TEST_F(CodeTables, KoazaTextsDependOnTheCurrentOaza) {
    CRok00113 koaza;
    EXPECT_EQ(koaza.TblNo, CODE_TBL_KOAZA);
    EXPECT_NE(koaza.MixFlg, 0u);
    CDWordArray codes;
    EXPECT_EQ(koaza.GetMixCodeArray(codes), 3);
    EXPECT_EQ(Codes(codes),
              (std::vector<DWORD>{R113CODEMIX(1, 3), R113CODEMIX(1, 5), R113CODEMIX(2, 5)}));
    WORD oaza = 0, code = 0;
    koaza.CodeDiv(codes[2], oaza, code);
    EXPECT_EQ(oaza, 2);
    EXPECT_EQ(code, 5);
    koaza.OazaCode = oaza;
    EXPECT_EQ(koaza.GetDispString(code), "西");
    EXPECT_EQ(koaza.GetCodeArray(codes), 1);
    koaza.OazaCode = 1;
    EXPECT_EQ(koaza.GetDispString(5), "東");
    EXPECT_EQ(koaza.GetCodeArray(codes), 2);
    EXPECT_EQ(Codes(codes), (std::vector<DWORD>{3, 5}));
}

TEST(R113CodeMix, CombinesAndSplitsBack) {
    EXPECT_NE(R113CODEMIX(1, 2), R113CODEMIX(2, 1));
    CRok00113 koaza;
    for (WORD oaza : {0, 1, 0x8000, 0xFFFF})
        for (WORD code : {0, 7, 0xFFFF}) {
            WORD o = 1, k = 1;
            koaza.CodeDiv(R113CODEMIX(oaza, code), o, k);
            EXPECT_EQ(o, oaza);
            EXPECT_EQ(k, code);
        }
}
