// The tool's commands. Each returns the process exit status and throws
// InputError (or another std::runtime_error) for bad input and UsageError
// for wrong arguments.
#pragma once

#include <string>
#include <vector>

int RunPaint(const std::vector<std::string>& args);
int RunBox(const std::vector<std::string>& args);

extern const char* const kPaintUsage;
extern const char* const kBoxUsage;
