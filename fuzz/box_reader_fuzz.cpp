// The palette-box reader, current and older layout, on any bytes; a box read
// from them must save again.
#include "fuzz/fuzz_checks.h"
#include "storage/box_records.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
// Takes what is written and keeps only its length, so that saving a big box
// allocates nothing.
class CountingFile : public CFile {
public:
    void Write(const void*, UINT count) override { m_length += count; }
    ULONGLONG GetLength() const override { return m_length; }
    ULONGLONG GetPosition() const override { return m_length; }

private:
    ULONGLONG m_length = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<BYTE> bytes(data, data + size);
    for (bool olderLayout : {false, true}) {
        CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
        CVPaletteBox box;
        const int result = ReadBoxRecords(box, &file, olderLayout);
        CheckCode(result, {0, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x10001});
        CheckBox(box);
        CountingFile saved;
        if (WriteBoxRecords(box, &saved) != 0)
            std::abort();
    }
    return 0;
}
