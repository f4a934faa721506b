#include "app/app_text.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

std::string Utf8ToAnsi(const std::string& utf8) {
    if (utf8.empty())
        return std::string();
    int wide = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring text(wide, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &text[0], wide);
    int narrow = ::WideCharToMultiByte(CP_ACP, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(narrow, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

std::string ReaderMessage(const std::string& path, const std::string& what) {
    if (!path.empty() && what.compare(0, path.size(), path) == 0)
        return path + Utf8ToAnsi(what.substr(path.size()));
    return Utf8ToAnsi(what);
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? length : 0, '\0');
    if (length > 0)
        std::vsnprintf(&text[0], text.size() + 1, format, again);
    va_end(again);
    return text;
}
