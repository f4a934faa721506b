// The zip reader on any bytes, under small limits: every entry is read to its
// end and archives inside archives are opened in turn. A damaged archive or
// entry fails with a message; nothing may read past its buffers or unpack
// past the limits.
#include "parcels/text/input_error.h"
#include "tools/map_input/zip_archive.h"

#include <cstdlib>
#include <string>

namespace {

void ReadAll(ZipArchive& archive, ZipBudget& budget, size_t depth) {
    for (const ZipArchive::Entry& entry : archive.Entries()) {
        try {
            const std::string& name = entry.name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".zip") == 0) {
                if (depth >= budget.limits.depth)
                    continue;
                auto inner = ZipArchive::OpenBytes(name, archive.ReadInner(entry), budget);
                ReadAll(*inner, budget, depth + 1);
                continue;
            }
            auto stream = archive.Open(entry);
            char chunk[4096];
            while (stream->read(chunk, sizeof chunk) || stream->gcount() > 0) {
            }
        } catch (const InputError&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ZipBudget budget;
    budget.limits = ZipLimits{256u << 10, 256u << 10, 1u << 20, 1000, 3};
    try {
        auto archive = ZipArchive::OpenBytes(
            "fuzz.zip", std::string(reinterpret_cast<const char*>(data), size), budget);
        ReadAll(*archive, budget, 1);
    } catch (const InputError&) {
    }
    if (budget.unpacked > budget.limits.totalBytes)
        std::abort();
    return 0;
}
