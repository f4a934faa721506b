#include "app/code_book_keep.h"

#include "host/code_book.h"
#include "host/code_tables.h"

CodeBookKeep::CodeBookKeep() {
    for (WORD tblNo : {CODE_TBL_TOCHI_SHUBETSU, CODE_TBL_OAZA, CODE_TBL_CHIMOKU, CODE_TBL_PERSON}) {
        CDWordArray codes;
        int count = CCodeBook::GetCodes(tblNo, 0, codes);
        for (int i = 0; i < count; ++i) {
            CString name;
            WORD code = (WORD)codes[i];
            CCodeBook::GetName(tblNo, 0, code, name);
            m_names.push_back({tblNo, 0, code, name.GetString()});
        }
    }
    CDWordArray mixed;
    int count = CCodeBook::GetKoazaMixCodes(mixed);
    CRok00113 koazaTable;
    for (int i = 0; i < count; ++i) {
        WORD oaza = 0;
        WORD koaza = 0;
        koazaTable.CodeDiv(mixed[i], oaza, koaza);
        CString name;
        CCodeBook::GetName(CODE_TBL_KOAZA, oaza, koaza, name);
        m_names.push_back({CODE_TBL_KOAZA, oaza, koaza, name.GetString()});
    }
}

void CodeBookKeep::Restore() const {
    CCodeBook::Clear();
    for (const Name& name : m_names) {
        if (name.tblNo == CODE_TBL_KOAZA)
            CCodeBook::SetKoazaName(name.group, name.code, name.name.c_str());
        else
            CCodeBook::SetName(name.tblNo, name.code, name.name.c_str());
    }
}
