// Bad input ends a command with a message naming the file and line, and a
// non-zero exit; nothing is written half.
#pragma once

#include <stdexcept>
#include <string>

class InputError : public std::runtime_error {
public:
    // line 0: the fault belongs to the file as a whole.
    InputError(const std::string& file, int line, const std::string& what)
        : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " +
                             what) {}
};
