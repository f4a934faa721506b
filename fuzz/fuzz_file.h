// The readers of attribute CSVs and code books take a path: the fuzz input is
// written to a file of this process in memory-backed /dev/shm first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline std::string FuzzInputFile(const std::uint8_t* data, std::size_t size, const char* suffix) {
    const std::string path = "/dev/shm/velmora-fuzz-" + std::to_string(getpid()) + suffix;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
        std::abort();
    return path;
}
