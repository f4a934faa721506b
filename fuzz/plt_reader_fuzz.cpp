// The palette reader, current and older layout, on any bytes.
#include "fuzz/fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<BYTE> bytes(data, data + size);
    for (auto readPlt : {&CVObjPlt::ReadPlt, &CVObjPlt::ReadPltOld}) {
        CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
        CVObjPlt plt;
        CheckCode((plt.*readPlt)(&file), kPltCodes);
        CheckPlt(plt);
    }
    return 0;
}
