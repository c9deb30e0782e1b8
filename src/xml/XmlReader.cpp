#include "xml/XmlReader.h"

#include <algorithm>
#include <limits>

#include "xml/XmlEntities.h"
#include "xml/XmlScanner.h"
#include "xml/XmlSearch.h"
#include "xml/XmlTreeBuilder.h"

namespace lumora {

using namespace entry_flags;

namespace {

// Offsets are 32-bit; anything past this many code units is kept but not indexed.
constexpr size_t kMaxIndexed = std::numeric_limits<uint32_t>::max();

// Characters that end an element name when searches read it.
bool EndsSearchName(char16_t c) {
    switch (c) {
        case u'\t':
        case u'\n':
        case u'\r':
        case u' ':
        case u'!':
        case u'"':
        case u'\'':
        case u'/':
        case u';':
        case u'<':
        case u'=':
        case u'>':
        case u'?':
        case u'\\': return true;
        default: return false;
    }
}

std::u16string_view OrEmpty(const char16_t* s) { return s ? std::u16string_view(s) : std::u16string_view(); }

}  // namespace

XmlReader::XmlReader() { LoadText(std::u16string_view()); }

bool XmlReader::LoadText(std::u16string_view text) {
    docText_.assign(text);
    return Index();
}

bool XmlReader::LoadText(std::u16string&& text) {
    docText_ = std::move(text);
    return Index();
}

bool XmlReader::LoadText(const char16_t* text) { return LoadText(OrEmpty(text)); }

bool XmlReader::Index() {
    const std::u16string_view text(docText_.data(), std::min(docText_.size(), kMaxIndexed));
    log_.Clear();
    // Entries never move, so the first segment must hold every element a text that
    // fits into it can have; the count of '<' stops once a whole segment is certain.
    table_.Reset(uint64_t{MaxElements(text, ElementTable::kSegmentSize)} + 1);
    table_[0] = ElementEntry{};
    entryCount_ = 1;
    Rewind();
    if (text.empty()) return false;

    entryCount_ = XmlTreeBuilder(text, table_, log_, openStack_).Build();
    ElementEntry& doc = table_[0];
    doc.spanLength = static_cast<uint32_t>(text.size());
    if (entryCount_ == 1) {
        log_.Add({.name = u"no_root_element"});
        return false;
    }
    doc.firstChild = 1;  // the first start tag is always top-level
    const bool single = table_[1].nextSibling == 0;
    if (!single) log_.Add({.name = u"root_has_sibling"});
    return single && !(doc.entryFlags & kNotWellFormed);
}

uint32_t XmlReader::MaxElements(std::u16string_view text, uint32_t cap) {
    const size_t byLength = std::min<size_t>(text.size() / 3, cap);
    return static_cast<uint32_t>(std::min(byLength, xml_search::CountWide(text, u'<', byLength)));
}

// --- Cursor

bool XmlReader::FindNext(std::u16string_view name) {
    const uint32_t from = currentPos_ != 0 ? table_[currentPos_].nextSibling : table_[parentPos_].firstChild;
    const uint32_t found = Search(from, name);
    if (found == 0) return false;
    currentPos_ = found;
    childPos_ = 0;
    currentIsElement_ = true;
    return true;
}

bool XmlReader::FindNext(const char16_t* name) { return FindNext(OrEmpty(name)); }

bool XmlReader::FindNextChild(const char16_t* name) { return FindNextChild(OrEmpty(name)); }

void XmlReader::Rewind() {
    parentPos_ = currentPos_ = childPos_ = 0;
    currentIsElement_ = false;
}

uint32_t XmlReader::SearchNamed(uint32_t candidate, std::u16string_view name) const {
    for (; candidate != 0; candidate = table_[candidate].nextSibling) {
        const size_t at = table_[candidate].tagStart + 1;
        // The name must equal `name` and end right after it.
        if (docText_.size() - at < name.size()) continue;
        size_t i = 0;
        while (i < name.size() && docText_[at + i] == name[i] && !EndsSearchName(name[i])) ++i;
        if (i == name.size() && (at + i == docText_.size() || EndsSearchName(docText_[at + i])))
            return candidate;
    }
    return 0;
}

std::u16string_view XmlReader::NameOf(uint32_t n) const {
    if (n == 0 || n >= entryCount_) return {};
    const size_t at = table_[n].tagStart + 1;
    size_t end = at;
    while (end < docText_.size() && !EndsSearchName(docText_[end])) ++end;
    return std::u16string_view(docText_).substr(at, end - at);
}

// --- Text

std::u16string XmlReader::TextOf(uint32_t n) const {
    std::u16string scratch;
    const std::u16string_view text = TextViewOf(n, scratch);
    if (text.data() == scratch.data()) return scratch;
    return std::u16string(text);
}

std::u16string_view XmlReader::TextViewOf(uint32_t n, std::u16string& scratch) const {
    if (n == 0) return {};
    const ElementEntry& e = table_[n];
    const uint32_t startLength = table_.StartTagLength(n);
    if (e.spanLength == startLength || e.firstChild != 0) return {};
    const size_t begin = e.tagStart + startLength;
    const size_t end = e.tagStart + e.spanLength - table_.EndTagLength(n);
    const std::u16string_view content = std::u16string_view(docText_).substr(begin, end - begin);
    const size_t special = xml_search::FindEitherWide(content, 0, u'<', u'&');
    if (special == content.size()) return content;
    scratch.clear();
    if (xml_search::FindWide(content, special, u'<') == content.size()) {
        AppendDecoded(scratch, content);
        return scratch;
    }

    // Markup inside: keep text (decoded) and CDATA (verbatim), drop the rest.
    const XmlScanner scanner(content, nullptr);
    for (XmlToken t = scanner.Next(0); t.kind != XmlTokenKind::End; t = scanner.Next(t.start + t.length)) {
        if (t.kind == XmlTokenKind::Text) {
            AppendDecoded(scratch, content.substr(t.start, t.length));
        } else if (t.kind == XmlTokenKind::CData) {
            constexpr size_t kOpen = 9, kClose = 3;  // "<![CDATA[" and "]]>"
            if (t.length > kOpen + kClose)
                scratch.append(content.substr(t.start + kOpen, t.length - kOpen - kClose));
        }
    }
    return scratch;
}

}  // namespace lumora
