#include "afx/afxfile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

BOOL CFileException::GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext) const {
    if (helpContext)
        *helpContext = 0;
    if (!error || maxError == 0)
        return FALSE;
    std::snprintf(error, maxError, "File error %d (system error %ld) on '%s'.", m_cause,
                  static_cast<long>(m_lOsError), m_strFileName.GetString());
    return TRUE;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(true) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes) {
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() {
    Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
    Close();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    // A fixed buffer holds a whole file; a growing one starts empty.
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = false;
}

BYTE* CMemFile::Detach() {
    BYTE* buffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    return buffer;
}

void CMemFile::Close() {
    if (m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    const UINT available = m_nFileSize - m_nPosition;
    const UINT count = nCount < available ? nCount : available;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, count);
    m_nPosition += count;
    return count;
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0)
        return;
    const ULONGLONG end = static_cast<ULONGLONG>(m_nPosition) + nCount;
    if (end > m_nBufferSize)
        GrowFile(end);
    // A seek past the end leaves a gap that reads back as zeros.
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = static_cast<UINT>(end);
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
    LONGLONG base = 0;
    if (nFrom == current)
        base = m_nPosition;
    else if (nFrom == end)
        base = m_nFileSize;
    else if (nFrom != begin)
        AfxThrowInvalidArgException();
    const LONGLONG limit = static_cast<LONGLONG>(UINT(-1));
    if (lOff < -base || lOff > limit - base)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = static_cast<UINT>(base + lOff);
    return m_nPosition;
}

void CMemFile::GrowFile(ULONGLONG newLength) {
    if (m_nGrowBytes == 0 || newLength > UINT(-1))
        AfxThrowMemoryException();
    // Growing by at least the present size keeps a long run of appends linear.
    ULONGLONG step = m_nBufferSize > m_nGrowBytes ? m_nBufferSize : m_nGrowBytes;
    ULONGLONG size = m_nBufferSize + step;
    if (size < newLength)
        size = (newLength + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    if (size > UINT(-1))
        size = UINT(-1);
    BYTE* grown = static_cast<BYTE*>(std::realloc(m_lpBuffer, static_cast<size_t>(size)));
    if (!grown)
        AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = static_cast<UINT>(size);
}
