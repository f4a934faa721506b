// Zip archives as the registry publishes a municipality's maps, read in place
// through libzip, without unpacking anything on disk. Archives can inflate
// without bound, so every entry's bytes count against limits.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

struct ZipLimits {
    std::uint64_t entryBytes = 4ull << 30;  // one entry, unpacked
    std::uint64_t innerBytes = 1ull << 30;  // an archive inside an archive, held in memory
    std::uint64_t totalBytes = 32ull << 30; // every entry of every archive, unpacked
    std::uint64_t entries = 100000;         // entries of one archive
    size_t depth = 3;                       // archives inside archives, the outermost counted
};

// The limits and what the archives of one command have unpacked so far.
struct ZipBudget {
    ZipLimits limits;
    std::uint64_t unpacked = 0;
};

struct zip; // libzip's archive

class ZipArchive {
public:
    struct Entry {
        std::string name;       // UTF-8
        std::uint64_t size = 0; // unpacked, as the archive declares it
        std::uint64_t index = 0;
    };

    // The archive in a file, or in memory (an archive inside an archive);
    // `name` names it in messages. Throws InputError when it is no zip
    // archive or holds more entries than the budget's limit.
    static std::unique_ptr<ZipArchive> OpenFile(const std::string& path, ZipBudget& budget);
    static std::unique_ptr<ZipArchive> OpenBytes(const std::string& name, std::string bytes,
                                                 ZipBudget& budget);
    ~ZipArchive();

    const std::string& Name() const { return name_; }
    const std::vector<Entry>& Entries() const { return entries_; }

    // The entry's bytes as a stream, checked against its CRC at the end;
    // the archive must outlive it. A damaged entry, or one past the limits,
    // fails the stream's reads with InputError.
    std::unique_ptr<std::istream> Open(const Entry& entry);

    // The bytes of an archive inside this one, whole, within `innerBytes`.
    std::string ReadInner(const Entry& entry);

private:
    ZipArchive(const std::string& name, ZipBudget& budget);
    std::unique_ptr<std::istream> Open(const Entry& entry, std::uint64_t most);
    void Start(zip* archive);

    std::string name_;
    ZipBudget& budget_;
    std::string bytes_; // an archive in memory
    zip* zip_ = nullptr;
    std::vector<Entry> entries_;
};
