#include "parcels/text/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace {
// One conversion with iconv. With `replace` set, a byte that cannot be
// converted becomes '?' and the conversion goes on; otherwise it fails.
bool Convert(const char* to, const char* from, const std::string& in, std::string& out,
             bool replace) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.clear();
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[4096];
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, dst);
        if (done != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        if (!replace) {
            ok = false;
            break;
        }
        out += '?';
        ++src;
        --srcLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return ok;
}
} // namespace

bool Utf8ToCp932(const std::string& utf8, std::string& cp932) {
    return Convert("CP932", "UTF-8", utf8, cp932, false);
}

std::string Cp932ToUtf8(const std::string& cp932) {
    std::string utf8;
    Convert("UTF-8", "CP932", cp932, utf8, true);
    return utf8;
}

bool DecodeCp932(const std::string& cp932, std::string& utf8) {
    return Convert("UTF-8", "CP932", cp932, utf8, false);
}
