// A progress line on standard error for work that takes longer than a
// second, shown only when standard error is a terminal.
#pragma once

#include <chrono>
#include <string>

class Progress {
public:
    Progress();
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Whether a line would show now; callers test this before building the text.
    bool Due();
    // Shows "velmora: <what>" in place of the previous line.
    void Show(const std::string& what);
    // Erases the line, before other output.
    void Clear();

private:
    bool terminal_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point last_;
};
