// The map files that the paint command's inputs name: map files, folders of
// them, and zip archives of them as the registry publishes them (an archive
// of a municipality may hold one archive per map).
#pragma once

#include "tools/map_input/zip_archive.h"

#include <istream>
#include <map>
#include <memory>
#include <string>
#include <vector>

class MapSources {
public:
    // Folders are searched through, in name order; a file given again, by
    // the same path or another, is read once. Throws InputError for an input
    // that does not exist.
    explicit MapSources(const std::vector<std::string>& inputs, const ZipLimits& limits = {});
    ~MapSources();

    // What the user should hear of: each file given again, and left out.
    const std::vector<std::string>& Notes() const { return notes_; }

    // Opens the next map, named for messages as its path, inside an archive
    // as "archive.zip/entry.xml"; false after the last. The stream lives
    // until the next call. Throws InputError for a damaged archive or an
    // input that holds no map.
    bool Next(std::string& name, std::unique_ptr<std::istream>& in);

private:
    struct Open {
        std::unique_ptr<ZipArchive> archive;
        std::vector<size_t> order; // the map and archive entries by name
        size_t next = 0;
        bool found = false; // a map was found inside
    };

    void Push(std::unique_ptr<ZipArchive> archive);

    void AddFile(const std::string& file);

    ZipBudget budget_;
    std::vector<std::string> files_;
    std::map<std::string, std::string> seen_; // each file's path as given, by its real path
    std::vector<std::string> notes_;
    size_t nextFile_ = 0;
    std::vector<Open> archives_; // the archive being read, and any inside it
};
