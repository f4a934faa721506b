#include "host/code_tables.h"
#include "host/code_book.h"

DWORD R113CODEMIX(WORD oaza, WORD koaza) {
    return (DWORD{oaza} << 16) | koaza;
}

Ulmabase::Ulmabase(WORD tblNo) : TblNo(tblNo), MixFlg(0) {}

Ulmabase::~Ulmabase() = default;

int Ulmabase::GetCodeArray(CDWordArray& codes) const {
    return CCodeBook::GetCodes(TblNo, CodeGroup(), codes);
}

int Ulmabase::GetCodeName(WORD code, CString& text) {
    return CCodeBook::GetName(TblNo, CodeGroup(), code, text) ? 1 : 0;
}

CString Ulmabase::GetDispString(WORD code) {
    CString text;
    GetCodeName(code, text);
    return text;
}

WORD Ulmabase::CodeGroup() const {
    return 0;
}

CMav00101::CMav00101() : Ulmabase(CODE_TBL_TOCHI_SHUBETSU) {}
CRok00105::CRok00105() : Ulmabase(CODE_TBL_OAZA) {}
CRok00106::CRok00106() : Ulmabase(CODE_TBL_CHIMOKU) {}
CRok00114::CRok00114() : Ulmabase(CODE_TBL_PERSON) {}

CRok00113::CRok00113() : Ulmabase(CODE_TBL_KOAZA), OazaCode(0) {
    MixFlg = 1;
}

int CRok00113::GetMixCodeArray(CDWordArray& codes) const {
    return CCodeBook::GetKoazaMixCodes(codes);
}

int CRok00113::CodeDiv(DWORD mixed, WORD& oaza, WORD& koaza) const {
    oaza = static_cast<WORD>(mixed >> 16);
    koaza = static_cast<WORD>(mixed);
    return 1;
}

WORD CRok00113::CodeGroup() const {
    return OazaCode;
}
