// The host's help-context entry: which help topic of which module a screen
// belongs to. The host's help manager reads the library's table of them.
#pragma once

#include "afx/afx.h"
#include "velmora_api.h"

class VELMORA_API TOstinHelpContext {
public:
    TOstinHelpContext(int kind, const char* moduleFileName, int index, const char* title);
    TOstinHelpContext(const TOstinHelpContext& other);
    virtual ~TOstinHelpContext();
    TOstinHelpContext& operator=(const TOstinHelpContext& other);

    int GetKind() const { return m_nKind; }
    LPCTSTR GetModule() const { return m_strModule; }
    int GetIndex() const { return m_nIndex; }
    LPCTSTR GetTitle() const { return m_strTitle; }

private:
    int m_nKind;
    CString m_strModule;
    int m_nIndex;
    CString m_strTitle;
};
