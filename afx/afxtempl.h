// CArray and CTypedPtrArray: growable arrays that throw CMemoryException* when
// they cannot grow, as MFC's do.
#pragma once

#include "afx/afxexcept.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

#pragma pack(push, 1)
// TYPE must be trivially copyable: elements move with memmove.
template <class TYPE, class ARG_TYPE = const TYPE&> class CArray {
public:
    CArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0) {}
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    ~CArray() { std::free(m_pData); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }

    TYPE GetAt(INT_PTR index) const { return m_pData[index]; }
    TYPE operator[](INT_PTR index) const { return m_pData[index]; }
    TYPE& operator[](INT_PTR index) { return m_pData[index]; }
    const TYPE* GetData() const { return m_pData; }

    INT_PTR Add(ARG_TYPE element) {
        InsertAt(m_nSize, element);
        return m_nSize - 1;
    }

    void InsertAt(INT_PTR index, ARG_TYPE element) {
        if (index < 0 || index > m_nSize)
            AfxThrowInvalidArgException();
        Reserve(m_nSize + 1);
        std::memmove(m_pData + index + 1, m_pData + index, (m_nSize - index) * sizeof(TYPE));
        m_pData[index] = element;
        ++m_nSize;
    }

    void RemoveAt(INT_PTR index, INT_PTR count = 1) {
        if (index < 0 || count < 0 || index + count > m_nSize)
            AfxThrowInvalidArgException();
        std::memmove(m_pData + index, m_pData + index + count,
                     (m_nSize - index - count) * sizeof(TYPE));
        m_nSize -= count;
    }

    void RemoveAll() { m_nSize = 0; }

private:
    void Reserve(INT_PTR needed) {
        if (needed <= m_nMaxSize)
            return;
        INT_PTR grown = m_nMaxSize < 4 ? 4 : m_nMaxSize * 2;
        if (grown < needed)
            grown = needed;
        TYPE* data = static_cast<TYPE*>(std::realloc(m_pData, grown * sizeof(TYPE)));
        if (!data)
            AfxThrowMemoryException();
        m_pData = data;
        m_nMaxSize = grown;
    }

    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
};

template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR index) const { return static_cast<TYPE>(BASE_CLASS::GetAt(index)); }
    TYPE operator[](INT_PTR index) const { return GetAt(index); }
    INT_PTR Add(TYPE element) { return BASE_CLASS::Add(element); }
    void InsertAt(INT_PTR index, TYPE element) { BASE_CLASS::InsertAt(index, element); }
};
#pragma pack(pop)
