#include "afx/afxstr.h"
#include "afx/afxexcept.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

CString::CString() : m_pchData(nullptr), m_nLength(0) {}

CString::CString(const CString& other) : CString() {
    Assign(other.GetString(), other.m_nLength);
}

CString::CString(LPCTSTR text) : CString() {
    *this = text;
}

CString::CString(LPCTSTR text, int length) : CString() {
    Assign(text, length);
}

CString::~CString() {
    std::free(m_pchData);
}

const CString& CString::operator=(const CString& other) {
    if (this != &other)
        Assign(other.GetString(), other.m_nLength);
    return *this;
}

const CString& CString::operator=(LPCTSTR text) {
    Assign(text, text ? static_cast<int>(std::strlen(text)) : 0);
    return *this;
}

const CString& CString::operator+=(const CString& other) {
    CString joined;
    char* buffer = joined.GetBuffer(m_nLength + other.m_nLength);
    std::memcpy(buffer, GetString(), m_nLength);
    std::memcpy(buffer + m_nLength, other.GetString(), other.m_nLength);
    joined.ReleaseBuffer(m_nLength + other.m_nLength);
    return *this = joined;
}

const CString& CString::operator+=(LPCTSTR text) {
    return *this += CString(text);
}

const CString& CString::operator+=(char ch) {
    return *this += CString(&ch, 1);
}

void CString::Empty() {
    Assign("", 0);
}

int CString::Compare(LPCTSTR text) const {
    return std::strcmp(GetString(), text ? text : "");
}

void CString::Format(LPCTSTR format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0)
        length = 0;
    char* buffer = GetBuffer(length);
    std::vsnprintf(buffer, static_cast<size_t>(length) + 1, format, args);
    va_end(args);
    ReleaseBuffer(length);
}

LPTSTR CString::GetBuffer(int minLength) {
    if (minLength < m_nLength)
        minLength = m_nLength;
    char* grown = static_cast<char*>(std::realloc(m_pchData, static_cast<size_t>(minLength) + 1));
    if (!grown)
        AfxThrowMemoryException();
    if (!m_pchData)
        grown[0] = '\0';
    grown[minLength] = '\0';
    m_pchData = grown;
    return m_pchData;
}

void CString::ReleaseBuffer(int newLength) {
    if (!m_pchData)
        return;
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_pchData));
    m_pchData[newLength] = '\0';
    m_nLength = newLength;
}

void CString::Assign(LPCTSTR text, int length) {
    if (length <= 0) {
        std::free(m_pchData);
        m_pchData = nullptr;
        m_nLength = 0;
        return;
    }
    char* copy = static_cast<char*>(std::malloc(static_cast<size_t>(length) + 1));
    if (!copy)
        AfxThrowMemoryException();
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    std::free(m_pchData);
    m_pchData = copy;
    m_nLength = length;
}

bool operator==(const CString& a, const CString& b) {
    return a.GetLength() == b.GetLength() &&
           std::memcmp(a.GetString(), b.GetString(), a.GetLength()) == 0;
}

bool operator==(const CString& a, LPCTSTR b) {
    return a.Compare(b) == 0;
}

bool operator!=(const CString& a, const CString& b) {
    return !(a == b);
}

bool operator!=(const CString& a, LPCTSTR b) {
    return !(a == b);
}

CString operator+(const CString& a, const CString& b) {
    CString joined(a);
    joined += b;
    return joined;
}
