#include "tools/common/progress.h"

#include <unistd.h>

#include <cstdio>

namespace {
constexpr auto kFirstAfter = std::chrono::seconds(1);
constexpr auto kEvery = std::chrono::milliseconds(200);
} // namespace

Progress::Progress()
    : terminal_(isatty(STDERR_FILENO) == 1), start_(std::chrono::steady_clock::now()),
      last_(start_) {}

Progress::~Progress() {
    Clear();
}

bool Progress::Due() {
    if (!terminal_)
        return false;
    auto now = std::chrono::steady_clock::now();
    return now - start_ >= kFirstAfter && now - last_ >= kEvery;
}

void Progress::Show(const std::string& what) {
    if (!terminal_)
        return;
    last_ = std::chrono::steady_clock::now();
    std::fprintf(stderr, "\r\033[Kvelmora: %s", what.c_str());
    std::fflush(stderr);
    shown_ = true;
}

void Progress::Clear() {
    if (!shown_)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    shown_ = false;
}
