// A fresh folder for one test's files, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-tool-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }

    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }

private:
    std::string path_;
};

// The InputError message `action` throws, or "".
template <typename F> std::string InputErrorOf(F action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return std::string();
}

// `count` items, each but the first after `separator`.
inline std::string Repeated(const std::string& item, int count,
                            const std::string& separator = ",") {
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? separator : "") + item;
    return list;
}
