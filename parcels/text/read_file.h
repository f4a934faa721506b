// Whole-file reading and all-or-nothing writing for the tool's inputs and outputs.
#pragma once

#include <string>

// The file's bytes; throws InputError when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// The file an output is written to before it is renamed into place.
inline std::string PartFileOf(const std::string& path) {
    return path + ".part";
}

// Writes beside the target and renames over it, so a failed run leaves no
// half-written file; throws std::runtime_error on failure.
void WriteWholeFile(const std::string& path, const std::string& bytes);
