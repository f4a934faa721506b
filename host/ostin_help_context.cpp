#include "host/ostin_help_context.h"

TOstinHelpContext::TOstinHelpContext(int kind, const char* moduleFileName, int index,
                                     const char* title)
    : m_nKind(kind), m_strModule(moduleFileName), m_nIndex(index), m_strTitle(title) {}

TOstinHelpContext::TOstinHelpContext(const TOstinHelpContext& other) = default;

TOstinHelpContext::~TOstinHelpContext() = default;

TOstinHelpContext& TOstinHelpContext::operator=(const TOstinHelpContext& other) {
    m_nKind = other.m_nKind;
    m_strModule = other.m_strModule;
    m_nIndex = other.m_nIndex;
    m_strTitle = other.m_strTitle;
    return *this;
}
