#include "parcels/map/xml_pull.h"
#include "parcels/text/cp932_stream.h"
#include "parcels/text/input_error.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {
// Longer tags or texts are refused rather than held.
constexpr size_t kLongestToken = 16u << 20;
constexpr size_t kFirstBuffer = 1u << 20;
// Enough for the name of nearly every tag.
constexpr size_t kShortTag = 128;

// The characters that end a tag or attribute name, as a table: names are
// most of the bytes a map reader looks at.
struct NameEnds {
    bool ends[256] = {};
    NameEnds() {
        for (unsigned char c : std::string_view(" \t\r\n/>=\"'<"))
            ends[c] = true;
    }
};
const NameEnds kNameEnds;

bool EndsName(char c) {
    return kNameEnds.ends[static_cast<unsigned char>(c)];
}

#ifdef __SSE2__
__m128i Equal(__m128i block, char c) {
    return _mm_cmpeq_epi8(block, _mm_set1_epi8(c));
}
#endif

// Counted sixteen bytes at a time where SSE2 is at hand: a map has a line
// every few dozen bytes, and every byte is counted once.
size_t CountNewlines(const char* p, const char* end) {
    size_t count = 0;
#ifdef __SSE2__
    while (end - p >= 16) {
        // A byte lane counts up to 255 newlines before the lanes are summed.
        __m128i lanes = _mm_setzero_si128();
        for (int n = 0; n < 255 && end - p >= 16; ++n, p += 16)
            lanes = _mm_sub_epi8(lanes,
                                 Equal(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), '\n'));
        __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<size_t>(_mm_cvtsi128_si64(sums)) +
                 static_cast<size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    }
#endif
    for (; p < end; ++p)
        count += *p == '\n';
    return count;
}

// Where the first '<' lies in the `near` bytes of `run`, at most sixteen;
// `near` when none does.
size_t FirstTagWithin(const char* run, size_t near) {
#ifdef __SSE2__
    if (near == 16) {
        int hits =
            _mm_movemask_epi8(Equal(_mm_loadu_si128(reinterpret_cast<const __m128i*>(run)), '<'));
        return hits ? static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(hits))) : near;
    }
#endif
    size_t lt = 0;
    while (lt < near && run[lt] != '<')
        ++lt;
    return lt;
}

#ifdef __SSE2__
// The white space bytes of `block`, as bytes of all ones.
__m128i Spaces(__m128i block) {
    return _mm_or_si128(_mm_or_si128(Equal(block, ' '), Equal(block, '\t')),
                        _mm_or_si128(Equal(block, '\r'), Equal(block, '\n')));
}

// The bytes of `block` that end a name, as a bit mask.
int NameEndMask(__m128i block) {
    __m128i space = Spaces(block);
    __m128i marks = _mm_or_si128(_mm_or_si128(Equal(block, '/'), Equal(block, '>')),
                                 _mm_or_si128(Equal(block, '='), Equal(block, '<')));
    __m128i quotes = _mm_or_si128(Equal(block, '"'), Equal(block, '\''));
    return _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(space, marks), quotes));
}
#endif

} // namespace

// Names are read sixteen bytes at a time where as many are held, as the
// names of tags are most of the bytes a map reader looks at.
XmlNameSpan XmlScanName(const char* name, const char* stop) {
    XmlNameSpan span;
    size_t& i = span.length;
#ifdef __SSE2__
    for (; stop - name - i >= 16; i += 16) {
        __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(name + i));
        int ends = NameEndMask(block);
        int colons = _mm_movemask_epi8(Equal(block, ':'));
        if (ends)
            colons &= (1 << __builtin_ctz(static_cast<unsigned>(ends))) - 1;
        if (colons)
            span.local = i + 32 - static_cast<size_t>(__builtin_clz(static_cast<unsigned>(colons)));
        if (ends) {
            i += static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(ends)));
            return span;
        }
    }
#endif
    for (; name + i < stop && !EndsName(name[i]); ++i)
        if (name[i] == ':')
            span.local = i + 1;
    return span;
}

// Sixteen bytes at a time where SSE2 is at hand: most runs between a map's
// tags are a newline and a dozen tabs.
const char* XmlSkipSpace(const char* p, const char* end) {
#ifdef __SSE2__
    for (; end - p >= 16; p += 16) {
        unsigned other = ~static_cast<unsigned>(_mm_movemask_epi8(
                             Spaces(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))))) &
                         0xFFFFu;
        if (other)
            return p + __builtin_ctz(other);
    }
#endif
    while (p != end && XmlIsSpace(*p))
        ++p;
    return p;
}

namespace {

void AppendUtf8(unsigned long code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character of a reference's name ("amp", "#38", "#x26"); false when it
// names none, and the reference is then kept as written.
bool Reference(std::string_view name, std::string& out) {
    static const struct {
        const char* name;
        char c;
    } kNamed[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& named : kNamed)
        if (name == named.name) {
            out += named.c;
            return true;
        }
    if (name.size() < 2 || name[0] != '#')
        return false;
    bool hex = name[1] == 'x';
    std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return false;
    unsigned long code = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'          ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
        if (digit < 0)
            return false;
        code = code * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    AppendUtf8(code, out);
    return true;
}
} // namespace

XmlPull::XmlPull(std::istream& in, const std::string& path)
    : in_(&in), path_(path), buffer_(kFirstBuffer) {
    Fill(3);
    if (end_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0)
        pos_ = lineMark_ = 3;
    if (end_ >= 2 && ((buffer_[0] == '\xFF' && buffer_[1] == '\xFE') ||
                      (buffer_[0] == '\xFE' && buffer_[1] == '\xFF')))
        Malformed("the file is UTF-16; save it as UTF-8");
    ReadDeclaration();
}

// The declaration's encoding: UTF-8, or Shift_JIS as some exports write
// maps, whose bytes are then read again through a decoder.
void XmlPull::ReadDeclaration() {
    std::string_view head(buffer_.data() + pos_, end_ - pos_);
    std::string_view declaration = head.substr(0, head.find("?>"));
    if (declaration.substr(0, 5) != "<?xml")
        return;
    size_t at = declaration.find("encoding");
    at = declaration.find_first_of("\"'", at);
    if (at == std::string_view::npos)
        return;
    std::string name(
        declaration.substr(at + 1, declaration.find(declaration[at], at + 1) - at - 1));
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "utf-8" || lower == "utf8" || lower == "us-ascii")
        return;
    static const char* const kCp932Names[] = {"shift_jis", "shift-jis", "sjis",       "x-sjis",
                                              "cp932",     "ms_kanji",  "windows-31j"};
    if (std::find(std::begin(kCp932Names), std::end(kCp932Names), lower) == std::end(kCp932Names))
        Fail("the file declares the encoding '" + name.substr(0, 32) +
             "'; maps are read in UTF-8 or Shift_JIS");
    decoded_ = Cp932AsUtf8(*in_, std::string(head), path_);
    in_ = decoded_.get();
    end_ = pos_;
    eof_ = false;
}

// Makes `need` bytes from `pos_` available; false when the file ends first.
// Moving the unread bytes to the front keeps the current token whole.
bool XmlPull::Refill(size_t need) {
    while (end_ - pos_ < need) {
        if (eof_)
            return false;
        if (end_ == buffer_.size()) {
            CountOpenLines();
            LineAt(pos_);
            std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
            end_ -= pos_;
            eventStart_ -= std::min(eventStart_, pos_);
            pos_ = lineMark_ = 0;
            if (end_ == buffer_.size()) {
                if (buffer_.size() >= kLongestToken)
                    Malformed("a tag or text longer than 16 MB");
                buffer_.resize(buffer_.size() * 2);
            }
        }
        in_->read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
        size_t got = static_cast<size_t>(in_->gcount());
        if (in_->bad())
            throw InputError(path_, 0, "cannot read the file");
        end_ += got;
        eof_ = got == 0;
    }
    return true;
}

// Offset from `pos_` of the first `c` at or after `from`; npos at the end of the file.
size_t XmlPull::Find(char c, size_t from) {
    for (;;) {
        if (from < end_ - pos_) {
            const char* start = buffer_.data() + pos_;
            const void* hit = std::memchr(start + from, c, end_ - pos_ - from);
            if (hit)
                return static_cast<size_t>(static_cast<const char*>(hit) - start);
            from = end_ - pos_;
        }
        if (!Fill(from + 1))
            return std::string_view::npos;
    }
}

size_t XmlPull::FindText(std::string_view what, size_t from) {
    for (;;) {
        std::string_view held(buffer_.data() + pos_, end_ - pos_);
        size_t hit = held.find(what, from);
        if (hit != std::string_view::npos)
            return hit;
        if (held.size() >= what.size())
            from = std::max(from, held.size() - what.size() + 1);
        if (!Fill(held.size() + 1))
            return std::string_view::npos;
    }
}

std::string_view XmlPull::Ahead(size_t most) {
    if (pendingEnd_)
        return {};
    Fill(most);
    return std::string_view(buffer_.data() + pos_, std::min(most, end_ - pos_));
}

void XmlPull::Consume(size_t length) {
    pos_ += length;
}

// The line at `position`, which lies at or after every position counted before.
int XmlPull::LineAt(size_t position) {
    if (position > lineMark_) {
        line_ +=
            static_cast<int>(CountNewlines(buffer_.data() + lineMark_, buffer_.data() + position));
        lineMark_ = position;
    }
    return line_;
}

// Lines are counted forwards only, so the open elements' lines are counted
// before any later position's, and before their bytes leave the buffer.
void XmlPull::CountOpenLines() {
    for (; counted_ < opens_.size(); ++counted_)
        opens_[counted_].line = LineAt(opens_[counted_].start);
}

int XmlPull::Line() {
    CountOpenLines();
    return LineAt(eventStart_);
}

int XmlPull::LineAhead(size_t offset) {
    CountOpenLines();
    return LineAt(pos_ + offset);
}

int XmlPull::StartLine() {
    return closed_.line ? closed_.line : LineAt(closed_.start);
}

void XmlPull::Open(std::string_view name) {
    size_t at = opens_.empty() ? 0 : opens_.back().name + opens_.back().length + 1;
    OpenElement& open = opens_.emplace_back();
    open.name = at;
    open.length = name.size();
    open.start = pos_;
    if (open_.size() < at + name.size() + 1)
        open_.resize(2 * (at + name.size() + 1));
    std::memcpy(open_.data() + at, name.data(), name.size());
    open_[at + name.size()] = '\0';
}

void XmlPull::Close() {
    closed_ = opens_.back();
    opens_.pop_back();
    counted_ = std::min(counted_, opens_.size());
}

void XmlPull::Fail(const std::string& what) {
    throw InputError(path_, Line(), what);
}

void XmlPull::Malformed(const std::string& what) {
    Fail("malformed XML: " + what);
}

std::string_view XmlPull::Text() {
    if (textRaw_) {
        text_ = Decode(text_, textScratch_);
        textRaw_ = false;
    }
    return text_;
}

bool XmlPull::Attribute(std::string_view name, std::string_view& value) const {
    for (const Attr& attr : attrs_)
        if (attr.name == name) {
            value = attr.value;
            return true;
        }
    return false;
}

std::string_view XmlPull::Decode(std::string_view raw, std::string& scratch) {
    size_t amp = raw.find('&');
    if (amp == std::string_view::npos)
        return raw;
    scratch.assign(raw.data(), amp);
    while (amp < raw.size()) {
        size_t semicolon = raw.find(';', amp);
        if (raw[amp] == '&' && semicolon != std::string_view::npos &&
            Reference(raw.substr(amp + 1, semicolon - amp - 1), scratch)) {
            amp = semicolon + 1;
        } else {
            scratch += raw[amp];
            ++amp;
        }
    }
    return scratch;
}

void XmlPull::Skip(std::string_view close) {
    size_t at = FindText(close, 2);
    if (at == std::string_view::npos)
        Malformed("the file ends inside a comment or instruction");
    Consume(at + close.size());
}

void XmlPull::SkipDoctype() {
    int depth = 0;
    char quote = 0;
    for (size_t i = 2;; ++i) {
        if (!Fill(i + 1))
            Malformed("the file ends inside the document type declaration");
        char c = buffer_[pos_ + i];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        } else if (c == '>' && depth <= 0) {
            Consume(i + 1);
            return;
        }
    }
}

void XmlPull::ReadText(size_t length) {
    text_ = std::string_view(buffer_.data() + pos_, length);
    textRaw_ = true;
    Consume(length);
}

void XmlPull::ReadEndTag() {
    if (!opens_.empty()) {
        // Nearly always the tag closes the innermost element at once.
        std::string_view open(open_.data() + opens_.back().name, opens_.back().length);
        if (Fill(open.size() + 3) && buffer_[pos_ + 2 + open.size()] == '>' &&
            std::memcmp(buffer_.data() + pos_ + 2, open.data(), open.size()) == 0) {
            name_ = std::string_view(buffer_.data() + pos_ + 2, open.size());
            Close();
            Consume(open.size() + 3);
            return;
        }
    }
    size_t gt = Find('>', 2);
    if (gt == std::string_view::npos)
        Malformed("the file ends inside a tag");
    std::string_view tag(buffer_.data() + pos_ + 2, gt - 2);
    while (!tag.empty() && XmlIsSpace(tag.back()))
        tag.remove_suffix(1);
    if (opens_.empty())
        Malformed("</" + std::string(tag) + "> closes no element");
    std::string_view open(open_.data() + opens_.back().name, opens_.back().length);
    if (tag != open)
        Malformed("</" + std::string(tag) + "> does not close <" + std::string(open) + ">");
    name_ = tag;
    Close();
    Consume(gt + 1);
}

// Where the start tag at pos_ ends: at the first '>' outside a quoted value.
size_t XmlPull::FindTagEnd() {
    for (size_t from = 1;;) {
        size_t gt = Find('>', from);
        if (gt == std::string_view::npos)
            Malformed("the file ends inside a tag");
        const char* tag = buffer_.data() + pos_;
        char quote = 0;
        for (size_t i = from; i < gt; ++i)
            if (tag[i] == '"' || tag[i] == '\'')
                quote = quote == 0 ? tag[i] : quote == tag[i] ? 0 : quote;
        if (!quote)
            return gt;
        size_t close = Find(quote, gt + 1);
        if (close == std::string_view::npos)
            Malformed("the file ends inside a tag");
        from = close + 1;
    }
}

// Reads the attributes of `tag` from `i`, just after its name; what is wrong
// with them, or null. `selfClosing` tells whether the tag closes itself.
const char* XmlPull::ReadAttributes(std::string_view tag, size_t i, bool& selfClosing) {
    attrs_.clear();
    selfClosing = false;
    while (i < tag.size()) {
        if (XmlIsSpace(tag[i])) {
            ++i;
            continue;
        }
        if (tag[i] == '/' && i + 1 == tag.size()) {
            selfClosing = true;
            return nullptr;
        }
        size_t start = i;
        while (i < tag.size() && !EndsName(tag[i]))
            ++i;
        std::string_view attrName = tag.substr(start, i - start);
        while (i < tag.size() && XmlIsSpace(tag[i]))
            ++i;
        if (attrName.empty() || i >= tag.size() || tag[i] != '=')
            return "a bad attribute in <";
        ++i;
        while (i < tag.size() && XmlIsSpace(tag[i]))
            ++i;
        if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\''))
            return "an attribute value without quotes in <";
        size_t close = tag.find(tag[i], i + 1);
        if (close == std::string_view::npos)
            return "an unclosed attribute value in <";
        if (attrScratch_.size() <= attrs_.size())
            attrScratch_.resize(attrs_.size() + 1);
        attrs_.push_back(
            Attr{attrName, Decode(tag.substr(i + 1, close - i - 1), attrScratch_[attrs_.size()])});
        i = close + 1;
    }
    return nullptr;
}

void XmlPull::ReadStartTag() {
    // The name, and the tag's end when the name ends it.
    Fill(kShortTag);
    const char* start = buffer_.data() + pos_ + 1;
    const char* stop = buffer_.data() + end_;
    XmlNameSpan span = XmlScanName(start, stop);
    size_t held = static_cast<size_t>(stop - start);
    size_t i = span.length;
    size_t local = span.local;
    size_t gt = i < held && start[i] == '>' ? i + 1 : Find('>', i + 1);
    if (gt == std::string_view::npos)
        Malformed("the file ends inside a tag");
    std::string_view tag(buffer_.data() + pos_ + 1, gt - 1);
    if (i == held) { // a name longer than the bytes held
        span = XmlScanName(tag.data(), tag.data() + tag.size());
        i = span.length;
        local = span.local;
    }
    if (i == 0) {
        FindTagEnd();
        Malformed("a tag without a name");
    }
    localName_ = tag.substr(local, i - local);
    // A tag ends at its first '>' unless a quoted value holds one; only a tag
    // whose attributes do not read to that '>' is looked at again.
    bool selfClosing = false;
    name_ = tag.substr(0, i);
    if (i == tag.size()) // most tags are a bare name
        attrs_.clear();
    else if (ReadAttributes(tag, i, selfClosing)) {
        gt = FindTagEnd();
        tag = std::string_view(buffer_.data() + pos_ + 1, gt - 1);
        name_ = tag.substr(0, i);
        localName_ = tag.substr(local, i - local);
        if (const char* fault = ReadAttributes(tag, i, selfClosing))
            Malformed(fault + std::string(name_) + ">");
    }
    if (opens_.empty()) {
        if (rootSeen_)
            Malformed("a second root element <" + std::string(name_) + ">");
        rootSeen_ = true;
    }
    Open(name_);
    pendingEnd_ = selfClosing;
    Consume(gt + 1);
}

XmlPull::Event XmlPull::Next(bool text) {
    if (pendingEnd_) {
        pendingEnd_ = false;
        Close();
        return END;
    }
    for (;;) {
        eventStart_ = pos_;
        if (!Fill(1)) {
            if (!opens_.empty())
                Malformed("the file ends inside <" +
                          std::string(open_.data() + opens_.back().name) + ">");
            if (!rootSeen_)
                Malformed("no root element");
            return DONE;
        }
        if (buffer_[pos_] != '<') {
            // Most runs between tags are a few bytes of indentation.
            const char* run = buffer_.data() + pos_;
            size_t near = std::min<size_t>(16, end_ - pos_);
            size_t lt = FirstTagWithin(run, near);
            if (lt == near)
                lt = Find('<', lt);
            size_t length = lt == std::string_view::npos ? end_ - pos_ : lt;
            if (!opens_.empty()) {
                if (text) {
                    ReadText(length);
                    return TEXT;
                }
                Consume(length);
                continue;
            }
            run = buffer_.data() + pos_;
            const char* stray = std::find_if_not(run, run + length, XmlIsSpace);
            if (stray != run + length) {
                eventStart_ = pos_ + static_cast<size_t>(stray - run);
                Malformed("text outside the root element");
            }
            Consume(length);
            continue;
        }
        if (!Fill(2))
            Malformed("the file ends inside a tag");
        char second = buffer_[pos_ + 1];
        if (second == '?') {
            Skip("?>");
        } else if (second == '!') {
            Fill(9);
            std::string_view head(buffer_.data() + pos_, std::min<size_t>(9, end_ - pos_));
            if (head.substr(0, 4) == "<!--") {
                Skip("-->");
            } else if (head == "<![CDATA[" && !opens_.empty()) {
                size_t close = FindText("]]>", 9);
                if (close == std::string_view::npos)
                    Malformed("the file ends inside a CDATA section");
                text_ = std::string_view(buffer_.data() + pos_ + 9, close - 9);
                textRaw_ = false;
                Consume(close + 3);
                if (text)
                    return TEXT;
            } else if (head == "<!DOCTYPE" && !rootSeen_) {
                SkipDoctype();
            } else {
                Malformed("an unknown markup declaration");
            }
        } else if (second == '/') {
            ReadEndTag();
            return END;
        } else {
            ReadStartTag();
            return START;
        }
    }
}
