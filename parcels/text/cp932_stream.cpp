#include "parcels/text/cp932_stream.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_codec.h"

namespace {
constexpr size_t kBlock = 64 * 1024;

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The length of the whole characters at the start of `bytes`; a lead byte
// at the end waits for its trail byte in the next block.
size_t WholeCharacters(const std::string& bytes) {
    size_t i = 0;
    while (i < bytes.size())
        i += IsLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    return i > bytes.size() ? bytes.size() - 1 : bytes.size();
}

class Cp932Buf : public std::streambuf {
public:
    Cp932Buf(std::istream& source, std::string head, const std::string& path)
        : source_(source), raw_(std::move(head)), path_(path) {}

protected:
    int_type underflow() override {
        while (gptr() == egptr()) {
            if (ended_)
                return traits_type::eof();
            size_t held = raw_.size();
            raw_.resize(held + kBlock);
            source_.read(&raw_[held], kBlock);
            if (source_.bad())
                throw InputError(path_, 0, "cannot read the file");
            raw_.resize(held + static_cast<size_t>(source_.gcount()));
            ended_ = source_.gcount() == 0;
            size_t whole = ended_ ? raw_.size() : WholeCharacters(raw_);
            if (!DecodeCp932(raw_.substr(0, whole), decoded_))
                throw InputError(path_, 0,
                                 "the file declares Shift_JIS but holds bytes that form no "
                                 "Shift_JIS (code page 932) character");
            raw_.erase(0, whole);
            setg(&decoded_[0], &decoded_[0], &decoded_[0] + decoded_.size());
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    std::istream& source_;
    std::string raw_; // bytes read and not yet decoded
    std::string decoded_;
    std::string path_;
    bool ended_ = false;
};

class Cp932Stream : public std::istream {
public:
    Cp932Stream(std::istream& source, std::string head, const std::string& path)
        : std::istream(nullptr), buf_(source, std::move(head), path) {
        rdbuf(&buf_);
        exceptions(std::ios::badbit);
    }

private:
    Cp932Buf buf_;
};
} // namespace

std::unique_ptr<std::istream> Cp932AsUtf8(std::istream& source, std::string head,
                                          const std::string& path) {
    return std::make_unique<Cp932Stream>(source, std::move(head), path);
}
