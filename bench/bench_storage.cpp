// Saving and loading a full palette box (100 palettes of 255 named brushes
// with text conditions) against writing and reading the same number of bytes
// with plain buffered stdio, in the same run. The save flushes its file to
// the disk before it replaces the old one, so the plain write is also timed
// with that flush, and without it into a new file, which no one flushes. The
// ratios are printed at the end.
#include "host/jkn_folder.h"
#include "tests/native/storage/storage_samples.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
namespace fs = std::filesystem;

constexpr int kKind = 1;
constexpr size_t kStdioChunk = 4096;

fs::path Folder() {
    static const fs::path folder = fs::temp_directory_path() / "velmora-bench-storage";
    return folder;
}

CVPaletteBox& FullBox() {
    static CVPaletteBox* box = [] {
        CVPaletteBox* full = new CVPaletteBox;
        FillFullBox(*full);
        return full;
    }();
    return *box;
}

size_t SavedSize() {
    static const size_t size = [] {
        FullBox().WritePltsBox("full", kKind);
        return static_cast<size_t>(fs::file_size(Folder() / "full.dat"));
    }();
    return size;
}

void BM_SaveBox(benchmark::State& state) {
    for (auto _ : state)
        if (FullBox().WritePltsBox("full", kKind) != 0)
            state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * SavedSize());
}

void BM_LoadBox(benchmark::State& state) {
    SavedSize();
    for (auto _ : state) {
        CVPaletteBox* box = new CVPaletteBox;
        if (box->ReadPltsBox("full", kKind) != 0 || box->GetPltCount() != VELMORA_MAX_PLT)
            state.SkipWithError("load failed");
        state.PauseTiming();
        delete box;
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * SavedSize());
}

// Plain stdio: the same bytes in 4 KiB pieces through a FILE's buffer, over
// the previous file or into a new one. (ext4 flushes a file emptied and
// rewritten, or renamed over another, on close by itself.)
enum PlainWay { OVER_OLD, OVER_OLD_FLUSHED, NEW_FILE };

void PlainWrite(benchmark::State& state, PlainWay way) {
    const std::vector<char> bytes(SavedSize(), 'v');
    const std::string path = (Folder() / "plain.dat").string();
    const bool flushToDisk = way == OVER_OLD_FLUSHED;
    for (auto _ : state) {
        if (way == NEW_FILE)
            std::remove(path.c_str());
        std::FILE* out = std::fopen(path.c_str(), "wb");
        for (size_t at = 0; at < bytes.size(); at += kStdioChunk)
            std::fwrite(bytes.data() + at, 1, std::min(kStdioChunk, bytes.size() - at), out);
        std::fflush(out);
        if (flushToDisk)
            fsync(fileno(out));
        std::fclose(out);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_PlainWrite(benchmark::State& state) {
    PlainWrite(state, OVER_OLD);
}
void BM_PlainWriteFlushed(benchmark::State& state) {
    PlainWrite(state, OVER_OLD_FLUSHED);
}
void BM_PlainWriteNewFile(benchmark::State& state) {
    PlainWrite(state, NEW_FILE);
}

void BM_PlainRead(benchmark::State& state) {
    std::vector<char> bytes(SavedSize());
    const std::string path = (Folder() / "plain.dat").string();
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    for (auto _ : state) {
        std::FILE* in = std::fopen(path.c_str(), "rb");
        for (size_t at = 0; at < bytes.size(); at += kStdioChunk)
            std::fread(bytes.data() + at, 1, std::min(kStdioChunk, bytes.size() - at), in);
        std::fclose(in);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

BENCHMARK(BM_SaveBox)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWriteFlushed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWriteNewFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadBox)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

void PrintRatio(const RatioReporter& reporter, const char* label, const char* slow,
                const char* base) {
    const auto s = reporter.times.find(slow);
    const auto b = reporter.times.find(base);
    if (s != reporter.times.end() && b != reporter.times.end() && b->second > 0)
        std::printf("%-34s %6.2f\n", label, s->second / b->second);
}
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    fs::create_directories(Folder());
    Halvex_SetJknFolderPath(kKind, Folder().string().c_str());
    std::printf("box file: %zu bytes\n", SavedSize());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratio to plain stdio of the same bytes\n");
    PrintRatio(reporter, "load / plain read", "BM_LoadBox", "BM_PlainRead");
    PrintRatio(reporter, "save / plain write, both flushed", "BM_SaveBox", "BM_PlainWriteFlushed");
    PrintRatio(reporter, "save / plain write, unflushed", "BM_SaveBox", "BM_PlainWrite");
    PrintRatio(reporter, "save / plain write to a new file", "BM_SaveBox", "BM_PlainWriteNewFile");
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
    return 0;
}
