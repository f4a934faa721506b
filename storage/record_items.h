// The two sources the record readers take their items from. Both give the
// same fields, results and positions, failures included:
// - CFileItems reads at a file's current position through the host's record
//   functions;
// - CBufferedItems reads the file ahead into memory and decodes the items
//   there, as those functions lay them out (host/record_file.h), without a
//   call per item.
#pragma once

#include "afx/afx.h"
#include "afx/afxfile.h"
#include "host/record_file.h"

#include <cstddef>
#include <cstring>

// A stored text cut to what a fixed field holds (maxLength bytes), with its NUL.
void CopyCutText(char* field, const void* text, std::size_t length, std::size_t maxLength);

class CFileItems {
public:
    explicit CFileItems(CFile* file) : m_file(file) {}

    bool OwnNo(WORD ownNo) { return OwnNoCheck(m_file, ownNo) == 0; }
    bool Data(void* data, UINT size) { return ReadData(m_file, data, size) != 0; }
    bool Text(CString& text) { return ReadCString(m_file, text) != 0; }
    bool Text(char* field, std::size_t maxLength) {
        CString text;
        if (!Text(text))
            return false;
        CopyCutText(field, text.GetString(), static_cast<std::size_t>(text.GetLength()), maxLength);
        return true;
    }

private:
    CFile* m_file;
};

// Reads the file ahead in large pieces into a buffer of its own, which stays
// in the processor's cache, and decodes each item from there. The file's
// position afterwards lies beyond the items read.
class CBufferedItems {
public:
    explicit CBufferedItems(CFile* file);
    CBufferedItems(const CBufferedItems&) = delete;
    CBufferedItems& operator=(const CBufferedItems&) = delete;
    ~CBufferedItems();

    bool OwnNo(WORD ownNo) {
        WORD stored = 0;
        return Data(&stored, sizeof stored) && stored == ownNo;
    }

    // A short item keeps the bytes there were, and the position reaches the end.
    bool Data(void* data, UINT size) {
        if (size > Left() && !Fill(size)) {
            if (Left())
                std::memcpy(data, m_next, Left());
            m_next = m_end;
            return false;
        }
        std::memcpy(data, m_next, size);
        m_next += size;
        return true;
    }

    bool Text(CString& text);
    bool Text(char* field, std::size_t maxLength);

private:
    static constexpr DWORD kMaxTextLength = 0x7FFFFFFE;

    std::size_t Left() const { return static_cast<std::size_t>(m_end - m_next); }
    // Reads a text's count. A count that runs past the end of the file fails
    // behind the count, leaving the text as it was; otherwise the text's
    // bytes are in the buffer.
    bool TextLength(DWORD& length) {
        return Data(&length, sizeof length) && length <= kMaxTextLength &&
               length <= Left() + m_fileLeft && (length <= Left() || Fill(length));
    }
    // Brings `size` bytes into the buffer from the position on; false when
    // the file ends first. A read error ends the file there.
    bool Fill(std::size_t size);

    CFile* m_file;
    ULONGLONG m_fileLeft; // bytes of the file not yet in the buffer
    BYTE* m_buffer = nullptr;
    std::size_t m_capacity = 0;
    const BYTE* m_next = nullptr;
    const BYTE* m_end = nullptr;
};
