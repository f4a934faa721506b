// Test texts made from others by one edit.
#pragma once

#include <string>

// `text` with the first `part` in it written as `by`.
inline std::string Replaced(std::string text, const std::string& part, const std::string& by) {
    return text.replace(text.find(part), part.size(), by);
}

// One such edit, as the tables of variants list them.
struct TextEdit {
    std::string part, by;
};

inline std::string Replaced(const std::string& text, const TextEdit& edit) {
    return Replaced(text, edit.part, edit.by);
}
