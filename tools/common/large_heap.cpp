#include "tools/common/large_heap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {
// The largest block malloc lets its heap hold, and the free memory its heap
// keeps rather than give back: as much as a run could have.
constexpr int kLargestHeapBlock = 32 << 20;
constexpr int kKeptFreeMemory = 1 << 30;
// What the heap reserves at once, in huge pages; a 100,000-parcel map at
// registry density peaks at about 160 MB.
constexpr int kReserved = 256 << 20;
constexpr std::uintptr_t kHugePage = 2 << 20;
} // namespace

void PrepareLargeHeap() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptFreeMemory);
    // A block past the heap's end makes malloc grow its heap by the pad, which
    // is only reserved: each huge page of it is given as it is first used.
    // (Held in a volatile, lest the compiler drop a block nothing uses.)
    mallopt(M_TOP_PAD, kReserved);
    void* volatile grow = std::malloc(kHugePage);
    std::free(grow);
    std::uintptr_t end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    std::uintptr_t start = (end - kReserved + kHugePage - 1) & ~(kHugePage - 1);
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}
