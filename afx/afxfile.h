// CFile, CMemFile and CFileException: binary files at a current position,
// with MFC's names, modes and failure behaviour. Read returns fewer bytes at
// the end of the file; every other failure throws a CFileException*.
// On POSIX the share flags are accepted and have no effect (there are no
// mandatory share modes); under Win32 they map to CreateFile's share mode.
#pragma once

#include "afx/afxexcept.h"
#include "afx/afxstr.h"
#include "afx/afxtypes.h"

#ifdef _WIN32
typedef long LONG; // 32 bits under mingw, as in <winnt.h>
typedef void* HANDLE;
#else
typedef std::int32_t LONG;
#endif
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;

class AFX_EXT_CLASS CFileException : public CException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = CFileException::none, LONG lOsError = -1,
                            LPCTSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, UINT* helpContext = nullptr) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] AFX_EXT_API void AfxThrowFileException(int cause, LONG lOsError = -1,
                                                    LPCTSTR lpszFileName = nullptr);

class AFX_EXT_CLASS CFile {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual ULONGLONG GetLength() const;
    virtual ULONGLONG GetPosition() const;
    virtual void Flush();
    virtual void Close();
    virtual void Abort();

    void SeekToBegin() { Seek(0, begin); }

#ifdef _WIN32
    HANDLE m_hFile;
#else
    int m_hFile; // the POSIX descriptor, -1 when closed
#endif

protected:
    // Throws the file exception for the calling thread's last system error.
    [[noreturn]] void ThrowOsError(int defaultCause) const;

    CString m_strFileName;
};

// A file held in memory. It either grows by itself (in steps of nGrowBytes)
// or reads and writes a caller's buffer of fixed size (nGrowBytes 0).
class AFX_EXT_CLASS CMemFile : public CFile {
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the buffer to the caller, who then frees it with free().
    BYTE* Detach();

    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override { return m_nFileSize; }
    ULONGLONG GetPosition() const override { return m_nPosition; }
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

private:
    void GrowFile(ULONGLONG newLength);

    UINT m_nGrowBytes;
    UINT m_nPosition;
    UINT m_nBufferSize;
    UINT m_nFileSize;
    BYTE* m_lpBuffer;
    bool m_bAutoDelete;
};

// Path splitting of the Windows runtime, for the native build.
#ifdef _WIN32
#include <cstdlib>
#else
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

// Splits a path into drive, folder, file name and extension as the Windows
// runtime does; any output may be null.
AFX_EXT_API void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
#endif
