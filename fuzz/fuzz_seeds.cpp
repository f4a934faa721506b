// Writes the fuzz seeds into a folder: palette-box files and palette records
// written by the library, in the current and the older layout.
//   fuzz_seeds <box seed folder> <palette seed folder>
#include "model/zok_catalogue.h"
#include "storage/box_records.h"
#include "tests/native/storage/storage_samples.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
bool Save(CMemFile& content, const std::string& path) {
    const UINT length = static_cast<UINT>(content.GetLength());
    BYTE* bytes = content.Detach();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    const bool saved = out && std::fwrite(bytes, 1, length, out) == length;
    if (out)
        std::fclose(out);
    std::free(bytes);
    return saved;
}

bool SaveBox(CVPaletteBox& box, bool older, const std::string& path) {
    CMemFile content(1 << 16);
    const int result = older ? WriteBoxOld(box, &content) : WriteBoxRecords(box, &content);
    return result == 0 && Save(content, path);
}

bool SavePlt(CVObjPlt& plt, bool older, const std::string& path) {
    CMemFile content(1 << 16);
    const int result = older ? WritePltOld(plt, &content) : plt.WritePlt(&content);
    return result == 0 && Save(content, path);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds BOX_FOLDER PLT_FOLDER\n");
        return 2;
    }
    const std::string boxes = argv[1];
    const std::string plts = argv[2];
    bool saved = true;

    CVPaletteBox golden;
    FillGoldenBox(golden);
    saved &= SaveBox(golden, false, boxes + "/golden.dat");
    saved &= SaveBox(golden, true, boxes + "/golden_old.dat");
    CVPaletteBox empty;
    saved &= SaveBox(empty, false, boxes + "/empty.dat");
    CVPaletteBox pair;
    for (int n = 0; n < 2; ++n) {
        CVObjPlt* plt = new CVObjPlt;
        FillSamplePlt(*plt, n == 0 ? ZOK_FUDOSAN_NO : ZOK_ZAHYO_MEN, 40, n);
        pair.AddPlt(plt);
    }
    saved &= SaveBox(pair, false, boxes + "/pair.dat");
    saved &= SaveBox(pair, true, boxes + "/pair_old.dat");

    const WORD ztys[] = {ZOK_FREE,       ZOK_OAZA, ZOK_KYOYU_NINZU,
                         ZOK_FUDOSAN_NO, ZOK_TOKI, ZOK_ZAHYO_MEN};
    for (WORD zty : ztys) {
        CVObjPlt plt;
        FillSamplePlt(plt, zty, 5, zty);
        const std::string name = plts + "/plt" + std::to_string(zty);
        saved &= SavePlt(plt, false, name + ".rec");
        saved &= SavePlt(plt, true, name + "_old.rec");
    }
    if (!saved)
        std::fprintf(stderr, "fuzz_seeds: could not write every seed\n");
    return saved ? 0 : 1;
}
