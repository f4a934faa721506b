#include "host/code_book.h"
#include "host/code_tables.h"

#include <cstdint>
#include <map>

namespace {
// Keys order the book by table, then group, then code.
std::uint64_t Key(WORD tblNo, WORD group, WORD code) {
    return (std::uint64_t{tblNo} << 32) | (std::uint64_t{group} << 16) | code;
}

WORD GroupOf(std::uint64_t key) {
    return static_cast<WORD>(key >> 16);
}
WORD CodeOf(std::uint64_t key) {
    return static_cast<WORD>(key);
}

std::map<std::uint64_t, CString>& Book() {
    static std::map<std::uint64_t, CString> book;
    return book;
}
} // namespace

void CCodeBook::SetName(WORD tblNo, WORD code, LPCTSTR name) {
    Book()[Key(tblNo, 0, code)] = name;
}

void CCodeBook::SetKoazaName(WORD oaza, WORD koaza, LPCTSTR name) {
    Book()[Key(CODE_TBL_KOAZA, oaza, koaza)] = name;
}

void CCodeBook::Clear() {
    Book().clear();
}

int CCodeBook::GetCodes(WORD tblNo, WORD group, CDWordArray& codes) {
    codes.RemoveAll();
    const auto end = Book().upper_bound(Key(tblNo, group, 0xFFFF));
    for (auto it = Book().lower_bound(Key(tblNo, group, 0)); it != end; ++it)
        codes.Add(CodeOf(it->first));
    return static_cast<int>(codes.GetSize());
}

bool CCodeBook::GetName(WORD tblNo, WORD group, WORD code, CString& name) {
    const auto found = Book().find(Key(tblNo, group, code));
    if (found == Book().end()) {
        name.Empty();
        return false;
    }
    name = found->second;
    return true;
}

int CCodeBook::GetKoazaMixCodes(CDWordArray& codes) {
    codes.RemoveAll();
    const auto end = Book().upper_bound(Key(CODE_TBL_KOAZA, 0xFFFF, 0xFFFF));
    for (auto it = Book().lower_bound(Key(CODE_TBL_KOAZA, 0, 0)); it != end; ++it)
        codes.Add(R113CODEMIX(GroupOf(it->first), CodeOf(it->first)));
    return static_cast<int>(codes.GetSize());
}
