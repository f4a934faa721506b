// The tool's outputs are written beside their place and renamed into it. A
// run that a signal ends part way (Ctrl+C, SIGTERM, a closed terminal, the
// file size limit) removes what it had written beside them, then ends as
// the signal would have ended it.
#pragma once

#include <string>

// While it lives, `path` is removed should such a signal end the run.
class RemovedOnSignal {
public:
    explicit RemovedOnSignal(const std::string& path);
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

private:
    int slot_;
};

// WriteWholeFile, leaving nothing beside `path` should a signal end the run.
void WriteOutput(const std::string& path, const std::string& bytes);
