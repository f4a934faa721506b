#include "tests/native/storage/storage_samples.h"

#include "host/record_file.h"
#include "storage/record_codes.h"
#include "storage/record_format.h"
#include "model/zok_catalogue.h"

#include <cstdio>
#include <cstdlib>

CVObjBrs SampleBrs(WORD zty, int n) {
    CVObjBrs brs;
    brs.BFg = 1;
    brs.Col = static_cast<BYTE>(n * 3 + 1);
    brs.Hat = 1000u + n;
    char name[32];
    std::snprintf(name, sizeof name, "ブラシ%03d", n);
    brs.BNm = name;
    VELMORA_Z_TYPE& zval = brs.ZVal;
    zval.Zty = zty;
    const VelmoraZokKind kind = VelmoraZokKindOf(zty);
    if (kind == ZOK_KIND_CODE)
        zval.ZCode.Code = 7u * n + 1;
    else if (kind == ZOK_KIND_LONG)
        zval.ZLong = {zty, static_cast<DWORD>(n % 2), -3 * n, 5 * n + 2};
    else if (kind == ZOK_KIND_TEXT)
        std::snprintf(zval.ZText.Text, sizeof zval.ZText.Text, "所有者%03d", n);
    else if (kind == ZOK_KIND_DATE)
        zval.ZDate = {zty, static_cast<DWORD>((n + 1) % 2), 86400 * (n % 20000) - 32400,
                      86400 * (n % 20000 + 30)};
    else if (kind == ZOK_KIND_REAL)
        zval.ZReal = {zty, 1, n * 1.25, n * 2.5 + 0.125};
    brs.LayerNo = 10u + n;
    brs.PaintFlg = static_cast<WORD>(n % 2);
    brs.PaintData = {0x00102030u + n, 40.0 + n % 60};
    brs.HatchData.Type = static_cast<WORD>(n % 7);
    brs.HatchData.Aux = 0xA0000000u + n;
    for (int i = 0; i < 4; ++i) {
        brs.HatchData.Pt[i] = PT(n + i, -n - i * 0.5, i * 0.25);
        brs.HatchData.Space[i] = 1.5 + i + n * 0.01;
        brs.HatchData.Aux2[i] = -0.5 * i - n;
        brs.HatchData.Color[i] = static_cast<BYTE>(i + n);
        brs.HatchData.Aux3[i] = static_cast<BYTE>(0x30 + i);
        brs.HatchData.Aux4[i] = static_cast<BYTE>(0x40 + i + n);
    }
    return brs;
}

void FillSamplePlt(CVObjPlt& plt, WORD zty, int count, int n) {
    char name[32];
    std::snprintf(name, sizeof name, "パレット%d", n);
    plt.SetPNm(name);
    plt.SetZty(zty);
    for (int pos = 0; pos < count; ++pos) {
        const CVObjBrs brs = SampleBrs(zty, n * 1000 + pos);
        plt.SetObjBrs(static_cast<BYTE>(pos), &brs);
    }
}

void FillGoldenBox(CVPaletteBox& box) {
    for (int n = 0; n < 2; ++n) {
        box.AddPlt(new CVObjPlt);
        FillSamplePlt(*box.GetPlt(n), n ? 501 : 301, 3, n);
    }
    box.SelPNo = 1;
    box.BoxWord = 0x5A17C0DE;
}

void FillFullBox(CVPaletteBox& box) {
    for (int n = 0; n < VELMORA_MAX_PLT; ++n) {
        box.AddPlt(new CVObjPlt);
        FillSamplePlt(*box.GetPlt(n), 301, VELMORA_MAX_BRS, n);
    }
    box.SelPNo = 0;
}

int WritePltOld(CVObjPlt& plt, CFile* file) {
    if (WriteOwnNo(file, VELMORA_OWN_NO) != 0 || !WriteCString(file, plt.PNm) ||
        !WriteData(file, &plt.Zty, sizeof plt.Zty))
        return 1;
    for (int pos = 0; pos < VELMORA_MAX_BRS; ++pos) {
        CMemFile record;
        if (plt.Brs[pos].WriteBrs(&record, plt.Zty) != 0)
            return 1;
        const UINT headBytes = static_cast<UINT>(record.GetLength()) - kBrsTailBytes;
        BYTE* bytes = record.Detach();
        const int written = WriteData(file, bytes, headBytes);
        std::free(bytes);
        if (!written)
            return 1;
    }
    return 0;
}

int WriteBoxOld(CVPaletteBox& box, CFile* file) {
    const int count = box.GetPltCount();
    if (WriteOwnNo(file, VELMORA_OWN_NO) != 0 || !WriteData(file, &box.SelPNo, sizeof box.SelPNo) ||
        !WriteData(file, &box.BoxWord, sizeof box.BoxWord) ||
        !WriteData(file, &count, sizeof count))
        return 1;
    for (int pos = 0; pos < count; ++pos)
        if (WritePltOld(*box.GetPlt(pos), file) != 0)
            return 1;
    return 0;
}
