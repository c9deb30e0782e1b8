#include "xml/XmlScanner.h"

#include "xml/XmlProblemLog.h"
#include "xml/XmlSearch.h"

namespace lumora {

using xml_search::Find;
using xml_search::FindEither;

namespace {

constexpr size_t kNone = std::u16string_view::npos;

bool IsQuote(char16_t c) { return c == u'"' || c == u'\''; }

// Letters, '_', ':' and everything above U+0060, which takes in all non-ASCII text.
bool StartsName(char16_t c) { return (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' || c > 0x60; }

bool EndsTagName(char16_t c) { return c <= u'>' && (IsXmlSpace(c) || c == u'/' || c == u'>'); }

XmlToken MakeToken(XmlTokenKind kind, size_t start, size_t end) {
    XmlToken t;
    t.kind = kind;
    t.start = static_cast<uint32_t>(start);
    t.length = static_cast<uint32_t>(end - start);
    return t;
}

}  // namespace

XmlToken XmlScanner::Next(size_t pos) const {
    if (pos >= text_.size()) return MakeToken(XmlTokenKind::End, text_.size(), text_.size());
    if (text_[pos] == u'<') return ScanMarkup(pos);
    return ScanText(pos);
}

XmlToken XmlScanner::ScanText(size_t pos) const {
    const size_t n = text_.size();
    size_t i = pos;
    while (i < n && IsXmlSpace(text_[i])) ++i;
    if (i == n || text_[i] == u'<') return MakeToken(XmlTokenKind::Whitespace, pos, i);
    // A '>' in running text ends the token with it, so stray markup ends cannot swallow what follows.
    i = FindEither(text_, i, u'<', u'>');
    if (i < n && text_[i] == u'>') ++i;
    return MakeToken(XmlTokenKind::Text, pos, i);
}

XmlToken XmlScanner::ScanMarkup(size_t pos) const {
    const size_t n = text_.size();
    if (pos + 1 >= n) return Unterminated(pos, u"tag");
    const char16_t c = text_[pos + 1];
    if (StartsName(c)) return ScanStartTag(pos);
    switch (c) {
        case u'/': {
            size_t i = pos + 2;
            while (i < n && !EndsTagName(text_[i])) ++i;
            const size_t nameEnd = i;
            i = Find(text_, i, u'>');
            if (i == n) return Unterminated(pos, u"end_tag");
            XmlToken t = MakeToken(XmlTokenKind::EndTag, pos, i + 1);
            t.nameLength = static_cast<uint32_t>(nameEnd - (pos + 2));
            return t;
        }
        case u'?':
            return ScanUntilClose(pos, pos + 2, 0, u'?', XmlTokenKind::ProcessingInstruction,
                                  u"processing_instruction");
        case u'!': {
            if (pos + 2 >= n) return Unterminated(pos, u"tag");
            const char16_t c2 = text_[pos + 2];
            if (c2 == u'D') return ScanDoctype(pos);
            if (c2 == u'-' || c2 == u'[') {
                if (pos + 3 >= n) return Unterminated(pos, u"tag");
                const char16_t c3 = text_[pos + 3];
                if (c2 == u'-' && c3 == u'-')
                    return ScanUntilClose(pos, pos + 4, u'-', u'-', XmlTokenKind::Comment, u"comment");
                if (c2 == u'[' && c3 == u'C')
                    return ScanUntilClose(pos, pos + 4, u']', u']', XmlTokenKind::CData, u"cdata_section");
                Problem(c2 == u'-' ? u"comment_tag_syntax" : u"cdata_section_syntax", pos);
            } else {
                Problem(u"exclamation_tag_syntax", pos);
            }
            return ScanBadTag(pos, pos + 1);
        }
        default: Problem(u"first_tag_syntax", pos); return ScanBadTag(pos, pos + 1);
    }
}

XmlToken XmlScanner::ScanStartTag(size_t pos) const {
    const size_t n = text_.size();
    size_t i = pos + 2;  // the first name character never ends the name
    size_t equals = kNone;
    for (; i < n; ++i) {
        const char16_t c = text_[i];
        if (c > u'>') continue;
        if (IsXmlSpace(c) || c == u'/' || c == u'>') break;
        if (c == u'=' && equals == kNone) equals = i;
    }
    const size_t nameEnd = i;
    // An '=' opens a quoted value wherever it stands, even inside the name: in
    // <a="x>y"> the tag runs to the last '>' although the name stops at the first.
    if (equals != kNone) i = equals;
    for (; i < n; ++i) {
        const char16_t c = text_[i];
        if (c > u'>') continue;  // letters and most other characters of a tag
        if (c == u'>') {
            XmlToken t = MakeToken(XmlTokenKind::StartTag, pos, i + 1);
            t.nameLength = static_cast<uint32_t>(nameEnd - (pos + 1));
            // "/>" closes an empty element only after the name, whitespace or a quote:
            // in <a x=1/> the slash belongs to the unquoted value.
            t.emptyElement = text_[i - 1] == u'/' &&
                             (i - 1 == nameEnd || IsXmlSpace(text_[i - 2]) || IsQuote(text_[i - 2]));
            return t;
        }
        if (c == u'=') {
            i = SkipSpace(i + 1);
            if (i < n && IsQuote(text_[i])) {
                i = SkipQuoted(i);
                if (i == kNone) break;
            }
            --i;  // the loop steps onto the character after the value
        }
    }
    return Unterminated(pos, u"start_tag");
}

XmlToken XmlScanner::ScanDoctype(size_t pos) const {
    const size_t n = text_.size();
    size_t i = pos + 3;
    while (i < n) {
        const char16_t c = text_[i];
        if (c == u'>') return MakeToken(XmlTokenKind::Doctype, pos, i + 1);
        if (c != u'<' || i + 1 >= n || text_[i + 1] != u'!') {
            ++i;
            continue;
        }
        if (i + 2 >= n) break;
        const char16_t d = text_[i + 2];
        if (d == u'A' || d == u'E' || d == u'N') {
            // An inner declaration; its quoted literals may hold '>' and '<'.
            size_t j = i + 3;
            while (j < n && text_[j] != u'>') {
                if (IsQuote(text_[j])) {
                    j = SkipQuoted(j);
                    if (j == kNone) return Unterminated(pos, u"document_type");
                } else {
                    ++j;
                }
            }
            if (j == n) break;
            i = j + 1;
        } else if (d == u'-' && i + 3 < n && text_[i + 3] == u'-') {
            const size_t close = text_.find(u"-->", i + 4);
            if (close == kNone) break;
            i = close + 3;
        } else if (d == u'-' && i + 3 >= n) {
            break;
        } else {
            Problem(u"doctype_tag_syntax", pos);
            // The inner part runs as a bad tag: a '>' ends it and the declaration goes on,
            // a '<' ends the whole token as a problem.
            const size_t j = BadTagStop(i + 1);
            if (j == kNone) return Unterminated(pos, u"tag");
            if (text_[j] == u'<') return MakeToken(XmlTokenKind::Problem, pos, j);
            i = j + 1;
        }
    }
    return Unterminated(pos, u"document_type");
}

XmlToken XmlScanner::ScanUntilClose(size_t pos, size_t from, char16_t a, char16_t b, XmlTokenKind kind,
                                    std::u16string_view type) const {
    const size_t n = text_.size();
    for (size_t i = Find(text_, from, u'>'); i < n; i = Find(text_, i + 1, u'>')) {
        if (text_[i - 1] == b && (a == 0 || text_[i - 2] == a)) return MakeToken(kind, pos, i + 1);
    }
    return Unterminated(pos, type);
}

XmlToken XmlScanner::ScanBadTag(size_t pos, size_t from) const {
    const size_t stop = BadTagStop(from);
    if (stop == kNone) return Unterminated(pos, u"tag");
    return MakeToken(XmlTokenKind::Problem, pos, text_[stop] == u'>' ? stop + 1 : stop);
}

size_t XmlScanner::BadTagStop(size_t from) const {
    const size_t n = text_.size();
    size_t i = from;
    while (i < n) {
        const char16_t c = text_[i];
        if (c == u'>' || c == u'<') return i;
        if (c == u'=') {
            i = SkipSpace(i + 1);
            if (i < n && IsQuote(text_[i])) {
                i = SkipQuoted(i);
                if (i == kNone) return kNone;
            }
            continue;
        }
        ++i;
    }
    return kNone;
}

size_t XmlScanner::SkipQuoted(size_t quote) const {
    const size_t close = Find(text_, quote + 1, text_[quote]);
    return close == text_.size() ? kNone : close + 1;
}

size_t XmlScanner::SkipSpace(size_t from) const {
    while (from < text_.size() && IsXmlSpace(text_[from])) ++from;
    return from;
}

XmlToken XmlScanner::Unterminated(size_t pos, std::u16string_view type) const {
    if (log_) log_->Add({.name = u"unterminated_tag_syntax", .type = type, .offset = pos});
    return MakeToken(XmlTokenKind::Problem, pos, text_.size());
}

void XmlScanner::Problem(std::u16string_view name, size_t pos) const {
    if (log_) log_->Add({.name = name, .offset = pos});
}

}  // namespace lumora
