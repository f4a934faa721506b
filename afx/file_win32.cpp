// CFile over Win32 file handles.
#include "afx/afxfile.h"

#include <windows.h>

namespace {
int CauseOfError(DWORD error, int defaultCause) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return CFileException::badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return CFileException::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return CFileException::accessDenied;
    case ERROR_SHARING_VIOLATION:
        return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return CFileException::lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return CFileException::diskFull;
    case ERROR_HANDLE_EOF:
        return CFileException::endOfFile;
    default:
        return defaultCause;
    }
}

DWORD ShareModeOf(UINT nOpenFlags) {
    switch (nOpenFlags & 0x70) {
    case CFile::shareExclusive:
        return 0;
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    default:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}
} // namespace

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::~CFile() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        Abort();
}

void CFile::ThrowOsError(int defaultCause) const {
    const DWORD error = ::GetLastError();
    AfxThrowFileException(CauseOfError(error, defaultCause), static_cast<LONG>(error),
                          m_strFileName);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != INVALID_HANDLE_VALUE)
        Abort();
    m_strFileName = lpszFileName;
    DWORD access = GENERIC_READ;
    if ((nOpenFlags & 3) == modeWrite)
        access = GENERIC_WRITE;
    else if ((nOpenFlags & 3) == modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr,
                                    (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    const HANDLE file = ::CreateFileA(lpszFileName, access, ShareModeOf(nOpenFlags), &security,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (pError) {
            pError->m_cause = CauseOfError(error, CFileException::genericException);
            pError->m_lOsError = static_cast<LONG>(error);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = file;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    DWORD done = 0;
    if (nCount != 0 && !::ReadFile(m_hFile, lpBuf, nCount, &done, nullptr))
        ThrowOsError(CFileException::hardIO);
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    DWORD done = 0;
    if (nCount == 0)
        return;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &done, nullptr))
        ThrowOsError(CFileException::hardIO);
    if (done != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    const DWORD method = nFrom == current ? FILE_CURRENT : nFrom == end ? FILE_END : FILE_BEGIN;
    LARGE_INTEGER distance;
    LARGE_INTEGER position;
    distance.QuadPart = lOff;
    if (!::SetFilePointerEx(m_hFile, distance, &position, method))
        ThrowOsError(CFileException::badSeek);
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size))
        ThrowOsError(CFileException::genericException);
    return static_cast<ULONGLONG>(size.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER distance;
    LARGE_INTEGER position;
    distance.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, distance, &position, FILE_CURRENT))
        ThrowOsError(CFileException::badSeek);
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::Flush() {
    if (m_hFile != INVALID_HANDLE_VALUE && !::FlushFileBuffers(m_hFile))
        ThrowOsError(CFileException::hardIO);
}

void CFile::Close() {
    const HANDLE file = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (file != INVALID_HANDLE_VALUE && !::CloseHandle(file))
        ThrowOsError(CFileException::hardIO);
}

void CFile::Abort() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
