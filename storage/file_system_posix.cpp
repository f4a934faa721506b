#include "storage/file_system.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

bool BoxPathExists(LPCTSTR path) {
    struct stat status;
    return ::stat(path, &status) == 0;
}

bool CreateBoxFolder(LPCTSTR path) {
    return ::mkdir(path, 0777) == 0;
}

bool ReplaceBoxFile(LPCTSTR from, LPCTSTR to) {
    return std::rename(from, to) == 0;
}

void RemoveBoxFile(LPCTSTR path) {
    ::unlink(path);
}
