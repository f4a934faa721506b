// The palette-box file: <host folder of the kind><separator><file name>.dat.
//
// A save never destroys the file it replaces: the content is built in memory,
// written and flushed to a temporary file beside it, and only then put in the
// file's place. On any failure the old file stays as it was; the items can
// fail only while the content is built, so a failure to store the finished
// content counts as one to create the file (0x10001). A load reads the file
// once, ahead of the records in large pieces, and decodes them in memory; a
// read error ends the file there, so the records behind it fail to read like
// those of a cut file.
#include "host/jkn_folder.h"
#include "model/palette_box.h"
#include "storage/box_records.h"
#include "storage/file_system.h"
#include "storage/record_codes.h"

#include <cstdlib>
#include <cstring>

namespace {
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// Large enough that a full box is built in a handful of steps.
constexpr UINT kContentGrowBytes = 1 << 20;

struct BoxFile {
    CString folder;
    CString path;
};

// The caller's folder and extension are dropped: only the file-name part counts.
bool LocateBoxFile(const char* name, int folderKind, BoxFile& box) {
    // Every part of a shorter name fits the runtime's part buffers.
    if (!name || std::strlen(name) >= _MAX_FNAME)
        return false;
    char fileName[_MAX_FNAME];
    _splitpath(name, nullptr, nullptr, fileName, nullptr);
    box.folder = Halvex_GetJknFolderPath(folderKind);
    box.path = box.folder;
    box.path += kPathSeparator;
    box.path += fileName;
    box.path += ".dat";
    return true;
}

bool StoreContent(const CString& path, CMemFile& content) {
    const CString temporary = path + kBoxSavingSuffix;
    CFile file;
    if (!file.Open(temporary, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive |
                                  CFile::typeBinary))
        return false;
    const UINT length = static_cast<UINT>(content.GetLength());
    BYTE* bytes = content.Detach();
    bool written = true;
    try {
        file.Write(bytes, length);
        file.Flush();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        file.Abort();
        written = false;
    }
    std::free(bytes);
    if (written && ReplaceBoxFile(temporary, path))
        return true;
    RemoveBoxFile(temporary);
    return false;
}

int ReadBoxFile(CVPaletteBox& box, const char* name, int folderKind, bool olderLayout) {
    BoxFile location;
    if (!LocateBoxFile(name, folderKind, location))
        return BOX_FILE_FAILED;
    if (!BoxPathExists(location.path)) {
        if (olderLayout)
            return BOX_FILE_FAILED;
        box.WritePltsBox(name, folderKind);
    }
    CFile file;
    if (!file.Open(location.path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return BOX_FILE_FAILED;
    const int result = ReadBoxRecords(box, &file, olderLayout);
    file.Abort();
    return result;
}
} // namespace

int CVPaletteBox::WritePltsBox(const char* name, int folderKind) {
    BoxFile location;
    if (!LocateBoxFile(name, folderKind, location))
        return BOX_FILE_FAILED;
    if (!BoxPathExists(location.folder) && !CreateBoxFolder(location.folder))
        return BOX_FILE_FAILED;
    CMemFile content(kContentGrowBytes);
    const int result = WriteBoxRecords(*this, &content);
    if (result != 0)
        return result;
    return StoreContent(location.path, content) ? 0 : BOX_FILE_FAILED;
}

int CVPaletteBox::ReadPltsBox(const char* name, int folderKind) {
    return ReadBoxFile(*this, name, folderKind, false);
}

int CVPaletteBox::ReadPltsBoxOld(const char* name, int folderKind) {
    return ReadBoxFile(*this, name, folderKind, true);
}
