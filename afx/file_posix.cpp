// CFile over POSIX descriptors.
#include "afx/afxfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int CauseOfErrno(int error, int defaultCause) {
    switch (error) {
    case ENOENT:
        return CFileException::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EISDIR:
        return CFileException::badPath;
    case EACCES:
    case EPERM:
    case EROFS:
        return CFileException::accessDenied;
    case EMFILE:
    case ENFILE:
        return CFileException::tooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
        return CFileException::diskFull;
    default:
        return defaultCause;
    }
}

int OpenFlagsOf(UINT nOpenFlags) {
    int flags = O_CLOEXEC;
    switch (nOpenFlags & 3) {
    case CFile::modeRead:
        flags |= O_RDONLY;
        break;
    case CFile::modeWrite:
        flags |= O_WRONLY;
        break;
    default:
        flags |= O_RDWR;
        break;
    }
    if (nOpenFlags & CFile::modeCreate)
        flags |= (nOpenFlags & CFile::modeNoTruncate) ? O_CREAT : O_CREAT | O_TRUNC;
    return flags;
}
} // namespace

CFile::CFile() : m_hFile(-1) {}

CFile::~CFile() {
    if (m_hFile != -1)
        Abort();
}

void CFile::ThrowOsError(int defaultCause) const {
    const int error = errno;
    AfxThrowFileException(CauseOfErrno(error, defaultCause), error, m_strFileName);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != -1)
        Abort();
    m_strFileName = lpszFileName;
    int fd;
    do
        fd = ::open(lpszFileName, OpenFlagsOf(nOpenFlags), 0666);
    while (fd == -1 && errno == EINTR);
    // A folder opens on POSIX, but it is no file.
    struct stat status;
    if (fd != -1 && (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode))) {
        ::close(fd);
        fd = -1;
        errno = EISDIR;
    }
    if (fd == -1) {
        const int error = errno;
        if (pError) {
            pError->m_cause = CauseOfErrno(error, CFileException::genericException);
            pError->m_lOsError = error;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = fd;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    char* next = static_cast<char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        const ssize_t got = ::read(m_hFile, next + done, nCount - done);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(CFileException::hardIO);
        }
        done += static_cast<UINT>(got);
    }
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    const char* next = static_cast<const char*>(lpBuf);
    UINT done = 0;
    while (done < nCount) {
        const ssize_t put = ::write(m_hFile, next + done, nCount - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(CFileException::hardIO);
        }
        done += static_cast<UINT>(put);
    }
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    const int whence = nFrom == current ? SEEK_CUR : nFrom == end ? SEEK_END : SEEK_SET;
    const off_t position = ::lseek(m_hFile, static_cast<off_t>(lOff), whence);
    if (position < 0)
        ThrowOsError(CFileException::badSeek);
    return static_cast<ULONGLONG>(position);
}

ULONGLONG CFile::GetLength() const {
    struct stat status;
    if (::fstat(m_hFile, &status) != 0)
        ThrowOsError(CFileException::genericException);
    return static_cast<ULONGLONG>(status.st_size);
}

ULONGLONG CFile::GetPosition() const {
    const off_t position = ::lseek(m_hFile, 0, SEEK_CUR);
    if (position < 0)
        ThrowOsError(CFileException::badSeek);
    return static_cast<ULONGLONG>(position);
}

void CFile::Flush() {
    if (m_hFile != -1 && ::fsync(m_hFile) != 0)
        ThrowOsError(CFileException::hardIO);
}

void CFile::Close() {
    const int fd = m_hFile;
    m_hFile = -1;
    if (fd != -1 && ::close(fd) != 0 && errno != EINTR)
        ThrowOsError(CFileException::hardIO);
}

void CFile::Abort() {
    if (m_hFile != -1)
        ::close(m_hFile);
    m_hFile = -1;
}
