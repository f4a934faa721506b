#include "parcels/text/read_file.h"
#include "parcels/text/input_error.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError(path, 0, "cannot read the file");
    // Sized once from the file's length, so that reading holds no second copy
    // while the text grows; what a pipe or a growing file gives is appended.
    // The stream's own errors (a folder, a failing disk) name the file alone.
    std::string bytes;
    try {
        if (in.seekg(0, std::ios::end)) {
            const std::streamoff size = in.tellg();
            in.seekg(0);
            if (size > 0) {
                bytes.resize(static_cast<size_t>(size));
                in.read(&bytes[0], size);
                bytes.resize(static_cast<size_t>(in.gcount()));
            }
        }
        if (!in.bad())
            in.clear();
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        throw InputError(path, 0, "cannot read the file");
    }
    if (in.bad())
        throw InputError(path, 0, "cannot read the file");
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::string temporary = PartFileOf(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error(path + ": cannot write the file");
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error(path + ": cannot write the file");
    }
}
