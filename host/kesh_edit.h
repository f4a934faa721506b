// The host framework's bound edit fields. Each keeps its bound variable equal
// to the field's accepted value: a typed text is taken while it is valid and
// inside the field's range, and settled (clamped, or put back) when the field
// loses the focus.
#pragma once

#include "afx/afxwin.h"
#include "velmora_api.h"

class VELMORA_API CKeshEdit : public CWnd {
public:
    // Takes a typed text as the new value, as far as it can be taken.
    virtual void SetValText(const char* text) = 0;
    // Shows the value as text again.
    virtual void DisplayValText() = 0;

protected:
    // Takes a text typed so far only when it is already a valid value.
    virtual void TakeTyping(const char* text) = 0;

    void OnChange();
    void OnKillFocus();

    DECLARE_MESSAGE_MAP()
};

class VELMORA_API CKeshIntEdit : public CKeshEdit {
public:
    CKeshIntEdit(int* value, int min, int max);
    int GetVal() const { return *m_pValue; }
    void SetVal(int value);
    void SetValText(const char* text) override;
    void DisplayValText() override;

protected:
    void TakeTyping(const char* text) override;

private:
    int* m_pValue;
    int m_nMin;
    int m_nMax;
};

class VELMORA_API CKeshDblEdit : public CKeshEdit {
public:
    CKeshDblEdit(double* value, double min, double max, short decimals);
    double GetVal() const { return *m_pValue; }
    void SetVal(double value);
    void SetValText(const char* text) override;
    void DisplayValText() override;

protected:
    void TakeTyping(const char* text) override;

private:
    // Rounded to the shown decimals and kept inside the range.
    double Settled(double value) const;

    double* m_pValue;
    double m_dMin;
    double m_dMax;
    short m_nDecimals;
};

class VELMORA_API CKeshStrEdit : public CKeshEdit {
public:
    CKeshStrEdit(CString* value, UINT maxLength);
    void SetValText(const char* text) override;
    void DisplayValText() override;

protected:
    void PreSubclassWindow() override;
    void TakeTyping(const char* text) override;

private:
    CString* m_pValue;
    UINT m_nMaxLength;
};
