#include "host/record_file.h"

namespace {
constexpr int kWriteOwnNoFailed = 1;
constexpr int kOwnNoMismatch = 1;
} // namespace

int WriteData(CFile* file, const void* data, UINT size) {
    try {
        file->Write(data, size);
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
    return 1;
}

int ReadData(CFile* file, void* data, UINT size) {
    try {
        return file->Read(data, size) == size ? 1 : 0;
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
}

int WriteCString(CFile* file, const CString& text) {
    const DWORD length = static_cast<DWORD>(text.GetLength());
    return WriteData(file, &length, sizeof length) &&
           WriteData(file, text.GetString(), static_cast<UINT>(length));
}

int ReadCString(CFile* file, CString& text) {
    DWORD length = 0;
    if (!ReadData(file, &length, sizeof length))
        return 0;
    try {
        const ULONGLONG size = file->GetLength();
        const ULONGLONG position = file->GetPosition();
        const ULONGLONG remaining = position < size ? size - position : 0;
        if (length > remaining || length > 0x7FFFFFFE)
            return 0;
        char* buffer = text.GetBuffer(static_cast<int>(length));
        const UINT read = file->Read(buffer, length);
        text.ReleaseBuffer(static_cast<int>(read));
        return read == length ? 1 : 0;
    } catch (CException* e) {
        e->Delete();
        text.Empty();
        return 0;
    }
}

int WriteOwnNo(CFile* file, WORD ownNo) {
    return WriteData(file, &ownNo, sizeof ownNo) ? 0 : kWriteOwnNoFailed;
}

int OwnNoCheck(CFile* file, WORD ownNo) {
    WORD stored = 0;
    if (!ReadData(file, &stored, sizeof stored) || stored != ownNo)
        return kOwnNoMismatch;
    return 0;
}
