#include "xml/XmlTreeBuilder.h"

#include <algorithm>

#include "xml/ElementTable.h"
#include "xml/XmlProblemLog.h"
#include "xml/XmlScanner.h"

namespace lumora {

using namespace entry_flags;

XmlTreeBuilder::XmlTreeBuilder(std::u16string_view text, ElementTable& table, XmlProblemLog& log)
    : text_(text), table_(table), log_(log) {
    open_.reserve(7);
}

uint32_t XmlTreeBuilder::Build() {
    const XmlScanner scanner(text_, &log_);
    const size_t n = text_.size();
    // Text and whitespace make no entries and never a problem, so only markup is scanned as tokens.
    for (size_t pos = scanner.NextMarkup(0); pos < n; pos = scanner.NextMarkup(pos)) {
        // Most end tags are exactly "</" + the innermost name + ">": close it without a scan.
        if (pos + 1 < n && text_[pos + 1] == u'/' && !open_.empty()) {
            const OpenElement& top = open_.back();
            const size_t close = pos + 2 + top.nameLength;
            if (close < n && text_[close] == u'>' &&
                std::equal(&text_[top.nameStart], &text_[top.nameStart] + top.nameLength, &text_[pos + 2])) {
                Close(pos, close + 1 - pos);
                pos = close + 1;
                continue;
            }
        }
        const XmlToken token = scanner.ScanMarkup(pos);
        switch (token.kind) {
        case XmlTokenKind::StartTag: StartTag(token); break;
        case XmlTokenKind::EndTag: EndTag(token); break;
        case XmlTokenKind::Problem: Problem(); break;
        default: break;  // comments, declarations, CDATA: no entries
        }
        pos = token.start + token.length;
    }
    UnendAbove(0, n);
    return count_;
}

void XmlTreeBuilder::StartTag(const XmlToken& token) {
    if (count_ >= table_.Capacity()) table_.Reserve(table_.Capacity() + table_.Capacity() / 2);
    const uint32_t n = count_++;
    const uint32_t parent = Innermost();
    ElementEntry& e = table_[n];
    e.tagStart = static_cast<uint32_t>(token.start);
    e.spanLength = static_cast<uint32_t>(token.length);
    e.tagLengths = 0;
    table_.SetStartTagLength(n, static_cast<uint32_t>(token.length));
    e.entryFlags = static_cast<uint32_t>(std::min<size_t>(open_.size(), kDepthMask));
    e.parentEntry = parent;
    e.firstChild = 0;
    e.nextSibling = 0;

    ElementEntry& p = table_[parent];
    if (p.firstChild == 0) {
        p.firstChild = n;
        e.prevSibling = n;
        e.entryFlags |= kLinkedFirst;
    } else {
        ElementEntry& first = table_[p.firstChild];
        table_[first.prevSibling].nextSibling = n;
        e.prevSibling = first.prevSibling;
        first.prevSibling = n;
    }
    if (!token.emptyElement)
        open_.push_back({n, static_cast<uint32_t>(token.nameStart), static_cast<uint32_t>(token.nameLength)});
}

void XmlTreeBuilder::EndTag(const XmlToken& token) {
    const std::u16string_view name = text_.substr(token.nameStart, token.nameLength);
    for (size_t k = open_.size(); k-- > 0;) {
        if (NameOf(open_[k]) != name) continue;
        UnendAbove(k + 1, token.start + 1);
        Close(token.start, token.length);
        return;
    }
    log_.Add({.name = u"lone_end_tag", .tagname = name, .offset = token.start});
    Problem();
}

void XmlTreeBuilder::Close(size_t endTagStart, size_t endTagLength) {
    const uint32_t n = open_.back().entry;
    ElementEntry& e = table_[n];
    e.spanLength = static_cast<uint32_t>(endTagStart + endTagLength - e.tagStart);
    table_.SetEndTagLength(n, static_cast<uint32_t>(endTagLength));
    open_.pop_back();
}

void XmlTreeBuilder::Problem() {
    table_[0].entryFlags |= kNotWellFormed;
    table_[Innermost()].entryFlags |= kHasProblem;
}

void XmlTreeBuilder::UnendAbove(size_t keep, uint64_t offset2) {
    while (open_.size() > keep) {
        const OpenElement top = open_.back();
        open_.pop_back();
        const uint32_t u = top.entry;
        const uint32_t parent = Innermost();
        ElementEntry& e = table_[u];
        e.entryFlags |= kUnended;
        table_.SetEndTagLength(u, 0);
        e.spanLength = table_.StartTagLength(u);
        if (e.firstChild != 0) {
            // Splice the children in as the siblings right after u, which is the last
            // child of its parent while it is open. Their parent links are fixed once
            // below for the whole run, so nested unended elements stay linear.
            const uint32_t first = e.firstChild;
            const uint32_t last = table_[first].prevSibling;
            e.firstChild = 0;
            e.nextSibling = first;
            table_[first].prevSibling = u;
            table_[table_[parent].firstChild].prevSibling = last;
        }
        if (e.entryFlags & kHasProblem) {
            e.entryFlags &= ~kHasProblem;
            table_[parent].entryFlags |= kHasProblem;
        }
        log_.Add({.name = u"unended_start_tag", .tagname = NameOf(top), .offset = e.tagStart, .offset2 = offset2});
        table_[0].entryFlags |= kNotWellFormed;
        if (open_.size() == keep) {
            // u is the outermost of the run: everything after it now belongs to its parent.
            for (uint32_t c = e.nextSibling; c != 0; c = table_[c].nextSibling) table_[c].parentEntry = parent;
        }
    }
}

}  // namespace lumora
