// The tool's commands. Each returns the process exit status and throws
// InputError for bad input and UsageError for wrong arguments.
#pragma once

#include <string>
#include <vector>

int RunPaint(const std::vector<std::string>& args);
int RunBox(const std::vector<std::string>& args);

extern const char* const kUsage;
