// The code book behind the host's code tables: for each table number, the
// codes it lists and their names. The 小字 table (113) keeps its codes per
// 大字; every other table keeps one list. A host, a test or a tool fills it.
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

// Table numbers of the code tables.
enum : WORD {
    CODE_TBL_TOCHI_SHUBETSU = 101, // 土地種別
    CODE_TBL_OAZA = 105,           // 大字
    CODE_TBL_CHIMOKU = 106,        // 地目
    CODE_TBL_KOAZA = 113,          // 小字, per 大字
    CODE_TBL_PERSON = 114,         // persons: owners and taxpayers
};

class VELMORA_API CCodeBook {
public:
    // Names one code of a table (any table but 113); a later name replaces it.
    static void SetName(WORD tblNo, WORD code, LPCTSTR name);
    // Names one 小字 of one 大字.
    static void SetKoazaName(WORD oaza, WORD koaza, LPCTSTR name);
    static void Clear();

    // The codes of a table in ascending order, for 113 those of one 大字
    // (group); group is 0 for the other tables. Returns their number.
    static int GetCodes(WORD tblNo, WORD group, CDWordArray& codes);
    // The name of one code; false, with the name emptied, for an unknown code.
    static bool GetName(WORD tblNo, WORD group, WORD code, CString& name);
    // Every 大字 and 小字 pair of table 113 as combined codes, in ascending order.
    static int GetKoazaMixCodes(CDWordArray& codes);
};
