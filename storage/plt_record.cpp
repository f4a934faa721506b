// Palette records: owner mark, name, attribute ID and all 255 brush slots.
#include "host/record_file.h"
#include "model/plt.h"
#include "storage/record_codes.h"

namespace {
typedef int (CVObjBrs::*BrsReader)(CFile*, WORD);

int ReadPltWith(CVObjPlt& plt, CFile* file, BrsReader readBrs) {
    if (OwnNoCheck(file, VELMORA_OWN_NO) != 0)
        return REC_OWN_NO;
    if (!ReadCString(file, plt.PNm) || !ReadData(file, &plt.Zty, sizeof plt.Zty))
        return REC_PLT_HEAD;
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        const int result = (plt.Brs[pos].*readBrs)(file, plt.Zty);
        if (result != 0)
            return result;
    }
    return 0;
}
} // namespace

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
    return ReadPltWith(*this, file, &CVObjBrs::ReadBrs);
}

int CVObjPlt::ReadPltOld(CFile* file) {
    return ReadPltWith(*this, file, &CVObjBrs::ReadBrsOld);
}
