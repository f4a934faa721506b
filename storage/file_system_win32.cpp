#include "storage/file_system.h"

#include <windows.h>

bool BoxPathExists(LPCTSTR path) {
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool CreateBoxFolder(LPCTSTR path) {
    return ::CreateDirectoryA(path, nullptr) != FALSE;
}

bool ReplaceBoxFile(LPCTSTR from, LPCTSTR to) {
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void RemoveBoxFile(LPCTSTR path) {
    ::DeleteFileA(path);
}
