#include "tools/common/tool_args.h"

#include "parcels/text/text_cut.h"

#include <cstdlib>

ToolArgs::ToolArgs(const std::vector<std::string>& words, const std::set<std::string>& valued,
                   const std::set<std::string>& flags) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word.compare(0, 1, "-") != 0 || word == "-") {
            positional_.push_back(word);
        } else if (valued.count(word)) {
            if (i + 1 >= words.size())
                throw UsageError{word + " needs a value"};
            values_[word] = words[++i];
        } else if (flags.count(word)) {
            values_[word] = "";
        } else {
            throw UsageError{"unknown option " + QuoteValue(word)};
        }
    }
}

std::string ToolArgs::Value(const std::string& option, const std::string& fallback) const {
    auto found = values_.find(option);
    return found == values_.end() ? fallback : found->second;
}

long WholeValue(const ToolArgs& args, const std::string& option, long lowest, long highest,
                const std::string& meaning) {
    std::string text = args.Value(option);
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < lowest || value > highest)
        throw UsageError{option + " takes " + meaning + ", " + std::to_string(lowest) + " to " +
                         std::to_string(highest)};
    return value;
}
