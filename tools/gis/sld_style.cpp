#include "tools/gis/sld_style.h"
#include "tools/gis/hatch_style.h"
#include "parcels/fill/brush_fill.h"
#include "tools/pictures/svg_text.h"

namespace {
// Symbology Encoding measures in pixels of 0.28 mm.
constexpr double kMmPerPixel = 0.28;

std::string Literal(const std::string& value) {
    return "<ogc:Literal>" + SvgEscape(value) + "</ogc:Literal>";
}

// A comparison of two literals, for filters that always or never hold.
std::string Constant(bool holds) {
    return "<ogc:PropertyIsEqualTo>" + Literal("1") + Literal(holds ? "1" : "0") +
           "</ogc:PropertyIsEqualTo>";
}

std::string TermFilter(const FieldTerm& term) {
    static const char* const kOps[] = {"PropertyIsEqualTo",     "PropertyIsGreaterThanOrEqualTo",
                                       "PropertyIsGreaterThan", "PropertyIsLessThanOrEqualTo",
                                       "PropertyIsLessThan",    "PropertyIsNull"};
    std::string op = kOps[term.op];
    std::string property = "<ogc:PropertyName>" + SvgEscape(term.field) + "</ogc:PropertyName>";
    if (term.op == FieldTerm::IS_NULL)
        return "<ogc:" + op + ">" + property + "</ogc:" + op + ">";
    std::string matchCase = term.kind == FieldTerm::TEXT ? " matchCase=\"true\"" : "";
    return "<ogc:" + op + matchCase + ">" + property + Literal(term.value) + "</ogc:" + op + ">";
}

std::string Joined(const std::vector<std::string>& parts, const char* op) {
    if (parts.size() == 1)
        return parts[0];
    std::string out = std::string("<ogc:") + op + ">";
    for (const std::string& part : parts)
        out += part;
    return out + "</ogc:" + op + ">";
}

std::string Filter(const StyleFilter& filter) {
    if (filter.clauses.empty())
        return Constant(false);
    std::vector<std::string> clauses;
    for (const std::vector<FieldTerm>& clause : filter.clauses) {
        std::vector<std::string> terms;
        for (const FieldTerm& term : clause)
            terms.push_back(TermFilter(term));
        clauses.push_back(terms.empty() ? Constant(true) : Joined(terms, "And"));
    }
    return Joined(clauses, "Or");
}

std::string Parameter(const char* name, const std::string& value) {
    return std::string("<se:SvgParameter name=\"") + name + "\">" + value + "</se:SvgParameter>";
}

const char* const kOutline = "<se:Stroke><se:SvgParameter name=\"stroke\">#333333</se:SvgParameter>"
                             "<se:SvgParameter name=\"stroke-width\">0.6</se:SvgParameter>"
                             "</se:Stroke>";

// One set of hatch lines, `angle` degrees clockwise from the horizontal on
// the page. QGIS reads a graphic fill as lines only from a "horline" mark
// turned by a rotation other than 0, which it takes counter-clockwise: 180
// draws the horizontal lines, and the other angles mirror.
std::string HatchLines(const MapFill& fill, int angle) {
    return "<se:PolygonSymbolizer><se:Fill><se:GraphicFill><se:Graphic><se:Mark>"
           "<se:WellKnownName>horline</se:WellKnownName><se:Stroke>" +
           Parameter("stroke", SvgColor(fill.color)) + Parameter("stroke-width", "1") +
           "</se:Stroke></se:Mark><se:Size>" +
           SvgNumber(HatchSpacingMm(fill.spacingMm) / kMmPerPixel) + "</se:Size><se:Rotation>" +
           std::to_string(180 - angle) +
           "</se:Rotation></se:Graphic></se:GraphicFill></se:Fill></se:PolygonSymbolizer>";
}

// A paint fill with its outline, or each set of hatch lines and then the
// outline over them.
std::string Symbolizers(const MapFill& fill) {
    if (fill.kind == MapFill::PAINT)
        return "<se:PolygonSymbolizer><se:Fill>" + Parameter("fill", SvgColor(fill.color)) +
               "</se:Fill>" + kOutline + "</se:PolygonSymbolizer>";
    std::string out;
    if (fill.kind == MapFill::HATCH)
        for (int angle : HatchAngles(fill.hatchType))
            out += HatchLines(fill, angle);
    return out + "<se:PolygonSymbolizer>" + kOutline + "</se:PolygonSymbolizer>";
}
} // namespace

std::string WriteSld(const PaletteStyle& style, const std::string& layer) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<StyledLayerDescriptor version=\"1.1.0\" xmlns=\"http://www.opengis.net/sld\" "
        "xmlns:se=\"http://www.opengis.net/se\" xmlns:ogc=\"http://www.opengis.net/ogc\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:schemaLocation=\"http://www.opengis.net/sld "
        "http://schemas.opengis.net/sld/1.1.0/StyledLayerDescriptor.xsd\">\n"
        "<NamedLayer><se:Name>" +
        SvgEscape(layer) + "</se:Name>\n<UserStyle><se:Name>" + SvgEscape(style.name) +
        "</se:Name>\n<se:FeatureTypeStyle>\n";
    for (const StyleRule& rule : style.rules) {
        out += "<se:Rule><se:Name>" + SvgEscape(rule.name) +
               "</se:Name><se:Description><se:Title>" + SvgEscape(rule.name) +
               "</se:Title></se:Description>\n";
        out += (rule.brush < 0 ? "<se:ElseFilter/>"
                               : "<ogc:Filter>" + Filter(rule.filter) + "</ogc:Filter>") +
               std::string("\n") + Symbolizers(rule.fill) + "\n</se:Rule>\n";
    }
    return out + "</se:FeatureTypeStyle>\n</UserStyle>\n</NamedLayer>\n</StyledLayerDescriptor>\n";
}
