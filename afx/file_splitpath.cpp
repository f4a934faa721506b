// The Windows runtime's _splitpath for POSIX paths: no drive, '/' separates.
#include "afx/afxfile.h"

#include <cstring>

namespace {
// Copies [begin, end) cut to the component's buffer size, as the runtime does.
void CopyPart(char* out, size_t size, const char* begin, const char* end) {
    if (!out)
        return;
    size_t length = static_cast<size_t>(end - begin);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(out, begin, length);
    out[length] = '\0';
}
} // namespace

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext) {
    const char* end = path + std::strlen(path);
    const char* slash = std::strrchr(path, '/');
    const char* name = slash ? slash + 1 : path;
    const char* dot = std::strrchr(name, '.');
    if (!dot)
        dot = end;
    CopyPart(drive, _MAX_DRIVE, path, path);
    CopyPart(dir, _MAX_DIR, path, name);
    CopyPart(fname, _MAX_FNAME, name, dot);
    CopyPart(ext, _MAX_EXT, dot, end);
}
