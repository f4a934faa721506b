#include "host/svy_kk_data.h"

#include <cstring>

namespace {
int PersonAt(const std::vector<WORD>& persons, int index, WORD& code) {
    if (index < 0 || static_cast<std::size_t>(index) >= persons.size())
        return 0;
    code = persons[static_cast<std::size_t>(index)];
    return 1;
}
} // namespace

SvyKkData::SvyKkData()
    : KkNo(0), KkNm{}, m_hasTk(false), m_tk{}, m_zokuReadable(false), m_zoku{}, m_calls{} {}

int SvyKkData::Get_TK(SVY_KKDB_TK& tk) const {
    ++m_calls.Tk;
    if (!m_hasTk)
        return 0;
    tk = m_tk;
    return 1;
}

int SvyKkData::GetZoku(SVY_KKDB_ZOKUSEI& zoku) const {
    ++m_calls.Zoku;
    if (!m_zokuReadable)
        return 0;
    zoku = m_zoku;
    return 1;
}

int SvyKkData::GetShoyusha(int index, WORD& code) const {
    ++m_calls.Shoyusha;
    return PersonAt(m_shoyusha, index, code);
}

int SvyKkData::GetNozeisha(int index, WORD& code) const {
    ++m_calls.Nozeisha;
    return PersonAt(m_nozeisha, index, code);
}

const std::vector<PT>& SvyKkData::Boundary() const {
    ++m_calls.Boundary;
    return m_boundary;
}

void SvyKkData::SetNo(DWORD no) {
    KkNo = no;
}

void SvyKkData::SetName(LPCTSTR name) {
    const std::size_t length = name ? strnlen(name, SVY_KK_NAME_MAX) : 0;
    std::memcpy(KkNm, name ? name : "", length);
    KkNm[length] = '\0';
}

void SvyKkData::SetBoundary(const std::vector<PT>& ring) {
    m_boundary = ring;
}

void SvyKkData::SetTk(WORD shubetsu) {
    m_hasTk = true;
    m_tk.Shubetsu = shubetsu;
}

void SvyKkData::SetZoku(const SVY_KKDB_ZOKUSEI& zoku) {
    m_zokuReadable = true;
    m_zoku = zoku;
}

void SvyKkData::SetZokuUnreadable() {
    m_zokuReadable = false;
}

void SvyKkData::SetShoyusha(const std::vector<WORD>& owners) {
    m_shoyusha = owners;
}

void SvyKkData::SetNozeisha(const std::vector<WORD>& taxpayers) {
    m_nozeisha = taxpayers;
}

void SvyKkData::ResetCalls() {
    m_calls = SvyKkCalls{};
}
