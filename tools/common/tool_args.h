// Command-line arguments: positional words and --options, some taking a value.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class ToolArgs {
public:
    // `valued` names the options that take a value, `flags` those that do
    // not; any other word starting with "--" is refused (UsageError).
    ToolArgs(const std::vector<std::string>& words, const std::set<std::string>& valued,
             const std::set<std::string>& flags);

    const std::vector<std::string>& Positional() const { return positional_; }
    bool Has(const std::string& option) const { return values_.count(option) > 0; }
    std::string Value(const std::string& option, const std::string& fallback = "") const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::string> values_;
};

// A command used wrongly; main prints the message and exits 2.
struct UsageError {
    std::string what;
};

// The whole number an option gives, from `lowest` to `highest`; UsageError
// naming the option's `meaning` otherwise.
long WholeValue(const ToolArgs& args, const std::string& option, long lowest, long highest,
                const std::string& meaning);
