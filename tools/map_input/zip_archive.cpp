#include "tools/map_input/zip_archive.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kEntrySignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndSize = 22;
constexpr size_t kLongestComment = 0xFFFF;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kUtf8Names = 0x0800;

std::uint32_t Le(const unsigned char* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

// Entry names are UTF-8 when flagged, and often code page 932 when not.
std::string EntryName(const std::string& raw, std::uint16_t flags) {
    if ((flags & kUtf8Names) || IsUtf8(raw))
        return raw;
    return Cp932ToUtf8(raw);
}

// Reads an entry's packed bytes from the archive and hands them out
// unpacked, checking size and CRC at the end.
class EntryBuf : public std::streambuf {
public:
    EntryBuf(std::istream& source, const std::string& name, const ZipArchive::Entry& entry,
             std::uint64_t dataOffset)
        : source_(source), name_(name), entry_(entry), offset_(dataOffset),
          left_(entry.packedSize) {
        if (entry_.method == kDeflated && inflateInit2(&zs_, -MAX_WBITS) != Z_OK)
            Fail("cannot unpack");
        inflating_ = entry_.method == kDeflated;
    }
    ~EntryBuf() override {
        if (inflating_)
            inflateEnd(&zs_);
    }

protected:
    int_type underflow() override {
        while (gptr() == egptr()) {
            size_t made = entry_.method == kStored ? Copy() : Inflate();
            if (made == 0) {
                Finish();
                return traits_type::eof();
            }
            crc_ = crc32(crc_, reinterpret_cast<const Bytef*>(out_), static_cast<uInt>(made));
            produced_ += made;
            setg(out_, out_, out_ + made);
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw InputError(name_, 0, what + " (the archive is damaged)");
    }

    size_t ReadPacked(char* into, size_t most) {
        size_t take = static_cast<size_t>(std::min<std::uint64_t>(most, left_));
        if (take == 0)
            return 0;
        source_.clear();
        source_.seekg(static_cast<std::streamoff>(offset_));
        source_.read(into, static_cast<std::streamsize>(take));
        if (static_cast<size_t>(source_.gcount()) != take)
            Fail("the entry is cut short");
        offset_ += take;
        left_ -= take;
        return take;
    }

    size_t Copy() { return ReadPacked(out_, sizeof out_); }

    size_t Inflate() {
        zs_.next_out = reinterpret_cast<Bytef*>(out_);
        zs_.avail_out = sizeof out_;
        while (zs_.avail_out == sizeof out_ && !ended_) {
            if (zs_.avail_in == 0) {
                size_t got = ReadPacked(in_, sizeof in_);
                if (got == 0)
                    Fail("the entry is cut short");
                zs_.next_in = reinterpret_cast<Bytef*>(in_);
                zs_.avail_in = static_cast<uInt>(got);
            }
            int result = inflate(&zs_, Z_NO_FLUSH);
            if (result == Z_STREAM_END)
                ended_ = true;
            else if (result != Z_OK)
                Fail("the entry cannot be unpacked");
        }
        return sizeof out_ - zs_.avail_out;
    }

    void Finish() {
        if (produced_ != entry_.size || crc_ != entry_.crc)
            Fail("the entry does not match its checksum");
    }

    std::istream& source_;
    std::string name_;
    ZipArchive::Entry entry_;
    std::uint64_t offset_;
    std::uint64_t left_;
    z_stream zs_{};
    bool inflating_ = false;
    bool ended_ = false;
    uLong crc_ = crc32(0L, Z_NULL, 0);
    std::uint64_t produced_ = 0;
    char in_[64 * 1024];
    char out_[64 * 1024];
};

class EntryStream : public std::istream {
public:
    EntryStream(std::istream& source, const std::string& name, const ZipArchive::Entry& entry,
                std::uint64_t dataOffset)
        : std::istream(nullptr), buf_(source, name, entry, dataOffset) {
        rdbuf(&buf_);
        exceptions(std::ios::badbit);
    }

private:
    EntryBuf buf_;
};
} // namespace

ZipArchive::ZipArchive(const std::string& name, std::unique_ptr<std::istream> source)
    : name_(name), source_(std::move(source)) {}

std::unique_ptr<ZipArchive> ZipArchive::OpenFile(const std::string& path) {
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*in)
        throw InputError(path, 0, "cannot read the file");
    std::unique_ptr<ZipArchive> archive(new ZipArchive(path, std::move(in)));
    archive->ReadDirectory();
    return archive;
}

std::unique_ptr<ZipArchive> ZipArchive::OpenBytes(const std::string& name, std::string bytes) {
    std::unique_ptr<ZipArchive> archive(
        new ZipArchive(name, std::make_unique<std::istringstream>(std::move(bytes))));
    archive->ReadDirectory();
    return archive;
}

// The central directory at the end lists the entries; zip64 archives, for
// more than 65535 entries or 4 GB, are not read.
void ZipArchive::ReadDirectory() {
    std::istream& in = *source_;
    in.seekg(0, std::ios::end);
    std::uint64_t size = static_cast<std::uint64_t>(in.tellg());
    size_t tail = static_cast<size_t>(std::min<std::uint64_t>(size, kEndSize + kLongestComment));
    std::vector<unsigned char> end(tail);
    in.seekg(static_cast<std::streamoff>(size - tail));
    in.read(reinterpret_cast<char*>(end.data()), static_cast<std::streamsize>(tail));
    if (size < kEndSize || static_cast<size_t>(in.gcount()) != tail)
        throw InputError(name_, 0, "not a zip archive");
    size_t at = tail - kEndSize + 1;
    do {
        --at;
    } while (at > 0 && Le(&end[at], 4) != kEndSignature);
    if (Le(&end[at], 4) != kEndSignature)
        throw InputError(name_, 0, "not a zip archive");
    std::uint32_t count = Le(&end[at + 10], 2);
    std::uint32_t directorySize = Le(&end[at + 12], 4);
    std::uint32_t directoryOffset = Le(&end[at + 16], 4);
    if (count == 0xFFFF || directoryOffset == 0xFFFFFFFF)
        throw InputError(name_, 0, "zip64 archives are not read; unpack it or pack it anew");
    if (static_cast<std::uint64_t>(directoryOffset) + directorySize > size)
        throw InputError(name_, 0, "the zip directory lies outside the file (damaged archive)");
    std::vector<unsigned char> directory(directorySize);
    in.clear();
    in.seekg(directoryOffset);
    in.read(reinterpret_cast<char*>(directory.data()), directorySize);
    size_t p = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (p + 46 > directory.size() || Le(&directory[p], 4) != kEntrySignature)
            throw InputError(name_, 0, "the zip directory is damaged");
        const unsigned char* e = &directory[p];
        size_t nameLength = Le(e + 28, 2), extraLength = Le(e + 30, 2),
               commentLength = Le(e + 32, 2);
        if (p + 46 + nameLength + extraLength + commentLength > directory.size())
            throw InputError(name_, 0, "the zip directory is damaged");
        Entry entry;
        entry.method = static_cast<std::uint16_t>(Le(e + 10, 2));
        entry.crc = Le(e + 16, 4);
        entry.packedSize = Le(e + 20, 4);
        entry.size = Le(e + 24, 4);
        entry.headerOffset = Le(e + 42, 4);
        entry.name = EntryName(std::string(reinterpret_cast<const char*>(e + 46), nameLength),
                               static_cast<std::uint16_t>(Le(e + 8, 2)));
        entries_.push_back(entry);
        p += 46 + nameLength + extraLength + commentLength;
    }
}

std::unique_ptr<std::istream> ZipArchive::Open(const Entry& entry) {
    std::string name = name_ + "/" + entry.name;
    if (entry.method != kStored && entry.method != kDeflated)
        throw InputError(name, 0,
                         "packed by method " + std::to_string(entry.method) +
                             ", which is not read (only stored and deflated entries are)");
    unsigned char local[30];
    source_->clear();
    source_->seekg(static_cast<std::streamoff>(entry.headerOffset));
    source_->read(reinterpret_cast<char*>(local), sizeof local);
    if (source_->gcount() != sizeof local || Le(local, 4) != kLocalSignature)
        throw InputError(name, 0, "the entry's header is damaged");
    std::uint64_t dataOffset =
        entry.headerOffset + sizeof local + Le(local + 26, 2) + Le(local + 28, 2);
    return std::make_unique<EntryStream>(*source_, name, entry, dataOffset);
}

std::string ZipArchive::Read(const Entry& entry) {
    std::unique_ptr<std::istream> in = Open(entry);
    std::string bytes;
    char chunk[64 * 1024];
    while (in->read(chunk, sizeof chunk) || in->gcount() > 0)
        bytes.append(chunk, static_cast<size_t>(in->gcount()));
    return bytes;
}
