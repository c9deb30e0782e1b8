#pragma once
// The token scanner of the XML reader: splits UTF-16 text into markup, text and
// whitespace tokens without ever rejecting it. Malformed markup comes back as a
// problem token, and each problem is written to the log when one is given.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "xml/XmlSearch.h"

namespace lumora {

class XmlProblemLog;

enum class XmlTokenKind : uint8_t {
    End,  // nothing left to scan
    StartTag,
    EndTag,
    Text,
    Whitespace,
    ProcessingInstruction,
    Comment,
    CData,
    Doctype,
    Problem,
};

// Sixteen bytes, so a token comes back in registers; offsets fit as the reader
// indexes texts of at most 2^32 - 1 code units.
struct XmlToken {
    uint32_t start = 0;  // offset of the first character
    uint32_t length = 0;
    uint32_t nameLength = 0;  // start and end tags: the name's length
    XmlTokenKind kind = XmlTokenKind::End;
    bool emptyElement = false;  // start tags: written as <name .../>

    // Start and end tags: offset of the name, after "<" or "</".
    uint32_t NameStart() const { return start + (kind == XmlTokenKind::EndTag ? 2 : 1); }
};
static_assert(sizeof(XmlToken) == 16);

// Whitespace of the reader: tab, line feed, carriage return and space, nothing else.
inline bool IsXmlSpace(char16_t c) { return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t'; }

class XmlScanner {
public:
    // Scans `text`; problems go to `log` when it is not null.
    XmlScanner(std::u16string_view text, XmlProblemLog* log) : text_(text), log_(log) {}

    // The token that starts at `pos`; End when pos is at or past the end of the text.
    XmlToken Next(size_t pos) const;
    // Offset of the next '<' at or after `pos` (the text size when none): text and
    // whitespace tokens never hold one, so markup starts there.
    size_t NextMarkup(size_t pos) const {
        // Markup often follows markup directly, so look before searching.
        return pos < text_.size() && text_[pos] == u'<' ? pos : xml_search::FindWide(text_, pos, u'<');
    }
    // The markup token whose '<' is at `pos`.
    XmlToken ScanMarkup(size_t pos) const;

private:
    XmlToken ScanText(size_t pos) const;
    XmlToken ScanStartTag(size_t pos) const;
    XmlToken ScanDoctype(size_t pos) const;
    // A token ending at the first '>' whose two preceding characters are `a` and `b`
    // (a = 0 for one preceding character); searching starts at `from`.
    XmlToken ScanUntilClose(size_t pos, size_t from, char16_t a, char16_t b, XmlTokenKind kind,
                            std::u16string_view type) const;
    // Continues a token as a bad tag from `from`: to the next '>' or before the next '<'.
    XmlToken ScanBadTag(size_t pos, size_t from) const;
    // Offset of the '>' or '<' that stops a bad tag scanned from `from`; npos when the text ends first.
    size_t BadTagStop(size_t from) const;
    // Offset just past a quoted value whose opening quote is at `quote`; npos when unterminated.
    size_t SkipQuoted(size_t quote) const;
    // Offset after '=' and any whitespace; the caller checks for a quote there.
    size_t SkipSpace(size_t from) const;
    XmlToken Unterminated(size_t pos, std::u16string_view type) const;
    void Problem(std::u16string_view name, size_t pos) const;

    std::u16string_view text_;
    XmlProblemLog* log_;
};

}  // namespace lumora
