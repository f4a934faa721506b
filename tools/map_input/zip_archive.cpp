#include "tools/map_input/zip_archive.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"

#include <zip.h>

namespace {
// Entry names are UTF-8 when flagged, and often code page 932 when not.
std::string EntryName(const char* raw) {
    std::string name(raw);
    return IsUtf8(name) ? name : Cp932ToUtf8(name);
}

std::string Bytes(std::uint64_t bytes) {
    return bytes % (1ull << 30) == 0   ? std::to_string(bytes >> 30) + " GB"
           : bytes % (1ull << 20) == 0 ? std::to_string(bytes >> 20) + " MB"
                                       : std::to_string(bytes) + " bytes";
}

// Hands out an entry's bytes as libzip unpacks them, counting them against
// the entry's limit and the budget's total.
class EntryBuf : public std::streambuf {
public:
    EntryBuf(zip_file_t* file, const std::string& name, std::uint64_t most, ZipBudget& budget)
        : file_(file), name_(name), most_(most), budget_(budget) {}
    ~EntryBuf() override { zip_fclose(file_); }

protected:
    int_type underflow() override {
        zip_int64_t got = zip_fread(file_, buffer_, sizeof buffer_);
        if (got < 0)
            throw InputError(name_, 0,
                             std::string(zip_file_strerror(file_)) + " (the archive is damaged)");
        if (got == 0)
            return traits_type::eof();
        read_ += static_cast<std::uint64_t>(got);
        budget_.unpacked += static_cast<std::uint64_t>(got);
        if (read_ > most_)
            throw InputError(name_, 0, "unpacks to more than " + Bytes(most_) + "; refused");
        if (budget_.unpacked > budget_.limits.totalBytes)
            throw InputError(name_, 0,
                             "the archives unpack to more than " +
                                 Bytes(budget_.limits.totalBytes) + "; refused");
        setg(buffer_, buffer_, buffer_ + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    zip_file_t* file_;
    std::string name_;
    std::uint64_t most_;
    ZipBudget& budget_;
    std::uint64_t read_ = 0;
    char buffer_[64 * 1024];
};

class EntryStream : public std::istream {
public:
    EntryStream(zip_file_t* file, const std::string& name, std::uint64_t most, ZipBudget& budget)
        : std::istream(nullptr), buf_(file, name, most, budget) {
        rdbuf(&buf_);
        exceptions(std::ios::badbit);
    }

private:
    EntryBuf buf_;
};
} // namespace

ZipArchive::ZipArchive(const std::string& name, ZipBudget& budget) : name_(name), budget_(budget) {}

ZipArchive::~ZipArchive() {
    if (zip_)
        zip_discard(zip_);
}

std::unique_ptr<ZipArchive> ZipArchive::OpenFile(const std::string& path, ZipBudget& budget) {
    std::unique_ptr<ZipArchive> archive(new ZipArchive(path, budget));
    int code = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!zip) {
        if (code == ZIP_ER_OPEN || code == ZIP_ER_READ)
            throw InputError(path, 0, "cannot read the file");
        throw InputError(path, 0, "not a zip archive");
    }
    archive->Start(zip);
    return archive;
}

std::unique_ptr<ZipArchive> ZipArchive::OpenBytes(const std::string& name, std::string bytes,
                                                  ZipBudget& budget) {
    std::unique_ptr<ZipArchive> archive(new ZipArchive(name, budget));
    archive->bytes_ = std::move(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(archive->bytes_.data(), archive->bytes_.size(), 0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip) {
        zip_source_free(source);
        throw InputError(name, 0, "not a zip archive");
    }
    archive->Start(zip);
    return archive;
}

void ZipArchive::Start(zip* archive) {
    zip_ = archive;
    zip_int64_t count = zip_get_num_entries(zip_, 0);
    if (static_cast<std::uint64_t>(count) > budget_.limits.entries)
        throw InputError(name_, 0,
                         "holds " + std::to_string(count) + " entries, more than the " +
                             std::to_string(budget_.limits.entries) + " read; refused");
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &stat) != 0)
            throw InputError(name_, 0, "the zip directory is damaged");
        entries_.push_back(Entry{EntryName(stat.name), stat.size, static_cast<std::uint64_t>(i)});
    }
}

std::unique_ptr<std::istream> ZipArchive::Open(const Entry& entry) {
    return Open(entry, budget_.limits.entryBytes);
}

std::unique_ptr<std::istream> ZipArchive::Open(const Entry& entry, std::uint64_t most) {
    std::string name = name_ + "/" + entry.name;
    if (entry.size > most)
        throw InputError(name, 0, "unpacks to more than " + Bytes(most) + "; refused");
    zip_file_t* file = zip_fopen_index(zip_, entry.index, 0);
    if (!file)
        throw InputError(name, 0, std::string(zip_strerror(zip_)) + "; the entry cannot be read");
    return std::make_unique<EntryStream>(file, name, most, budget_);
}

std::string ZipArchive::ReadInner(const Entry& entry) {
    std::unique_ptr<std::istream> in = Open(entry, budget_.limits.innerBytes);
    std::string bytes;
    char chunk[64 * 1024];
    while (in->read(chunk, sizeof chunk) || in->gcount() > 0)
        bytes.append(chunk, static_cast<size_t>(in->gcount()));
    return bytes;
}
