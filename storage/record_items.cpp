#include "storage/record_items.h"

#include <cstdlib>

namespace {
// Large enough that a full box takes a couple of dozen reads, small enough to
// stay in the processor's cache beside the palette being filled.
constexpr std::size_t kPieceBytes = 256 * 1024;
} // namespace

// Out of line: inlined, its copy of a bounded length becomes a string
// instruction whose start-up costs more than a whole short text.
void CopyCutText(char* field, const void* text, std::size_t length, std::size_t maxLength) {
    if (length > maxLength)
        length = maxLength;
    std::memcpy(field, text, length);
    field[length] = '\0';
}

CBufferedItems::CBufferedItems(CFile* file) : m_file(file), m_fileLeft(0) {
    try {
        const ULONGLONG length = file->GetLength();
        const ULONGLONG position = file->GetPosition();
        m_fileLeft = position < length ? length - position : 0;
    } catch (CException* e) {
        e->Delete();
    }
}

CBufferedItems::~CBufferedItems() {
    std::free(m_buffer);
}

bool CBufferedItems::Text(CString& text) {
    DWORD length = 0;
    if (!TextLength(length))
        return false;
    // An empty text holds no buffer: most slots of a palette are empty.
    if (length == 0) {
        text.Empty();
        return true;
    }
    try {
        const int count = static_cast<int>(length);
        std::memcpy(text.GetBuffer(count), m_next, length);
        text.ReleaseBuffer(count);
    } catch (CException* e) {
        e->Delete();
        text.Empty();
        return false;
    }
    m_next += length;
    return true;
}

bool CBufferedItems::Text(char* field, std::size_t maxLength) {
    DWORD length = 0;
    if (!TextLength(length))
        return false;
    CopyCutText(field, m_next, length, maxLength);
    m_next += length;
    return true;
}

bool CBufferedItems::Fill(std::size_t size) {
    const std::size_t left = Left();
    std::size_t wanted = left + static_cast<std::size_t>(m_fileLeft);
    if (wanted > kPieceBytes)
        wanted = kPieceBytes;
    if (wanted < size)
        wanted = size;
    if (wanted > m_capacity) {
        BYTE* grown = static_cast<BYTE*>(std::malloc(wanted));
        if (!grown)
            return false;
        if (left)
            std::memcpy(grown, m_next, left);
        std::free(m_buffer);
        m_buffer = grown;
        m_capacity = wanted;
    } else if (left) {
        std::memmove(m_buffer, m_next, left);
    }
    m_next = m_buffer;
    m_end = m_buffer + left;
    while (Left() < size && m_fileLeft > 0) {
        std::size_t room = m_capacity - Left();
        if (room > m_fileLeft)
            room = static_cast<std::size_t>(m_fileLeft);
        UINT got = 0;
        try {
            got = m_file->Read(m_buffer + Left(), static_cast<UINT>(room));
        } catch (CException* e) {
            e->Delete();
        }
        if (got == 0) {
            m_fileLeft = 0;
            break;
        }
        m_end += got;
        m_fileLeft -= got;
    }
    return Left() >= size;
}
