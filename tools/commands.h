// The tool's commands. Each returns the process exit status and throws
// InputError (or another std::runtime_error) for bad input and UsageError
// for wrong arguments.
#pragma once

#include <string>
#include <vector>

int RunPaint(const std::vector<std::string>& args);
int RunBox(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
// The box actions of their own files: `args` follow the action's name.
int RunBoxStyle(const std::vector<std::string>& args);
int RunBoxClassify(const std::vector<std::string>& args);

extern const char* const kPaintUsage;
extern const char* const kBoxUsage;
extern const char* const kExportUsage;
