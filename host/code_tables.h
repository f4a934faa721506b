// The host's code tables, each listing the codes of one kind with their
// display texts, read from the code book. A table is built on the stack for
// one step and destroyed after it.
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

// The combined code of a 大字 and one of its 小字: 大字 in the high word.
VELMORA_API DWORD R113CODEMIX(WORD oaza, WORD koaza);

class VELMORA_API Ulmabase {
public:
    explicit Ulmabase(WORD tblNo);
    virtual ~Ulmabase();

    // The table's codes (16-bit values) in listing order; returns their number.
    int GetCodeArray(CDWordArray& codes) const;
    // The display text of one code; 0 and an empty text for an unknown code.
    virtual int GetCodeName(WORD code, CString& text);
    // The display text of one code, empty for an unknown code.
    virtual CString GetDispString(WORD code);

    WORD TblNo;
    DWORD MixFlg; // non-zero: a 113 table lists combined 大字+小字 codes

protected:
    // Which of the table's lists the code book holds the codes in.
    virtual WORD CodeGroup() const;
};

class VELMORA_API CMav00101 : public Ulmabase {
public:
    CMav00101();
};

class VELMORA_API CRok00105 : public Ulmabase {
public:
    CRok00105();
};

class VELMORA_API CRok00106 : public Ulmabase {
public:
    CRok00106();
};

class VELMORA_API CRok00114 : public Ulmabase {
public:
    CRok00114();
};

// The 小字 table. Its codes and texts are those of the current 大字; the
// combined codes span all 大字. Built with the mixed-code switch set.
class VELMORA_API CRok00113 : public Ulmabase {
public:
    CRok00113();

    int GetMixCodeArray(CDWordArray& codes) const;
    int CodeDiv(DWORD mixed, WORD& oaza, WORD& koaza) const;

    WORD OazaCode; // the current 大字

protected:
    WORD CodeGroup() const override;
};
