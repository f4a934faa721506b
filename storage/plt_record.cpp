// Palette records: owner mark, name, attribute ID and all 255 brush slots
// (storage/record_format.h).
#include "host/record_file.h"
#include "model/plt.h"
#include "storage/record_codes.h"
#include "storage/record_read.h"

template <class Items> int ReadPltRecord(CVObjPlt& plt, Items& items, bool olderLayout) {
    if (!items.OwnNo(VELMORA_OWN_NO))
        return REC_OWN_NO;
    if (!items.Text(plt.PNm) || !items.Data(&plt.Zty, sizeof plt.Zty))
        return REC_PLT_HEAD;
    const VelmoraZokKind kind = VelmoraZokKindOf(plt.Zty);
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        CVObjBrs& brs = plt.Brs[pos];
        const int result =
            olderLayout ? ReadBrsHead(brs, items, kind) : ReadBrsWhole(brs, items, kind);
        if (result != 0)
            return result;
    }
    return 0;
}

template int ReadPltRecord(CVObjPlt&, CFileItems&, bool);
template int ReadPltRecord(CVObjPlt&, CBufferedItems&, bool);

int CVObjPlt::WritePlt(CFile* file) {
    if (WriteOwnNo(file, VELMORA_OWN_NO) != 0)
        return REC_WRITE | REC_OWN_NO;
    if (!WriteCString(file, PNm) || !WriteData(file, &Zty, sizeof Zty))
        return REC_WRITE | REC_PLT_HEAD;
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        const int result = Brs[pos].WriteBrs(file, Zty);
        if (result != 0)
            return result;
    }
    return 0;
}

int CVObjPlt::ReadPlt(CFile* file) {
    CFileItems items(file);
    return ReadPltRecord(*this, items, false);
}

int CVObjPlt::ReadPltOld(CFile* file) {
    CFileItems items(file);
    return ReadPltRecord(*this, items, true);
}
