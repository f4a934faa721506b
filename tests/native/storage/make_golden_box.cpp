// Writes the golden palette-box file of the storage tests:
//   make_golden_box tests/data/storage
// Run it only when the file layout changes on purpose; both builds' tests
// compare what they write with this file byte for byte.
#include "host/jkn_folder.h"
#include "tests/native/storage/storage_samples.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_golden_box FOLDER\n");
        return 2;
    }
    Halvex_SetJknFolderPath(0, argv[1]);
    CVPaletteBox box;
    FillGoldenBox(box);
    const int result = box.WritePltsBox("golden_box", 0);
    if (result != 0)
        std::fprintf(stderr, "make_golden_box: result %#x\n", result);
    return result == 0 ? 0 : 1;
}
