// The host's code names as they stood before a new code book was read, so
// that a code book that fails half-way can be undone.
#pragma once

#include "afx/afx.h"

#include <string>
#include <vector>

class CodeBookKeep {
public:
    // Takes a copy of every name now in the code book.
    CodeBookKeep();
    // Puts the copied names back in place of whatever the code book now holds.
    void Restore() const;

private:
    struct Name {
        WORD tblNo;
        WORD group; // the 大字 of a 小字, else 0
        WORD code;
        std::string name;
    };
    std::vector<Name> m_names;
};
