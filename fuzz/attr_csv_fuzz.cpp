// The attribute CSV reader on any bytes, with a few parcels for its rows to
// name, stopping at the first bad row and skipping bad rows.
#include "fuzz/fuzz_file.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/text/input_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = FuzzInputFile(data, size, ".csv");
    KkParcelKeys keys;
    for (unsigned oaza : {1u, 2u})
        for (const char* chiban : {"1", "2-1", "10"})
            keys.Add(oaza, chiban);
    for (bool skip : {false, true}) {
        KkAttrReport report;
        try {
            KkAttrTable table = ReadKkAttrCsv(path, keys, KkAttrOptions{skip}, report);
            if (table.size() != static_cast<std::size_t>(report.rows))
                std::abort();
        } catch (const InputError&) {
        }
    }
    return 0;
}
