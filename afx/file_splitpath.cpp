// The Windows runtime's _splitpath for the native build, so that both builds
// take the same parts from a name: a leading letter and ':' are the drive,
// and both '\\' and '/' end a folder. Names are in code page 932, whose
// double-byte characters may end in the byte of '\\' (表 is 0x95 0x5C); as the
// runtime does in that code page, such a byte ends no folder.
#include "afx/afxfile.h"

#include <cstring>

namespace {
// Copies [begin, end) cut to the component's buffer size.
void CopyPart(char* out, size_t size, const char* begin, const char* end) {
    if (!out)
        return;
    size_t length = static_cast<size_t>(end - begin);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(out, begin, length);
    out[length] = '\0';
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsLeadByte(char c) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
} // namespace

void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext) {
    const char* start = path[0] != '\0' && path[1] == ':' ? path + 2 : path;
    const char* name = start;
    const char* dot = nullptr;
    const char* end = start;
    for (; *end != '\0'; ++end) {
        if (IsLeadByte(*end) && end[1] != '\0') {
            ++end;
        } else if (IsSeparator(*end)) {
            name = end + 1;
            dot = nullptr;
        } else if (*end == '.') {
            dot = end;
        }
    }
    if (!dot)
        dot = end;
    CopyPart(drive, _MAX_DRIVE, path, start);
    CopyPart(dir, _MAX_DIR, start, name);
    CopyPart(fname, _MAX_FNAME, name, dot);
    CopyPart(ext, _MAX_EXT, dot, end);
}
