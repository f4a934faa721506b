// A pull reader of XML for files too large to hold: it hands out one start
// tag, end tag or run of text at a time and keeps only the current token in
// memory. It checks that tags nest, decodes character and the five
// predefined entity references, and skips the declaration, processing
// instructions, comments and a document type declaration. Files are UTF-8,
// or Shift_JIS (code page 932) when their declaration says so.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline bool XmlIsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A name's length in the bytes from `name` to `stop`, and where its local
// part starts: after its last colon, if any.
struct XmlNameSpan {
    size_t length = 0;
    size_t local = 0;
};
XmlNameSpan XmlScanName(const char* name, const char* stop);

// The first byte from `p` on that is not white space, or `end`.
const char* XmlSkipSpace(const char* p, const char* end);

class XmlPull {
public:
    enum Event { START, END, TEXT, DONE };

    // `in` must outlive the reader; `path` names the file in messages.
    XmlPull(std::istream& in, const std::string& path);

    // The next event; DONE once the root element has closed and only
    // whitespace, comments and processing instructions follow. A
    // self-closing tag gives START and then END. Without `text`, text inside
    // elements is passed over rather than handed out. Throws InputError
    // ("malformed XML: ...") at the line of the fault.
    Event Next(bool text = true);

    // START and END: the element's name with its prefix; START: without it.
    // Views stay valid until the next call of Next.
    std::string_view Name() const { return name_; }
    std::string_view LocalName() const { return localName_; }

    // START: the value of an attribute named exactly `name`; false when absent.
    bool Attribute(std::string_view name, std::string_view& value) const;

    // TEXT: a run of character data, references decoded when asked for, as
    // most runs are the whitespace between tags.
    std::string_view Text();

    // The line on which the current event starts, counted from 1.
    int Line();

    // END: the line of the start tag of the element just closed. Lines are
    // counted only when asked for, as most are never named.
    int StartLine();

    // The line on which the byte `offset` bytes into Ahead() lies.
    int LineAhead(size_t offset);

    // Throws InputError naming the file and the current event's line.
    [[noreturn]] void Fail(const std::string& what);

    // The bytes that follow the current event, up to `most` of them, for a
    // reader of its own to look at; none after the START of an empty element.
    // The view stays valid until the next call of Next, Ahead or Pass.
    std::string_view Ahead(size_t most);

    // Moves past `length` bytes of Ahead(), which hold whole elements and the
    // text between them: the next event is the one after them.
    void Pass(size_t length) { Consume(length); }

private:
    bool Fill(size_t need) { return end_ - pos_ >= need || Refill(need); }
    bool Refill(size_t need);
    size_t Find(char c, size_t from);
    size_t FindText(std::string_view what, size_t from);
    void Consume(size_t length);
    int LineAt(size_t position);
    void CountOpenLines();
    void Open(std::string_view name);
    void Close();
    void Skip(std::string_view close);
    void SkipDoctype();
    void ReadText(size_t length);
    void ReadEndTag();
    size_t FindTagEnd();
    const char* ReadAttributes(std::string_view tag, size_t i, bool& selfClosing);
    void ReadStartTag();
    std::string_view Decode(std::string_view raw, std::string& scratch);
    [[noreturn]] void Malformed(const std::string& what);

    void ReadDeclaration();

    std::istream* in_;
    std::unique_ptr<std::istream> decoded_; // a Shift_JIS file read as UTF-8
    std::string path_;
    std::vector<char> buffer_;
    size_t pos_ = 0; // start of the unread bytes
    size_t end_ = 0; // end of the bytes read into the buffer
    bool eof_ = false;
    int line_ = 1;           // line at `lineMark_`
    size_t lineMark_ = 0;    // buffer position up to which newlines are counted
    size_t eventStart_ = 0;  // buffer position where the current event starts
    std::vector<char> open_; // names of the open elements, each followed by '\0'
    struct OpenElement {
        size_t name; // where its name starts in `open_`
        size_t length;
        size_t start; // buffer position of its start tag, until its line is counted
        int line;     // 0 until counted
    };
    std::vector<OpenElement> opens_;
    size_t counted_ = 0;   // the open elements whose lines are counted
    OpenElement closed_{}; // the element of the last END
    bool rootSeen_ = false;
    bool pendingEnd_ = false; // a self-closing tag still owes its END
    std::string_view name_;
    std::string_view localName_;
    std::string_view text_;
    bool textRaw_ = false; // text_ still holds references
    std::string textScratch_;
    struct Attr {
        std::string_view name;
        std::string_view value;
    };
    std::vector<Attr> attrs_;
    std::vector<std::string> attrScratch_;
};
