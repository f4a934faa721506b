#include "storage/box_records.h"

#include "host/record_file.h"
#include "storage/record_codes.h"
#include "storage/record_read.h"

int WriteBoxRecords(CVPaletteBox& box, CFile* file) {
    if (WriteOwnNo(file, VELMORA_OWN_NO) != 0)
        return BOX_FILE_FAILED;
    const int count = static_cast<int>(box.Plts.GetSize());
    if (!WriteData(file, &box.SelPNo, sizeof box.SelPNo) ||
        !WriteData(file, &box.BoxWord, sizeof box.BoxWord) ||
        !WriteData(file, &count, sizeof count))
        return BOX_HEAD_WRITE_FAILED;
    for (int pos = 0; pos < count; ++pos) {
        const int result = box.Plts.GetAt(pos)->WritePlt(file);
        if (result != 0)
            return result;
    }
    return 0;
}

int ReadBoxRecords(CVPaletteBox& box, CFile* file, bool olderLayout) {
    CBufferedItems items(file);
    if (!items.OwnNo(VELMORA_OWN_NO))
        return BOX_FILE_FAILED;
    // The two box values stay replaced whatever follows.
    int count = 0;
    if (!items.Data(&box.SelPNo, sizeof box.SelPNo) ||
        !items.Data(&box.BoxWord, sizeof box.BoxWord) || !items.Data(&count, sizeof count))
        return BOX_HEAD_READ_FAILED;
    if (count < 0 || count > VELMORA_MAX_PLT)
        return BOX_HEAD_READ_FAILED;
    int result = 0;
    int inserted = 0;
    for (int k = 0; k < count; ++k) {
        CVObjPlt* plt = new CVObjPlt;
        result = ReadPltRecord(*plt, items, olderLayout);
        if (result == 0 && box.AddPlt(inserted, plt))
            ++inserted;
        else
            delete plt;
    }
    return result;
}
