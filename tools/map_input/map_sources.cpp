#include "tools/map_input/map_sources.h"
#include "parcels/text/input_error.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace {
bool EndsWith(const std::string& name, const char* end) {
    size_t length = std::char_traits<char>::length(end);
    if (name.size() < length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - length + i])) != end[i])
            return false;
    return true;
}

bool IsArchive(const std::string& name) {
    return EndsWith(name, ".zip");
}

bool IsMap(const std::string& name) {
    return EndsWith(name, ".xml");
}
} // namespace

MapSources::MapSources(const std::vector<std::string>& inputs, const ZipLimits& limits) {
    namespace fs = std::filesystem;
    budget_.limits = limits;
    for (const std::string& input : inputs) {
        std::error_code error;
        if (fs::is_directory(input, error)) {
            std::vector<std::string> found;
            for (fs::recursive_directory_iterator it(input, error), end; !error && it != end;
                 it.increment(error))
                if (it->is_regular_file(error) &&
                    (IsMap(it->path().string()) || IsArchive(it->path().string())))
                    found.push_back(it->path().string());
            if (error)
                throw InputError(input, 0, "cannot read the folder: " + error.message());
            if (found.empty())
                throw InputError(input, 0, "the folder holds no map files (.xml or .zip)");
            std::sort(found.begin(), found.end());
            for (const std::string& file : found)
                AddFile(file);
        } else if (fs::exists(input, error)) {
            AddFile(input);
        } else {
            throw InputError(input, 0, "no such map file or folder");
        }
    }
}

MapSources::~MapSources() = default;

void MapSources::AddFile(const std::string& file) {
    std::error_code error;
    std::string canonical = std::filesystem::canonical(file, error).string();
    if (error)
        canonical = file;
    auto placed = seen_.emplace(canonical, file);
    if (!placed.second) {
        notes_.push_back(file + ": the same file as " + placed.first->second + "; read once");
        return;
    }
    files_.push_back(file);
}

void MapSources::Push(std::unique_ptr<ZipArchive> archive) {
    Open open{std::move(archive), {}, 0, false};
    const auto& entries = open.archive->Entries();
    for (size_t i = 0; i < entries.size(); ++i)
        if (IsMap(entries[i].name) || IsArchive(entries[i].name))
            open.order.push_back(i);
    std::sort(open.order.begin(), open.order.end(),
              [&entries](size_t a, size_t b) { return entries[a].name < entries[b].name; });
    archives_.push_back(std::move(open));
}

bool MapSources::Next(std::string& name, std::unique_ptr<std::istream>& in) {
    in.reset();
    for (;;) {
        if (archives_.empty()) {
            if (nextFile_ == files_.size())
                return false;
            const std::string& file = files_[nextFile_++];
            if (IsArchive(file)) {
                Push(ZipArchive::OpenFile(file, budget_));
                continue;
            }
            auto stream = std::make_unique<std::ifstream>(file, std::ios::binary);
            if (!*stream)
                throw InputError(file, 0, "cannot read the file");
            name = file;
            in = std::move(stream);
            return true;
        }
        Open& open = archives_.back();
        if (open.next == open.order.size()) {
            if (!open.found)
                throw InputError(open.archive->Name(), 0, "the archive holds no map files (.xml)");
            archives_.pop_back();
            if (!archives_.empty())
                archives_.back().found = true;
            continue;
        }
        const ZipArchive::Entry& entry = open.archive->Entries()[open.order[open.next++]];
        if (IsMap(entry.name)) {
            open.found = true;
            name = open.archive->Name() + "/" + entry.name;
            in = open.archive->Open(entry);
            return true;
        }
        std::string inner = open.archive->Name() + "/" + entry.name;
        if (archives_.size() >= budget_.limits.depth)
            throw InputError(inner, 0,
                             "archives nest more than " + std::to_string(budget_.limits.depth) +
                                 " deep; refused");
        Push(ZipArchive::OpenBytes(inner, open.archive->ReadInner(entry), budget_));
    }
}
