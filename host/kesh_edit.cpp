#include "host/kesh_edit.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
bool IsBlankRest(const char* rest) {
    while (*rest == ' ' || *rest == '\t')
        ++rest;
    return *rest == '\0';
}

bool ParseInt(const char* text, int& value) {
    char* rest = nullptr;
    errno = 0;
    long long parsed = std::strtoll(text, &rest, 10);
    if (rest == text || errno == ERANGE || !IsBlankRest(rest) || parsed < INT32_MIN ||
        parsed > INT32_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseDbl(const char* text, double& value) {
    char* rest = nullptr;
    double parsed = std::strtod(text, &rest);
    if (rest == text || !std::isfinite(parsed) || !IsBlankRest(rest))
        return false;
    value = parsed;
    return true;
}

template <class T> T Clamp(T value, T min, T max) {
    return value < min ? min : (value > max ? max : value);
}

// The value as the field shows it, to its number of decimals.
double Rounded(double value, short decimals) {
    char text[512];
    std::snprintf(text, sizeof(text), "%.*f", decimals, value);
    return std::strtod(text, nullptr);
}
} // namespace

BEGIN_MESSAGE_MAP(CKeshEdit, CWnd)
ON_CONTROL_REFLECT(EN_CHANGE, &CKeshEdit::OnChange)
ON_CONTROL_REFLECT(EN_KILLFOCUS, &CKeshEdit::OnKillFocus)
END_MESSAGE_MAP()

void CKeshEdit::OnChange() {
    CString text;
    GetWindowText(text);
    TakeTyping(text);
}

void CKeshEdit::OnKillFocus() {
    CString text;
    GetWindowText(text);
    SetValText(text);
    DisplayValText();
}

// ------------------------------------------------------------ CKeshIntEdit
CKeshIntEdit::CKeshIntEdit(int* value, int min, int max)
    : m_pValue(value), m_nMin(min), m_nMax(max < min ? min : max) {
    *m_pValue = Clamp(*m_pValue, m_nMin, m_nMax);
}

void CKeshIntEdit::SetVal(int value) {
    *m_pValue = Clamp(value, m_nMin, m_nMax);
    DisplayValText();
}

void CKeshIntEdit::SetValText(const char* text) {
    int value = 0;
    if (ParseInt(text, value))
        *m_pValue = Clamp(value, m_nMin, m_nMax);
}

void CKeshIntEdit::DisplayValText() {
    CString text;
    text.Format("%d", *m_pValue);
    SetWindowText(text);
}

void CKeshIntEdit::TakeTyping(const char* text) {
    int value = 0;
    if (ParseInt(text, value) && value >= m_nMin && value <= m_nMax)
        *m_pValue = value;
}

// ------------------------------------------------------------ CKeshDblEdit
CKeshDblEdit::CKeshDblEdit(double* value, double min, double max, short decimals)
    : m_pValue(value), m_dMin(min), m_dMax(max < min ? min : max),
      m_nDecimals(Clamp<short>(decimals, 0, 15)) {
    *m_pValue = Settled(*m_pValue);
}

double CKeshDblEdit::Settled(double value) const {
    return std::isfinite(value) ? Clamp(Rounded(value, m_nDecimals), m_dMin, m_dMax) : m_dMin;
}

void CKeshDblEdit::SetVal(double value) {
    *m_pValue = Settled(value);
    DisplayValText();
}

void CKeshDblEdit::SetValText(const char* text) {
    double value = 0.0;
    if (ParseDbl(text, value))
        *m_pValue = Settled(value);
}

void CKeshDblEdit::DisplayValText() {
    CString text;
    text.Format("%.*f", m_nDecimals, *m_pValue);
    SetWindowText(text);
}

void CKeshDblEdit::TakeTyping(const char* text) {
    double value = 0.0;
    if (ParseDbl(text, value) && Settled(value) == Rounded(value, m_nDecimals))
        *m_pValue = Settled(value);
}

// ------------------------------------------------------------ CKeshStrEdit
CKeshStrEdit::CKeshStrEdit(CString* value, UINT maxLength)
    : m_pValue(value), m_nMaxLength(maxLength) {}

void CKeshStrEdit::PreSubclassWindow() {
    SendMessage(EM_LIMITTEXT, m_nMaxLength);
}

void CKeshStrEdit::SetValText(const char* text) {
    // Cut at the limit, never between the two bytes of a double-byte character.
    UINT length = 0;
    while (text[length] && length < m_nMaxLength) {
        UINT step = ::IsDBCSLeadByte(static_cast<BYTE>(text[length])) && text[length + 1] ? 2 : 1;
        if (length + step > m_nMaxLength)
            break;
        length += step;
    }
    *m_pValue = CString(text, static_cast<int>(length));
}

void CKeshStrEdit::DisplayValText() {
    SetWindowText(*m_pValue);
}

void CKeshStrEdit::TakeTyping(const char* text) {
    SetValText(text);
}
