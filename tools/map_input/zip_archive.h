// Zip archives as the registry publishes a municipality's maps: entries read
// in place, stored or deflated, without unpacking anything on disk.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

class ZipArchive {
public:
    struct Entry {
        std::string name; // UTF-8
        std::uint16_t method = 0;
        std::uint32_t crc = 0;
        std::uint64_t packedSize = 0;
        std::uint64_t size = 0;
        std::uint64_t headerOffset = 0;
    };

    // The archive in a file, or in memory (an archive inside an archive);
    // `name` names it in messages. Throws InputError when it is no zip archive.
    static std::unique_ptr<ZipArchive> OpenFile(const std::string& path);
    static std::unique_ptr<ZipArchive> OpenBytes(const std::string& name, std::string bytes);

    const std::string& Name() const { return name_; }
    const std::vector<Entry>& Entries() const { return entries_; }

    // The entry's bytes as a stream, checked against its CRC at the end;
    // the archive must outlive it. A damaged entry fails the stream's reads
    // with InputError.
    std::unique_ptr<std::istream> Open(const Entry& entry);

    // The entry's bytes whole.
    std::string Read(const Entry& entry);

private:
    ZipArchive(const std::string& name, std::unique_ptr<std::istream> source);
    void ReadDirectory();

    std::string name_;
    std::unique_ptr<std::istream> source_;
    std::vector<Entry> entries_;
};
