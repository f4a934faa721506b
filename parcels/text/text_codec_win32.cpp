#include "parcels/text/text_codec.h"

#include <windows.h>

namespace {
constexpr UINT kCp932 = 932;

// Text as UTF-16; false when a byte does not belong to the code page.
bool ToWide(UINT codePage, const std::string& in, std::wstring& wide, DWORD flags) {
    wide.clear();
    if (in.empty())
        return true;
    int length =
        MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()), nullptr, 0);
    if (length <= 0)
        return false;
    wide.resize(static_cast<size_t>(length));
    return MultiByteToWideChar(codePage, flags, in.data(), static_cast<int>(in.size()), &wide[0],
                               length) == length;
}

bool FromWide(UINT codePage, const std::wstring& wide, std::string& out, bool exact) {
    out.clear();
    if (wide.empty())
        return true;
    BOOL lossy = FALSE;
    BOOL* lossyOut = exact ? &lossy : nullptr;
    DWORD flags = exact ? WC_NO_BEST_FIT_CHARS : 0;
    int length = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, lossyOut);
    if (length <= 0 || lossy)
        return false;
    out.resize(static_cast<size_t>(length));
    return WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), &out[0],
                               length, nullptr, nullptr) == length;
}
} // namespace

bool Utf8ToCp932(const std::string& utf8, std::string& cp932) {
    std::wstring wide;
    return ToWide(CP_UTF8, utf8, wide, MB_ERR_INVALID_CHARS) && FromWide(kCp932, wide, cp932, true);
}

std::string Cp932ToUtf8(const std::string& cp932) {
    std::wstring wide;
    std::string utf8;
    ToWide(kCp932, cp932, wide, 0);
    FromWide(CP_UTF8, wide, utf8, false);
    return utf8;
}

bool DecodeCp932(const std::string& cp932, std::string& utf8) {
    std::wstring wide;
    return ToWide(kCp932, cp932, wide, MB_ERR_INVALID_CHARS) &&
           FromWide(CP_UTF8, wide, utf8, false);
}
