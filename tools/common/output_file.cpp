#include "tools/common/output_file.h"
#include "parcels/text/read_file.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace {
// A run writes one output at a time, and a GeoPackage a journal beside it.
constexpr int kSlots = 4;
constexpr size_t kLongestPath = 4096;

struct Slot {
    volatile sig_atomic_t used;
    char path[kLongestPath];
};
Slot slots[kSlots];

const int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

// Only what is safe in a signal handler: unlink, then the signal's own end.
extern "C" void RemoveAndEnd(int signal) {
    for (Slot& slot : slots)
        if (slot.used)
            unlink(slot.path);
    struct sigaction restore {};
    restore.sa_handler = SIG_DFL;
    sigaction(signal, &restore, nullptr);
    raise(signal);
}

void CatchEndingSignals() {
    static bool caught = false;
    if (caught)
        return;
    caught = true;
    for (int signal : kEndingSignals) {
        struct sigaction previous {};
        sigaction(signal, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN) // left as the caller asked, as for nohup
            continue;
        struct sigaction handler {};
        handler.sa_handler = RemoveAndEnd;
        sigfillset(&handler.sa_mask);
        sigaction(signal, &handler, nullptr);
    }
}
} // namespace

RemovedOnSignal::RemovedOnSignal(const std::string& path) : slot_(-1) {
    CatchEndingSignals();
    for (int i = 0; i < kSlots && slot_ < 0; ++i)
        if (!slots[i].used && path.size() < kLongestPath) {
            std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
            std::atomic_signal_fence(std::memory_order_seq_cst);
            slots[i].used = 1;
            slot_ = i;
        }
}

RemovedOnSignal::~RemovedOnSignal() {
    if (slot_ >= 0)
        slots[slot_].used = 0;
}

void WriteOutput(const std::string& path, const std::string& bytes) {
    RemovedOnSignal part(PartFileOf(path));
    WriteWholeFile(path, bytes);
}
