// The box read from JSON.
#include "tools/box/box_json.h"
#include "model/cond_text.h"
#include "parcels/text/input_error.h"
#include "parcels/text/kk_date.h"
#include "parcels/text/text_codec.h"
#include "parcels/text/text_cut.h"

#include "host/code_tables.h"
#include "model/zok_catalogue.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

using nlohmann::ordered_json;

namespace {
// Writes four values into a packed array field element by element.
#define VELMORA_SET_FOUR(field, values)                                                            \
    do {                                                                                           \
        const auto four = (values);                                                                \
        for (int i = 0; i < 4; ++i)                                                                \
            (field)[i] = four[i];                                                                  \
    } while (0)

class BoxJsonReader {
public:
    explicit BoxJsonReader(const std::string& path) : path_(path) {}

    [[noreturn]] void Fail(const std::string& where, const std::string& what) const {
        throw InputError(path_, 0, where + ": " + what);
    }

    void Keys(const ordered_json& object, const std::string& where,
              std::initializer_list<const char*> allowed) const {
        if (!object.is_object())
            Fail(where, "expected an object");
        for (const auto& item : object.items()) {
            bool known = false;
            for (const char* key : allowed)
                known = known || item.key() == key;
            if (!known)
                Fail(where, "unknown key " + QuoteValue(item.key()));
        }
    }

    long long Integer(const ordered_json& value, const std::string& where, long long lowest,
                      long long highest) const {
        if (!value.is_number_integer())
            Fail(where, "expected a whole number");
        long long number =
            value.is_number_unsigned()
                ? static_cast<long long>(std::min<unsigned long long>(
                      value.get<unsigned long long>(),
                      static_cast<unsigned long long>(std::numeric_limits<long long>::max())))
                : value.get<long long>();
        if (number < lowest || number > highest)
            Fail(where, "expected a whole number from " + std::to_string(lowest) + " to " +
                            std::to_string(highest));
        return number;
    }

    double RealValue(const ordered_json& value, const std::string& where) const {
        if (value.is_number())
            return value.get<double>();
        if (value == "nan")
            return std::numeric_limits<double>::quiet_NaN();
        std::string text = value.is_string() ? value.get<std::string>() : std::string();
        if (text.size() == 20 && text.compare(0, 4, "nan:") == 0 &&
            text.find_first_not_of("0123456789abcdef", 4) == std::string::npos) {
            std::uint64_t bits = std::strtoull(text.c_str() + 4, nullptr, 16);
            double nan = 0.0;
            std::memcpy(&nan, &bits, sizeof nan);
            if (std::isnan(nan))
                return nan;
        }
        if (value == "inf")
            return std::numeric_limits<double>::infinity();
        if (value == "-inf")
            return -std::numeric_limits<double>::infinity();
        Fail(where, "expected a number");
    }

    std::int32_t DateValue(const ordered_json& value, const std::string& where) const {
        if (value.is_number_integer())
            return static_cast<std::int32_t>(Integer(value, where,
                                                     std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
        std::int32_t time = 0;
        if (!value.is_string() || !ParseLocalTime(value.get<std::string>(), time))
            Fail(where, "expected a date YYYY-MM-DD (or YYYY-MM-DDTHH:MM:SS) from 1901-12-14 "
                        "to 2038-01-19, or a count of seconds");
        return time;
    }

    std::string Text(const ordered_json& value, const std::string& where, size_t limit) const {
        std::string cp932;
        if (value.is_object()) {
            Keys(value, where, {"cp932"});
            const ordered_json hex = value.value("cp932", ordered_json());
            std::string digits = hex.is_string() ? hex.get<std::string>() : std::string("-");
            if (digits.size() % 2 != 0 ||
                digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
                Fail(where, "expected {\"cp932\": \"hex digits\"}");
            for (size_t i = 0; i < digits.size(); i += 2)
                cp932 += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
        } else if (!value.is_string()) {
            Fail(where, "expected a text");
        } else if (!Utf8ToCp932(value.get<std::string>(), cp932)) {
            Fail(where, "the text has characters outside code page 932");
        }
        if (cp932.size() > limit)
            Fail(where, "the text is longer than " + std::to_string(limit) + " bytes");
        if (cp932.find('\0') != std::string::npos)
            Fail(where, "the text holds a NUL character");
        return cp932;
    }

    COLORREF ColorValue(const ordered_json& value, const std::string& where) const {
        std::string text = value.is_string() ? value.get<std::string>() : std::string();
        if (text.size() != 7 || text[0] != '#' ||
            text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
            Fail(where, "expected a colour \"#rrggbb\" (red, green, blue in hex)");
        unsigned long rgb = std::strtoul(text.c_str() + 1, nullptr, 16);
        return static_cast<COLORREF>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    }

    // One value for all four elements, or a list of four.
    template <typename T, typename F>
    std::array<T, 4> FourValues(const ordered_json& value, const std::string& where,
                                F convert) const {
        std::array<T, 4> out;
        if (!value.is_array()) {
            out.fill(convert(value, where));
            return out;
        }
        if (value.size() != 4)
            Fail(where, "expected one value or four");
        for (int i = 0; i < 4; ++i)
            out[i] = convert(value[i], where + "[" + std::to_string(i) + "]");
        return out;
    }

    WORD Attribute(const ordered_json& value, const std::string& where) const {
        if (value.is_number_integer()) {
            WORD id = static_cast<WORD>(Integer(value, where, 0, 0xFFFF));
            if (id != 0 && VelmoraZokIndexFromId(id) == VELMORA_NO_ZOK)
                Fail(where, "no attribute has the ID " + std::to_string(id));
            return id;
        }
        std::string name = Text(value, where, 64);
        for (int index = 0; index < Velmora_GetZokCnt(); ++index) {
            CString known;
            Velmora_GetZokName(index, known);
            if (name == known.GetString())
                return VelmoraZokIdFromIndex(static_cast<unsigned>(index));
        }
        Fail(where, "unknown attribute " + QuoteValue(value.get<std::string>()));
    }

    template <typename T> struct Bounds {
        DWORD rangeFlg;
        T from;
        T to;
    };

    // A single value, or a From-To range.
    template <typename T, typename F>
    Bounds<T> ValueOrRange(const ordered_json& cond, const std::string& where, F convert) const {
        Keys(cond, where, {"value", "from", "to"});
        if (cond.contains("value") && !cond.contains("from") && !cond.contains("to"))
            return Bounds<T>{0, convert(cond["value"], where + ".value"), T()};
        if (cond.contains("value") || !cond.contains("from") || !cond.contains("to"))
            Fail(where, "expected either \"value\" or both \"from\" and \"to\"");
        return Bounds<T>{1, convert(cond["from"], where + ".from"),
                         convert(cond["to"], where + ".to")};
    }

    VELMORA_Z_TYPE Condition(WORD zty, const ordered_json& cond, const std::string& where) const {
        VELMORA_Z_TYPE z;
        std::memset(&z, 0, sizeof z);
        z.Zty = zty;
        // 画地No compares unsigned: its values reach 4294967295 and keep their bits.
        long long highest =
            zty == ZOK_KK_NO ? 0xFFFFFFFFLL : std::numeric_limits<std::int32_t>::max();
        auto integer = [this, highest](const ordered_json& v, const std::string& w) {
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(
                Integer(v, w, std::numeric_limits<std::int32_t>::min(), highest)));
        };
        auto real = [this](const ordered_json& v, const std::string& w) { return RealValue(v, w); };
        auto date = [this](const ordered_json& v, const std::string& w) { return DateValue(v, w); };
        switch (VelmoraZokKindOf(zty)) {
        case ZOK_KIND_CODE:
            if (zty == ZOK_KOAZA && !cond.contains("code")) {
                Keys(cond, where, {"oaza", "koaza"});
                if (!cond.contains("oaza") || !cond.contains("koaza"))
                    Fail(where, "expected \"oaza\" and \"koaza\", or \"code\"");
                z.ZCode.Code = R113CODEMIX(
                    static_cast<WORD>(Integer(cond["oaza"], where + ".oaza", 0, 0xFFFF)),
                    static_cast<WORD>(Integer(cond["koaza"], where + ".koaza", 0, 0xFFFF)));
                break;
            }
            Keys(cond, where, {"code"});
            if (!cond.contains("code"))
                Fail(where, "expected \"code\"");
            z.ZCode.Code =
                static_cast<DWORD>(Integer(cond["code"], where + ".code", 0, 0xFFFFFFFFLL));
            break;
        case ZOK_KIND_LONG: {
            Bounds<std::int32_t> b = ValueOrRange<std::int32_t>(cond, where, integer);
            z.ZLong.RangeFlg = b.rangeFlg;
            z.ZLong.From = b.from;
            z.ZLong.To = b.to;
            break;
        }
        case ZOK_KIND_TEXT: {
            Keys(cond, where, {"text"});
            if (!cond.contains("text"))
                Fail(where, "expected \"text\"");
            std::string text = Text(cond["text"], where + ".text", VELMORA_ZTEXT_MAX);
            std::memcpy(z.ZText.Text, text.c_str(), text.size() + 1);
            break;
        }
        case ZOK_KIND_DATE: {
            Bounds<std::int32_t> b = ValueOrRange<std::int32_t>(cond, where, date);
            z.ZDate.RangeFlg = b.rangeFlg;
            z.ZDate.From = b.from;
            z.ZDate.To = b.to;
            break;
        }
        case ZOK_KIND_REAL: {
            Bounds<double> b = ValueOrRange<double>(cond, where, real);
            z.ZReal.RangeFlg = b.rangeFlg;
            z.ZReal.From = b.from;
            z.ZReal.To = b.to;
            break;
        }
        default:
            Keys(cond, where, {});
            break;
        }
        return z;
    }

    // The To of a single value, a range flag other than 1, another attribute ID.
    void CarriedCondition(WORD zty, const ordered_json& carried, const std::string& where,
                          VELMORA_Z_TYPE& z) const {
        if (carried.contains("zty"))
            z.Zty = static_cast<WORD>(Integer(carried["zty"], where + ".zty", 0, 0xFFFF));
        const VelmoraZokKind kind = VelmoraZokKindOf(zty);
        if (kind != ZOK_KIND_LONG && kind != ZOK_KIND_DATE && kind != ZOK_KIND_REAL) {
            if (carried.contains("to") || carried.contains("range"))
                Fail(where, "\"to\" and \"range\" belong to value and range conditions");
            return;
        }
        // The three layouts share their first fields, Zty and RangeFlg.
        const DWORD rangeFlg = z.ZLong.RangeFlg;
        if (carried.contains("to")) {
            if (rangeFlg != 0)
                Fail(where + ".to", "a range has its own \"to\"");
            const ordered_json& to = carried["to"];
            if (kind == ZOK_KIND_LONG)
                z.ZLong.To = static_cast<std::int32_t>(static_cast<std::uint32_t>(Integer(
                    to, where + ".to", std::numeric_limits<std::int32_t>::min(),
                    zty == ZOK_KK_NO ? 0xFFFFFFFFLL : std::numeric_limits<std::int32_t>::max())));
            else if (kind == ZOK_KIND_DATE)
                z.ZDate.To = DateValue(to, where + ".to");
            else
                z.ZReal.To = RealValue(to, where + ".to");
        }
        if (carried.contains("range")) {
            if (rangeFlg == 0)
                Fail(where + ".range", "only a range carries a range flag");
            z.ZLong.RangeFlg =
                static_cast<DWORD>(Integer(carried["range"], where + ".range", 2, 0xFFFFFFFF));
        }
    }

    // A density the editor offers: a percentage.
    double Density(const ordered_json& value, const std::string& where) const {
        double density = value.is_number() ? value.get<double>() : -1.0;
        if (!(density >= 0.0 && density <= 100.0))
            Fail(where, "expected a density from 0 to 100 (%)");
        return density;
    }

    // Fill settings outside what the editor makes: a fill flag other than 0
    // and 1, a colour's fourth byte, a density outside 0 to 100.
    void CarriedFill(const ordered_json& carried, const std::string& where, CVObjBrs& brs) const {
        if (carried.contains("fill"))
            brs.PaintFlg = static_cast<WORD>(Integer(carried["fill"], where + ".fill", 2, 0xFFFF));
        if (carried.contains("colorbyte"))
            brs.PaintData.Color =
                (brs.PaintData.Color & 0xFFFFFFu) |
                static_cast<COLORREF>(Integer(carried["colorbyte"], where + ".colorbyte", 1, 255))
                    << 24;
        if (carried.contains("density"))
            brs.PaintData.Depth = RealValue(carried["density"], where + ".density");
    }

    void Carried(const ordered_json& carried, const std::string& where,
                 FACEZSKHATCH_DATA& hatch) const {
        auto real = [this](const ordered_json& v, const std::string& w) { return RealValue(v, w); };
        auto byte = [this](const ordered_json& v, const std::string& w) {
            return static_cast<BYTE>(Integer(v, w, 0, 255));
        };
        if (carried.contains("aux"))
            hatch.Aux = static_cast<DWORD>(Integer(carried["aux"], where + ".aux", 0, 0xFFFFFFFF));
        if (carried.contains("points")) {
            const ordered_json& points = carried["points"];
            if (!points.is_array() || points.size() != 4)
                Fail(where + ".points", "expected four points");
            for (int i = 0; i < 4; ++i) {
                std::string at = where + ".points[" + std::to_string(i) + "]";
                if (!points[i].is_array() || points[i].size() != 3)
                    Fail(at, "expected [x, y, z]");
                hatch.Pt[i] = PT(RealValue(points[i][0], at), RealValue(points[i][1], at),
                                 RealValue(points[i][2], at));
            }
        }
        if (carried.contains("aux2"))
            VELMORA_SET_FOUR(hatch.Aux2,
                             FourValues<double>(carried["aux2"], where + ".aux2", real));
        if (carried.contains("aux3"))
            VELMORA_SET_FOUR(hatch.Aux3, FourValues<BYTE>(carried["aux3"], where + ".aux3", byte));
        if (carried.contains("aux4"))
            VELMORA_SET_FOUR(hatch.Aux4, FourValues<BYTE>(carried["aux4"], where + ".aux4", byte));
    }

    // `flag` is the slot's flag, 1 unless carried.
    CVObjBrs Brush(WORD zty, const ordered_json& in, const std::string& where, int& flag) const {
        flag = 1;
        Keys(in, where,
             {"name", "condition", "fill", "paint", "hatch", "layer", "col", "hat", "carried"});
        CVObjBrs brs;
        brs.BFg = 1;
        bool needsCondition = VelmoraZokKindOf(zty) != ZOK_KIND_NONE;
        if (needsCondition && !in.contains("condition"))
            Fail(where, "a brush of this palette needs a \"condition\"");
        brs.ZVal =
            Condition(zty, in.value("condition", ordered_json::object()), where + ".condition");
        if (in.contains("name"))
            brs.BNm = Text(in["name"], where + ".name", kBoxNameMax).c_str();
        else if (needsCondition)
            brs.BNm = CutCp932(VelmoraCondText(zty, brs.ZVal), kBoxNameMax).c_str();
        else
            Fail(where, "a brush of a free palette needs a \"name\"");
        if (in.contains("paint")) {
            const ordered_json& paint = in["paint"];
            Keys(paint, where + ".paint", {"color", "density"});
            if (paint.contains("color"))
                brs.PaintData.Color = ColorValue(paint["color"], where + ".paint.color");
            if (paint.contains("density"))
                brs.PaintData.Depth = Density(paint["density"], where + ".paint.density");
        }
        if (in.contains("hatch")) {
            const ordered_json& hatch = in["hatch"];
            Keys(hatch, where + ".hatch", {"type", "spacing", "color"});
            auto real = [this](const ordered_json& v, const std::string& w) {
                return RealValue(v, w);
            };
            auto byte = [this](const ordered_json& v, const std::string& w) {
                return static_cast<BYTE>(Integer(v, w, 0, 255));
            };
            if (hatch.contains("type"))
                brs.HatchData.Type =
                    static_cast<WORD>(Integer(hatch["type"], where + ".hatch.type", 0, 0xFFFF));
            if (hatch.contains("spacing"))
                VELMORA_SET_FOUR(
                    brs.HatchData.Space,
                    FourValues<double>(hatch["spacing"], where + ".hatch.spacing", real));
            if (hatch.contains("color"))
                VELMORA_SET_FOUR(brs.HatchData.Color,
                                 FourValues<BYTE>(hatch["color"], where + ".hatch.color", byte));
        }
        // Without "fill", a brush given only hatch settings hatches.
        const ordered_json fill =
            in.value("fill", ordered_json(in.contains("hatch") && !in.contains("paint") ? "hatch"
                                                                                        : "paint"));
        if (fill != "paint" && fill != "hatch")
            Fail(where + ".fill", "expected \"paint\" or \"hatch\"");
        brs.PaintFlg = fill == "paint" ? 0 : 1;
        if (in.contains("layer"))
            brs.LayerNo = static_cast<DWORD>(Integer(in["layer"], where + ".layer", 0, 0xFFFFFFFF));
        if (in.contains("col"))
            brs.Col = static_cast<BYTE>(Integer(in["col"], where + ".col", 0, 255));
        if (in.contains("hat"))
            brs.Hat = static_cast<DWORD>(Integer(in["hat"], where + ".hat", 0, 0xFFFFFFFF));
        if (in.contains("carried")) {
            const ordered_json& carried = in["carried"];
            const std::string at = where + ".carried";
            Keys(carried, at,
                 {"flag", "zty", "range", "to", "fill", "colorbyte", "density", "aux", "points",
                  "aux2", "aux3", "aux4"});
            CarriedCondition(zty, carried, at, brs.ZVal);
            CarriedFill(carried, at, brs);
            Carried(carried, at, brs.HatchData);
            if (carried.contains("flag"))
                flag =
                    static_cast<int>(Integer(carried["flag"], at + ".flag", INT32_MIN, INT32_MAX));
            if (flag == 0)
                Fail(at + ".flag", "a brush's flag is not 0");
        }
        return brs;
    }

    void Palette(const ordered_json& in, const std::string& where, CVObjPlt& plt) const {
        Keys(in, where, {"name", "attribute", "brushes", "carried"});
        if (!in.contains("name") || !in.contains("attribute"))
            Fail(where, "a palette needs \"name\" and \"attribute\"");
        plt.SetPNm(Text(in["name"], where + ".name", kBoxNameMax).c_str());
        plt.SetZty(Attribute(in["attribute"], where + ".attribute"));
        // An attribute ID outside the catalogue, which a box keeps but no parcel matches.
        if (in.contains("carried")) {
            Keys(in["carried"], where + ".carried", {"attribute"});
            if (in["carried"].contains("attribute"))
                plt.SetZty(static_cast<WORD>(
                    Integer(in["carried"]["attribute"], where + ".carried.attribute", 0, 0xFFFF)));
        }
        const ordered_json brushes = in.value("brushes", ordered_json::array());
        if (!brushes.is_array())
            Fail(where + ".brushes", "expected a list");
        if (brushes.size() > VELMORA_MAX_BRS)
            Fail(where + ".brushes", "a palette holds at most 255 brushes");
        for (size_t b = 0; b < brushes.size(); ++b) {
            int flag = 1;
            CVObjBrs brs = Brush(plt.GetZty(), brushes[b],
                                 where + ".brushes[" + std::to_string(b) + "]", flag);
            BYTE pos = plt.CountBrs();
            plt.AddBrs(pos, &brs);
            plt.SetBFg(pos, flag);
        }
    }

private:
    std::string path_;
};

// Where a parse failed, and what was wrong, without the parser's own codes
// or the text it last read (which may be long).
std::string ParseFault(const std::string& text, const ordered_json::parse_error& error) {
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i + 1 < error.byte && i < text.size(); ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    std::string what = error.what();
    size_t from = what.find("while parsing ");
    std::string detail;
    if (from != std::string::npos) {
        detail = what.substr(
            what.find(" - ", from) == std::string::npos ? from : what.find(" - ", from) + 3);
        detail = detail.substr(0, detail.find("; last read"));
        size_t expected = what.rfind("; expected ");
        if (expected != std::string::npos && expected > what.find("; last read"))
            detail += what.substr(expected);
    }
    return "malformed JSON at line " + std::to_string(line) + ", column " +
           std::to_string(error.byte - lineStart) + (detail.empty() ? "" : ": " + detail);
}
} // namespace

void BoxFromJson(const std::string& path, const std::string& text, CVPaletteBox& box) {
    ordered_json in;
    try {
        in = ordered_json::parse(text);
    } catch (const ordered_json::parse_error& error) {
        throw InputError(path, 0, ParseFault(text, error));
    } catch (const ordered_json::out_of_range&) {
        throw InputError(path, 0, "malformed JSON: a number too large to read");
    }
    BoxJsonReader reader(path);
    reader.Keys(in, "box", {"selected", "palettes", "carried"});
    const ordered_json palettes = in.value("palettes", ordered_json::array());
    if (!palettes.is_array())
        reader.Fail("palettes", "expected a list");
    if (palettes.size() + static_cast<size_t>(box.GetPltCount()) > VELMORA_MAX_PLT)
        reader.Fail("palettes", "a box holds at most 100 palettes");
    // Everything is read before the box changes, so a mistake leaves it as it was.
    std::vector<std::unique_ptr<CVObjPlt>> read;
    for (size_t p = 0; p < palettes.size(); ++p) {
        read.push_back(std::make_unique<CVObjPlt>());
        reader.Palette(palettes[p], "palettes[" + std::to_string(p) + "]", *read.back());
    }
    const long long count = box.GetPltCount() + static_cast<long long>(read.size());
    int selected = box.GetSelPNo();
    if (in.contains("selected")) {
        selected = static_cast<int>(reader.Integer(in["selected"], "selected", -1, INT32_MAX));
        if (selected >= count)
            reader.Fail("selected",
                        "expected -1 (none) or a palette's number from 0; the box has " +
                            std::to_string(count) + " palettes");
    }
    int word = box.BoxWord;
    // What a box keeps without meaning: its word, and a selected number that no palette has.
    const ordered_json carried = in.value("carried", ordered_json::object());
    reader.Keys(carried, "carried", {"word", "selected"});
    if (carried.contains("word"))
        word =
            static_cast<int>(reader.Integer(carried["word"], "carried.word", INT32_MIN, INT32_MAX));
    if (carried.contains("selected"))
        selected = static_cast<int>(
            reader.Integer(carried["selected"], "carried.selected", -1, VELMORA_MAX_PLT - 1));
    for (std::unique_ptr<CVObjPlt>& plt : read)
        if (box.AddPlt(plt.get()))
            plt.release();
    box.SetSelPNo(selected);
    box.BoxWord = word;
}
