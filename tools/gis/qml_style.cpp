#include "tools/gis/qml_style.h"
#include "tools/gis/hatch_style.h"
#include "parcels/fill/brush_fill.h"
#include "tools/pictures/svg_text.h"

#include <cstdio>

namespace {
std::string Quoted(const std::string& text, char quote) {
    std::string out(1, quote);
    for (char c : text) {
        out += c;
        if (c == quote)
            out += quote;
    }
    return out + quote;
}

std::string TermExpression(const FieldTerm& term) {
    std::string field = Quoted(term.field, '"');
    if (term.op == FieldTerm::IS_NULL)
        return field + " IS NULL";
    static const char* const kOps[] = {" = ", " >= ", " > ", " <= ", " < "};
    std::string value = term.value;
    if (term.kind == FieldTerm::TEXT)
        value = Quoted(value, '\'');
    else if (term.kind == FieldTerm::DATE)
        value = "to_date('" + value + "')";
    return field + kOps[term.op] + value;
}

std::string QgisColor(COLORREF color) {
    char text[32];
    std::snprintf(text, sizeof text, "%u,%u,%u,255", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF),
                  static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

std::string Option(const std::string& name, const std::string& value) {
    return "<Option type=\"QString\" name=\"" + name + "\" value=\"" + SvgEscape(value) + "\"/>";
}

constexpr const char* kOutlineColor = "51,51,51,255";

// A fill layer, solid or without a brush, that also draws the parcel's outline.
std::string SimpleFill(const std::string& color, const char* brush) {
    return "<layer class=\"SimpleFill\" enabled=\"1\" locked=\"0\" pass=\"0\"><Option "
           "type=\"Map\">" +
           Option("color", color) + Option("style", brush) +
           Option("outline_color", kOutlineColor) + Option("outline_style", "solid") +
           Option("outline_width", "0.16") + Option("outline_width_unit", "MM") +
           Option("joinstyle", "round") + "</Option></layer>\n";
}

// Lines at `angle` degrees counter-clockwise from the horizontal, drawn by a
// line symbol of their own.
std::string LinePattern(const std::string& symbolName, int layer, const MapFill& fill, int angle) {
    std::string color = QgisColor(fill.color);
    return "<layer class=\"LinePatternFill\" enabled=\"1\" locked=\"0\" pass=\"0\"><Option "
           "type=\"Map\">" +
           Option("angle", std::to_string(angle)) + Option("color", color) +
           Option("distance", SvgNumber(HatchSpacingMm(fill.spacingMm))) +
           Option("distance_unit", "MM") + Option("line_width", "0.26") +
           Option("line_width_unit", "MM") + Option("offset", "0") + Option("offset_unit", "MM") +
           "</Option>" + "<symbol type=\"line\" name=\"@" + symbolName + "@" +
           std::to_string(layer) +
           "\" alpha=\"1\" clip_to_extent=\"1\" force_rhr=\"0\">"
           "<layer class=\"SimpleLine\" enabled=\"1\" locked=\"0\" pass=\"0\"><Option "
           "type=\"Map\">" +
           Option("line_color", color) + Option("line_style", "solid") +
           Option("line_width", "0.26") + Option("line_width_unit", "MM") +
           Option("capstyle", "flat") + "</Option></layer></symbol></layer>\n";
}

std::string Symbol(const std::string& name, const MapFill& fill) {
    std::string out = "<symbol type=\"fill\" name=\"" + name +
                      "\" alpha=\"1\" clip_to_extent=\"1\" force_rhr=\"0\">\n";
    if (fill.kind == MapFill::PAINT) {
        out += SimpleFill(QgisColor(fill.color), "solid");
    } else {
        int layer = 0;
        if (fill.kind == MapFill::HATCH)
            for (int angle : HatchAngles(fill.hatchType))
                out += LinePattern(name, layer++, fill, (360 - angle) % 360);
        out += SimpleFill(kOutlineColor, "no");
    }
    return out + "</symbol>\n";
}

// Rule keys only need to differ; these stay the same from one run to the next.
std::string RuleKey(size_t number) {
    char text[64];
    std::snprintf(text, sizeof text, "{00000000-0000-4000-8000-%012zu}", number);
    return text;
}
} // namespace

std::string QgisExpression(const StyleFilter& filter) {
    if (filter.clauses.empty())
        return "FALSE";
    std::string out;
    for (const std::vector<FieldTerm>& clause : filter.clauses) {
        std::string terms;
        for (const FieldTerm& term : clause)
            terms += (terms.empty() ? "" : " AND ") + TermExpression(term);
        if (terms.empty())
            terms = "TRUE";
        out += (out.empty() ? "" : " OR ") +
               (filter.clauses.size() > 1 && clause.size() > 1 ? "(" + terms + ")" : terms);
    }
    return out;
}

std::string WriteQml(const PaletteStyle& style) {
    std::string rules;
    std::string symbols;
    for (size_t i = 0; i < style.rules.size(); ++i) {
        const StyleRule& rule = style.rules[i];
        std::string filter = rule.brush < 0 ? "ELSE" : QgisExpression(rule.filter);
        rules += "<rule key=\"" + RuleKey(i + 1) + "\" symbol=\"" + std::to_string(i) +
                 "\" label=\"" + SvgEscape(rule.name) + "\" filter=\"" + SvgEscape(filter) +
                 "\"/>\n";
        symbols += Symbol(std::to_string(i), rule.fill);
    }
    return "<!DOCTYPE qgis PUBLIC 'http://mrcc.com/qgis.dtd' 'SYSTEM'>\n"
           "<qgis version=\"3.22.0\" styleCategories=\"Symbology\">\n"
           "<renderer-v2 type=\"RuleRenderer\" symbollevels=\"0\" enableorderby=\"0\" "
           "forceraster=\"0\" referencescale=\"-1\">\n<rules key=\"" +
           RuleKey(0) + "\">\n" + rules + "</rules>\n<symbols>\n" + symbols +
           "</symbols>\n</renderer-v2>\n</qgis>\n";
}
