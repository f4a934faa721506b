// The condition of one rule of a GIS style, kept apart from how a style
// format writes it: a QGIS expression or an OGC filter.
#pragma once

#include <string>
#include <vector>

// One test of one column; texts are UTF-8.
struct FieldTerm {
    enum Op { EQUAL, AT_LEAST, ABOVE, AT_MOST, BELOW, IS_NULL };
    enum Kind { NUMBER, TEXT, DATE };

    std::string field;
    Op op;
    Kind kind;
    std::string value; // a number as written, a text, or a day as YYYY-MM-DD; empty for IS_NULL
};

// Holds when every term of one of its clauses holds; without clauses it never holds.
struct StyleFilter {
    std::vector<std::vector<FieldTerm>> clauses;
};
